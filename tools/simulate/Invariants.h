#pragma once

#include <string>

#include "world/Game.h"

namespace gh::sim {

// What must hold after every tick of a match. Returns "" when all is well,
// otherwise a description of the first broken rule.
//
// Carriers: the game moves on through exactly one of these at a time:
//   Tmr1 while a walk is under way (enabled and InputMode 4),
//   Tmr2 and Tmr3 whenever enabled,
//   TmrEnemy while enabled on a side the computer plays (on a person's side
//   its ticks are empty, so there it carries nothing).
// On a computer side exactly one carrier must run; on a person's side at most
// one (none while the game waits for the player). After a victory nothing is
// checked.
std::string CheckInvariants(const Game& g);

// The parts of it that hold at any moment, even while a dialog rewrites the
// hero records: every index in range, and no statistic past its maximum or cap.
std::string CheckIndices(const Game& g);
std::string CheckStatistics(const Game& g);

// The number of carriers as defined above.
int Carriers(const Game& g);

} // namespace gh::sim
