#include "machine/test_avance_model.h"

#include "machine/bits_call.h"
#include "machine/field_value.h"
#include "machine/port_control.h"
#include "machine/position.h"
#include "platform/dispatch.h"
#include "platform/messagebox.h"

namespace machine {

namespace {

constexpr double kLowerEnd = -0.5;

double NumberOf(const platform::Variant& value) {
  try {
    return value.toDouble();
  } catch (const platform::RuntimeError&) {
    return 0;
  }
}

}  // namespace

TestAvanceModel::TestAvanceModel(MachineContext& context) : context_(context) {}

void TestAvanceModel::Load() {
  const int checked = context_.record.Butees ? 1 : 0;
  check1_ = checked;
  check2_ = checked;
  Changed();
}

double TestAvanceModel::Position(int index) const { return FieldValue(Text27(index)); }

void TestAvanceModel::SetText27(int index, std::string text) {
  fields_.at(Slot(index)) = std::move(text);
  EndStopCheck(index);
  Changed();
}

void TestAvanceModel::SetCheck1(int value) {
  check1_ = value;
  Changed();
}

void TestAvanceModel::SetCheck2(int value) {
  check2_ = value;
  Changed();
}

void TestAvanceModel::EndStopCheck(int index) {
  std::string& field = fields_.at(Slot(index));
  if (field.empty()) field = "0";
  if (check1_ == 1 && FieldValue(field) < kLowerEnd) {
    field = "0";
    EndStopReached();
    return;
  }
  if (check2_ != 1) return;
  const double longueur = context_.record.Longueur;
  const double hauteur = NumberOf(context_.record.Hauteur);
  if (Position(0) > longueur || Position(1) > longueur || Position(2) > hauteur ||
      Position(3) > hauteur) {
    EndStopReached();
  }
}

void TestAvanceModel::EndStopReached() {
  // The move that made the change waits here while the message is open.
  CallBits(context_.record, "Messagebox",
           {platform::Variant(static_cast<std::int32_t>(kEndStopMessage)),
            platform::Variant(context_.record.Langue)});
  context_.record.Arret = 1;
}

void TestAvanceModel::Command1_Click() {
  if (platform::ShowMessage("RAZ ?", "ATTENTION", platform::Buttons::YesNo) ==
      platform::Answer::No) {
    return;
  }
  for (int index = 0; index < kFieldCount; ++index) SetText27(index, "0");
}

MoveEnd TestAvanceModel::Command2_Click() {
  if (!Moteurs_On(context_)) return MoveEnd::PortUnavailable;
  const MoveEnd end = Va_Position(context_, 0, 0, 0, 0);
  Moteurs_Off(context_);
  return end;
}

int TestAvanceModel::Text27_KeyPress(int, int keyAscii, const platform::Object& textBox) {
  return CallBits(context_.record, "Verif_Decimal",
                  {platform::Variant(static_cast<std::int16_t>(keyAscii)),
                   platform::Variant(textBox), platform::Variant(false)})
      .toInt32();
}

void TestAvanceModel::Changed() const {
  if (listener_) listener_();
}

}  // namespace machine
