#include "bits/sort_helpers.h"

#include <utility>

#include "bits/number_helpers.h"
#include "platform/dispatch.h"

namespace bits {

namespace {

std::int16_t Index16(int v) {
  if (v < -32768 || v > 32767) throw platform::RuntimeError(platform::err::Overflow);
  return static_cast<std::int16_t>(v);
}

// Exchanges keys and pointers at i and j, as SingleSwap and IntegerSwap do.
void ExchangeAt(platform::FloatArray& keys, platform::Int16Array& pointers, int i, int j) {
  SingleSwap(keys.at(i), keys.at(j));
  std::swap(pointers.at(i), pointers.at(j));
}

}  // namespace

platform::Variant IntegerSwap(platform::Variant& A, platform::Variant& B) {
  const std::int16_t kept = A.toInt16();
  A = B.value();
  B = kept;
  return {};
}

platform::Variant DoubleSwap(double& A, double& B) {
  std::swap(A, B);
  return {};
}

platform::Variant SingleSwap(float& A, float& B) {
  std::swap(A, B);
  return {};
}

platform::Variant SingleSort(platform::FloatArray& ArrayKey, platform::Int16Array& ArrayPointer,
                             std::int16_t& First, std::int16_t& Last) {
  if (First >= Last) return {};
  if (Last - First == 1) {
    if (ArrayKey.at(First) > ArrayKey.at(Last)) ExchangeAt(ArrayKey, ArrayPointer, First, Last);
    return {};
  }
  ExchangeAt(ArrayKey, ArrayPointer, Last, IntegerRandom(First, Last));
  const float pivot = ArrayKey.at(Last);
  int i = First;
  int j = Last;
  do {
    i = First;
    j = Last;
    while (i < j && ArrayKey.at(i) <= pivot) ++i;
    while (j > i && ArrayKey.at(j) >= pivot) --j;
    if (i < j) ExchangeAt(ArrayKey, ArrayPointer, i, j);
  } while (i < j);
  ExchangeAt(ArrayKey, ArrayPointer, i, Last);

  std::int16_t lowFirst = First;
  std::int16_t lowLast = Index16(i - 1);
  std::int16_t highFirst = Index16(i + 1);
  std::int16_t highLast = Last;
  if (i - First < Last - i) {
    SingleSort(ArrayKey, ArrayPointer, lowFirst, lowLast);
    SingleSort(ArrayKey, ArrayPointer, highFirst, highLast);
  } else {
    SingleSort(ArrayKey, ArrayPointer, highFirst, highLast);
    SingleSort(ArrayKey, ArrayPointer, lowFirst, lowLast);
  }
  return {};
}

}  // namespace bits
