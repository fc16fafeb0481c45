// The strong player's magic: which page to read and where to click it.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ai/StrongBoard.h"
#include "ai/StrongPlayer.h"
#include "engine/Forecast.h"
#include "engine/Movement.h"
#include "engine/Placement.h"
#include "magic/Casting.h"
#include "magic/SpellCatalogue.h"
#include "magic/Spells.h"
#include "platform/Numbers.h"
#include "world/Catalogue.h"
#include "world/Experience.h"
#include "world/Units.h"

namespace gh {

namespace {

// Mana kept back from calling creatures, so that a spell can still be read.
constexpr std::int32_t kManaReserve = 16;

int Cell(float twips)
{
    return static_cast<int>(std::lround(twips / kCell));
}

int LastUnit(const Game& g)
{
    return std::clamp(g.UnitCount, 0, kMaxUnit);
}

// What changing a unit's action points or mana is worth.
double PointsValue(const StrongBoard& b, int u, std::int32_t before, std::int32_t after)
{
    const Unit& t = b.g.U(u);
    const double w = b.worth[static_cast<std::size_t>(u)];
    const double change = after - before;
    if (t.ActionsMax <= 0 || change == 0)
        return 0;
    if (b.IsOwn(u)) {
        // More points are worth something to a unit that has a foe to spend them on.
        if (change < 0)
            return change / t.ActionsMax * w * 0.25;
        const Unit& self = b.g.U(u);
        const int reach = after + std::max(self.AttackRange, 1);
        for (int f : b.foes) {
            const Unit& e = b.g.U(f);
            if (std::max(std::abs(Cell(e.PosX - self.PosX)), std::abs(Cell(e.PosY - self.PosY))) <= reach)
                return change / t.ActionsMax * w * 0.25;
        }
        return 0;
    }
    // A foe slowed before its turn strikes less; one far from everything hardly matters.
    return -change / t.ActionsMax * w * (b.Menaces(u) ? 0.3 : 0.03);
}

double ManaValue(const StrongBoard& b, int u, std::int32_t before, std::int32_t after)
{
    const Unit& t = b.g.U(u);
    const double change = after - before;
    if (u == b.me)
        return change * kManaValue * (t.Mana * 2 < t.ManaMax ? 1.0 : 0.2);
    // Only a side that casts on purpose is set back by losing mana.
    if (u <= kHeroes && b.IsFoe(u) && b.PlaysOnPurpose(u))
        return -change * kManaValue;
    return 0;
}

double StatValue(const StrongBoard& b, const SpellRecord& s, int u, std::int32_t before, std::int32_t after)
{
    switch (s.StatKind) {
    case 1: return b.LifeValue(u, before, after);
    case 2: return PointsValue(b, u, before, after);
    case 3: return ManaValue(b, u, before, after);
    default: return 0;
    }
}

// Remains raised by the spell: whose they rise for and with how much life.
double RaiseValue(const StrongBoard& b, const SpellRecord& s, int u, double lands)
{
    // A hero's record raised, even as a skeleton of ours, stands for that
    // hero again when the turn change counts who is left: the match could
    // then never be won. Rivals' remains are left to rot.
    if (u <= kHeroes)
        return 0;
    const Game& g = b.g;
    Unit r = g.U(u);
    r.Kind = kKindCreature;
    if (r.Hp < -3) {
        // Bones have nothing left to raise but a plain skeleton.
        FillUnitStatistics(r, kSkeleton);
        r.Owner = 0;
        r.Hp = 0;
    }
    const int owner = RaisedOwner(r, b.me, g.U(b.me));
    const double sign = owner == b.me ? 1.0 : (owner == 0 ? 0.0 : -1.0);
    if (sign == 0 || r.HpMax <= 0)
        return 0;
    const std::int32_t a = SpellAmount(s, r);
    const std::int32_t hit =
        SpellImmune(s, r, a) ? StatAfterSpell(s, r.Hp, r.HpMax, 0) : StatAfterSpell(s, r.Hp, r.HpMax, a);
    const std::int32_t miss = StatAfterSpell(s, r.Hp, r.HpMax, 0);
    const double worth = std::max<std::int32_t>(UnitWorth(r), 1);
    double life = 0;
    if (hit > 0)
        life += lands * hit;
    if (miss > 0)
        life += (1 - lands) * miss;
    // A risen unit is only as good as the life it rises with.
    return sign * worth * (0.2 + 0.8 * life / r.HpMax) * (life > 0 ? 1.0 : 0.0);
}

double SpellValue(const StrongBoard& b, const SpellRecord& s, int u)
{
    const Game& g = b.g;
    const Unit& t = g.U(u);
    const double lands = SpellLandChance(s, g.U(b.me));
    switch (s.SpellNo) {
    case kMindControl:
        // A foe's creature changes sides: it is lost to them and won for us.
        if (t.Owner == b.me || !MindControlTakes(s, t))
            return 0;
        return 2 * b.worth[static_cast<std::size_t>(u)] * t.Hp / std::max(t.HpMax, 1);
    case kDecay: return 0;
    case kNecromancerSong:
    case kAngelVoice:
        if (t.Hp < 1)
            return RaiseValue(b, s, u, lands);
        if (s.SpellNo == kNecromancerSong)
            return 0;
        break;
    default:
        if (t.Hp < 1)
            return 0; // the dead are past help and past harm
        break;
    }

    std::int32_t maximum = 0;
    const std::int32_t* stat = SpellStat(s, t, maximum);
    if (!stat)
        return 0;
    const std::int32_t a = SpellAmount(s, t);
    if (SpellImmune(s, t, a))
        return 0;
    const std::int32_t hit = StatAfterSpell(s, *stat, maximum, a);
    const std::int32_t miss = StatAfterSpell(s, *stat, maximum, 0);
    return lands * StatValue(b, s, u, *stat, hit) + (1 - lands) * StatValue(b, s, u, *stat, miss);
}

// A creature of type `type` called onto (x, y) for the player: could it walk
// from there to (tx, ty)? A cell nobody can walk from is no place to call it.
bool WalkReaches(const Game& g, const Unit& creature, float tx, float ty)
{
    PathCells grid;
    return LayPath(g, creature, tx, ty, grid) >= 0;
}

} // namespace

StrongOrder BestCast(const Game& g, const StrongBoard& b)
{
    StrongOrder best;
    best.kind = StrongOrder::Cast;
    best.value = 0;
    if (b.me < 1 || b.me > kHeroes || g.U(b.me).Hp < 1)
        return best;
    const Unit& hero = g.U(b.me);
    bool seen[kSpellCount + 1] = {};
    for (int slot = 0; slot < kSpellSlots; ++slot) {
        const int v = g.Spellbook[b.me][slot];
        if (v >= 0 || -v > kSpellCount || seen[-v])
            continue;
        seen[-v] = true;
        const SpellRecord s = SpellOf(-v);
        if (CheckRead(hero, s.ReasonNeeded, s.ManaCost) != ReadCheck::Ok)
            continue;
        const double cost = s.ManaCost * kManaValue + kPageValue;
        for (int u = 1; u <= LastUnit(g); ++u) {
            const Unit& t = g.U(u);
            // The spell lands on the first record standing on the clicked cell.
            if (!t.OnField || OccupantAt(g, t.PosX, t.PosY) != u || !b.InSight(u))
                continue;
            const double value = SpellValue(b, s, u) - cost + b.Grudge(u);
            if (value > best.value) {
                best.value = value;
                best.slot = slot;
                best.x = t.PosX;
                best.y = t.PosY;
                best.unit = u;
            }
        }
    }
    return best;
}

StrongOrder BestSummon(const Game& g, const StrongBoard& b)
{
    StrongOrder best;
    best.kind = StrongOrder::Summon;
    best.value = 0;
    if (b.me < 1 || b.me > kHeroes || g.U(b.me).Hp < 1)
        return best;
    const Unit& hero = g.U(b.me);
    // More than the hero can lead would obey nobody: the warning is answered No.
    if (hero.Leadership >= hero.LeadershipMax || FreeSummonRecord(g) == 0)
        return best;

    bool seen[kTypeCount + 1] = {};
    for (int slot = 0; slot < kSpellSlots; ++slot) {
        const int type = g.Spellbook[b.me][slot];
        if (type <= 0 || type > kTypeCount || seen[type])
            continue;
        seen[type] = true;
        Unit called;
        if (!FillUnitStatistics(called, type))
            continue;
        called.Owner = b.me;
        called.OnField = true;
        const SummonCost cost = SummonCostOf(called.ExpNext);
        if (CheckRead(hero, cost.reason, cost.mana) != ReadCheck::Ok || hero.Mana - cost.mana < kManaReserve)
            continue;
        const double lands = SummonLandChance(hero, cost.chance);
        const double worth = std::max<std::int32_t>(called.ExpNext, 1);
        const double price = cost.mana * kManaValue + kPageValue;

        // Called beside a foe it strikes at once, with all its points.
        for (int f : b.foes) {
            if (!b.InSight(f))
                continue;
            const Unit& t = g.U(f);
            const int range = std::max(called.AttackRange, 1);
            double bestHere = -1;
            float bx = 0, by = 0;
            for (int dc = -range; dc <= range; ++dc)
                for (int dr = -range; dr <= range; ++dr) {
                    const float x = t.PosX + static_cast<float>(dc * kCell);
                    const float y = t.PosY + static_cast<float>(dr * kCell);
                    if ((dc == 0 && dr == 0) || !InWalkArea(x, y) || OccupantAt(g, x, y) != 0)
                        continue;
                    called.PosX = x;
                    called.PosY = y;
                    const ExchangeOdds odds = ForecastExchange(called, t);
                    const double exchange =
                        odds.otherLoss * b.worth[static_cast<std::size_t>(f)] / std::max(t.HpMax, 1) +
                        odds.otherDies * b.worth[static_cast<std::size_t>(f)] -
                        odds.openerLoss * worth / called.HpMax - odds.openerDies * worth;
                    if (exchange > bestHere && WalkReaches(g, called, t.PosX, t.PosY)) {
                        bestHere = exchange;
                        bx = x;
                        by = y;
                    }
                }
            if (bestHere < 0)
                continue;
            const double value = lands * (0.5 * worth + bestHere) - price + b.Grudge(f);
            if (value > best.value) {
                best.value = value;
                best.slot = slot;
                best.x = bx;
                best.y = by;
                best.unit = f;
            }
        }
    }
    return best;
}

} // namespace gh
