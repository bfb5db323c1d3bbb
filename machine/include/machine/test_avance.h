#pragma once
// The motor test window TEST_Avance, a thin Qt view on TestAvanceModel, and
// the owner that the menu entry "&Jauge" shows and hides. Kept above the
// other windows while shown; created at first use and kept for the run.
#include <QWidget>
#include <array>
#include <memory>

#include "machine/context.h"
#include "machine/test_avance_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace machine {

class TEST_Avance : public QWidget {
  Q_OBJECT

 public:
  explicit TEST_Avance(TestAvanceModel& model, QWidget* parent = nullptr);

  QLineEdit* Text27(int index) const { return text27_.at(static_cast<std::size_t>(index)); }
  QLabel* Label1(int index) const { return label1_.at(static_cast<std::size_t>(index)); }
  QCheckBox* Check1() const { return check1_; }
  QCheckBox* Check2() const { return check2_; }
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }
  QLabel* Label2() const { return label2_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  int IndexOf(const QObject* edit) const;

  TestAvanceModel& model_;
  std::array<QLineEdit*, TestAvanceModel::kFieldCount> text27_{};
  std::array<QLabel*, TestAvanceModel::kFieldCount> label1_{};
  QCheckBox* check1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QLabel* label2_ = nullptr;
};

class Jauge {
 public:
  explicit Jauge(MachineContext& context) : context_(context) {}

  // "&Jauge": shows the window above all others and gives the focus back to
  // the configuration window, or hides it when it is visible.
  void Toggle(QWidget* configWindow);
  bool IsVisible() const;
  // The window, created (hidden) at the first call.
  TEST_Avance& Window();

 private:
  MachineContext& context_;
  std::unique_ptr<TEST_Avance> window_;
};

}  // namespace machine
