#pragma once
// Data-register bytes of a move, composed from the pin-mask tables: the step
// byte is the OR of the motors' step bits, the direction byte the OR of their
// direction bits at the level their letter asks for.
#include <cstdint>
#include <string_view>

#include "config/record.h"

namespace machine {

std::uint8_t StepMaskOf(const config::Configuration& record, int motor);
// Direction bit of the motor for a move letter ("A"/"D" level A, "R"/"M" level B).
std::uint8_t DirectionMaskOf(const config::Configuration& record, int motor, char letter);

struct MoveBytes {
  std::uint8_t Sens = 0;  // direction byte
  std::uint8_t Pas = 0;   // step byte
  friend bool operator==(const MoveBytes&, const MoveBytes&) = default;
};
MoveBytes ComposeMove(const config::Configuration& record, std::string_view code);

}  // namespace machine
