#pragma once
// The menu tree of the configuration window and its status bar StatusUSB.
// Only builds them and registers them in the control table; the window
// connects the entries.
#include <QObject>
#include <array>

#include "platform/control_table.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QStatusBar;

namespace ui {

struct Menus {
  QAction* IM_QUIT = nullptr;
  QMenu* IM_TABLES = nullptr;
  QAction* IM_SELECT_TABLE = nullptr;
  QAction* IM_ADD_TABLE = nullptr;
  QAction* IM_ORIGINE = nullptr;
  QMenu* IM_Jauge = nullptr;
  QAction* IM_Jauge_Show = nullptr;
  QMenu* MN_HLP = nullptr;
  QAction* MN_About = nullptr;
  QMenu* MN_LANGUAGE = nullptr;
  std::array<QAction*, 3> IM_LANGUAGE{};
};

// Builds the menu bar of the window.
Menus BuildMenus(QMainWindow& window, platform::ControlTable& controls);

struct StatusBar {
  QStatusBar* bar = nullptr;
  std::array<QLabel*, 2> panels{};  // panel 1 (interface state), panel 2 (version)
};

StatusBar BuildStatusBar(QMainWindow& window, platform::ControlTable& controls);

}  // namespace ui
