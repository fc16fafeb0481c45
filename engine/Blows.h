#pragma once

#include "world/Game.h"

namespace gh {

// What a blow would do, the rolls aside. The blow itself and the computer's
// forecasts both ask these, so there is one formula.

// The signed change to `struck`'s life for damage roll `roll` (Int(Rnd x 5),
// 0..4): negative harms, positive heals, after grace, protection and
// weakness. Immunity and the hit roll are asked apart.
std::int16_t BlowAmount(const Unit& striker, const Unit& struck, int roll);
// The struck unit shrugs off the striker's element: no hit roll is made.
bool BlowImmune(const Unit& striker, const Unit& struck);
// Whether hit roll r (Rnd x 100) lands: within HitChance and within range on both axes.
bool BlowLands(const Unit& striker, const Unit& struck, float r);
// The chance that BlowLands holds for a fresh roll.
double BlowLandChance(const Unit& striker, const Unit& struck);
// Who strikes first when `opener` opens an exchange against `other`:
// 1 the opener, -1 the other, 0 a coin decides.
int FirstStrike(const Unit& opener, const Unit& other);

// Opens an exchange (ReturnBlowDue true) or strikes the return blow.
void StartBlow(Game& g);

// Tmr3's tick: the blow animation and, at its end, the damage.
void BlowTick(Game& g);

} // namespace gh
