#include "engine/Forecast.h"

#include <algorithm>

#include "engine/Blows.h"

namespace gh {

namespace {

constexpr int kRolls = 5; // the damage roll Int(Rnd x 5)

// The outcomes of one blow: a miss (or immunity) and one per damage roll.
struct Outcomes {
    double chance[kRolls + 1];
    std::int32_t amount[kRolls + 1];
    int count = 0;
};

Outcomes Blow(const Unit& striker, const Unit& struck)
{
    Outcomes o;
    if (BlowImmune(striker, struck)) {
        o.chance[0] = 1.0;
        o.amount[0] = 0;
        o.count = 1;
        return o;
    }
    const double lands = BlowLandChance(striker, struck);
    o.chance[0] = 1.0 - lands;
    o.amount[0] = 0;
    for (int k = 0; k < kRolls; ++k) {
        o.chance[k + 1] = lands / kRolls;
        o.amount[k + 1] = BlowAmount(striker, struck, k);
    }
    o.count = kRolls + 1;
    return o;
}

// Life after a change, the way the blow applies it.
std::int32_t LifeAfter(const Unit& u, std::int32_t life, std::int32_t change)
{
    std::int32_t hp = life + change < 0 ? 0 : life + change;
    return std::min(hp, u.HpMax);
}

// `first` strikes `second`, and `second` strikes back if it still lives.
// Adds the weighted outcomes to the odds of the two.
void Exchange(const Unit& first, const Unit& second, double weight, double& firstLoss, double& secondLoss,
              double& firstDies, double& secondDies)
{
    const Outcomes there = Blow(first, second);
    const Outcomes back = Blow(second, first);
    for (int i = 0; i < there.count; ++i) {
        const double p = weight * there.chance[i];
        if (p == 0)
            continue;
        const std::int32_t hp2 = LifeAfter(second, second.Hp, there.amount[i]);
        secondLoss += p * (second.Hp - hp2);
        if (hp2 < 1) {
            secondDies += p;
            continue;
        }
        for (int j = 0; j < back.count; ++j) {
            const double q = p * back.chance[j];
            const std::int32_t hp1 = LifeAfter(first, first.Hp, back.amount[j]);
            firstLoss += q * (first.Hp - hp1);
            if (hp1 < 1)
                firstDies += q;
        }
    }
}

} // namespace

ExchangeOdds ForecastExchange(const Unit& opener, const Unit& other)
{
    ExchangeOdds odds;
    const int first = FirstStrike(opener, other);
    // Equal speeds: the coin gives each the first blow half the time.
    const double openerFirst = first > 0 ? 1.0 : first < 0 ? 0.0 : 0.5;
    if (openerFirst > 0)
        Exchange(opener, other, openerFirst, odds.openerLoss, odds.otherLoss, odds.openerDies,
                 odds.otherDies);
    if (openerFirst < 1)
        Exchange(other, opener, 1.0 - openerFirst, odds.otherLoss, odds.openerLoss, odds.otherDies,
                 odds.openerDies);
    return odds;
}

BlowOdds ForecastBlowInReach(const Unit& striker, const Unit& struck)
{
    BlowOdds odds;
    if (BlowImmune(striker, struck))
        return odds;
    // Within reach: as if it stood on the struck unit's cell.
    Unit near = striker;
    near.PosX = struck.PosX;
    near.PosY = struck.PosY;
    const double lands = BlowLandChance(near, struck);
    for (int k = 0; k < kRolls; ++k) {
        const double harm = -static_cast<double>(BlowAmount(striker, struck, k));
        odds.meanHarm += lands * harm / kRolls;
        odds.worstHarm = std::max(odds.worstHarm, harm);
    }
    return odds;
}

} // namespace gh
