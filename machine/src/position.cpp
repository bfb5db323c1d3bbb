#include "machine/position.h"

#include <array>
#include <cmath>
#include <numeric>

#include "machine/bits_call.h"
#include "machine/composition.h"
#include "machine/field_value.h"
#include "machine/move_code.h"
#include "machine/port_control.h"
#include "machine/test_avance_model.h"
#include "platform/numtext.h"

namespace machine {

namespace {

bool IsXMotor(int motor) { return motor == config::kMotorX1 || motor == config::kMotorX2; }

// The remaining counts still call for a step, summed and held to four decimals.
bool StepsRemain(const std::array<double, kMotorCount>& remaining) {
  const double sum = std::accumulate(remaining.begin(), remaining.end(), 0.0);
  return FieldValue(platform::FixedText(sum, 4)) > 0;
}

}  // namespace

void Affiche_Position(MachineContext& context, const std::string& Code) {
  PendingCheck(context);
  TestAvanceModel& jauge = context.TestAvance();
  for (int motor = 1; motor <= kMotorCount; ++motor) {
    const char letter = LetterOf(Code, motor);
    if (letter == '\0') continue;
    const double mm = context.record.mmOf(motor);
    const double value = jauge.Position(motor - 1) + (CountsUp(letter) ? mm : -mm);
    jauge.SetText27(motor - 1, platform::FixedText(value, 2));
  }
}

MoveEnd Va_Position(MachineContext& context, double x1, double x2, double y1, double y2) {
  config::Configuration& record = context.record;
  if (!WriteRegister(context, ControlRegister(record), 0)) return MoveEnd::PortUnavailable;
  record.Arret = 0;

  TestAvanceModel& jauge = context.TestAvance();
  const std::array<double, kMotorCount> targets = {x1, x2, y1, y2};
  std::array<double, kMotorCount> remaining{};
  std::array<std::uint8_t, kMotorCount> direction{};
  std::string code;
  for (int motor = 1; motor <= kMotorCount; ++motor) {
    const auto i = static_cast<std::size_t>(motor - 1);
    const double d = jauge.Position(motor - 1) - targets[i];
    const double mm = record.mmOf(motor);
    // An unset millimetres-per-step has no steps to make, not infinitely many.
    remaining[i] = mm > 0 ? std::fabs(d) / mm : 0;
    const char letter = IsXMotor(motor) ? (d > 0 ? 'R' : 'A') : (d > 0 ? 'D' : 'M');
    direction[i] = DirectionMaskOf(record, motor, letter);
    code += MotorName(motor);
    code += letter;
  }

  while (StepsRemain(remaining)) {
    std::uint8_t pas = 0;
    std::uint8_t sens = 0;
    for (int motor = 1; motor <= kMotorCount; ++motor) {
      const auto i = static_cast<std::size_t>(motor - 1);
      if (remaining[i] > 0) {
        pas |= StepMaskOf(record, motor);
        sens |= direction[i];
        remaining[i] -= 1;
      } else if (code.find(MotorName(motor)) != std::string::npos) {
        code =
            CallBits(record, "Out_Chaine", {platform::Variant(code), MotorName(motor)}).toString();
      }
    }
    const MoveEnd end = Deplace(context, 1, sens, pas, code);
    if (end == MoveEnd::PortUnavailable || end == MoveEnd::UsbUnavailable) return end;
    PendingCheck(context);
    if (record.Arret == 1) {
      WriteRegister(context, ControlRegister(record), 0);
      return MoveEnd::Stopped;
    }
  }
  return MoveEnd::Done;
}

}  // namespace machine
