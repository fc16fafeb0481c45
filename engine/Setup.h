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

// Before anyone has acted (day 1, the hero whole and untried), a hero of
// the set-up match takes another class where he stands: his records anew,
// his spellbook drawn anew. False, and nothing changed, once the match has
// gone further or for a class that is none. A network match's persons
// choose their heroes this way before it starts.
bool ChangeHeroClass(Game& g, int hero, int heroClass);

} // namespace gh
