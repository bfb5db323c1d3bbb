#pragma once
// The title of the program's own message boxes.
namespace ui {
inline constexpr const char* kProgramTitle = "VKSETUP";
}  // namespace ui
