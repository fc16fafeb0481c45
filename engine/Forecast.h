#pragma once

#include "world/Game.h"

namespace gh {

// The expected outcome of an exchange that `opener` opens against `other`,
// both standing where their records say: who strikes first, the hit chances,
// protection, weakness, grace, immunity, range on both axes and the return
// blow, all as the blows themselves work them out.
struct ExchangeOdds {
    double openerLoss = 0; // expected life the opener loses (negative: it is healed)
    double otherLoss = 0;  // the same for the unit it opens against
    double openerDies = 0; // chance the opener ends as a corpse
    double otherDies = 0;  // chance the other does
};
ExchangeOdds ForecastExchange(const Unit& opener, const Unit& other);

// One blow of `striker` on `struck` assuming it is within range: the mean
// life it takes (negative heals) and the most it can take.
struct BlowOdds {
    double meanHarm = 0;
    double worstHarm = 0;
};
BlowOdds ForecastBlowInReach(const Unit& striker, const Unit& struck);

} // namespace gh
