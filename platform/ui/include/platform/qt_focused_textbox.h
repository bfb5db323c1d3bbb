#pragma once
// Installs the focused-text-box provider of the running program: the line
// edit that has the keyboard focus (an editable list's own line edit
// included), as a text-box object.
namespace platform {

void InstallQtFocusedTextBoxProvider();

}  // namespace platform
