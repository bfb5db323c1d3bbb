#include "window_fixture.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/component.h"
#include "platform/numtext.h"
#include "platform/profile.h"

namespace ui_test {
namespace fs = std::filesystem;

std::vector<IniKey> DefaultIni() {
  return {{"Langue", "Langue", "0"},
          {"Avance", "X1_Avance", "2"},
          {"Avance", "X2_Avance", "4"},
          {"Avance", "Y1_Avance", "6"},
          {"Avance", "Y2_Avance", "8"},
          {"Avance", "X1_mm", "0.1"},
          {"Avance", "X2_mm", "0.2"},
          {"Avance", "Y1_mm", "0.3"},
          {"Avance", "Y2_mm", "0.4"},
          {"sens", "X1_Sens", "5"},
          {"sens", "X2_Sens", "3"},
          {"sens", "Y1_Sens", "7"},
          {"sens", "Y2_Sens", "9"},
          {"sens", "X1_Inv", "0"},
          {"sens", "X2_Inv", "0"},
          {"sens", "Y1_Inv", "0"},
          {"sens", "Y2_Inv", "0"},
          {"Pas", "X1_NbPas", "200"},
          {"Pas", "X2_NbPas", "200"},
          {"Pas", "Y1_NbPas", "400"},
          {"Pas", "Y2_NbPas", "400"},
          {"Vitesse", "V_Max", "6"},
          {"Machine", "Largeur", "1000"},
          {"Machine", "Hauteur", "500"},
          {"Machine", "Longueur", "1200"},
          {"Machine", "Position Moteur", "0"},
          {"Machine", "Panneau Moteur", "0"},
          {"Machine", "Carte", "MM2001"},
          {"Machine", "Butees", "True"},
          {"Chauffe", "Timer_Chauffe", "250"},
          {"Chauffe", "Timer_Externe", "1"},
          {"Pins", "Pin_Moteur", "17"},
          {"Pins", "Pin_Timer", "10"},
          {"Pins", "Pin_Chauffe", "16"},
          {"Port", "LPT", "-1"}};
}

std::vector<IniKey> IniWith(const std::vector<IniKey>& overrides) {
  std::vector<IniKey> keys = DefaultIni();
  for (const IniKey& change : overrides) {
    bool replaced = false;
    for (IniKey& key : keys) {
      if (key.section == change.section && key.key == change.key) {
        key.value = change.value;
        replaced = true;
      }
    }
    if (!replaced) keys.push_back(change);
  }
  return keys;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string IniValue(const fs::path& file, const std::string& section, const std::string& key) {
  return platform::profile::Get(file, section, key, "<absent>");
}

WindowTest::WindowTest() {
  std::string pattern = (fs::temp_directory_path() / "vk-ui-XXXXXX").string();
  folder_ = ::mkdtemp(pattern.data());
  platform::SetDecimalSeparator('.');
}

WindowTest::~WindowTest() {
  window.reset();
  app.reset();
  platform::com::SetStorePath(fs::path(VK_PROGRAM_DIR) / "vkregistry.ini");
  platform::ResetDecimalSeparator();
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

void WindowTest::Prepare(const std::vector<IniKey>& keys, bool registerUtility,
                         const char* portLibrary) {
  for (const IniKey& key : keys) {
    ASSERT_TRUE(platform::profile::Put(ini(), key.section, key.key, key.value));
  }
  // The folder's own store: a copy of the program's entry for the utility
  // class, pointing at the built library.
  platform::com::SetStorePath(fs::path(VK_PROGRAM_DIR) / "vkregistry.ini");
  const std::optional<platform::com::ClassEntry> utility =
      platform::com::FindByProgId("VK_DLL.Bits");
  platform::com::SetStorePath(folder_ / "vkregistry.ini");
  if (registerUtility) {
    ASSERT_TRUE(utility.has_value()) << "VK_DLL.Bits is not registered in the program folder";
    platform::com::ClassEntry entry = *utility;
    entry.library = fs::absolute(fs::path(VK_PROGRAM_DIR) / entry.library.filename());
    std::string why;
    ASSERT_TRUE(platform::com::RegisterClass(entry, &why)) << why;
  }
  app = portLibrary != nullptr ? std::make_unique<ui::AppContext>(ini(), portLibrary)
                               : std::make_unique<ui::AppContext>(ini());
  window = std::make_unique<ui::FrmConfig>(*app);
}

void WindowTest::Start(const std::vector<IniKey>& keys, const char* portLibrary) {
  Prepare(keys, true, portLibrary);
  ASSERT_TRUE(window->Form_Load());
  window->show();
  Activate(*window);
}

void WindowTest::Reactivate() {
  QWidget other;
  other.show();
  Activate(other);
  Activate(*window);
}

void WindowTest::Activate(QWidget& widget) {
  widget.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
  QApplication::processEvents();
}

}  // namespace ui_test
