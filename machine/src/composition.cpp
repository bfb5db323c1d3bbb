#include "machine/composition.h"

#include "machine/move_code.h"

namespace machine {

std::uint8_t StepMaskOf(const config::Configuration& record, int motor) {
  return record.maskAvance(config::IntegerOf(record.avanceOf(motor)));
}

std::uint8_t DirectionMaskOf(const config::Configuration& record, int motor, char letter) {
  const int pin = config::IntegerOf(record.sensOf(motor));
  return UsesLevelA(letter) ? record.maskSensA(pin) : record.maskSensB(pin);
}

MoveBytes ComposeMove(const config::Configuration& record, std::string_view code) {
  MoveBytes bytes;
  for (int motor = 1; motor <= kMotorCount; ++motor) {
    const char letter = LetterOf(code, motor);
    if (letter == '\0') continue;
    bytes.Pas |= StepMaskOf(record, motor);
    bytes.Sens |= DirectionMaskOf(record, motor, letter);
  }
  return bytes;
}

}  // namespace machine
