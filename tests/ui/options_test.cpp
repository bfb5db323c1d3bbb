// Card, jog options, port test, wings and the speed box.
#include <dlfcn.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cstdlib>

#include "input32/simport.h"
#include "window_fixture.h"

namespace ui_test {
namespace {

// The port library keeps its choice of port per process: forget it, so the
// environment set by the test decides.
void ResetPortLibrary() {
  void* library = ::dlopen(VK_PROGRAM_DIR "/libinput32.so", RTLD_NOW);
  ASSERT_NE(library, nullptr) << ::dlerror();
  auto* reset = reinterpret_cast<void (*)()>(::dlsym(library, "Input32_Reset"));
  ASSERT_NE(reset, nullptr);
  reset();
  ::dlclose(library);
}

class OptionsTest : public WindowTest {
 protected:
  void Choose(QComboBox* list, const QString& item) {
    const int index = list->findText(item);
    ASSERT_GE(index, 0);
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  QColor ResultColour() { return Control<QLineEdit>("Text10")->palette().color(QPalette::Base); }
};

TEST_F(OptionsTest, GuillotineTakesSynchroniserAlong) {
  Start();
  auto* synchroniser = Control<QCheckBox>("Check10");
  auto* guillotine = Control<QCheckBox>("Check11");
  ASSERT_FALSE(synchroniser->isChecked());
  guillotine->click();
  EXPECT_TRUE(synchroniser->isChecked());
  EXPECT_FALSE(synchroniser->isEnabled());
  guillotine->click();
  EXPECT_TRUE(synchroniser->isEnabled());
  EXPECT_TRUE(synchroniser->isChecked());
}

TEST_F(OptionsTest, Bb2001ClearsAndDisablesTimerExterneButKeepsTheField) {
  Start();
  auto* timer = Control<QCheckBox>("Check1");
  ASSERT_TRUE(timer->isChecked());
  ASSERT_TRUE(timer->isEnabled());
  auto* card = Control<QComboBox>("Combo2");
  Choose(card, "BB2001");
  EXPECT_EQ(app->record.Carte, "BB2001");
  EXPECT_FALSE(timer->isChecked());
  EXPECT_FALSE(timer->isEnabled());
  EXPECT_EQ(app->record.Timer_Externe, 1);
  Choose(card, "CENECE");
  EXPECT_TRUE(timer->isEnabled());
  EXPECT_EQ(app->record.Carte, "CENECE");
}

TEST_F(OptionsTest, LoadedBb2001StartsWithTimerExterneDisabled) {
  Start(IniWith({{"Machine", "Carte", "BB2001"}, {"Chauffe", "Timer_Externe", "0"}}));
  EXPECT_FALSE(Control<QCheckBox>("Check1")->isEnabled());
}

TEST_F(OptionsTest, TimerExterneClickIsSaved) {
  Start();
  Control<QCheckBox>("Check1")->click();
  EXPECT_EQ(app->record.Timer_Externe, 0);
}

TEST_F(OptionsTest, PortTestOnTheSimulatedPortShowsOk) {
  ::setenv("VK_PORT", "sim", 1);
  ::setenv("VK_SIMPORT_DIR", folder().c_str(), 1);
  ResetPortLibrary();
  Start();
  Control<QPushButton>("Command3", 2)->click();
  EXPECT_EQ(Control<QLineEdit>("Text10")->text(), "OK");
  EXPECT_EQ(ResultColour(), QColor(0, 255, 0));
  const std::optional<input32::SimRegisters> registers =
      input32::ReadSimulatedRegisters(folder(), input32::kBaseLpt1);
  ASSERT_TRUE(registers.has_value());
  EXPECT_EQ(registers->data, 255);  // the last value of the test
  ResetPortLibrary();
  ::unsetenv("VK_PORT");
  ::unsetenv("VK_SIMPORT_DIR");

  // A new port choice clears the result.
  Control<QRadioButton>("Option2")->click();
  EXPECT_EQ(Control<QLineEdit>("Text10")->text(), "");
  EXPECT_EQ(ResultColour(), QColor(Qt::white));
}

TEST_F(OptionsTest, PortTestWithoutThePortLibraryShowsNok) {
  Start(DefaultIni(), "libinput32-absent.so");
  Control<QPushButton>("Command3", 2)->click();
  EXPECT_EQ(Control<QLineEdit>("Text10")->text(), "NOK");
  EXPECT_EQ(ResultColour(), QColor(255, 0, 0));
  ASSERT_EQ(boxes->shown().size(), 1u);  // the library is told missing once
  EXPECT_NE(boxes->shown()[0].text.find("libinput32-absent.so"), std::string::npos);
}

TEST_F(OptionsTest, PanneauMoteurFiveShowsRightLeftAndGdStoresZero) {
  Start(IniWith({{"Machine", "Panneau Moteur", "5"}}));
  EXPECT_TRUE(Control<QRadioButton>("Option7")->isChecked());
  EXPECT_FALSE(Control<QRadioButton>("Option6")->isChecked());
  EXPECT_EQ(app->record.Panneau_Moteur, 5);
  Control<QRadioButton>("Option6")->click();
  EXPECT_EQ(app->record.Panneau_Moteur, 0);
  Control<QRadioButton>("Option7")->click();
  EXPECT_EQ(app->record.Panneau_Moteur, 1);
}

TEST_F(OptionsTest, EndStopsFollowTheRecordAndTheUser) {
  Start(IniWith({{"Machine", "Butees", "False"}}));
  EXPECT_TRUE(Control<QRadioButton>("Option8", 1)->isChecked());
  Control<QRadioButton>("Option8", 0)->click();
  EXPECT_TRUE(app->record.Butees);
}

struct SpeedCase {
  const char* vmax;
  int maximum;  // of the jog-speed scroll bar afterwards
};

class SpeedBoxTest : public OptionsTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedBoxTest, VMaxTextReachesTheRecordAndTheScrollBar) {
  Start();  // V_Max 6
  Control<QLineEdit>("VMax")->setText(QString::fromLatin1(GetParam().vmax));
  EXPECT_EQ(config::FileText(app->record.V_Max), GetParam().vmax);
  EXPECT_EQ(Control<QScrollBar>("HScroll1")->maximum(), GetParam().maximum);
}

INSTANTIATE_TEST_SUITE_P(Texts, SpeedBoxTest,
                         ::testing::Values(SpeedCase{"12", 12}, SpeedCase{"12.5", 12},
                                           SpeedCase{"13.5", 14}, SpeedCase{"", 6},
                                           SpeedCase{"abc", 6}, SpeedCase{"40000", 6},
                                           SpeedCase{"0", 6}));

TEST_F(OptionsTest, DimensionsAreTidiedWhenLeft) {
  Start();
  auto* width = Control<QLineEdit>("Text7");
  width->setText("2000");
  emit width->editingFinished();
  EXPECT_EQ(width->text(), "1500");
  EXPECT_EQ(config::FileText(app->record.Largeur), "1500");
  auto* length = Control<QLineEdit>("Text6");
  length->setText("2000");
  emit length->editingFinished();
  EXPECT_EQ(app->record.Longueur, 2000);
  auto* height = Control<QLineEdit>("Text8");
  height->setText("");
  emit height->editingFinished();
  EXPECT_EQ(height->text(), "30");
  EXPECT_EQ(config::FileText(app->record.Hauteur), "30");
}

TEST_F(OptionsTest, HeatingPercentFollowsTheCalibrationScrollBar) {
  Start();
  Control<QScrollBar>("HScroll2")->setValue(50);
  EXPECT_EQ(Control<QLineEdit>("Text5")->text(), "50");
  EXPECT_EQ(Control<QLineEdit>("Indice")->text(), "50");
  EXPECT_EQ(Control<QScrollBar>("HScroll11")->value(), 50);
  EXPECT_EQ(app->record.Duree_Chauffe, 125);
}

}  // namespace
}  // namespace ui_test
