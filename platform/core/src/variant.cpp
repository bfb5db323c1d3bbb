#include "platform/variant.h"

#include <strings.h>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "platform/dispatch.h"
#include "platform/numtext.h"

namespace platform {

template <class T>
T& SafeArray<T>::at(std::int32_t index) {
  if (index < lowerBound || index > upperBound()) throw RuntimeError(err::SubscriptOutOfRange);
  return data[static_cast<std::size_t>(index - lowerBound)];
}
template struct SafeArray<float>;
template struct SafeArray<std::int16_t>;

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

[[noreturn]] void Raise(int number) { throw RuntimeError(number); }

// An object used as a value stands for its default member.
Variant DefaultValueOf(const Object& object) {
  if (!object) Raise(err::ObjectNotSet);
  return object->Invoke(0, InvokeKind::PropertyGet, {}).value();
}

// A single keeps its own seven significant digits when written as text.
double SingleAsDecimal(float v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(v));
  return std::strtod(buffer, nullptr);
}

}  // namespace

Variant Variant::Missing() {
  Variant v;
  v.v_ = MissingTag{};
  return v;
}

#define VK_REF_FACTORY(T)      \
  Variant Variant::Ref(T& v) { \
    Variant r;                 \
    r.v_ = RefTo<T>{&v};       \
    return r;                  \
  }
VK_REF_FACTORY(std::int16_t)
VK_REF_FACTORY(std::int32_t)
VK_REF_FACTORY(float)
VK_REF_FACTORY(double)
VK_REF_FACTORY(VBool)
VK_REF_FACTORY(std::string)
VK_REF_FACTORY(Variant)
VK_REF_FACTORY(FloatArray)
VK_REF_FACTORY(Int16Array)
#undef VK_REF_FACTORY

VarType Variant::type() const {
  return std::visit(Overloaded{[](std::monostate) { return VarType::Empty; },
                               [](std::int16_t) { return VarType::I2; },
                               [](std::int32_t) { return VarType::I4; },
                               [](float) { return VarType::R4; },
                               [](double) { return VarType::R8; },
                               [](VBool) { return VarType::Bool; },
                               [](const std::string&) { return VarType::String; },
                               [](const Object&) { return VarType::Object; },
                               [](MissingTag) { return VarType::Missing; },
                               [](const Owned<FloatArray>&) { return VarType::FloatArray; },
                               [](const Owned<Int16Array>&) { return VarType::Int16Array; },
                               [](RefTo<std::int16_t>) { return VarType::I2; },
                               [](RefTo<std::int32_t>) { return VarType::I4; },
                               [](RefTo<float>) { return VarType::R4; },
                               [](RefTo<double>) { return VarType::R8; },
                               [](RefTo<VBool>) { return VarType::Bool; },
                               [](RefTo<std::string>) { return VarType::String; },
                               [](RefTo<Variant> r) { return r.p->type(); },
                               [](RefTo<FloatArray>) { return VarType::FloatArray; },
                               [](RefTo<Int16Array>) { return VarType::Int16Array; }},
                    v_);
}

bool Variant::isByRef() const { return v_.index() >= Storage(RefTo<std::int16_t>{}).index(); }

VarType Variant::refType() const {
  if (std::holds_alternative<RefTo<Variant>>(v_)) return VarType::Variant;
  return type();
}

bool Variant::isNumeric() const {
  switch (type()) {
    case VarType::I2:
    case VarType::I4:
    case VarType::R4:
    case VarType::R8:
      return true;
    default:
      return false;
  }
}

Variant Variant::value() const {
  return std::visit(Overloaded{[](RefTo<Variant> r) { return r.p->value(); },
                               []<class T>(RefTo<T> r) { return Variant(*r.p); },
                               [this](const auto&) { return *this; }},
                    v_);
}

double Variant::toDouble() const {
  return std::visit(
      Overloaded{[](std::monostate) { return 0.0; },
                 [](std::int16_t v) { return static_cast<double>(v); },
                 [](std::int32_t v) { return static_cast<double>(v); },
                 [](float v) { return static_cast<double>(v); }, [](double v) { return v; },
                 [](VBool v) { return static_cast<double>(v.value); },
                 [](const std::string& s) {
                   const std::optional<double> n = StrictNumber(s);
                   if (!n) Raise(err::TypeMismatch);
                   return *n;
                 },
                 [](const Object& o) { return DefaultValueOf(o).toDouble(); },
                 [this](const auto&) -> double {
                   if (isByRef()) return value().toDouble();
                   Raise(err::TypeMismatch);
                 }},
      v_);
}

std::int16_t Variant::toInt16() const {
  if (const auto* v = std::get_if<std::int16_t>(&v_)) return *v;
  const std::optional<std::int16_t> n = ToInt16(toDouble());
  if (!n) Raise(err::Overflow);
  return *n;
}

std::int32_t Variant::toInt32() const {
  if (const auto* v = std::get_if<std::int32_t>(&v_)) return *v;
  if (const auto* v = std::get_if<std::int16_t>(&v_)) return *v;
  const std::optional<std::int32_t> n = ToInt32(toDouble());
  if (!n) Raise(err::Overflow);
  return *n;
}

float Variant::toFloat() const {
  if (const auto* v = std::get_if<float>(&v_)) return *v;
  const double d = toDouble();
  if (std::isfinite(d) && std::fabs(d) > FLT_MAX) Raise(err::Overflow);
  return static_cast<float>(d);
}

bool Variant::toBool() const {
  if (const auto* s = std::get_if<std::string>(&v_)) {
    if (strcasecmp(s->c_str(), "True") == 0) return true;
    if (strcasecmp(s->c_str(), "False") == 0) return false;
  }
  if (const auto* r = std::get_if<RefTo<std::string>>(&v_)) return Variant(*r->p).toBool();
  return toDouble() != 0.0;
}

std::string Variant::toString() const {
  return std::visit(Overloaded{[](std::monostate) { return std::string(); },
                               [](std::int16_t v) { return NumberText(v); },
                               [](std::int32_t v) { return NumberText(v); },
                               [](float v) { return NumberText(SingleAsDecimal(v)); },
                               [](double v) { return NumberText(v); },
                               [](VBool v) { return std::string(v.value != 0 ? "True" : "False"); },
                               [](const std::string& s) { return s; },
                               [](const Object& o) { return DefaultValueOf(o).toString(); },
                               [this](const auto&) -> std::string {
                                 if (isByRef()) return value().toString();
                                 Raise(err::TypeMismatch);
                               }},
                    v_);
}

Object Variant::toObject() const {
  if (const auto* o = std::get_if<Object>(&v_)) return *o;
  if (const auto* r = std::get_if<RefTo<Variant>>(&v_)) return r->p->toObject();
  Raise(err::ObjectRequired);
}

Variant Variant::convertedTo(VarType type) const {
  switch (type) {
    case VarType::I2:
      return toInt16();
    case VarType::I4:
      return toInt32();
    case VarType::R4:
      return toFloat();
    case VarType::R8:
      return toDouble();
    case VarType::Bool:
      return VBool(toBool());
    case VarType::String:
      return toString();
    case VarType::Object:
      return toObject();
    case VarType::FloatArray:
      if (const FloatArray* a = floatArray()) return *a;
      Raise(err::TypeMismatch);
    case VarType::Int16Array:
      if (const Int16Array* a = int16Array()) return *a;
      Raise(err::TypeMismatch);
    case VarType::Empty:
      return Variant();
    case VarType::Missing:
      return Missing();
    case VarType::Variant:
      return value();
  }
  Raise(err::TypeMismatch);
}

void Variant::assign(const Variant& v) {
  std::visit(Overloaded{[&](RefTo<std::int16_t> r) { *r.p = v.toInt16(); },
                        [&](RefTo<std::int32_t> r) { *r.p = v.toInt32(); },
                        [&](RefTo<float> r) { *r.p = v.toFloat(); },
                        [&](RefTo<double> r) { *r.p = v.toDouble(); },
                        [&](RefTo<VBool> r) { *r.p = VBool(v.toBool()); },
                        [&](RefTo<std::string> r) { *r.p = v.toString(); },
                        [&](RefTo<Variant> r) { *r.p = v.value(); },
                        [&](RefTo<FloatArray> r) {
                          const FloatArray* a = v.floatArray();
                          if (a == nullptr) Raise(err::TypeMismatch);
                          *r.p = *a;
                        },
                        [&](RefTo<Int16Array> r) {
                          const Int16Array* a = v.int16Array();
                          if (a == nullptr) Raise(err::TypeMismatch);
                          *r.p = *a;
                        },
                        [&](const auto&) { *this = v.value(); }},
             v_);
}

FloatArray* Variant::floatArray() const {
  if (const auto* r = std::get_if<RefTo<Variant>>(&v_)) return r->p->floatArray();
  return const_cast<Variant*>(this)->target<FloatArray>();
}

Int16Array* Variant::int16Array() const {
  if (const auto* r = std::get_if<RefTo<Variant>>(&v_)) return r->p->int16Array();
  return const_cast<Variant*>(this)->target<Int16Array>();
}

}  // namespace platform
