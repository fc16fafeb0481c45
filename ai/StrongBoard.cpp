#include "ai/StrongBoard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Forecast.h"
#include "platform/Numbers.h"
#include "world/Experience.h"

namespace gh {

namespace {

// A hero's own life decides the match; a rival's fall takes a rival out.
constexpr double kOwnHeroWeight = 6;
constexpr double kFoeHeroWeight = 3;
// A side played by the game's own computer picks its targets at random and
// only strikes what it bumps into.
constexpr double kRandomSideChance = 0.3;

int Cells(float twips)
{
    return static_cast<int>(std::lround(twips / kCell));
}

bool Alive(const Unit& u)
{
    return u.OnField && u.Hp >= 1 && u.Kind != kKindRemains;
}

} // namespace

StrongBoard::StrongBoard(const Game& game) : g(game), me(game.ActiveHero)
{
    if (me >= 1 && me <= kHeroes)
        style = StyleOf(g.ComputerLevel[static_cast<std::size_t>(me)]);
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g.U(i);
        if (!Alive(u))
            continue;
        double w = std::max<std::int32_t>(UnitWorth(u), 1);
        if (i == me)
            w *= kOwnHeroWeight;
        else if (i <= kHeroes)
            w *= kFoeHeroWeight;
        worth[static_cast<std::size_t>(i)] = w;
        (u.Owner == me ? own : foes).push_back(i);
    }

    if (me < 1 || me > kHeroes || !Alive(g.U(me)))
        return;
    const Unit& hero = g.U(me);
    for (int f : foes) {
        const Unit& e = g.U(f);
        Threat t;
        t.unit = f;
        t.x = e.PosX;
        t.y = e.PosY;
        const bool aims = PlaysOnPurpose(e.Owner);
        t.reach = aims ? std::max(e.AttackRange, 1) : 1;
        t.actions = e.Actions;
        t.chance = aims ? 1.0 : kRandomSideChance;
        const BlowOdds blow = ForecastBlowInReach(e, hero);
        t.meanHarm = blow.meanHarm;
        t.worstHarm = blow.worstHarm;
        if (t.worstHarm > 0)
            threats.push_back(t);
    }
}

bool StrongBoard::IsOwn(int u) const
{
    return std::find(own.begin(), own.end(), u) != own.end();
}

bool StrongBoard::InSight(int u) const
{
    if (style.sight <= 0)
        return true;
    const Unit& t = g.U(u);
    for (int o : own) {
        const Unit& m = g.U(o);
        if (std::max(std::abs(Cells(m.PosX - t.PosX)), std::abs(Cells(m.PosY - t.PosY))) <= style.sight)
            return true;
    }
    return false;
}

bool StrongBoard::IsFoe(int u) const
{
    return std::find(foes.begin(), foes.end(), u) != foes.end();
}

double StrongBoard::LifeValue(int u, std::int32_t before, std::int32_t after) const
{
    const Unit& t = g.U(u);
    const double w = worth[static_cast<std::size_t>(u)];
    if (w <= 0 || t.HpMax <= 0)
        return 0;
    const double sign = t.Owner == me ? 1.0 : -1.0;
    double v = sign * (after - before) * w / t.HpMax;
    if (before >= 1 && after < 1)
        v -= sign * w;
    return v;
}

double StrongBoard::HeroDanger(float x, float y, std::int32_t life, int gone) const
{
    if (!style.guardsHero)
        return 0;
    double expected = 0, worst = 0;
    for (const Threat& t : threats) {
        if (t.unit == gone)
            continue;
        // Walking costs a point a cell on each axis (a diagonal costs two),
        // and a point must be left to strike with.
        const int dx = std::max(0, std::abs(Cells(t.x - x)) - t.reach);
        const int dy = std::max(0, std::abs(Cells(t.y - y)) - t.reach);
        if (dx + dy > t.actions - 1)
            continue;
        expected += t.chance * t.meanHarm;
        worst += t.worstHarm;
    }
    if (expected <= 0)
        return 0;
    const Unit& hero = g.U(me);
    const double w = worth[static_cast<std::size_t>(me)];
    const double lifeAtRisk = std::min<double>(expected, std::max(life, 0));
    // Life lost that leaves the hero standing is weighed like a rival's;
    // what makes the hero precious is the risk of losing it altogether.
    double danger = lifeAtRisk * w / kOwnHeroWeight * kFoeHeroWeight / std::max(hero.HpMax, 1);
    if (worst >= life)
        danger += w * std::min(1.0, expected / std::max(life, 1));
    return danger;
}

bool StrongBoard::Menaces(int u) const
{
    const Unit& e = g.U(u);
    const int reach = std::max(e.AttackRange, 1) + e.Actions;
    for (int o : own) {
        const Unit& m = g.U(o);
        if (std::max(std::abs(Cells(m.PosX - e.PosX)), std::abs(Cells(m.PosY - e.PosY))) <= reach)
            return true;
    }
    return false;
}

bool StrongBoard::PlaysOnPurpose(int side) const
{
    if (side < 1 || side > kHeroes)
        return false; // the neutral side always keeps the game's own player
    const auto s = static_cast<std::size_t>(side);
    return g.HeroIsHuman[s] || g.ComputerLevel[s] > kGameLevel;
}

double StrongBoard::Grudge(int u) const
{
    const int side = g.U(u).Owner;
    if (me < 1 || me > kHeroes || side < 1 || side > kHeroes)
        return 0;
    return -g.Attitude[me][side] * 0.01;
}

} // namespace gh
