#pragma once

#include "world/Game.h"

namespace gh {

// Carries out CurrentSpell on the unit at (TargetCellX, TargetCellY) once the
// spell's pictures have played, caster ActiveHero. Shows the outcome in
// LblUdar and starts it rising when there is one to show.
void ApplySpell(Game& g);

// What a spell would do, the roll aside. ApplySpell and the computer's
// forecasts both ask these, so there is one formula.

// The signed amount of spell `s` on `t` after grace, protection and weakness
// (positive adds to the stat); 0 for a spell without an amount.
std::int32_t SpellAmount(const SpellRecord& s, const Unit& t);
// The target shrugs the amount off: no roll is made.
bool SpellImmune(const SpellRecord& s, const Unit& t, std::int32_t amount);
// Whether roll r (Rnd x 100) lets the spell of `caster` take effect, and the
// chance of that for a fresh roll.
bool SpellLands(const SpellRecord& s, const Unit& caster, float r);
double SpellLandChance(const SpellRecord& s, const Unit& caster);
// The stat the spell changes (life, points or mana by StatKind) and its
// maximum; nullptr for a spell that changes none.
const std::int32_t* SpellStat(const SpellRecord& s, const Unit& t, std::int32_t& maximum);
// The stat after a change of `amount`, with the floor of a percentage under
// a hundred and the stat's maximum.
std::int32_t StatAfterSpell(const SpellRecord& s, std::int32_t stat, std::int32_t maximum,
                            std::int32_t amount);
// Whom remains raised by hero `caster` (record h) rise for. Bones rise as a
// masterless skeleton first, so they always come to the caster.
int RaisedOwner(const Unit& t, int caster, const Unit& h);
// Mind control takes `t` over: a living creature not immune to its element.
bool MindControlTakes(const SpellRecord& s, const Unit& t);

} // namespace gh
