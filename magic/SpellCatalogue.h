#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

inline constexpr int kSpellCount = 16;

// The spells with a rule of their own beyond the table.
inline constexpr int kNecromancerSong = 1;
inline constexpr int kDecay = 2;
inline constexpr int kAngelVoice = 5;
inline constexpr int kMindControl = 16;

// The spell's name. For 1..16 it first loads every field of CurrentSpell
// from the table; any other number only lands in SpellNo and names nothing.
std::string LoadSpell(Game& g, int number);

// Spell 1..16 as LoadSpell would load it, without loading it; a number
// outside names no spell and gives a record with only SpellNo set.
SpellRecord SpellOf(int number);

// The name of spell 1..16 (empty for any other number), loading nothing.
std::string SpellName(int number);

// What the casting dialog prints after the name; leaves CurrentSpell alone.
std::string SpellDescription(int number);

} // namespace gh
