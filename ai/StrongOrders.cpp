// The strong player's orders to walk: which unit goes where, and whom it strikes.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ai/StrongBoard.h"
#include "ai/StrongPlayer.h"
#include "engine/Forecast.h"
#include "engine/Movement.h"
#include "platform/Numbers.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr int kFirstPlanned = 1;
constexpr int kLastPlanned = kPlannedCells - 1;
// Retreats looked at closely, the safest first.
constexpr std::size_t kRetreatsTried = 3;

int Cell(float twips)
{
    return static_cast<int>(std::lround(twips / kCell));
}

int Distance(const Unit& a, const Unit& b)
{
    return std::max(std::abs(Cell(a.PosX - b.PosX)), std::abs(Cell(a.PosY - b.PosY)));
}

// The mana the hero gives up by spending points: each one left at the end
// of the turn would have turned into mana.
double PointsCost(int u, const StrongBoard& b, std::int32_t before, std::int32_t after)
{
    return u == b.me ? (before - after) * kManaPerUnspentPoint * kManaValue : 0;
}

void Consider(StrongOrder& best, int u, int pointAt, float x, float y, double value)
{
    if (value > best.value) {
        best.value = value;
        best.unit = u;
        best.pointAt = pointAt;
        best.x = x;
        best.y = y;
    }
}

// Sent at foe f: where it gets to and what the exchange it opens there brings.
void ConsiderAttack(const Game& g, const StrongBoard& b, int u, int f, double dangerNow, StrongOrder& best)
{
    const Unit& a = g.U(u);
    const Unit& t = g.U(f);
    const WalkForecast walk = ForecastWalk(g, u, t.PosX, t.PosY, f);
    if (!walk.starts || walk.exchangeWith != f)
        return;
    Unit there = a;
    there.PosX = walk.endX;
    there.PosY = walk.endY;
    const ExchangeOdds odds = ForecastExchange(there, t);
    const double wu = b.worth[static_cast<std::size_t>(u)];
    const double wf = b.worth[static_cast<std::size_t>(f)];
    double value = odds.otherLoss * wf / std::max(t.HpMax, 1) + odds.otherDies * wf -
                   odds.openerLoss * wu / std::max(a.HpMax, 1) - odds.openerDies * wu;
    if (u == b.me) {
        // The hero stays where it struck from until its next turn, with no points left.
        // A foe killed strikes nobody afterwards.
        const auto lifeAfter = static_cast<std::int32_t>(a.Hp - odds.openerLoss);
        const double dangerAfter = odds.otherDies * b.HeroDanger(walk.endX, walk.endY, lifeAfter, f) +
                                   (1 - odds.otherDies) * b.HeroDanger(walk.endX, walk.endY, lifeAfter);
        value -= dangerAfter - dangerNow;
        value -= PointsCost(u, b, a.Actions, 0);
    }
    Consider(best, u, f, t.PosX, t.PosY, value + b.Grudge(f));
}

// The hero steps out of reach of what could come for it.
void ConsiderRetreat(const Game& g, const StrongBoard& b, double dangerNow, StrongOrder& best)
{
    const Unit& h = g.U(b.me);
    if (dangerNow <= 0 || h.Actions <= 0)
        return;
    struct Spot {
        float x, y;
        double danger;
    };
    std::vector<Spot> spots;
    const int c0 = Cell(h.PosX), r0 = Cell(h.PosY);
    for (int c = std::max(kFirstPlanned, c0 - h.Actions); c <= std::min(kLastPlanned, c0 + h.Actions); ++c)
        for (int r = std::max(kFirstPlanned, r0 - h.Actions); r <= std::min(kLastPlanned, r0 + h.Actions);
             ++r) {
            if (std::abs(c - c0) + std::abs(r - r0) > h.Actions || (c == c0 && r == r0))
                continue;
            const float x = static_cast<float>(c * kCell), y = static_cast<float>(r * kCell);
            if (OccupantAt(g, x, y) != 0)
                continue;
            spots.push_back({x, y, b.HeroDanger(x, y, h.Hp)});
        }
    std::sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.danger < b.danger; });
    for (std::size_t i = 0; i < spots.size() && i < kRetreatsTried; ++i) {
        // Where the walk really ends is what counts: it may stop short.
        const WalkForecast walk = ForecastWalk(g, b.me, spots[i].x, spots[i].y, g.Target);
        if (!walk.starts || walk.exchangeWith != 0)
            continue;
        const double value = dangerNow - b.HeroDanger(walk.endX, walk.endY, h.Hp) -
                             PointsCost(b.me, b, h.Actions, walk.actionsLeft);
        Consider(best, b.me, 0, spots[i].x, spots[i].y, value);
    }
}

// A unit with nothing in reach closes in on the foe most worth going for;
// the hero only as far as it stays safe, and for less than a creature: its
// points left unspent are mana.
void ConsiderAdvance(const Game& g, const StrongBoard& b, int u, double dangerNow, StrongOrder& best)
{
    const Unit& a = g.U(u);
    int goal = 0;
    double bestScore = 0;
    for (int f : b.foes) {
        const double score = b.worth[static_cast<std::size_t>(f)] / (1.0 + Distance(a, g.U(f)));
        if (score > bestScore) {
            bestScore = score;
            goal = f;
        }
    }
    if (goal == 0)
        return;
    const Unit& t = g.U(goal);
    const WalkForecast walk = ForecastWalk(g, u, t.PosX, t.PosY, goal);
    if (!walk.starts || walk.exchangeWith != 0)
        return;
    Unit there = a;
    there.PosX = walk.endX;
    there.PosY = walk.endY;
    const int closer = Distance(a, t) - Distance(there, t);
    if (closer <= 0)
        return;
    double value = 0.5 * closer;
    if (u == b.me)
        value = 3.0 * closer - PointsCost(u, b, a.Actions, walk.actionsLeft) -
                (b.HeroDanger(walk.endX, walk.endY, a.Hp) - dangerNow);
    Consider(best, u, goal, t.PosX, t.PosY, value);
}

} // namespace

StrongOrder BestWalk(const Game& g, const StrongBoard& b)
{
    StrongOrder best;
    best.kind = StrongOrder::Walk;
    best.value = 0;
    const bool heroAlive = b.me >= 1 && b.me <= kHeroes && b.IsOwn(b.me);
    const double dangerNow = heroAlive ? b.HeroDanger(g.U(b.me).PosX, g.U(b.me).PosY, g.U(b.me).Hp) : 0;
    for (int u : b.own) {
        const Unit& a = g.U(u);
        if (a.Actions <= 0 || g.Strong.Orders[static_cast<std::size_t>(u)] >= kOrdersPerUnit)
            continue;
        StrongOrder mine;
        mine.kind = StrongOrder::Walk;
        for (int f : b.foes) {
            // A walk gains at most a cell a point on each axis; beyond that
            // and the unit's range nothing can be reached this turn.
            if (Distance(a, g.U(f)) > a.Actions + std::max(a.AttackRange, 1) || !b.InSight(f))
                continue;
            ConsiderAttack(g, b, u, f, dangerNow, mine);
        }
        if (u == b.me)
            ConsiderRetreat(g, b, dangerNow, mine);
        if (mine.value <= 0)
            ConsiderAdvance(g, b, u, dangerNow, mine);
        if (mine.value > best.value)
            best = mine;
    }
    return best;
}

} // namespace gh
