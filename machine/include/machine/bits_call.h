#pragma once
// Calls into the utility object by member name, as an outside client does.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "config/record.h"
#include "platform/dispatch.h"

namespace machine {

// The utility object of the record; RuntimeError "Object required" (424) when
// it was never created.
platform::Dispatch& BitsOf(const config::Configuration& record);

platform::Variant CallBits(const config::Configuration& record, std::string_view member,
                           std::vector<platform::Variant> args);

// Bit number of a DB25 control or status pin (member "Bit_Equiv").
int BitEquiv(const config::Configuration& record, int pin);

// A member looked up once and then invoked directly: for the calls made at
// every pass of a step loop. Still bound by name, at the first call.
class BitsMember {
 public:
  BitsMember(const config::Configuration& record, std::string_view member)
      : record_(record), member_(member) {}
  platform::Variant operator()(std::span<platform::Variant> args);

 private:
  const config::Configuration& record_;
  std::string_view member_;
  std::optional<std::int32_t> dispid_;
};

}  // namespace machine
