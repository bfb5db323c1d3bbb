#include "bits/bits_object.h"

#include "bits/bit_helpers.h"
#include "bits/cutting_file.h"
#include "bits/dialogs.h"
#include "bits/heating.h"
#include "bits/input_checks.h"
#include "bits/number_helpers.h"
#include "bits/profile_read.h"
#include "bits/sort_helpers.h"
#include "bits/text_helpers.h"
#include "platform/paths.h"

namespace bits {

namespace {

using platform::Dispatch;
using platform::FloatArray;
using platform::Int16Array;
using platform::ParamSpec;
using platform::Variant;
using platform::VarType;
using platform::VBool;
using Args = std::span<Variant>;

std::atomic<int>& LiveCount() {
  static std::atomic<int> count{0};
  return count;
}

// Each slot holds exactly its parameter's type (the dispatch table saw to it).
template <class T>
T& Arg(Args a, std::size_t i) {
  return *a[i].target<T>();
}

const BitsEnvironment& Env(Dispatch& self) { return static_cast<BitsObject&>(self).environment(); }

HeatingIo& Heating(Dispatch& self) {
  HeatingIo* io = Env(self).heating;
  return io != nullptr ? *io : LibraryHeatingIo();
}

ParamSpec ByValue(std::string_view name, VarType type) { return {name, type}; }
ParamSpec InOut(std::string_view name, VarType type) { return {name, type, true}; }
ParamSpec Optional(ParamSpec p, Variant defaultValue) {
  p.optional = true;
  p.defaultValue = std::move(defaultValue);
  return p;
}

std::vector<platform::MemberSpec> Members() {
  constexpr VarType I2 = VarType::I2, I4 = VarType::I4, R4 = VarType::R4, R8 = VarType::R8,
                    Bool = VarType::Bool, Str = VarType::String, Var = VarType::Variant;
  std::vector<platform::MemberSpec> m = {
      {"BitMask",
       0,
       {ByValue("N", I4)},
       [](Dispatch&, Args a) -> Variant { return BitMask(Arg<std::int32_t>(a, 0)); }},
      {"MakeRandom",
       0,
       {InOut("dblValue", Var), InOut("lngMax", Var)},
       [](Dispatch&, Args a) { return MakeRandom(Arg<Variant>(a, 0), Arg<Variant>(a, 1)); }},
      {"NumToHex",
       0,
       {InOut("bByte", Var)},
       [](Dispatch&, Args a) { return NumToHex(Arg<Variant>(a, 0)); }},
      {"Sinh",
       0,
       {ByValue("z", R8)},
       [](Dispatch&, Args a) -> Variant { return Sinh(Arg<double>(a, 0)); }},
      {"Cosh",
       0,
       {ByValue("z", R8)},
       [](Dispatch&, Args a) -> Variant { return Cosh(Arg<double>(a, 0)); }},
      {"ThreadChauffe_orig",
       0,
       {InOut("Indice", Var), InOut("Pin_Timer", I4), InOut("Pin_Chauffe", I4)},
       [](Dispatch& self, Args a) -> Variant {
         ThreadChauffe_orig(Arg<Variant>(a, 0), Arg<std::int32_t>(a, 1), Arg<std::int32_t>(a, 2),
                            Heating(self));
         return {};
       }},
      {"ThreadChauffe",
       0,
       {InOut("Indice", Var), InOut("Pin_Timer", I4), InOut("Pin_Chauffe", I4)},
       [](Dispatch& self, Args a) -> Variant {
         ThreadChauffe(Arg<Variant>(a, 0), Arg<std::int32_t>(a, 1), Arg<std::int32_t>(a, 2),
                       Heating(self));
         return {};
       }},
      {"Bit_Equiv",
       0,
       {InOut("Pin", I4)},
       [](Dispatch&, Args a) -> Variant { return Bit_Equiv(Arg<std::int32_t>(a, 0)); }},
      {"BitSet",
       0,
       {InOut("X", I4), ByValue("N", I4), ByValue("Value", Bool)},
       [](Dispatch&, Args a) -> Variant {
         BitSet(Arg<std::int32_t>(a, 0), Arg<std::int32_t>(a, 1), Arg<VBool>(a, 2));
         return {};
       }},
      {"BitTest",
       0,
       {InOut("X", I4), ByValue("N", I4)},
       [](Dispatch&, Args a) -> Variant {
         return BitTest(Arg<std::int32_t>(a, 0), Arg<std::int32_t>(a, 1));
       }},
      {"Messagebox",
       0,
       {InOut("lMode", I2), InOut("Language", Var),
        Optional(InOut("sztexte", Var), Variant::Missing())},
       [](Dispatch& self, Args a) -> Variant {
         Messagebox(Arg<std::int16_t>(a, 0), Arg<Variant>(a, 1), Arg<Variant>(a, 2),
                    Env(self).libraryDir);
         return {};
       }},
      {"Compact_rs",
       0,
       {InOut("totnbpas", Var), InOut("szPath", Var)},
       [](Dispatch&, Args a) -> Variant {
         Compact_rs(Arg<Variant>(a, 0), Arg<Variant>(a, 1));
         return {};
       }},
      {"askfor",
       0,
       {InOut("lMode", I2), InOut("Language", Var)},
       [](Dispatch& self, Args a) {
         return askfor(Arg<std::int16_t>(a, 0), Arg<Variant>(a, 1), Env(self).libraryDir);
       }},
      {"INIProfileRead",
       0,
       {InOut("strNomCle", Str), Optional(InOut("strDonneeDefault", Str), std::string()),
        Optional(InOut("strKey", Str), std::string()),
        Optional(InOut("strFile", Str), std::string())},
       [](Dispatch& self, Args a) -> Variant {
         return INIProfileRead(Arg<std::string>(a, 0), Arg<std::string>(a, 1),
                               Arg<std::string>(a, 2), Arg<std::string>(a, 3),
                               Env(self).libraryDir);
       }},
      {"DoubleSwap",
       0,
       {InOut("A", R8), InOut("B", R8)},
       [](Dispatch&, Args a) { return DoubleSwap(Arg<double>(a, 0), Arg<double>(a, 1)); }},
      {"NombrePi", 0, {}, [](Dispatch&, Args) { return NombrePi(); }},
      {"IntegerRandom",
       0,
       {InOut("Lower", I2), InOut("Upper", I2)},
       [](Dispatch&, Args a) -> Variant {
         return IntegerRandom(Arg<std::int16_t>(a, 0), Arg<std::int16_t>(a, 1));
       }},
      {"IntegerSwap",
       0,
       {InOut("A", Var), InOut("B", Var)},
       [](Dispatch&, Args a) { return IntegerSwap(Arg<Variant>(a, 0), Arg<Variant>(a, 1)); }},
      {"SingleSort",
       0,
       {InOut("ArrayKey", VarType::FloatArray), InOut("ArrayPointer", VarType::Int16Array),
        InOut("First", I2), InOut("Last", I2)},
       [](Dispatch&, Args a) {
         return SingleSort(Arg<FloatArray>(a, 0), Arg<Int16Array>(a, 1), Arg<std::int16_t>(a, 2),
                           Arg<std::int16_t>(a, 3));
       }},
      {"SingleSwap",
       0,
       {InOut("A", R4), InOut("B", R4)},
       [](Dispatch&, Args a) { return SingleSwap(Arg<float>(a, 0), Arg<float>(a, 1)); }},
      {"StringUnEscape",
       0,
       {InOut("strMsg", Str)},
       [](Dispatch&, Args a) -> Variant { return StringUnEscape(Arg<std::string>(a, 0)); }},
      {"StringEscape",
       0,
       {InOut("strMsg", Str)},
       [](Dispatch&, Args a) -> Variant { return StringEscape(Arg<std::string>(a, 0)); }},
      {"Out_Chaine",
       0,
       {InOut("lChaine", Var), InOut("lMot", Var)},
       [](Dispatch&, Args a) { return Out_Chaine(Arg<Variant>(a, 0), Arg<Variant>(a, 1)); }},
      {"Set_Point_Decimal",
       0,
       {InOut("xlVar", Var)},
       [](Dispatch&, Args a) -> Variant { return Set_Point_Decimal(Arg<Variant>(a, 0)); }},
      {"Verif_Decimal",
       0,
       {ByValue("KA", I2), InOut("textB", Var), Optional(ByValue("NEG", Bool), VBool(false))},
       [](Dispatch&, Args a) -> Variant {
         return Verif_Decimal(Arg<std::int16_t>(a, 0), Arg<Variant>(a, 1), Arg<VBool>(a, 2));
       }},
      {"Verif_Integer",
       0,
       {ByValue("KA", I2), Optional(ByValue("NEG", Bool), VBool(false))},
       [](Dispatch&, Args a) -> Variant {
         return Verif_Integer(Arg<std::int16_t>(a, 0), Arg<VBool>(a, 1));
       }},
      {"decimal_binaire",
       0,
       {InOut("dec", I4)},
       [](Dispatch&, Args a) -> Variant { return decimal_binaire(Arg<std::int32_t>(a, 0)); }},
      {"DegreeToRadian",
       0,
       {InOut("AngleDegree", R4)},
       [](Dispatch&, Args a) -> Variant { return DegreeToRadian(Arg<float>(a, 0)); }},
      {"CStr_",
       0,
       {ByValue("S", Var)},
       [](Dispatch&, Args a) -> Variant { return CStr_(Arg<Variant>(a, 0)); }},
  };
  // Identifiers follow the slot order.
  for (std::size_t i = 0; i < m.size(); ++i) {
    m[i].dispid = kFirstDispId + static_cast<std::int32_t>(i);
  }
  return m;
}

platform::com::Guid FixedGuid(const char* text) { return *platform::com::Guid::Parse(text); }

}  // namespace

platform::com::Guid ClassId() { return FixedGuid("{6B1D3C52-8E47-4F0A-9C21-3A5E7D90B114}"); }
platform::com::Guid InterfaceId() { return FixedGuid("{6B1D3C53-8E47-4F0A-9C21-3A5E7D90B114}"); }
platform::com::Guid TypeLibId() { return FixedGuid("{6B1D3C51-8E47-4F0A-9C21-3A5E7D90B114}"); }

const platform::DispatchTable& BitsObject::Table() {
  static const platform::DispatchTable table(Members());
  return table;
}

BitsObject::BitsObject()
    : BitsObject(BitsEnvironment{platform::LibraryDirOf(reinterpret_cast<const void*>(&LiveCount)),
                                 nullptr}) {}

BitsObject::BitsObject(BitsEnvironment environment) : environment_(std::move(environment)) {
  ++LiveCount();
}

BitsObject::~BitsObject() { --LiveCount(); }

int BitsObject::LiveObjects() { return LiveCount().load(); }

std::optional<std::int32_t> BitsObject::IdOfName(std::string_view name) const {
  return Table().IdOfName(name);
}

Variant BitsObject::Invoke(std::int32_t dispid, platform::InvokeKind kind, Args args) {
  return Table().Invoke(*this, dispid, kind, args);
}

}  // namespace bits
