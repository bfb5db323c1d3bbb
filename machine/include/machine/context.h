#pragma once
// Everything the machine module works with, passed by reference: the record
// (which holds the Bits reference and the stop flag), the port binder, the
// configuration window, the event pump, the USB seam and the motor test
// window's state. One instance per run; a test makes its own.
#include <cstdint>
#include <memory>

#include "config/record.h"
#include "input32/port.h"
#include "machine/window.h"

namespace machine {

class TestAvanceModel;

// The USB card's side of a move and of the motor outputs. Absent until the
// USB link is built: a move asked for the card then does nothing.
class UsbLink {
 public:
  virtual ~UsbLink() = default;
  // Sends the motor report carrying Etat_Sorties_USB.
  virtual void SendMotorReport(std::uint8_t etatSorties) = 0;
};

class MachineContext {
 public:
  MachineContext(config::Configuration& record, input32::PortLibrary& port, ConfigWindow& window,
                 EventPump& pump);
  ~MachineContext();
  MachineContext(const MachineContext&) = delete;
  MachineContext& operator=(const MachineContext&) = delete;

  config::Configuration& record;
  input32::PortLibrary& port;
  ConfigWindow& window;
  EventPump& pump;
  UsbLink* usb = nullptr;
  // The output byte the next USB motor report carries.
  std::uint8_t Etat_Sorties_USB = 0;

  // The motor test window's state, loaded (not shown) at its first use.
  TestAvanceModel& TestAvance();
  bool TestAvanceLoaded() const { return testAvance_ != nullptr; }

 private:
  std::unique_ptr<TestAvanceModel> testAvance_;
};

// Pending-input check: one event pass only when input waits.
void PendingCheck(MachineContext& context);

}  // namespace machine
