#pragma once

#include <optional>

#include "sound/Sounds.h"
#include "world/Events.h"
#include "world/Game.h"

namespace gh {

// The one table from the match's events to what the player hears: read from
// the match right after the event, as the log reads it. Nothing for an event
// that makes no sound (a new day, a hero leaving). The turn bell is here for
// every person's turn; whether it rings is the player's setting.
std::optional<SoundCue> CueFor(const Game& g, const MatchEvent& e);

// The effect of casting spell 1..16, after its element: fire, holy, dark,
// cold, or the arcane sound for the rest.
Sfx SpellSound(int spell);

// Whether the end of the match is a victory for the people at the machine:
// a person's hero won, or nobody at the machine played (a match of computers
// only ends with the victory piece too).
bool PeopleWon(const Game& g, int winner);

} // namespace gh
