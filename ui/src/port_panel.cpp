#include "ui/port_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr std::int16_t kPortLpt1 = 888;
constexpr std::int16_t kFirstTestValue = 155;
constexpr std::int16_t kLastTestValue = 255;

}  // namespace

PortPanel::PortPanel(config::Configuration& record, input32::PortLibrary& port,
                     platform::ControlTable& controls, QWidget* parent)
    : QWidget(parent), record_(record), port_(port) {
  auto* frame = new QGroupBox(QStringLiteral("Port"), this);
  auto* options = new QHBoxLayout(frame);
  lpt1_ = new QRadioButton(QStringLiteral("LPT1"), frame);
  lpt2_ = new QRadioButton(QStringLiteral("LPT2"), frame);
  lpt1_->setChecked(true);
  result_ = new QLineEdit(frame);
  result_->setReadOnly(true);
  result_->setAutoFillBackground(true);
  options->addWidget(lpt1_);
  options->addWidget(lpt2_);

  save_ = new QPushButton(QStringLiteral("&Enregistrer Configuration"), this);
  recall_ = new QPushButton(QStringLiteral("&Rappeler Configuration d' origine"), this);
  test_ = new QPushButton(QStringLiteral("&tester"), frame);
  options->addWidget(test_);
  options->addWidget(result_);

  controls.Add(lpt1_, QStringLiteral("Option1"));
  controls.Add(lpt2_, QStringLiteral("Option2"));
  controls.Add(save_, QStringLiteral("Command3"), 0);
  controls.Add(recall_, QStringLiteral("Command3"), 1);
  controls.Add(test_, QStringLiteral("Command3"), 2);
  controls.Add(result_, QStringLiteral("Text10"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addWidget(recall_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
  layout->addLayout(buttons);

  // An option's Click = toggled to selected, by the user or by a refill.
  for (QRadioButton* option : {lpt1_, lpt2_}) {
    connect(option, &QRadioButton::toggled, this, [this](bool selected) {
      if (selected) ShowResult(QString(), Qt::white);
    });
  }
  connect(test_, &QPushButton::clicked, this, &PortPanel::TestPort);
}

void PortPanel::ShowPort() {
  if (record_.Port == kPortLpt1) {
    lpt1_->setChecked(true);
  } else {
    lpt2_->setChecked(true);
  }
}

bool PortPanel::lpt1Selected() const { return lpt1_->isChecked(); }

void PortPanel::TestPort() {
  const auto address = static_cast<std::int16_t>(record_.Port);
  for (std::int16_t value = kFirstTestValue; value <= kLastTestValue; ++value) {
    if (!port_.Out32(address, value)) {
      ShowResult(QStringLiteral("NOK"), QColor(255, 0, 0));
      return;
    }
  }
  ShowResult(QStringLiteral("OK"), QColor(0, 255, 0));
}

void PortPanel::ShowResult(const QString& text, const QColor& background) {
  QPalette palette = result_->palette();
  palette.setColor(QPalette::Base, background);
  result_->setPalette(palette);
  result_->setText(text);
}

}  // namespace ui
