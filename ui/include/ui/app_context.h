#pragma once
// The program's one context: the configuration record (which holds the Bits
// reference), its store, the port library, the motion context, the view
// state, the seams to the parts not built in yet, and the windows. main creates it and passes it by
// reference; a test makes a fresh one in its own folder.
#include <filesystem>
#include <memory>
#include <string>

#include "config/record.h"
#include "config/store.h"
#include "input32/port.h"
#include "machine/context.h"
#include "machine/test_avance.h"
#include "machine/window.h"
#include "ui/seams.h"
#include "view3d/view_context.h"

namespace ui {

class FrmConfig;

struct AppContext {
  explicit AppContext(std::filesystem::path velkorIni,
                      const char* portLibraryFile = input32::kLibraryFileName)
      : store(record, std::move(velkorIni)), port(nullptr, portLibraryFile) {}
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  config::Configuration record;
  config::ConfigStore store;
  input32::PortLibrary port;
  machine::PlatformEventPump pump;
  view3d::ViewContext view;
  Seams seams;
  // Made by the configuration window, which the motion reads and writes.
  std::unique_ptr<machine::MachineContext> machine;
  std::unique_ptr<machine::Jauge> jauge;  // the motor test window TEST_Avance
  FrmConfig* frmConfig = nullptr;
};

}  // namespace ui
