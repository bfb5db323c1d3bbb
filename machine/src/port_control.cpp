#include "machine/port_control.h"

#include "machine/bits.h"
#include "machine/bits_call.h"

namespace machine {

namespace {

constexpr std::uint8_t kUsbMotorsEnabled = 0x20;

void SendUsbMotorReport(MachineContext& context) {
  if (context.usb != nullptr) context.usb->SendMotorReport(context.Etat_Sorties_USB);
}

}  // namespace

bool ReadRegister(MachineContext& context, std::int16_t address, std::int32_t& value) {
  std::int16_t raw = 0;
  if (!context.port.Inp32(address, raw)) return false;
  value = raw;
  return true;
}

bool WriteRegister(MachineContext& context, std::int16_t address, std::int32_t value) {
  return context.port.Out32(address, static_cast<std::int16_t>(value & 0xFF));
}

bool Chauffe_Off(MachineContext& context) {
  const config::Configuration& record = context.record;
  std::int32_t controle = 0;
  bool portOk = ReadRegister(context, ControlRegister(record), controle);
  if (portOk) {
    BitSet(controle, BitEquiv(record, record.Pin_Chauffe), false);
    portOk = WriteRegister(context, ControlRegister(record), controle);
  }
  context.Etat_Sorties_USB = 0;
  context.window.SetPB_Chauffe(0);
  context.pump.DoEvents();
  return portOk;
}

bool Moteurs_On(MachineContext& context) {
  const config::Configuration& record = context.record;
  if (context.window.IsVisible()) context.window.SetCommand2Colour(StopButtonColour::Yellow);
  std::int32_t controle = 0;
  bool portOk = ReadRegister(context, ControlRegister(record), controle);
  if (portOk) {
    const int enable = BitEquiv(record, record.Pin_Moteur);
    if (BitTest(controle, enable)) {
      BitSet(controle, enable, false);
      portOk = WriteRegister(context, ControlRegister(record), controle);
    }
  }
  context.Etat_Sorties_USB = kUsbMotorsEnabled;
  SendUsbMotorReport(context);
  return portOk;
}

bool Moteurs_Off(MachineContext& context) {
  const config::Configuration& record = context.record;
  if (context.window.IsVisible()) context.window.SetCommand2Colour(StopButtonColour::ButtonFace);
  std::int32_t controle = 0;
  bool portOk = ReadRegister(context, ControlRegister(record), controle);
  if (portOk) {
    BitSet(controle, BitEquiv(record, record.Pin_Moteur), true);
    portOk = WriteRegister(context, ControlRegister(record), controle);
  }
  context.Etat_Sorties_USB = 0;
  SendUsbMotorReport(context);
  return portOk;
}

}  // namespace machine
