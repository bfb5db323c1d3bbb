#pragma once
// The step loops. A move runs inside the click that started it, busy-waits
// on the counter and lets the window breathe only through the pending-input
// check; it sees a STOP (Arret = 1) at the end of its current heating window.
#include <cstdint>
#include <string>

#include "machine/context.h"
#include "platform/clock.h"

namespace machine {

enum class MoveEnd {
  Done,             // every step issued
  Stopped,          // Arret seen at the end of a heating window
  PortUnavailable,  // the port library could not be used (the user was told)
  UsbUnavailable,   // the USB step loop is not there
};

// The step period of a move of NbPas steps now: the speed scroll bar's value
// and X1's millimetres per step, whichever motors move.
platform::Currency StepPeriodOf(const MachineContext& context, double NbPas);

// NbPas steps (a fraction counts as one more) of the motors whose bits are in
// Pas, direction byte Sens; Code names them for the position display.
MoveEnd Deplace_LPT(MachineContext& context, double NbPas, std::uint8_t Sens, std::uint8_t Pas,
                    const std::string& Code);
// The USB card's step loop: not built yet, it issues nothing.
MoveEnd Deplace_USB(MachineContext& context, double NbPas, std::uint8_t Sens, std::uint8_t Pas,
                    const std::string& Code);
// Deplace_USB when the USB card is in use, else Deplace_LPT.
MoveEnd Deplace(MachineContext& context, double NbPas, std::uint8_t Sens, std::uint8_t Pas,
                const std::string& Code);

}  // namespace machine
