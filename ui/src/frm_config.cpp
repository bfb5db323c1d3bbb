#include "ui/frm_config.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

#include "machine/port_control.h"
#include "machine/test_avance_model.h"
#include "platform/component.h"
#include "platform/messagebox.h"
#include "platform/numtext.h"
#include "ui/card_panel.h"
#include "ui/heating_panel.h"
#include "ui/jog_panel.h"
#include "ui/machine_panel.h"
#include "ui/main_loop.h"
#include "ui/motor_panel.h"
#include "ui/pin_panel.h"
#include "ui/port_panel.h"
#include "ui/view_panel.h"
#include "view3d/interaction.h"
#include "view3d/machine_scene.h"

namespace ui {
namespace {

constexpr const char* kUtilityProgId = "VK_DLL.Bits";
constexpr int kImageConnected = 1;
constexpr int kImageInputOff = 3;
constexpr double kDefaultUsbWriteSeconds = 0.0042;

// Start-up steps after the utility object exists go on whatever fails.
template <class Step>
void IgnoringFailure(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

// The scene reads the motor positions from the test window's fields.
class TestWindowPositions final : public view3d::PositionBoxes {
 public:
  explicit TestWindowPositions(machine::TestAvanceModel& model) : model_(model) {}
  std::string Text(int index) const override { return model_.Text27(index); }
  void SetText(int index, const std::string& text) override { model_.SetText27(index, text); }

 private:
  machine::TestAvanceModel& model_;
};

}  // namespace

FrmConfig::FrmConfig(AppContext& app, QWidget* parent)
    : QMainWindow(parent), app_(app), record_(app.record) {
  app_.frmConfig = this;
  app_.machine = std::make_unique<machine::MachineContext>(record_, app_.port, *this, app_.pump);
  app_.jauge = std::make_unique<machine::Jauge>(*app_.machine);
  setWindowTitle(QStringLiteral("Configuration"));
  menus_ = BuildMenus(*this, controls_);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  tabs_ = new QTabWidget(central);
  controls_.Add(tabs_, QStringLiteral("SSTab1"));

  auto* connections = new QWidget(tabs_);
  auto* connectionsLayout = new QVBoxLayout(connections);
  auto* top = new QHBoxLayout;
  pins_ = new PinPanel(record_, controls_, connections);
  motors_ = new MotorPanel(record_, controls_, connections);
  port_ = new PortPanel(record_, app_.port, controls_, connections);
  top->addWidget(pins_);
  top->addWidget(motors_, 0, Qt::AlignTop);
  connectionsLayout->addLayout(top);
  connectionsLayout->addWidget(port_);
  connectionsLayout->addStretch();
  tabs_->addTab(connections, QStringLiteral("Connexions Parallèle DB25"));

  auto* cardTable = new QWidget(tabs_);
  auto* cardLayout = new QHBoxLayout(cardTable);
  view_ = new ViewPanel(
      app_.view, controls_, [this](int mode) { RebuildModel(mode); }, cardTable);
  auto* characteristics = new QVBoxLayout;
  card_ = new CardPanel(record_, controls_, cardTable);
  machine_ = new MachinePanel(
      record_, controls_, [this] { Carte_Machine(); }, cardTable);
  characteristics->addWidget(card_);
  characteristics->addWidget(machine_);
  characteristics->addStretch();
  cardLayout->addWidget(view_, 1);
  cardLayout->addLayout(characteristics);
  tabs_->addTab(cardTable, QStringLiteral("Carte / Table"));

  jog_ = new JogPanel(record_, *app_.machine, controls_, central);
  heating_ = new HeatingPanel(record_, *app_.machine, app_.seams, controls_, central);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(jog_);
  bottom->addWidget(heating_);
  layout->addWidget(tabs_, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);
  status_ = BuildStatusBar(*this, controls_);

  mainLoop_ = new MainLoop(
      record_, [this] { view_->picture()->ServeRedraw(); }, this);
  ConnectMenus();
  connect(port_->saveButton(), &QPushButton::clicked, this,
          [this] { app_.store.Sauver_Configuration(*this); });
  connect(port_->recallButton(), &QPushButton::clicked, this,
          [this] { app_.store.Rappeler_Origine(*this); });
}

FrmConfig::~FrmConfig() {
  // The motion context and the test window refer to this window.
  app_.jauge.reset();
  app_.machine.reset();
  if (app_.frmConfig == this) app_.frmConfig = nullptr;
}

bool FrmConfig::Form_Load() {
  if (!Initialiser()) return false;
  resize(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);
  tabs_->setCurrentIndex(0);
  app_.seams.Connexion_USB(this);
  view_->PreparePicture();
  app_.view.Bits = record_.Bits;
  view3d::PrepareView(app_.view);
  heating_->ShowInputImage(kImageInputOff);
  firstActivation_ = true;
  loaded_ = true;
  return true;
}

bool FrmConfig::Initialiser() {
  try {
    record_.Bits = platform::com::CreateObject(kUtilityProgId);
  } catch (const std::exception&) {
    record_.Bits = nullptr;
  }
  if (record_.Bits == nullptr) {
    platform::ShowMessage("VELKOR.DLL absente", "VELKOR - ERREUR", platform::Buttons::Ok,
                          platform::Icon::Critical);
    record_.Etat = "";
    return false;
  }
  record_.Port = 888;
  record_.Timer_Chauffe = 250;
  record_.V_Max = platform::Variant(6.0);
  record_.Etat = "Loading";
  IgnoringFailure([this] { app_.store.Lire_Configuration(*this); });
  record_.Duree_Chauffe = record_.Timer_Chauffe / 2;
  record_.Etat = "Loading";
  IgnoringFailure([this] { Afficher_Configuration(); });
  IgnoringFailure([this] { app_.seams.Temps_USB(kDefaultUsbWriteSeconds); });
  IgnoringFailure([this] { machine::Chauffe_Off(*app_.machine); });
  heating_->ShowInputImage(kImageConnected);
  record_.Etat = "";
  return true;
}

void FrmConfig::Form_Activate() {
  if (!loaded_ || shutDown_ || activating_) return;
  activating_ = true;
  Afficher_Configuration();
  app_.seams.SelectLanguage(static_cast<int>(std::floor(platform::Val(record_.Langue))));
  heating_->AlignCalibration();
  jog_->ShowSpeed();
  jog_->ShowVMax();
  card_->ShowCard();
  machine_->ShowDimensions();
  SetTitle(config::TitleFor(record_.Machine));
  Carte_Machine();
  activating_ = false;
  if (firstActivation_) {
    firstActivation_ = false;
    mainLoop_->Start();
  }
}

void FrmConfig::Form_Terminate() {
  if (!loaded_ || shutDown_) return;
  shutDown_ = true;
  record_.Etat = "FIN";
  record_.Arret = 1;
  IgnoringFailure([this] { machine::Chauffe_Off(*app_.machine); });
  {
    // One batch: a read-only VELKOR.INI is reported once, not per key.
    const config::ConfigStore::WriteBatch batch = app_.store.BeginWrites();
    IgnoringFailure([this] { app_.store.Sauver_Configuration(*this); });
    IgnoringFailure([this] { app_.store.Ecrire_Projet(); });
  }
  IgnoringFailure([this] { app_.seams.Deconnexion_USB(); });
  mainLoop_->Turn();
}

void FrmConfig::Quitter() { close(); }

void FrmConfig::CheckLanguageEntry(int index) {
  if (index >= 0 && index < static_cast<int>(menus_.IM_LANGUAGE.size())) {
    menus_.IM_LANGUAGE[static_cast<std::size_t>(index)]->setChecked(true);
  }
}

int FrmConfig::JogSpeedMaximum() const { return jog_->speed()->maximum(); }

void FrmConfig::SetJogSpeedValue(int value) { jog_->speed()->setValue(value); }

void FrmConfig::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

config::WindowValues FrmConfig::TakeValues() const {
  config::WindowValues values;
  values.pinLists = pins_->pinTexts();
  values.nbPas = motors_->stepCountTexts();
  values.inv = pins_->inversions();
  values.mm = motors_->millimetreTexts();
  values.lpt1Selected = port_->lpt1Selected();
  return values;
}

void FrmConfig::Afficher_Configuration() {
  pins_->ShowPins();
  motors_->ShowStepCounts();
  pins_->ShowInversions(app_.seams.Brochage_USB);
  motors_->ShowMillimetres();
  machine_->ShowDimensions();
  card_->ShowCard();
  port_->ShowPort();
  card_->ShowTimerExterne();
  machine_->ShowMotorSide();
  machine_->ShowWings();
  pins_->ShowSidePins();
  machine_->ShowEndStops();
}

bool FrmConfig::IsVisible() const { return isVisible(); }

machine::ScrollBarState FrmConfig::HScroll1() const {
  const QScrollBar* speed = jog_->speed();
  return {speed->value(), speed->minimum(), speed->maximum()};
}

void FrmConfig::SetIndice1(const std::string& text) {
  jog_->speedLabel()->setText(QString::fromStdString(text));
}

std::string FrmConfig::Indice() const { return heating_->indice()->text().toStdString(); }

int FrmConfig::HScroll11() const { return heating_->heating()->value(); }

int FrmConfig::PB_Chauffe() const { return heating_->onOff()->state(); }

void FrmConfig::SetPB_Chauffe(int state) { heating_->onOff()->setState(state); }

std::string FrmConfig::Text12() const { return jog_->leftDistance()->text().toStdString(); }

std::string FrmConfig::Text9() const { return jog_->rightDistance()->text().toStdString(); }

int FrmConfig::Check10() const { return jog_->synchroniser()->isChecked() ? 1 : 0; }

int FrmConfig::Check11() const { return jog_->guillotine()->isChecked() ? 1 : 0; }

void FrmConfig::SetCommand2Colour(machine::StopButtonColour colour) {
  jog_->stop()->setStyleSheet(colour == machine::StopButtonColour::Yellow
                                  ? QStringLiteral("background-color: rgb(255, 255, 0);")
                                  : QString());
}

void FrmConfig::StopCalibrationHeating() { heating_->StopCalibrationHeating(); }

void FrmConfig::Carte_Machine() { RebuildModel(view_->renderMode()); }

void FrmConfig::RebuildModel(int renderMode) {
  if (!loaded_) return;  // the view exists from the load on
  const view3d::MachineDimensions dimensions{static_cast<float>(config::NumberOf(record_.Largeur)),
                                             static_cast<float>(config::NumberOf(record_.Hauteur)),
                                             static_cast<float>(record_.Longueur),
                                             record_.Position_Moteur};
  TestWindowPositions positions(app_.machine->TestAvance());
  view3d::Carte_Machine(app_.view, dimensions, positions, renderMode, *view_->picture());
}

bool FrmConfig::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return handled;
}

void FrmConfig::closeEvent(QCloseEvent* event) {
  Form_Terminate();
  event->accept();
  emit programEnded();
}

void FrmConfig::ConnectMenus() {
  connect(menus_.IM_QUIT, &QAction::triggered, this, &FrmConfig::Quitter);
  connect(menus_.IM_SELECT_TABLE, &QAction::triggered, this, &FrmConfig::SelectTable);
  connect(menus_.IM_ADD_TABLE, &QAction::triggered, this,
          [this] { app_.store.Ecrire_Table(*this, config::TableWrite::New); });
  connect(menus_.IM_ORIGINE, &QAction::triggered, this,
          [this] { app_.store.Rappeler_Origine(*this); });
  connect(menus_.IM_Jauge_Show, &QAction::triggered, this, [this] { app_.jauge->Toggle(this); });
  connect(menus_.MN_About, &QAction::triggered, this, [this] { app_.seams.ShowAbout(); });
  for (std::size_t index = 0; index < menus_.IM_LANGUAGE.size(); ++index) {
    connect(menus_.IM_LANGUAGE[index], &QAction::triggered, this,
            [this, index] { app_.seams.SelectLanguage(static_cast<int>(index)); });
  }
}

void FrmConfig::SelectTable() {
  record_.Etat = "Loading";
  app_.store.Lire_Table(*this, config::TableRead::Choose);
  record_.Etat = "";
}

}  // namespace ui
