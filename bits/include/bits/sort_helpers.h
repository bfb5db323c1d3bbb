#pragma once
// Exchanges of two values and the random-pivot quicksort of a key array that
// carries an index array along (the depth sort of the 3D view).
#include <cstdint>

#include "platform/variant.h"

namespace bits {

// A becomes B, B becomes A as a 16-bit integer (halves to even); Overflow
// before anything changes when A does not fit.
platform::Variant IntegerSwap(platform::Variant& A, platform::Variant& B);
platform::Variant DoubleSwap(double& A, double& B);
platform::Variant SingleSwap(float& A, float& B);
// Sorts ArrayKey(First..Last) ascending, applying each exchange to
// ArrayPointer too. Indices are absolute (the arrays keep their bounds);
// an index outside an array raises Subscript out of range (9).
platform::Variant SingleSort(platform::FloatArray& ArrayKey, platform::Int16Array& ArrayPointer,
                             std::int16_t& First, std::int16_t& Last);

}  // namespace bits
