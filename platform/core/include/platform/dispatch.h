#pragma once
// Calls by member name, resolved at call time without regard to case, with
// variants as arguments; failures carry classic run-time error numbers.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace platform {

namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEnd = 62;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectRequired = 424;
inline constexpr int CannotCreateObject = 429;
inline constexpr int NoSuchMember = 438;
inline constexpr int ArgumentNotOptional = 449;
inline constexpr int WrongArgumentCount = 450;
inline constexpr int FileNotLoaded = 48;  // "Error in loading DLL"
inline constexpr int DeviceIoError = 57;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int ObjectNotSet = 91;
}  // namespace err

// A failed call: its number and the classic description ("Overflow", ...).
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description);
  explicit RuntimeError(int number);  // description from the number
  int number() const { return number_; }

 private:
  int number_;
};
std::string ErrorDescription(int number);

enum class InvokeKind { Method = 1, PropertyGet = 2, PropertyPut = 4 };

class Dispatch {
 public:
  virtual ~Dispatch() = default;
  // Dispatch identifier of a member, ignoring letter case; nullopt when unknown.
  virtual std::optional<std::int32_t> IdOfName(std::string_view name) const = 0;
  // Arguments in declaration order; a left-out optional is Variant::Missing().
  // Raises RuntimeError on failure.
  virtual Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args) = 0;
};

// Resolves the name at call time and invokes. Unknown names raise NoSuchMember (438).
Variant CallByName(Dispatch& object, std::string_view name, std::vector<Variant> args = {},
                   InvokeKind kind = InvokeKind::Method);
// The same over arguments the caller keeps (no allocation on the way in).
Variant InvokeByName(Dispatch& object, std::string_view name, std::span<Variant> args,
                     InvokeKind kind = InvokeKind::Method);
// A plain array of arguments on the caller's stack.
template <std::size_t N>
Variant CallByName(Dispatch& object, std::string_view name, Variant (&args)[N],
                   InvokeKind kind = InvokeKind::Method) {
  return InvokeByName(object, name, std::span<Variant>(args, N), kind);
}
Variant GetProperty(Dispatch& object, std::string_view name);
void SetProperty(Dispatch& object, std::string_view name, Variant value);

// ---------------------------------------------------------------------------
// A table-driven member list for classes that publish plain C++ functions:
// names, dispatch identifiers, parameter types and passing, and the rules of
// a call made through the interface.

struct ParamSpec {
  std::string_view name;
  VarType type;            // VarType::Variant for a variant parameter
  bool inOut = false;      // by reference: may write back into a caller's variable
  bool optional = false;   // when left out, the member gets defaultValue
  Variant defaultValue{};  // converted to the type; Missing() stays missing
};

// Receives one slot per declared parameter, each holding exactly the
// parameter's type (see Variant::target): the caller's variable when it was
// passed by reference with that very type, a converted copy otherwise.
using MemberFunction = Variant (*)(Dispatch& self, std::span<Variant> args);

struct MemberSpec {
  std::string_view name;
  std::int32_t dispid;
  std::vector<ParamSpec> params;
  MemberFunction function;
};

class DispatchTable {
 public:
  static constexpr std::size_t kMaxParams = 8;

  explicit DispatchTable(std::vector<MemberSpec> members);

  // Ignores letter case (ASCII); no allocation.
  std::optional<std::int32_t> IdOfName(std::string_view name) const;
  const MemberSpec* Find(std::int32_t dispid) const;
  const std::vector<MemberSpec>& members() const { return members_; }

  // Checks and converts every argument before the member runs: unknown id
  // 438, a missing non-optional argument 449, too many 450, one that does
  // not convert 13 (or 6 when out of range). Methods answer Method and
  // PropertyGet calls; PropertyPut raises 438.
  Variant Invoke(Dispatch& self, std::int32_t dispid, InvokeKind kind,
                 std::span<Variant> args) const;

 private:
  static std::uint32_t HashOf(std::string_view name);

  std::vector<MemberSpec> members_;
  std::vector<std::int16_t> buckets_;  // open addressing: index into members_, -1 empty
  std::int32_t firstId_ = 0;
  bool contiguousIds_ = false;
};

}  // namespace platform
