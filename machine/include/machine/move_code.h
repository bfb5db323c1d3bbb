#pragma once
// Move codes: three-character groups, a motor name ("X1", "X2", "Y1", "Y2")
// and a letter: "A" X forward, "R" X backward, "M" Y up, "D" Y down.
#include <array>
#include <string>
#include <string_view>

namespace machine {

// Motor numbers 1 = X1, 2 = X2, 3 = Y1, 4 = Y2; their index in the test
// window's fields is the number minus 1.
inline constexpr int kMotorCount = 4;
inline constexpr std::array<const char*, kMotorCount> kMotorNames = {"X1", "X2", "Y1", "Y2"};

inline const char* MotorName(int motor) { return kMotorNames[static_cast<std::size_t>(motor - 1)]; }

// The letter of the motor's group in the code, or '\0' when the motor is not
// in it.
char LetterOf(std::string_view code, int motor);

// "A" and "D" drive the direction pin at level A, "R" and "M" at level B.
inline bool UsesLevelA(char letter) { return letter == 'A' || letter == 'D'; }
// "A" and "M" count the position up, "R" and "D" down.
inline bool CountsUp(char letter) { return letter == 'A' || letter == 'M'; }

}  // namespace machine
