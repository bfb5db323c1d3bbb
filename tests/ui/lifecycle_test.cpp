// Start-up, activation and shutdown of the configuration window.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <algorithm>

#include "platform/profile.h"
#include "ui/heating_panel.h"
#include "ui/main_loop.h"
#include "ui/view_panel.h"
#include "window_fixture.h"

namespace ui_test {
namespace {

namespace fs = std::filesystem;

class LifecycleTest : public WindowTest {};

TEST_F(LifecycleTest, CloseSavesTheWindowAndTheProjectPointer) {
  Start();
  EXPECT_EQ(window->windowTitle().toStdString(), "Configuration - Default");
  EXPECT_EQ(window->size(), QSize(775, 618));
  Control<QLineEdit>("Text1")->setText("321");  // reaches the record only by the save
  window->close();

  EXPECT_EQ(app->record.Etat, "FIN");
  EXPECT_EQ(app->record.Arret, 1);
  EXPECT_EQ(IniValue(ini(), "Projet", "Machine"), "Default");
  EXPECT_EQ(IniValue(ini(), "Pas", "X1_NbPas"), "321");
  EXPECT_EQ(IniValue(ini(), "Avance", "X1_Avance"), "2");
  EXPECT_EQ(IniValue(ini(), "sens", "X1_Sens"), "5");
  EXPECT_EQ(IniValue(ini(), "Port", "LPT"), "-1");
  EXPECT_EQ(IniValue(ini(), "Machine", "Carte"), "MM2001");
  EXPECT_FALSE(window->mainLoop().running());
}

TEST_F(LifecycleTest, CloseKeepsTheCurrentTableInTheProjectPointer) {
  const fs::path table = folder() / "Machine1.TAB";
  for (const IniKey& key : DefaultIni()) {
    ASSERT_TRUE(platform::profile::Put(table, key.section, key.key, key.value));
  }
  Start(IniWith({{"Projet", "Machine", table.string()}}));
  EXPECT_EQ(window->windowTitle().toStdString(), "Configuration - " + table.string());
  window->close();
  EXPECT_EQ(IniValue(ini(), "Projet", "Machine"), table.string());
}

TEST_F(LifecycleTest, QuitterShutsDownOnceAndEndsTheProgram) {
  Start();
  QSignalSpy ended(window.get(), &ui::FrmConfig::programEnded);
  window->menus().IM_QUIT->trigger();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(app->record.Etat, "FIN");
  EXPECT_EQ(IniValue(ini(), "Projet", "Machine"), "Default");

  // A write after the shutdown must not be repeated by a second close.
  ASSERT_TRUE(platform::profile::Put(ini(), "Projet", "Machine", "marker"));
  window->close();
  EXPECT_EQ(IniValue(ini(), "Projet", "Machine"), "marker");
}

TEST_F(LifecycleTest, EveryActivationRefillsButOnlyTheFirstStartsTheLoop) {
  Start();
  EXPECT_TRUE(window->mainLoop().running());
  EXPECT_EQ(window->mainLoop().starts(), 1);
  auto* steps = Control<QLineEdit>("Text1");
  EXPECT_EQ(steps->text(), "200");
  for (int round = 0; round < 3; ++round) {
    steps->setText("999");
    Reactivate();
    EXPECT_EQ(steps->text(), "200") << "round " << round;
  }
  EXPECT_EQ(window->mainLoop().starts(), 1);
  EXPECT_TRUE(window->mainLoop().running());
}

TEST_F(LifecycleTest, MainLoopDrawsTheMachineOnceTheWindowIsIdle) {
  Start();
  QApplication::processEvents();
  const view3d::PixelBuffer& image = window->viewPanel().picture()->image();
  ASSERT_GT(image.width(), 0);
  const auto lit = std::count_if(image.pixels().begin(), image.pixels().end(),
                                 [](view3d::Pixel p) { return (p & 0xFFFFFFu) != 0; });
  EXPECT_GT(lit, 100);
  EXPECT_FALSE(app->view.ViewRedraw);
  EXPECT_FLOAT_EQ(app->view.ViewDistance, 370);
}

TEST_F(LifecycleTest, JaugeShowsThenHidesTheMotorTestWindow) {
  Start();
  window->menus().IM_Jauge_Show->trigger();
  ASSERT_TRUE(app->jauge->IsVisible());
  window->menus().IM_Jauge_Show->trigger();
  EXPECT_FALSE(app->jauge->IsVisible());
}

TEST_F(LifecycleTest, StartupSetsTheHeatingAndSpeedDefaults) {
  Start(IniWith({{"Vitesse", "V_Max", "20"}}));
  EXPECT_EQ(app->record.Duree_Chauffe, 125);
  EXPECT_EQ(app->record.Etat, "");
  EXPECT_EQ(window->JogSpeedMaximum(), 20);
  EXPECT_EQ(window->heatingPanel().inputImage(), 3);
}

TEST_F(LifecycleTest, MissingUtilityLibraryShowsOnlyItsMessageAndWritesNothing) {
  const std::vector<IniKey> keys = DefaultIni();
  Prepare(keys, /*registerUtility=*/false);
  const std::string before = ReadFile(ini());
  const fs::file_time_type stamp = fs::last_write_time(ini());

  EXPECT_FALSE(window->Form_Load());
  window->close();  // the program ends without its shutdown
  window.reset();

  ASSERT_EQ(boxes->shown().size(), 1u);
  EXPECT_EQ(boxes->shown()[0].text, "VELKOR.DLL absente");
  EXPECT_EQ(boxes->shown()[0].title, "VELKOR - ERREUR");
  EXPECT_EQ(boxes->shown()[0].buttons, platform::Buttons::Ok);
  EXPECT_EQ(app->record.Etat, "");
  EXPECT_EQ(ReadFile(ini()), before);
  EXPECT_EQ(fs::last_write_time(ini()), stamp);
}

}  // namespace
}  // namespace ui_test
