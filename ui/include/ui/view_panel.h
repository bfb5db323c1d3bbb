#pragma once
// The 3D view: the picture Picture3 and frame "Vue" (Frame101) with the
// render modes Option3(0) "Surface", (1) "Filaire", (2) "Transp.". A click
// of a mode rebuilds the model through the given callback.
#include <QWidget>
#include <array>
#include <functional>

#include "platform/control_table.h"
#include "ui/view_picture.h"

class QRadioButton;

namespace ui {

class ViewPanel : public QWidget {
  Q_OBJECT
 public:
  // carteMachine: rebuilds the model with the given selected mode.
  ViewPanel(view3d::ViewContext& view, platform::ControlTable& controls,
            std::function<void(int)> carteMachine, QWidget* parent = nullptr);

  // Single fixed border, black background.
  void PreparePicture();
  ViewPicture* picture() const { return picture_; }
  // Index of the selected render mode.
  int renderMode() const;

 private:
  ViewPicture* picture_ = nullptr;
  std::array<QRadioButton*, 3> modes_{};
};

}  // namespace ui
