#pragma once
// The program's one context: the configuration record (which holds the Bits
// reference), its store, the port library, the wiring to the other parts and
// the windows. main creates it and passes it by reference; a test makes a
// fresh one in its own folder.
#include <filesystem>
#include <string>

#include "config/record.h"
#include "config/store.h"
#include "input32/port.h"
#include "ui/seams.h"

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
  Seams seams;
  FrmConfig* frmConfig = nullptr;
};

}  // namespace ui
