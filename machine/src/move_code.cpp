#include "machine/move_code.h"

namespace machine {

char LetterOf(std::string_view code, int motor) {
  const std::string_view name = MotorName(motor);
  const std::size_t at = code.find(name);
  if (at == std::string_view::npos || at + name.size() >= code.size()) return '\0';
  return code[at + name.size()];
}

}  // namespace machine
