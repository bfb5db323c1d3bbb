// Cost of a call by member name on Bits: name resolution, argument checks
// and conversions, the member itself.
#include <benchmark/benchmark.h>

#include "bits/bits_object.h"

namespace {

using platform::Variant;

void BM_CallByName_BitSet(benchmark::State& state) {
  bits::BitsObject object;
  std::int32_t x = 0;
  std::int32_t n = 0;
  for (auto _ : state) {
    Variant args[] = {Variant::Ref(x), n, true};
    platform::CallByName(object, "BitSet", args);
    n = (n + 1) & 7;
  }
  benchmark::DoNotOptimize(x);
}
BENCHMARK(BM_CallByName_BitSet);

void BM_CallByName_Bit_Equiv(benchmark::State& state) {
  bits::BitsObject object;
  std::int32_t pin = 16;
  for (auto _ : state) {
    Variant args[] = {Variant::Ref(pin)};
    benchmark::DoNotOptimize(platform::CallByName(object, "Bit_Equiv", args));
  }
}
BENCHMARK(BM_CallByName_Bit_Equiv);

// The same through the vector form most callers write.
void BM_CallByName_BitSet_Vector(benchmark::State& state) {
  bits::BitsObject object;
  std::int32_t x = 0;
  for (auto _ : state) {
    platform::CallByName(object, "bitset", {Variant::Ref(x), 2, true});
  }
  benchmark::DoNotOptimize(x);
}
BENCHMARK(BM_CallByName_BitSet_Vector);

void BM_IdOfName(benchmark::State& state) {
  bits::BitsObject object;
  for (auto _ : state) benchmark::DoNotOptimize(object.IdOfName("ThreadChauffe"));
}
BENCHMARK(BM_IdOfName);

}  // namespace

BENCHMARK_MAIN();
