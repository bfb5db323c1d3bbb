#include "machine/field_value.h"

#include "platform/numtext.h"

namespace machine {

double FieldValue(std::string_view text) {
  if (const auto number = platform::StrictNumber(text)) return *number;
  return platform::Val(text);
}

}  // namespace machine
