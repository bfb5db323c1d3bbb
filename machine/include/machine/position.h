#pragma once
// Counted positions: the display that follows every step, and the move of
// all four motors to target positions.
#include <string>

#include "machine/step_loop.h"

namespace machine {

// Advances the test window's field of every motor named in the code by one
// step of that motor, up for "A"/"M", down for "R"/"D" (each change runs the
// end-stop check). Loads the test window if needed, without showing it.
void Affiche_Position(MachineContext& context, const std::string& Code);

// Moves X1, X2, Y1, Y2 from the positions shown to the targets, one step of
// every unfinished motor per group; the groups of finished motors leave the
// code. Clears the control register at the start and when stopped.
MoveEnd Va_Position(MachineContext& context, double x1, double x2, double y1, double y2);

}  // namespace machine
