#pragma once

#include <cstdint>

#include "world/Game.h"

namespace gh {

// What a left click in summon placement and in spell targeting does at
// (TargetCellX, TargetCellY) for the active hero. The computer's heroes give
// the same orders through these. Placing more creatures than the hero can
// lead asks first; `unruly` says who answers.
enum class UnrulySummon { AskThePlayer, Call, DoNotCall };
void PlaceSummon(Game& g, UnrulySummon unruly);
void AimSpell(Game& g);
// The record a creature called now would take: the lowest of 6..20 not on
// the field; 0 when all are taken.
int FreeSummonRecord(const Game& g);
// The roll of a summon: hero's Magic bonus plus the creature's base chance
// against Rnd x 100, and the chance of that for a fresh roll.
bool SummonLands(const Unit& hero, std::int32_t castChance, float r);
double SummonLandChance(const Unit& hero, std::int32_t castChance);

// The field waits for orders: nothing walks, strikes, casts or rises. A turn
// ended or an aim taken in the middle of any of those would run two
// activities at once. TmrEnemy is not asked: the end of every exchange
// leaves it on, also on a person's side, where its ticks do nothing.
bool FieldAtRest(const Game& g);

// A summon or a spell waiting for the person's click on the field is called
// off, as a right click does: nothing is paid and the page stays in the
// spellbook. Answers whether there was one. A spell whose pictures already
// play is under way, not pending, and is left alone.
bool CancelPendingPlacement(Game& g);

} // namespace gh
