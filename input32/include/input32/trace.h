#pragma once
// The simulated port's access trace: every Inp32 and Out32 with its counter
// time (10 MHz ticks, platform::CounterNow), appended to "simport.trace" in
// the simulated port's folder (simport.h). The readers and decoders below are
// for tests, benchmarks and viewers.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace input32 {

enum class Access : std::uint8_t { Read = 1, Write = 2 };

struct TraceRecord {
  std::int64_t ticks = 0;
  std::int16_t address = 0;
  std::uint8_t value = 0;
  Access access = Access::Write;
  friend bool operator==(const TraceRecord&, const TraceRecord&) = default;
};

struct Trace {
  std::vector<TraceRecord> records;  // in the order they were appended
  std::uint64_t dropped = 0;         // accesses not kept because the trace was full
};

// Reads the trace file. Empty with a reason when it is missing or damaged.
std::optional<Trace> ReadTrace(const std::filesystem::path& file, std::string* error = nullptr);

// The data bits of one motor (or any single step line): its step bit and the
// bit that carries its direction (0 when it has none).
struct StepLines {
  std::uint8_t step = 0;
  std::uint8_t direction = 0;
};

struct StepEvent {
  int motor = 0;           // index into the lines given to DecodeSteps
  std::int64_t rise = 0;   // ticks of the write that raised the step bit
  bool direction = false;  // level of the direction bit at the rise
  std::uint8_t data = 0;   // the byte written at the rise
  // Ticks the step bit stayed high; empty when the trace ends with it high.
  std::optional<std::int64_t> pulseWidth;
  // Ticks from the last change of the direction bit to the rise; empty when
  // the direction bit did not change since the start of the decoding.
  std::optional<std::int64_t> directionSetup;
};

// Decodes the writes to the data register at dataAddress (other records are
// skipped) into the step events of every motor, in time order. The data
// register is taken to hold `initialData` before the first write.
std::vector<StepEvent> DecodeSteps(std::span<const TraceRecord> records, std::int16_t dataAddress,
                                   std::span<const StepLines> motors, std::uint8_t initialData = 0);

// On-disk layout, shared by the writer in libinput32.so and the reader.
namespace trace_format {
inline constexpr char kMagic[8] = {'V', 'K', 'S', 'I', 'M', 'T', 'R', 'C'};
inline constexpr std::uint32_t kVersion = 1;

struct Header {
  char magic[8];
  std::uint32_t version;
  std::uint32_t recordSize;
  std::int64_t frequency;  // counter ticks per second
  std::uint64_t claimed;   // record slots handed out so far (atomic, across processes)
  std::uint64_t dropped;   // accesses past the size limit (atomic)
  std::uint8_t reserved[24];
};
static_assert(sizeof(Header) == 64);

struct Record {
  std::int64_t ticks;
  std::int16_t address;
  std::uint8_t value;
  std::uint8_t access;  // 0 while the slot is not written yet, else Access
  std::uint32_t reserved;
};
static_assert(sizeof(Record) == 16);
}  // namespace trace_format

}  // namespace input32
