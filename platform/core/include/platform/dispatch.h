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
Variant GetProperty(Dispatch& object, std::string_view name);
void SetProperty(Dispatch& object, std::string_view name, Variant value);

}  // namespace platform
