#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "input32/trace.h"

namespace input32 {

std::optional<Trace> ReadTrace(const std::filesystem::path& file, std::string* error) {
  auto fail = [error](const std::string& reason) -> std::optional<Trace> {
    if (error != nullptr) *error = reason;
    return std::nullopt;
  };
  std::ifstream in(file, std::ios::binary);
  if (!in) return fail(file.string() + ": cannot be opened");
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};

  trace_format::Header header;
  if (bytes.size() < sizeof header) return fail(file.string() + ": too short for a trace");
  std::memcpy(&header, bytes.data(), sizeof header);
  if (std::memcmp(header.magic, trace_format::kMagic, sizeof header.magic) != 0 ||
      header.version != trace_format::kVersion ||
      header.recordSize != sizeof(trace_format::Record)) {
    return fail(file.string() + ": not a port trace of this version");
  }

  Trace trace;
  trace.dropped = header.dropped;
  const std::uint64_t stored = (bytes.size() - sizeof header) / sizeof(trace_format::Record);
  const std::uint64_t count = std::min(header.claimed, stored);
  trace.records.reserve(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    trace_format::Record record;
    std::memcpy(&record, bytes.data() + sizeof header + i * sizeof record, sizeof record);
    // A writer killed between claiming a slot and filling it leaves it empty.
    if (record.access != static_cast<std::uint8_t>(Access::Read) &&
        record.access != static_cast<std::uint8_t>(Access::Write)) {
      continue;
    }
    trace.records.push_back(
        {record.ticks, record.address, record.value, static_cast<Access>(record.access)});
  }
  return trace;
}

}  // namespace input32
