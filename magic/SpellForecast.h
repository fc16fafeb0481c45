#pragma once

#include <cstdint>

#include "world/Game.h"

namespace gh {

// What the spell waiting for its cell (CurrentSpell, cast by ActiveHero)
// would do to whoever stands on the cell at (x, y). It is worked out by the
// spell itself: ApplySpell runs on two copies of the match, once with a roll
// that lands and once with one that misses, so every rule of every spell
// (grace, protection, weakness, immunity, the floor of a percentage, raising,
// decay, mind control) is the one the cast will meet. The match is not
// touched and its generator not drawn from.
struct SpellOutlook {
    int target = 0;      // the unit the spell lands on; 0: nobody stands there
    bool rolled = false; // a roll decides whether it takes effect
    double chance = 0;   // the chance it takes effect (1 when no roll is made)
    Unit before;         // the target now
    Unit onHit;          // the target after the spell took effect
    Unit onMiss;         // the target after a miss (as onHit when nothing is rolled)
    bool immune = false; // the target shrugs the amount off

    // The stat the spell changes, 1 life, 2 action points, 3 mana; 0 none.
    int statKind = 0;
    // The expected change of that stat over the roll.
    double ExpectedChange() const;
};
SpellOutlook ForecastSpell(const Game& g, float x, float y);

// A unit's life, points or mana by a spell's StatKind; 0 for any other kind.
std::int32_t SpellStatOf(const Unit& u, int statKind);

} // namespace gh
