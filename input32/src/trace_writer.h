#pragma once
// Appends port accesses to the trace file, mapped shared so a reader or a
// second writing process sees every record; the mapping is reserved once at
// the size limit and the file grows under it in chunks, so an append never
// remaps and costs a counter read and a few stores.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "input32/trace.h"
#include "platform/clock.h"

namespace input32 {

class TraceWriter {
 public:
  static constexpr std::size_t kDefaultLimit = std::size_t{256} << 20;
  static constexpr std::size_t kChunk = std::size_t{1} << 20;

  // Opens (or starts) the trace file; records past `limitBytes` are counted
  // as dropped instead of kept.
  static std::optional<TraceWriter> Open(const std::filesystem::path& file, std::size_t limitBytes,
                                         std::string* error = nullptr);
  TraceWriter(TraceWriter&& other) noexcept;
  TraceWriter& operator=(TraceWriter&&) = delete;
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;
  ~TraceWriter();

  void Append(std::int16_t address, std::uint8_t value, Access access) {
    const std::int64_t ticks = platform::CounterNow();
    const std::uint64_t slot =
        std::atomic_ref<std::uint64_t>(header()->claimed).fetch_add(1, std::memory_order_relaxed);
    const std::size_t end =
        sizeof(trace_format::Header) + (slot + 1) * sizeof(trace_format::Record);
    if (end > available_ && !Grow(end)) [[unlikely]] {
      std::atomic_ref<std::uint64_t>(header()->dropped).fetch_add(1, std::memory_order_relaxed);
      return;
    }
    auto* record =
        reinterpret_cast<trace_format::Record*>(mapping_ + sizeof(trace_format::Header)) + slot;
    record->ticks = ticks;
    record->address = address;
    record->value = value;
    // Written last: a reader takes a slot as filled once this is set.
    std::atomic_ref<std::uint8_t>(record->access)
        .store(static_cast<std::uint8_t>(access), std::memory_order_release);
  }

 private:
  TraceWriter(int fd, unsigned char* mapping, std::size_t limit, std::size_t available)
      : fd_(fd), mapping_(mapping), limit_(limit), available_(available) {}
  trace_format::Header* header() const { return reinterpret_cast<trace_format::Header*>(mapping_); }
  bool Grow(std::size_t end);

  int fd_;
  unsigned char* mapping_;
  std::size_t limit_;
  std::size_t available_;  // bytes of the file known to exist
};

}  // namespace input32
