#include "magic/SpellForecast.h"

#include <cmath>

#include "magic/Spells.h"
#include "platform/Texts.h"
#include "world/Units.h"

namespace gh {

namespace {

// Hands out one value for every draw, and counts them.
class FixedRoll final : public Random {
public:
    explicit FixedRoll(float value) : value_(value) {}
    float Rnd() override
    {
        ++drawn_;
        return value_;
    }
    void Reseed() override {}
    std::size_t Drawn() const override { return drawn_; }

private:
    float value_;
    std::size_t drawn_ = 0;
};

struct Trial {
    Unit after;
    bool rolled = false;
    bool immune = false;
};

// The roll Rnd x 100 is below every chance that is not below zero with a
// draw of 0, and above every chance under a hundred with the largest draw.
constexpr float kLands = 0.0f;
const float kMisses = std::nextafter(1.0f, 0.0f);

Trial Try(const Game& g, int target, float x, float y, float draw)
{
    Game copy(g);
    FixedRoll roll(draw);
    copy.rnd = &roll;
    copy.TargetCellX = x;
    copy.TargetCellY = y;
    copy.InputMode = kModeSpell;
    ApplySpell(copy);
    return {copy.U(target), roll.Drawn() > 0, copy.LblUdar.Caption == GH_TR_NOOP("FieldLabel", "иммунитет")};
}

} // namespace

std::int32_t SpellStatOf(const Unit& u, int statKind)
{
    switch (statKind) {
    case 1: return u.Hp;
    case 2: return u.Actions;
    case 3: return u.Mana;
    default: return 0;
    }
}

double SpellOutlook::ExpectedChange() const
{
    const double now = SpellStatOf(before, statKind);
    return chance * (SpellStatOf(onHit, statKind) - now) +
           (1.0 - chance) * (SpellStatOf(onMiss, statKind) - now);
}

SpellOutlook ForecastSpell(const Game& g, float x, float y)
{
    SpellOutlook o;
    o.target = OccupantAt(g, x, y);
    if (o.target == 0)
        return o;
    o.before = g.U(o.target);
    o.statKind = g.CurrentSpell.StatKind >= 1 && g.CurrentSpell.StatKind <= 3 ? g.CurrentSpell.StatKind : 0;

    const Trial hit = Try(g, o.target, x, y, kLands);
    o.onHit = hit.after;
    o.immune = hit.immune;
    o.rolled = hit.rolled;
    if (!hit.rolled) {
        o.chance = 1.0;
        o.onMiss = hit.after;
        return o;
    }
    const int caster = Game::ValidUnit(g.ActiveHero) ? g.ActiveHero : 0;
    o.chance = SpellLandChance(g.CurrentSpell, g.U(caster));
    o.onMiss = Try(g, o.target, x, y, kMisses).after;
    return o;
}

} // namespace gh
