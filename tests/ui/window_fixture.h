#pragma once
// One configuration window started on its own temporary folder: VELKOR.INI
// written from a key table, a registration store that knows the utility
// library (or not), scripted message boxes and a '.' decimal separator.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/scripted_messagebox.h"
#include "ui/app_context.h"
#include "ui/frm_config.h"

namespace ui_test {

struct IniKey {
  std::string section;
  std::string key;
  std::string value;
};

// A complete configuration: every pin 2..9 used once, X1 direction on 5.
std::vector<IniKey> DefaultIni();
// The default keys with the given ones replaced (or added).
std::vector<IniKey> IniWith(const std::vector<IniKey>& overrides);

std::string ReadFile(const std::filesystem::path& file);
std::string IniValue(const std::filesystem::path& file, const std::string& section,
                     const std::string& key);

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  // Writes VELKOR.INI, registers the utility library in the folder's own
  // store (unless told not to), creates the context and the window.
  void Prepare(const std::vector<IniKey>& ini, bool registerUtility = true,
               const char* portLibrary = nullptr);
  // Prepare, Form_Load (which must succeed), show and the first activation.
  void Start(const std::vector<IniKey>& ini = DefaultIni(), const char* portLibrary = nullptr);
  // The window system activates the window again after another one had the focus.
  void Reactivate();

  std::filesystem::path ini() const { return folder_ / "VELKOR.INI"; }
  const std::filesystem::path& folder() const { return folder_; }

  template <class T>
  T* Control(const char* name, int index = -1) const {
    T* control = window->controls().Get<T>(QString::fromUtf8(name), index);
    EXPECT_NE(control, nullptr) << name << "(" << index << ")";
    return control;
  }

  platform::ScopedScriptedMessageBoxes boxes;
  std::unique_ptr<ui::AppContext> app;
  std::unique_ptr<ui::FrmConfig> window;

 private:
  void Activate(QWidget& widget);

  std::filesystem::path folder_;
};

}  // namespace ui_test
