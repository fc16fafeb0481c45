#include "Simulation.h"

#include <memory>
#include <sstream>

#include "Invariants.h"
#include "engine/Engine.h"
#include "engine/Setup.h"
#include "platform/Numbers.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh::sim {

namespace {

std::string SideName(const Game& g, int side)
{
    if (side == 0)
        return UnitTypeName(0);
    const Unit& h = g.U(side);
    return UnitTypeName(h.UnitType) + " " + h.Name;
}

} // namespace

void PrepareMatch(Game& g, int heroes)
{
    for (int h = 1; h <= kHeroes; ++h) {
        CreateUnit(g, h, HeroTypeOfClass(Int(g.rnd->Rnd() * 3.0f) + 1), h);
        GiveUniqueDefaultName(g, h - 1);
        g.HeroIsHuman[static_cast<std::size_t>(h)] = false;
        g.U(h).OnField = h <= heroes;
    }
    g.ActiveHero = 0;
    SetUpMatch(g);
}

Seats SeatLevels(const Options& options, int m)
{
    Seats seats{};
    const int heroes = options.heroes;
    for (int h = 1; h <= kHeroes; ++h)
        if (options.level[static_cast<std::size_t>(h)] != kGameLevel) {
            const int seat = options.alternate && h <= heroes ? (h - 1 + m) % heroes + 1 : h;
            seats[static_cast<std::size_t>(seat)] = options.level[static_cast<std::size_t>(h)];
        }
    return seats;
}

MatchResult PlayMatch(const Options& options, std::uint64_t seed, const std::function<void(Game&)>& onTick,
                      const Seats& levels)
{
    auto game = std::make_unique<Game>(); // large: keep it off the stack
    Game& g = *game;
    // Its own generator, pinned: a saved match carries the very numbers the
    // simulation draws. It paints nowhere and agrees to every box.
    g.Generator.Pin(seed);

    MatchResult result;
    result.seed = seed;
    g.ComputerLevel = levels;
    PrepareMatch(g, options.heroes);
    BindTimers(g);

    std::int32_t day = g.Day;
    std::uint64_t dayStart = 0;
    auto fail = [&](const std::string& what) {
        std::ostringstream out;
        out << "seed " << seed << ", tick " << g.timers.Ticks() << ", day " << g.Day << ", side "
            << g.ActiveHero << ": " << what;
        result.violation = out.str();
    };

    if (std::string broken = CheckInvariants(g); !broken.empty())
        fail(broken);
    while (result.violation.empty() && g.MatchRunning && g.Day <= options.days) {
        g.timers.Tick();
        if (onTick)
            onTick(g);
        if (std::string broken = CheckInvariants(g); !broken.empty()) {
            fail(broken);
            break;
        }
        if (g.Day != day) {
            if (g.Day < day) {
                fail("the day went back from " + std::to_string(day));
                break;
            }
            day = g.Day;
            dayStart = g.timers.Ticks();
        } else if (g.timers.Ticks() - dayStart > options.ticksPerDayCap) {
            fail("stalled: no new day after " + std::to_string(options.ticksPerDayCap) + " ticks");
            break;
        }
    }

    result.ticks = g.timers.Ticks();
    result.tally = g.Tally;
    result.days = g.Day < options.days ? g.Day : options.days;
    if (!g.MatchRunning && result.violation.empty()) {
        // The turn cycle leaves the side that won in LoopJ.
        result.winner = g.LoopJ < 0 ? -g.LoopJ : g.LoopJ;
        result.winnerName = SideName(g, result.winner);
        if (result.winner >= 1 && result.winner <= kHeroes)
            result.winnerAlive = g.U(result.winner).Hp >= 1 && g.U(result.winner).OnField;
        if (result.winner >= 1 && result.winner <= kHeroes) {
            result.winnerLevel = levels[static_cast<std::size_t>(result.winner)];
            result.strongWinner = result.winnerLevel == kStrongestLevel;
        }
    } else {
        result.winnerName = "нет";
    }
    return result;
}

} // namespace gh::sim
