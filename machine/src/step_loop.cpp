#include "machine/step_loop.h"

#include <array>

#include "machine/bits_call.h"
#include "machine/pacing.h"
#include "machine/port_control.h"
#include "machine/position.h"

namespace machine {

namespace {

// One heating tick with the On/Off button on: the heating bit comes on once
// the tick count reaches the threshold.
bool HeatingTick(MachineContext& context, BitsMember& bitSet, int heatingBit, bool on) {
  const std::int16_t control = ControlRegister(context.record);
  std::int32_t controle = 0;
  if (!ReadRegister(context, control, controle)) return false;
  std::array<platform::Variant, 3> args = {platform::Variant::Ref(controle),
                                           platform::Variant(static_cast<std::int32_t>(heatingBit)),
                                           platform::Variant(on)};
  bitSet(args);
  return WriteRegister(context, control, controle);
}

}  // namespace

platform::Currency StepPeriodOf(const MachineContext& context, double NbPas) {
  return StepPeriod(context.window.HScroll1().value, NbPas, context.record.X1_mm);
}

MoveEnd Deplace_LPT(MachineContext& context, double NbPas, std::uint8_t Sens, std::uint8_t Pas,
                    const std::string& Code) {
  config::Configuration& record = context.record;
  const std::int16_t data = DataRegister(record);
  BitsMember bitSet(record, "BitSet");

  // The direction lines settle before the first step rises, not with it.
  if (NbPas > 0) {
    if (!WriteRegister(context, data, Sens)) return MoveEnd::PortUnavailable;
    PulseWait();
  }

  std::int64_t tPas = platform::CounterNow();
  bool armed = false;  // P: a step was issued and the period has not run out yet
  std::int64_t n = 0;
  int c = 0;
  while (static_cast<double>(n) < NbPas) {
    const platform::Currency period = StepPeriodOf(context, NbPas);
    const platform::Currency window = HeatingWindow(context.window.Indice());
    const int threshold = HeatingThreshold(context.window.HScroll11());
    const int heatingBit = BitEquiv(record, record.Pin_Chauffe);
    const std::int64_t tChauffe = platform::CounterNow();
    std::int64_t now = platform::CounterNow();
    for (;;) {
      // A window of zero length is over before it starts.
      if (window.raw() == 0 || platform::CounterSeconds(tChauffe, now) > window.value()) break;
      ++c;
      if (context.window.PB_Chauffe() == 1 &&
          !HeatingTick(context, bitSet, heatingBit, c >= threshold)) {
        return MoveEnd::PortUnavailable;
      }
      if (static_cast<double>(n) < NbPas) {
        // The next period runs from the moment this step fell due, so the
        // pulse and the display do not stretch every period.
        std::int64_t due = now;
        if (platform::CounterSeconds(tPas, now) >= period.value()) {
          if (!WriteRegister(context, data, Sens)) return MoveEnd::PortUnavailable;
          PulseWait();
          armed = false;
        } else {
          due = platform::CounterNow();
        }
        if (!armed) {
          armed = true;
          if (!WriteRegister(context, data, Sens | Pas)) return MoveEnd::PortUnavailable;
          PulseWait();
          if (!WriteRegister(context, data, Sens)) return MoveEnd::PortUnavailable;
          ++n;
          Affiche_Position(context, Code);
          tPas = due;
        }
      }
      now = platform::CounterNow();
      PendingCheck(context);
    }
    // Also here, so that an empty heating window still lets STOP through.
    PendingCheck(context);
    if (record.Arret == 1) {
      Moteurs_Off(context);
      Chauffe_Off(context);
      return MoveEnd::Stopped;
    }
    if (c > threshold) c = 1;
  }
  return MoveEnd::Done;
}

MoveEnd Deplace_USB(MachineContext&, double, std::uint8_t, std::uint8_t, const std::string&) {
  return MoveEnd::UsbUnavailable;
}

MoveEnd Deplace(MachineContext& context, double NbPas, std::uint8_t Sens, std::uint8_t Pas,
                const std::string& Code) {
  if (context.record.Carte_USB) return Deplace_USB(context, NbPas, Sens, Pas, Code);
  return Deplace_LPT(context, NbPas, Sens, Pas, Code);
}

}  // namespace machine
