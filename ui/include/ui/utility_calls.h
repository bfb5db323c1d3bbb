#pragma once
// Calls to members of the utility object (the record's Bits reference) by
// name. A failing member is not fatal to the window: the call reports false
// and the handler goes on as if the member had done nothing.
#include <string_view>
#include <vector>

#include "config/record.h"
#include "platform/variant.h"

namespace ui {

bool CallUtility(config::Configuration& record, std::string_view member,
                 std::vector<platform::Variant> args);

}  // namespace ui
