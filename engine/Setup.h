#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

// A name from the male or female list of default hero names.
std::string DefaultHeroName(Game& g, bool isMale);

// Gives hero slot+1 a default name no other hero record 1..5 has.
void GiveUniqueDefaultName(Game& g, int slot);

// Populates a match from the heroes prepared by the selection dialog and
// opens the first turn.
void SetUpMatch(Game& g);

} // namespace gh
