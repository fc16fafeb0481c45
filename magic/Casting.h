#pragma once

#include <string>
#include <vector>

#include "world/Game.h"

namespace gh {

// What the casting dialog does with the match, apart from its widgets.

// One line per filled slot of the active hero's spellbook, in slot order.
// Listing a spell loads it into CurrentSpell.
std::vector<std::string> SpellbookLines(Game& g);

// The slot behind list line `line` (0-based); -1 when there is none.
int SlotOfLine(const Game& g, int line);

// A picked entry as the dialog shows it.
struct CastEntry {
    int slot = -1;
    int value = 0;       // > 0 a creature type, < 0 minus a spell number
    int portrait = 0;    // creatures only; 0 leaves the image empty
    std::string info;    // name followed by description
    std::string figures; // one figure a line, lines split by kLineBreak
};

inline constexpr char kLineBreak = '\r';

// Picks list line `line`: sets ChosenSlot, CastChance and CastMana and loads
// CurrentSpell (a creature only sets its ReasonNeeded, and fills the scratch
// record 0 for its portrait and figures). slot -1 when the line is not there.
CastEntry PickEntry(Game& g, int line);

// The page picked last (ChosenSlot) of the active hero's book as the dialog
// shows it, from what the pick left in the match: nothing is drawn or
// loaded. slot -1 when no page is picked or the page has been used up since.
CastEntry ChosenEntry(const Game& g);

// What calling a creature of worth `worth` takes: the base chance of the
// roll, the Reason the hero needs and the mana it pays.
struct SummonCost {
    std::int32_t chance = 0;
    std::int32_t reason = 0;
    std::int32_t mana = 0;
};
SummonCost SummonCostOf(std::int32_t worth);

// The two checks of "Прочитать", in their order, without telling anyone.
enum class ReadCheck { Ok, ShortOfReason, ShortOfMana };
ReadCheck CheckRead(const Unit& hero, std::int32_t reasonNeeded, std::int32_t mana);

enum class ReadOutcome {
    NotNow,  // something is still moving on the field: try again later
    Refused, // short of reason or mana; the player has been told
    Aiming,  // the field waits for the click (InputMode 1 or 2)
    Closed,  // nothing to cast any more
};

// "Прочитать" for hero `caster`, the one the dialog was opened for.
ReadOutcome ReadEntry(Game& g, int caster);

} // namespace gh
