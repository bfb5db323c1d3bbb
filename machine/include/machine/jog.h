#pragma once
// The jog of the configuration window's eight arrow buttons, the STOP button
// and the speed scroll bar of frame "Vitesse Avance".
#include "machine/step_loop.h"

namespace machine {

// The arrow that moves the same motors back: 0<->3, 1<->2, 4<->7, 5<->6.
int GuillotineMirror(int index);

struct JogChoice {
  const char* code;
  bool rightField;  // Text9 ("Axe Droit") rather than Text12 ("Axe gauche")
  int mmMotor;      // whose millimetres per step divide the distance
};
// The move of arrow index 0..7; the pair code when synchroniser is 1.
JogChoice JogChoiceOf(int index, int synchroniser);

// One jog move: motors on, the move, motors off (and heating off when stopped).
MoveEnd Avance_Manuelle(MachineContext& context, int index, int synchroniser);

// Click of arrow Command1(index): the jog, its "Guillotine" mirror when
// checked, then stop state, motors and heating off, and the 3D model rebuilt.
void Command1_Click(MachineContext& context, int index);

// Click of STOP (Command2).
void Command2_Click(MachineContext& context);

// Change of the speed scroll bar HScroll1: its value in the label.
void HScroll1_Change(MachineContext& context);

}  // namespace machine
