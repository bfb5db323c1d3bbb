#pragma once
// The machine scene: table, towers, rails, lead screws, motors, head plates
// and the hot wire, rebuilt from the machine dimensions and the four motor
// positions of the motor test window.
#include <array>
#include <cstdint>
#include <string>

#include "view3d/interaction.h"
#include "view3d/view_context.h"

namespace view3d {

// Record fields the scene is built from (millimetres).
struct MachineDimensions {
  float Largeur = 300;
  float Hauteur = 100;
  float Longueur = 500;
  int Position_Moteur = 0;  // 0: X motors at the far end of the lead screws
};

// The position boxes Text27(0..3) (X1, X2, Y1, Y2) of the motor test window,
// which the scene may rewrite when a text is not a number.
class PositionBoxes {
 public:
  virtual ~PositionBoxes() = default;
  virtual std::string Text(int index) const = 0;
  virtual void SetText(int index, const std::string& text) = 0;
};

// Four plain texts, for drawing without the motor test window.
class PositionTexts final : public PositionBoxes {
 public:
  std::array<std::string, 4> texts;
  std::string Text(int index) const override { return texts.at(index); }
  void SetText(int index, const std::string& text) override { texts.at(index) = text; }
};

// The buttons of Option3, in array order.
inline constexpr int kOption3Surface = 0;
inline constexpr int kOption3Filaire = 1;
inline constexpr int kOption3Transp = 2;

// Rebuilds the scene, sets the render mode from the selected Option3 button
// and requests a redraw through the mouse-move handler at (67, 72); returns
// the hot wire's object slot.
int Carte_Machine(ViewContext& view, const MachineDimensions& machine, PositionBoxes& positions,
                  int selectedOption3, ViewPointer& pointer);

// A click on Option3(index), which is then the selected button.
int Option3_Click(ViewContext& view, const MachineDimensions& machine, PositionBoxes& positions,
                  int index, ViewPointer& pointer);

}  // namespace view3d
