#pragma once
// The 3D view: the picture Picture3 and frame "Vue" (Frame101) with the
// render modes Option3(0) "Surface", (1) "Filaire", (2) "Transp.". A click
// of a mode rebuilds the model through the given callback.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

#include "platform/control_table.h"

class QRadioButton;

namespace ui {

class ViewPanel : public QWidget {
  Q_OBJECT
 public:
  ViewPanel(platform::ControlTable& controls, std::function<void()> carteMachine,
            QWidget* parent = nullptr);

  // Single fixed border, black background.
  void PreparePicture();
  QLabel* picture() const { return picture_; }
  // Index of the selected render mode.
  int renderMode() const;

 private:
  QLabel* picture_ = nullptr;
  std::array<QRadioButton*, 3> modes_{};
};

}  // namespace ui
