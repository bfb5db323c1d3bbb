#include "config/record.h"

#include <stdexcept>

#include "platform/numtext.h"

namespace config {

PinMasks PinMasks::AfterLoad() {
  std::array<std::uint8_t, PinMaskTable::kSize> bitOfPin{};
  for (std::size_t i = 0; i < bitOfPin.size(); ++i)
    bitOfPin[i] = static_cast<std::uint8_t>(1u << i);
  return PinMasks{PinMaskTable(bitOfPin), PinMaskTable(bitOfPin), PinMaskTable()};
}

namespace {

std::size_t MotorIndex(int motor) {
  if (motor < kMotorX1 || motor > kMotorY2) {
    throw std::out_of_range("motor number " + std::to_string(motor) + " outside 1..4");
  }
  return static_cast<std::size_t>(motor - kMotorX1);
}

template <class Field>
Field& Pick(Field& x1, Field& x2, Field& y1, Field& y2, int motor) {
  Field* fields[] = {&x1, &x2, &y1, &y2};
  return *fields[MotorIndex(motor)];
}

}  // namespace

platform::Variant& Configuration::avanceOf(int motor) {
  return Pick(X1_Avance, X2_Avance, Y1_Avance, Y2_Avance, motor);
}
platform::Variant& Configuration::sensOf(int motor) {
  return Pick(X1_Sens, X2_Sens, Y1_Sens, Y2_Sens, motor);
}
platform::Variant& Configuration::nbPasOf(int motor) {
  return Pick(X1_NbPas, X2_NbPas, Y1_NbPas, Y2_NbPas, motor);
}
platform::Variant& Configuration::invOf(int motor) {
  return Pick(X1_Inv, X2_Inv, Y1_Inv, Y2_Inv, motor);
}
double& Configuration::mmOf(int motor) { return Pick(X1_mm, X2_mm, Y1_mm, Y2_mm, motor); }
const platform::Variant& Configuration::avanceOf(int motor) const {
  return const_cast<Configuration*>(this)->avanceOf(motor);
}
const platform::Variant& Configuration::sensOf(int motor) const {
  return const_cast<Configuration*>(this)->sensOf(motor);
}
const platform::Variant& Configuration::nbPasOf(int motor) const {
  return const_cast<Configuration*>(this)->nbPasOf(motor);
}
const platform::Variant& Configuration::invOf(int motor) const {
  return const_cast<Configuration*>(this)->invOf(motor);
}
double Configuration::mmOf(int motor) const {
  return const_cast<Configuration*>(this)->mmOf(motor);
}

std::string FileText(double value) { return platform::NumberText(value); }

std::string FileText(const platform::Variant& value) {
  switch (value.type()) {
    case platform::VarType::Empty:
      return {};
    case platform::VarType::String:
      return value.toString();
    case platform::VarType::Bool:
      return value.toBool() ? "True" : "False";
    default:
      return value.isNumeric() ? platform::NumberText(value.toDouble()) : std::string();
  }
}

double NumberOf(const platform::Variant& value) {
  switch (value.type()) {
    case platform::VarType::String:
      return platform::StrictNumber(value.toString()).value_or(0.0);
    case platform::VarType::Bool:
      return value.toBool() ? -1.0 : 0.0;
    default:
      return value.isNumeric() ? value.toDouble() : 0.0;
  }
}

std::int32_t IntegerOf(const platform::Variant& value) {
  return platform::ToInt32(NumberOf(value)).value_or(0);
}

}  // namespace config
