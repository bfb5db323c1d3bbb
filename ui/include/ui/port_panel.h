#pragma once
// The port choice "LPT1"/"LPT2", the row of buttons Command3(0..2) (save,
// recall of the original configuration, port test) and the test result box
// Text10. The save and recall buttons are wired by the window.
#include <QWidget>

#include "config/record.h"
#include "input32/port.h"
#include "platform/control_table.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class PortPanel : public QWidget {
  Q_OBJECT
 public:
  PortPanel(config::Configuration& record, input32::PortLibrary& port,
            platform::ControlTable& controls, QWidget* parent = nullptr);

  void ShowPort();
  bool lpt1Selected() const;

  QPushButton* saveButton() const { return save_; }
  QPushButton* recallButton() const { return recall_; }

  // "&tester": 155..255 to the data register at Port; "OK" on green when
  // every write went through, otherwise "NOK" on red and the rest unwritten.
  void TestPort();

 private:
  void ShowResult(const QString& text, const QColor& background);

  config::Configuration& record_;
  input32::PortLibrary& port_;
  QRadioButton* lpt1_ = nullptr;
  QRadioButton* lpt2_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* recall_ = nullptr;
  QPushButton* test_ = nullptr;
  QLineEdit* result_ = nullptr;
};

}  // namespace ui
