#include "Invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "platform/Numbers.h"

namespace gh::sim {

namespace {

bool Human(const Game& g)
{
    return g.ActiveHero >= 0 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

bool OnCorner(float v)
{
    return std::fmod(static_cast<double>(v), kCell) == 0.0;
}

struct Cap {
    const char* name;
    std::int32_t Unit::*field;
    std::int32_t cap;
};

// The caps promotion holds the statistics to.
constexpr Cap kCaps[] = {
    {"HpMax", &Unit::HpMax, 99999},    {"ActionsMax", &Unit::ActionsMax, 99},
    {"ManaMax", &Unit::ManaMax, 9999}, {"Strength", &Unit::Strength, 9999},
    {"Magic", &Unit::Magic, 9999},     {"Reason", &Unit::Reason, 9999},
    {"Speed", &Unit::Speed, 999},      {"LeadershipMax", &Unit::LeadershipMax, 99},
    {"Will", &Unit::Will, 9999},       {"HitChance", &Unit::HitChance, 99},
    {"Level", &Unit::Level, 99},
};

} // namespace

int Carriers(const Game& g)
{
    int n = 0;
    if (g.timers.Enabled(TimerId::Tmr1) && g.InputMode == kModeWalk)
        ++n;
    if (g.timers.Enabled(TimerId::Tmr2))
        ++n;
    if (g.timers.Enabled(TimerId::Tmr3))
        ++n;
    if (g.timers.Enabled(TimerId::TmrEnemy) && !Human(g))
        ++n;
    return n;
}

std::string CheckIndices(const Game& g)
{
    std::ostringstream out;
    auto index = [&](const char* name, std::int32_t v, std::int32_t hi) {
        if (v < 0 || v > hi)
            out << name << " = " << v << " outside 0.." << hi << "; ";
    };
    index("Selected", g.Selected, kMaxUnit);
    index("Target", g.Target, kMaxUnit);
    index("Attacker", g.Attacker, kMaxUnit);
    index("Defender", g.Defender, kMaxUnit);
    index("ActiveHero", g.ActiveHero, kHeroes);
    index("UnitCount", g.UnitCount, kMaxUnit);
    index("InputMode", g.InputMode, kModeWalk);
    return out.str();
}

std::string CheckStatistics(const Game& g)
{
    std::ostringstream out;
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g.U(i);
        if (!u.OnField)
            continue;
        if (u.Hp > u.HpMax)
            out << "unit " << i << ": Hp " << u.Hp << " > HpMax " << u.HpMax << "; ";
        if (u.Mana > u.ManaMax)
            out << "unit " << i << ": Mana " << u.Mana << " > ManaMax " << u.ManaMax << "; ";
        if (u.Actions > u.ActionsMax)
            out << "unit " << i << ": Actions " << u.Actions << " > ActionsMax " << u.ActionsMax << "; ";
        for (const Cap& c : kCaps)
            if (u.*c.field > c.cap)
                out << "unit " << i << ": " << c.name << " " << u.*c.field << " > " << c.cap << "; ";
        for (int e = 0; e < kElements; ++e)
            if (u.Protection[e] < 0 || u.Protection[e] > 999)
                out << "unit " << i << ": Protection(" << e << ") " << u.Protection[e] << "; ";
    }
    return out.str();
}

std::string CheckInvariants(const Game& g)
{
    std::string broken = CheckIndices(g);
    if (!broken.empty() || !g.MatchRunning)
        return broken;

    std::ostringstream out;
    out << CheckStatistics(g);
    const bool walking = g.InputMode == kModeWalk && g.Moving != 0;
    for (int i = 1; i <= g.UnitCount; ++i) {
        const Unit& u = g.U(i);
        if (!u.OnField)
            continue;
        // The walker mid-step is between two cells; everybody else rests on one.
        if (walking && i == g.Selected)
            continue;
        if (!OnCorner(u.PosX) || !OnCorner(u.PosY)) {
            out << "unit " << i << " at rest off a cell corner (" << u.PosX << ", " << u.PosY << "); ";
            continue;
        }
        for (int j = i + 1; j <= g.UnitCount; ++j) {
            const Unit& o = g.U(j);
            if (o.OnField && !(walking && j == g.Selected) && o.PosX == u.PosX && o.PosY == u.PosY)
                out << "units " << i << " and " << j << " share the cell (" << u.PosX << ", " << u.PosY
                    << "); ";
        }
    }

    const int carriers = Carriers(g);
    if (Human(g) ? carriers > 1 : carriers != 1)
        out << carriers << " timers carry the game (Tmr1 " << g.timers.Enabled(TimerId::Tmr1) << ", Tmr2 "
            << g.timers.Enabled(TimerId::Tmr2) << ", Tmr3 " << g.timers.Enabled(TimerId::Tmr3)
            << ", TmrEnemy " << g.timers.Enabled(TimerId::TmrEnemy) << ", InputMode " << g.InputMode << "); ";
    return out.str();
}

} // namespace gh::sim
