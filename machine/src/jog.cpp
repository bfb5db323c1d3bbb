#include "machine/jog.h"

#include <array>
#include <stdexcept>

#include "machine/composition.h"
#include "machine/field_value.h"
#include "machine/port_control.h"
#include "platform/numtext.h"

namespace machine {

namespace {

struct JogRow {
  const char* single;
  const char* pair;
  bool rightField;
  int mmMotor;
};

constexpr std::array<JogRow, 8> kJogTable = {{
    {"Y1D", "Y1DY2D", false, config::kMotorY1},
    {"X1A", "X1AX2A", false, config::kMotorX1},
    {"X1R", "X1RX2R", false, config::kMotorX1},
    {"Y1M", "Y1MY2M", false, config::kMotorY1},
    {"Y2D", "Y1DY2D", true, config::kMotorY2},
    {"X2A", "X1AX2A", true, config::kMotorX2},
    {"X2R", "X1RX2R", true, config::kMotorX2},
    {"Y2M", "Y1MY2M", true, config::kMotorY2},
}};

constexpr std::array<int, 8> kMirror = {3, 2, 1, 0, 7, 6, 5, 4};

}  // namespace

int GuillotineMirror(int index) { return kMirror.at(static_cast<std::size_t>(index)); }

JogChoice JogChoiceOf(int index, int synchroniser) {
  const JogRow& row = kJogTable.at(static_cast<std::size_t>(index));
  return {synchroniser == 1 ? row.pair : row.single, row.rightField, row.mmMotor};
}

MoveEnd Avance_Manuelle(MachineContext& context, int index, int synchroniser) {
  config::Configuration& record = context.record;
  const JogChoice choice = JogChoiceOf(index, synchroniser);
  if (!Moteurs_On(context)) return MoveEnd::PortUnavailable;

  const double distance =
      FieldValue(choice.rightField ? context.window.Text9() : context.window.Text12());
  const double mm = record.mmOf(choice.mmMotor);
  // An unset millimetres-per-step (0) makes no move rather than an endless one.
  const double nbPas = mm != 0 ? distance / mm : 0;
  const MoveBytes bytes = ComposeMove(record, choice.code);
  const MoveEnd end = Deplace(context, nbPas, bytes.Sens, bytes.Pas, choice.code);

  if (record.Arret == 1) Chauffe_Off(context);
  Moteurs_Off(context);
  return end;
}

void Command1_Click(MachineContext& context, int index) {
  config::Configuration& record = context.record;
  record.Arret = 0;
  const int synchroniser = context.window.Check10();
  Avance_Manuelle(context, index, synchroniser);
  // After a STOP the mirror move would still take its first step: skip it.
  if (context.window.Check11() == 1 && record.Arret != 1) {
    Avance_Manuelle(context, GuillotineMirror(index), synchroniser);
  }
  record.Arret = 1;
  Moteurs_Off(context);
  Chauffe_Off(context);
  context.window.Carte_Machine();
}

void Command2_Click(MachineContext& context) {
  context.record.Arret = 1;
  context.window.StopCalibrationHeating();
  Chauffe_Off(context);
  context.window.SetPB_Chauffe(0);
}

void HScroll1_Change(MachineContext& context) {
  context.window.SetIndice1(platform::NumberText(context.window.HScroll1().value));
}

}  // namespace machine
