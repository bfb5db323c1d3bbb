// Cost of the port calls on the simulated port, called through the lazily
// bound pointers as the program calls them. Every access is traced.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "input32/port.h"
#include "input32/simport.h"
#include "platform/clock.h"

namespace {

input32::PortLibrary& Port() {
  static input32::PortLibrary port;
  return port;
}

// A fresh simulated port in a private folder, so the trace starts empty.
class FreshPort {
 public:
  FreshPort() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "input32-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) dir_ = pattern;
    setenv("VK_PORT", "sim", 1);
    setenv("VK_SIMPORT_DIR", dir_.c_str(), 1);
    static platform::LazyLibrary library(input32::kLibraryFileName);
    reset_ = reinterpret_cast<void (*)()>(library.Symbol("Input32_Reset"));
    if (reset_ != nullptr) reset_();
  }
  ~FreshPort() {
    if (reset_ != nullptr) reset_();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  bool ready() const { return reset_ != nullptr && !dir_.empty(); }

 private:
  std::filesystem::path dir_;
  void (*reset_)() = nullptr;
};

void BM_Out32(benchmark::State& state) {
  FreshPort fresh;
  if (!fresh.ready() || !Port().Out32(888, 0)) {
    state.SkipWithError("libinput32.so not usable");
    return;
  }
  std::int16_t value = 0;
  for (auto _ : state) {
    Port().Out32(888, value);
    value = static_cast<std::int16_t>((value + 1) & 0xFF);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Inp32(benchmark::State& state) {
  FreshPort fresh;
  std::int16_t value = 0;
  if (!fresh.ready() || !Port().Inp32(890, value)) {
    state.SkipWithError("libinput32.so not usable");
    return;
  }
  for (auto _ : state) {
    Port().Inp32(890, value);
    benchmark::DoNotOptimize(value);
  }
  state.SetItemsProcessed(state.iterations());
}

// One step pulse as the step loop writes it: direction, direction + step, direction.
void BM_StepPulse(benchmark::State& state) {
  FreshPort fresh;
  if (!fresh.ready() || !Port().Out32(888, 0)) {
    state.SkipWithError("libinput32.so not usable");
    return;
  }
  for (auto _ : state) {
    Port().Out32(888, 0x02);
    Port().Out32(888, 0x03);
    Port().Out32(888, 0x02);
  }
  state.SetItemsProcessed(state.iterations());
}

// The floor under every traced access: one counter reading for its time stamp.
void BM_CounterNow(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(platform::CounterNow());
}

// Fixed counts keep every trace well under its size limit.
BENCHMARK(BM_Out32)->Iterations(2'000'000);
BENCHMARK(BM_Inp32)->Iterations(2'000'000);
BENCHMARK(BM_StepPulse)->Iterations(1'000'000);
BENCHMARK(BM_CounterNow);

}  // namespace

BENCHMARK_MAIN();
