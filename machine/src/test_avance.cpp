#include "machine/test_avance.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "platform/lineedit_textbox.h"

namespace machine {

namespace {

constexpr std::array<const char*, TestAvanceModel::kFieldCount> kCaptions = {"X1", "X2", "Y1",
                                                                             "Y2"};

QString TextOf(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TEST_Avance::TEST_Avance(TestAvanceModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), model_(model) {
  setObjectName("TEST_Avance");
  setWindowTitle("Jauge");
  auto* layout = new QGridLayout(this);

  label2_ = new QLabel("Synchro", this);
  label2_->setObjectName("Label2");
  layout->addWidget(label2_, 0, 0, 1, 2);
  for (int i = 0; i < TestAvanceModel::kFieldCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    label1_[slot] = new QLabel(kCaptions[slot], this);
    label1_[slot]->setObjectName("Label1");
    label1_[slot]->setProperty("index", i);
    text27_[slot] = new QLineEdit(this);
    text27_[slot]->setObjectName("Text27");
    text27_[slot]->setProperty("index", i);
    text27_[slot]->installEventFilter(this);
    layout->addWidget(label1_[slot], i + 1, 0);
    layout->addWidget(text27_[slot], i + 1, 1);
    connect(text27_[slot], &QLineEdit::textEdited, this,
            [this, i](const QString& text) { model_.SetText27(i, text.toStdString()); });
  }

  check1_ = new QCheckBox("Butée sur 0", this);
  check1_->setObjectName("Check1");
  check2_ = new QCheckBox("Butée sur Max", this);
  check2_->setObjectName("Check2");
  command1_ = new QPushButton("&RAZ", this);
  command1_->setObjectName("Command1");
  command2_ = new QPushButton("Ret &0rigine", this);
  command2_->setObjectName("Command2");
  layout->addWidget(check1_, 5, 0, 1, 2);
  layout->addWidget(check2_, 6, 0, 1, 2);
  layout->addWidget(command1_, 7, 0);
  layout->addWidget(command2_, 7, 1);

  connect(check1_, &QCheckBox::clicked, this,
          [this](bool checked) { model_.SetCheck1(checked ? 1 : 0); });
  connect(check2_, &QCheckBox::clicked, this,
          [this](bool checked) { model_.SetCheck2(checked ? 1 : 0); });
  connect(command1_, &QPushButton::clicked, this, [this] { model_.Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { model_.Command2_Click(); });

  model_.SetChangeListener([this] { Refresh(); });
  Refresh();
}

void TEST_Avance::Refresh() {
  for (int i = 0; i < TestAvanceModel::kFieldCount; ++i) {
    QLineEdit* edit = Text27(i);
    const QString text = TextOf(model_.Text27(i));
    if (edit->text() != text) edit->setText(text);
  }
  check1_->setChecked(model_.Check1() == 1);
  check2_->setChecked(model_.Check2() == 1);
}

int TEST_Avance::IndexOf(const QObject* edit) const {
  for (int i = 0; i < TestAvanceModel::kFieldCount; ++i) {
    if (Text27(i) == edit) return i;
  }
  return -1;
}

bool TEST_Avance::eventFilter(QObject* watched, QEvent* event) {
  const int index = IndexOf(watched);
  if (index < 0 || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString typed = key->text();
  if (typed.size() != 1) return false;  // keys without a character are not filtered
  const int keyAscii = typed.at(0).unicode();
  QLineEdit* edit = Text27(index);
  const int verdict = model_.Text27_KeyPress(index, keyAscii, platform::MakeTextBox(edit));
  if (verdict == keyAscii) return false;
  if (verdict != 0) {
    {
      const QSignalBlocker quiet(edit);  // one change, told once below
      edit->insert(QString(QChar(verdict)));
    }
    model_.SetText27(index, edit->text().toStdString());
  }
  return true;
}

void Jauge::Toggle(QWidget* configWindow) {
  TEST_Avance& window = Window();
  if (window.isVisible()) {
    window.hide();
    return;
  }
  window.show();
  window.raise();
  if (configWindow != nullptr) configWindow->activateWindow();
}

bool Jauge::IsVisible() const { return window_ != nullptr && window_->isVisible(); }

TEST_Avance& Jauge::Window() {
  if (window_ == nullptr) window_ = std::make_unique<TEST_Avance>(context_.TestAvance());
  return *window_;
}

}  // namespace machine
