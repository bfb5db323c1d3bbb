#pragma once
// One burst of wire heating on the control register of the first parallel
// port (base 888 whatever the configuration says).
#include <cstdint>

#include "bits/heating_io.h"
#include "platform/variant.h"

namespace bits {

inline constexpr std::int16_t kHeatingPortBase = 888;
inline constexpr std::int16_t kStatusRegister = kHeatingPortBase + 1;
inline constexpr std::int16_t kControlRegister = kHeatingPortBase + 2;

// An on part then an off part, each lasting until the millisecond clock next
// advances (a part of length 0 does not run). Indice 100 becomes 99.
void ThreadChauffe(platform::Variant& Indice, std::int32_t& Pin_Timer, std::int32_t& Pin_Chauffe,
                   HeatingIo& io);
// The earlier form paced by port accesses: cycles of 450 steps split by
// Indice (100 becomes 98), repeated while rounding leaves a cycle short.
void ThreadChauffe_orig(platform::Variant& Indice, std::int32_t& Pin_Timer,
                        std::int32_t& Pin_Chauffe, HeatingIo& io);

}  // namespace bits
