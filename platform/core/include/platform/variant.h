#pragma once
// The dynamically typed value that travels between the program and its
// automation libraries: empty, 16/32-bit integers, 32/64-bit floats, a 16-bit
// boolean, text, an object reference, arrays, or a reference to a caller's
// variable. Conversions follow the classic rules: halves round to even into
// integers, text reads as a number in the user's locale, failures raise
// numbered run-time errors (see dispatch.h).
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace platform {

class Dispatch;
using Object = std::shared_ptr<Dispatch>;

enum class VarType : std::uint16_t {
  Empty = 0,
  I2 = 2,
  I4 = 3,
  R4 = 4,
  R8 = 5,
  String = 8,
  Object = 9,
  Missing = 10,  // an optional argument left out
  Bool = 11,
  Variant = 12,  // only as the target of a reference
  FloatArray = 0x2004,
  Int16Array = 0x2002,
};

// One-dimensional array carrying its own lower bound.
template <class T>
struct SafeArray {
  std::int32_t lowerBound = 0;
  std::vector<T> data;
  std::int32_t upperBound() const {
    return lowerBound + static_cast<std::int32_t>(data.size()) - 1;
  }
  T& at(std::int32_t index);  // raises "Subscript out of range" (9) outside the bounds
};
using FloatArray = SafeArray<float>;
using Int16Array = SafeArray<std::int16_t>;

// A 16-bit automation boolean: false 0, true -1.
struct VBool {
  std::int16_t value = 0;
  constexpr VBool() = default;
  constexpr explicit VBool(bool b) : value(b ? -1 : 0) {}
  constexpr explicit operator bool() const { return value != 0; }
};

class Variant {
 public:
  Variant() = default;
  Variant(std::int16_t v) : v_(v) {}
  Variant(std::int32_t v) : v_(v) {}
  Variant(float v) : v_(v) {}
  Variant(double v) : v_(v) {}
  Variant(VBool v) : v_(v) {}
  Variant(bool v) : v_(VBool(v)) {}
  Variant(std::string v) : v_(std::move(v)) {}
  Variant(const char* v) : v_(std::string(v)) {}
  Variant(Object v) : v_(std::move(v)) {}
  Variant(FloatArray v) : v_(Owned<FloatArray>(std::move(v))) {}
  Variant(Int16Array v) : v_(Owned<Int16Array>(std::move(v))) {}

  static Variant Missing();
  // References to a caller's variable: an in/out parameter of the same type
  // writes back through them; any other type gets a temporary copy.
  static Variant Ref(std::int16_t& v);
  static Variant Ref(std::int32_t& v);
  static Variant Ref(float& v);
  static Variant Ref(double& v);
  static Variant Ref(VBool& v);
  static Variant Ref(std::string& v);
  static Variant Ref(Variant& v);
  static Variant Ref(FloatArray& v);
  static Variant Ref(Int16Array& v);

  // Type of the value, looking through a reference.
  VarType type() const;
  bool isByRef() const;
  // For a reference, the type of the referenced variable (Variant for Ref(Variant&)).
  VarType refType() const;
  bool isEmpty() const { return type() == VarType::Empty; }
  bool isMissing() const { return type() == VarType::Missing; }
  bool isNumeric() const;

  // The value itself (a copy through any reference).
  Variant value() const;

  // Conversions; raise TypeMismatch (13) or Overflow (6).
  std::int16_t toInt16() const;
  std::int32_t toInt32() const;
  float toFloat() const;
  double toDouble() const;
  bool toBool() const;
  std::string toString() const;  // numbers in their shortest locale text, booleans "True"/"False"
  Object toObject() const;

  // Assigns through a reference (converting to the referenced type), or
  // replaces the value when not a reference.
  void assign(const Variant& v);

  // Raw access for members that take arrays by reference.
  FloatArray* floatArray() const;
  Int16Array* int16Array() const;

  // The variable this value stands for when it is exactly a T: the caller's
  // variable behind a reference to a T, or the T held here; null otherwise.
  // For T = Variant: the caller's variant behind Ref(Variant&), else this.
  // Dispatch tables hand members these so writes land where they belong.
  template <class T>
  T* target();

  // Converts to a value of the given type (raises 13/6/424 as the
  // conversions above); Variant gives value().
  Variant convertedTo(VarType type) const;

 private:
  struct MissingTag {};
  template <class T>
  struct RefTo {
    T* p;
  };
  // Arrays are held by value: copying a variant copies its array.
  template <class T>
  struct Owned {
    std::unique_ptr<T> p;
    explicit Owned(T v) : p(std::make_unique<T>(std::move(v))) {}
    Owned(const Owned& o) : p(std::make_unique<T>(*o.p)) {}
    Owned(Owned&&) noexcept = default;
    Owned& operator=(const Owned& o) {
      p = std::make_unique<T>(*o.p);
      return *this;
    }
    Owned& operator=(Owned&&) noexcept = default;
  };
  using Storage =
      std::variant<std::monostate, std::int16_t, std::int32_t, float, double, VBool, std::string,
                   Object, MissingTag, Owned<FloatArray>, Owned<Int16Array>, RefTo<std::int16_t>,
                   RefTo<std::int32_t>, RefTo<float>, RefTo<double>, RefTo<VBool>,
                   RefTo<std::string>, RefTo<Variant>, RefTo<FloatArray>, RefTo<Int16Array>>;
  Storage v_;
};

template <class T>
T* Variant::target() {
  if constexpr (std::is_same_v<T, Variant>) {
    if (auto* r = std::get_if<RefTo<Variant>>(&v_)) return r->p;
    return this;
  } else if constexpr (std::is_same_v<T, FloatArray> || std::is_same_v<T, Int16Array>) {
    if (auto* r = std::get_if<RefTo<T>>(&v_)) return r->p;
    if (auto* o = std::get_if<Owned<T>>(&v_)) return o->p.get();
    return nullptr;
  } else {
    if (auto* r = std::get_if<RefTo<T>>(&v_)) return r->p;
    return std::get_if<T>(&v_);
  }
}

}  // namespace platform
