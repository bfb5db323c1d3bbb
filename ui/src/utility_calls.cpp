#include "ui/utility_calls.h"

#include "platform/dispatch.h"

namespace ui {

bool CallUtility(config::Configuration& record, std::string_view member,
                 std::vector<platform::Variant> args) {
  if (record.Bits == nullptr) return false;
  try {
    platform::CallByName(*record.Bits, member, std::move(args));
    return true;
  } catch (const platform::RuntimeError&) {
    return false;
  }
}

}  // namespace ui
