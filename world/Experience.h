#pragma once

#include <cstdint>

#include "world/Game.h"

namespace gh {

// The worth of a record: at once the experience it needs for its next level
// and the measure of what killing it brings.
std::int32_t UnitWorth(const Game& g, int index);
std::int32_t UnitWorth(const Unit& u);

// One statistic's growth at promotion; stores the result and returns it.
std::int32_t Grow(std::int32_t& statistic, float rate, std::int32_t cap);

// Gives the killer of Target its experience (and maybe a promotion), shows
// the award in LblXP and switches Tmr4 on to hide it again.
void AwardKill(Game& g);

// Tmr4's tick: hide the experience label.
void HideExperienceLabel(Game& g);

} // namespace gh
