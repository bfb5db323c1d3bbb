#pragma once
// The configuration window FrmConfig: creates the panels, lays them on the
// tabs of SSTab1, and runs start-up (Form_Load), activation (Form_Activate,
// the first of which starts the main loop) and shutdown (Form_Terminate).
//
// Events of the classic controls and the Qt signals that stand for them:
//   text box Change         QLineEdit::textChanged (typing and program alike)
//   text box LostFocus      QLineEdit::editingFinished
//   list Change             QComboBox::editTextChanged (typing and program)
//   list Click              QComboBox::activated (the user's choice); a
//                           program change of the list index raises it
//                           explicitly where a handler relies on it
//   check box Click         QAbstractButton::toggled where a program change
//                           must run the handler ("Guillotine"),
//                           QAbstractButton::clicked where only the user's
//                           counts ("Inv.", "Timer externe")
//   option button Click     toggled(true) where a refill must run it (port
//                           choice), clicked where it must not rewrite the
//                           record (wings, end stops, render mode)
//   scroll bar Change       QScrollBar::valueChanged
//   button, menu Click      QAbstractButton::clicked, QAction::triggered
#include <QMainWindow>
#include <memory>

#include "config/window.h"
#include "machine/window.h"
#include "platform/control_table.h"
#include "ui/app_context.h"
#include "ui/menus.h"

class QTabWidget;

namespace ui {

class CardPanel;
class HeatingPanel;
class JogPanel;
class MachinePanel;
class MainLoop;
class MotorPanel;
class PinPanel;
class PortPanel;
class ViewPanel;

class FrmConfig : public QMainWindow, public config::ConfigWindow, public machine::ConfigWindow {
  Q_OBJECT
 public:
  static constexpr int kWidthTwips = 11625;
  static constexpr int kHeightTwips = 9270;
  static constexpr int kTwipsPerPixel = 15;  // at 96 dpi

  explicit FrmConfig(AppContext& app, QWidget* parent = nullptr);
  ~FrmConfig() override;

  // Start-up. False when the utility object cannot be created: the message
  // has been shown, nothing was read or written, and the program must end.
  bool Form_Load();
  // Every activation of the window; also raised by the window system.
  void Form_Activate();
  // Shutdown: Etat "FIN", Arret 1, heating off, save, project pointer, USB
  // disconnect. Runs once; later calls do nothing.
  void Form_Terminate();
  // "&Quitter": the shutdown, then the program ends.
  void Quitter();

  // config::ConfigWindow
  void CheckLanguageEntry(int index) override;
  int JogSpeedMaximum() const override;
  void SetJogSpeedValue(int value) override;
  void SetTitle(const std::string& title) override;
  config::WindowValues TakeValues() const override;
  void Afficher_Configuration() override;

  const platform::ControlTable& controls() const { return controls_; }
  const Menus& menus() const { return menus_; }
  const StatusBar& statusUsb() const { return status_; }
  const MainLoop& mainLoop() const { return *mainLoop_; }
  PinPanel& pinPanel() const { return *pins_; }
  HeatingPanel& heatingPanel() const { return *heating_; }
  JogPanel& jogPanel() const { return *jog_; }
  ViewPanel& viewPanel() const { return *view_; }

  // machine::ConfigWindow
  bool IsVisible() const override;
  machine::ScrollBarState HScroll1() const override;
  void SetIndice1(const std::string& text) override;
  std::string Indice() const override;
  int HScroll11() const override;
  int PB_Chauffe() const override;
  void SetPB_Chauffe(int state) override;
  std::string Text12() const override;
  std::string Text9() const override;
  int Check10() const override;
  int Check11() const override;
  void SetCommand2Colour(machine::StopButtonColour colour) override;
  void StopCalibrationHeating() override;
  // Rebuilds the 3D machine model from the record and the test window's
  // positions, with the selected render mode.
  void Carte_Machine() override;

 signals:
  // The program is to end (after "&Quitter" or the window's close).
  void programEnded();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool Initialiser();
  void ConnectMenus();
  void SelectTable();
  void RebuildModel(int renderMode);

  AppContext& app_;
  config::Configuration& record_;
  platform::ControlTable controls_;
  Menus menus_;
  StatusBar status_;
  QTabWidget* tabs_ = nullptr;
  PinPanel* pins_ = nullptr;
  MotorPanel* motors_ = nullptr;
  PortPanel* port_ = nullptr;
  ViewPanel* view_ = nullptr;
  CardPanel* card_ = nullptr;
  MachinePanel* machine_ = nullptr;
  JogPanel* jog_ = nullptr;
  HeatingPanel* heating_ = nullptr;
  MainLoop* mainLoop_ = nullptr;
  bool loaded_ = false;
  bool firstActivation_ = false;
  bool activating_ = false;
  bool shutDown_ = false;
};

}  // namespace ui
