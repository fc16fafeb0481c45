#pragma once

#include <vector>

#include "world/Game.h"

namespace gh {

// Mouse buttons as the battlefield numbers them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Whether window point (mx, my) (twips) lies strictly inside unit i.
bool HitTest(const Game& g, int i, float mx, float my);

// What a right click in orders mode asks the window to open for unit i.
enum class InfoWindow { Creature, Object };

// Collects the windows a right click opens; the Qt side shows them.
struct InfoRequest {
    int unit;
    InfoWindow window;
};

// Mouse button pressed on the battlefield at window point (mx, my) in twips.
// Returns the information windows a right click asks for (in order).
std::vector<InfoRequest> FieldMouseDown(Game& g, int button, float mx, float my);

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

// Pointer moved over the battlefield.
void FieldMouseMove(Game& g, float mx, float my);

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
