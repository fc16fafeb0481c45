#include "Roundtrip.h"

#include <memory>

#include "Invariants.h"
#include "engine/Engine.h"
#include "engine/Placement.h"

namespace gh::sim {

save::SaveSummary SimSummary()
{
    save::SaveSummary s;
    s.title = "grimhollow-sim";
    s.savedAt = "2026-12-09T10:15:00";
    s.gameVersion = "sim";
    return s;
}

bool AtRest(const Game& g)
{
    return g.MatchRunning && FieldAtRest(g);
}

void HandToComputer(Game& g)
{
    for (bool& human : g.HeroIsHuman)
        human = false;
    if (AtRest(g))
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

std::string PlayOn(Game& g, int days, std::uint64_t ticksPerDayCap)
{
    if (std::string broken = CheckInvariants(g); !broken.empty())
        return "before the first tick: " + broken;
    const std::int32_t lastDay = g.Day + days;
    std::int32_t day = g.Day;
    std::uint64_t sinceNewDay = 0;
    while (g.MatchRunning && g.Day < lastDay) {
        g.timers.Tick();
        if (std::string broken = CheckInvariants(g); !broken.empty())
            return "day " + std::to_string(g.Day) + ", side " + std::to_string(g.ActiveHero) + ": " + broken;
        if (g.Day != day) {
            day = g.Day;
            sinceNewDay = 0;
        } else if (++sinceNewDay > ticksPerDayCap) {
            return "stalled on day " + std::to_string(g.Day) + ", side " + std::to_string(g.ActiveHero);
        }
    }
    return {};
}

namespace {

struct Turn {
    std::int32_t day = -1;
    std::int32_t side = -1;
    bool operator==(const Turn&) const = default;
};

Turn TurnOf(const Game& g)
{
    return {g.Day, g.ActiveHero};
}

} // namespace

RoundtripResult PlayRoundtrip(const Options& options, std::uint64_t seed, const Seats& levels)
{
    RoundtripResult result;
    auto original = std::make_unique<Game>();
    Game& g = *original;
    g.Generator.Pin(seed);
    g.ComputerLevel = levels;
    PrepareMatch(g, options.heroes);
    BindTimers(g);

    const save::SaveSummary summary = SimSummary();
    std::unique_ptr<Game> copy;
    auto differ = [&](const std::string& what) {
        if (result.differences++ == 0)
            result.firstDifference = "seed " + std::to_string(seed) + ", day " + std::to_string(g.Day) +
                                     ", side " + std::to_string(g.ActiveHero) + ": " + what;
    };
    // The copy loaded at the last turn start has played beside the original
    // since: both must be the same match now.
    auto compareCopy = [&] {
        if (copy && save::WriteSave(g, summary) != save::WriteSave(*copy, summary))
            differ("the loaded copy played on differently");
    };
    auto saveAndLoad = [&] {
        ++result.saves;
        const std::string first = save::WriteSave(g, summary);
        save::LoadResult loaded = save::ReadSave(first);
        if (!loaded) {
            differ("its save was refused: " + loaded.error);
            copy.reset();
            return;
        }
        if (save::WriteSave(*loaded.game, summary) != first)
            differ("the loaded match saves to another text");
        copy = std::move(loaded.game);
        BindTimers(*copy);
    };

    Turn turn = TurnOf(g);
    if (AtRest(g))
        saveAndLoad();
    std::int32_t day = g.Day;
    std::uint64_t dayStart = 0;
    while (g.MatchRunning && g.Day <= options.days) {
        g.timers.Tick();
        if (copy)
            copy->timers.Tick();
        if (std::string broken = CheckInvariants(g); !broken.empty()) {
            result.violation =
                "seed " + std::to_string(seed) + ", day " + std::to_string(g.Day) + ": " + broken;
            break;
        }
        if (g.Day != day) {
            day = g.Day;
            dayStart = g.timers.Ticks();
        } else if (g.timers.Ticks() - dayStart > options.ticksPerDayCap) {
            result.violation = "seed " + std::to_string(seed) + ": stalled on day " + std::to_string(g.Day);
            break;
        }
        const Turn now = TurnOf(g);
        if (now == turn)
            continue;
        turn = now;
        if (!AtRest(g))
            continue;
        compareCopy();
        saveAndLoad();
    }
    compareCopy();
    result.days = g.Day < options.days ? g.Day : options.days;
    return result;
}

} // namespace gh::sim
