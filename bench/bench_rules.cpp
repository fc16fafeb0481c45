// The rules that run most: path planning on a crowded field, one exchange of
// blows on the virtual clock, and whole computer-only matches.
#include <benchmark/benchmark.h>

#include <memory>

#include "ai/StrongPlayer.h"
#include "engine/Blows.h"
#include "engine/Engine.h"
#include "engine/Movement.h"
#include "world/Catalogue.h"
#include "world/Units.h"
#ifdef GH_HAVE_SIM
#include "Simulation.h"
#endif

namespace gh {
namespace {

constexpr float C = 720;

// A 21 x 21 field with every third cell taken (up to the 100 records), the
// walker in one corner and the target in the other: the wave has to wind
// round the crowd to reach it.
std::unique_ptr<Game> CrowdedField(ClockRandom& rnd)
{
    auto g = std::make_unique<Game>();
    g->rnd = &rnd;
    int index = 1;
    for (int col = 1; col <= 20 && index <= kMaxUnit; ++col)
        for (int row = 1; row <= 20 && index <= kMaxUnit; ++row) {
            if ((col + 2 * row) % 3 != 0 || (col == 1 && row == 1) || (col == 20 && row == 20))
                continue;
            CreateUnit(*g, index, kSkeleton, 0);
            g->U(index).PosX = col * C;
            g->U(index).PosY = row * C;
            ++index;
        }
    g->UnitCount = index - 1;
    CreateUnit(*g, 0, kMage, 1); // not planned around: record 0 is no unit
    g->U(1).PosX = 1 * C;
    g->U(1).PosY = 1 * C;
    g->TargetCellX = 20 * C;
    g->TargetCellY = 20 * C;
    return g;
}

void BM_PlanPathCrowded(benchmark::State& state)
{
    ClockRandom rnd(1);
    auto g = CrowdedField(rnd);
    g->Selected = 1;
    for (auto _ : state) {
        g->InputMode = kModeOrders;
        PlanPath(*g);
        benchmark::DoNotOptimize(g->PathSteps);
    }
    state.counters["steps"] = g->PathSteps;
}
BENCHMARK(BM_PlanPathCrowded);

void BM_PlanPathUnreachable(benchmark::State& state)
{
    ClockRandom rnd(1);
    auto g = CrowdedField(rnd);
    g->Selected = 1;
    g->TargetCellX = 25 * C; // beyond the planned area
    for (auto _ : state) {
        g->TargetCellX = 25 * C;
        PlanPath(*g);
        benchmark::DoNotOptimize(g->PathGrid[5][5]);
    }
}
BENCHMARK(BM_PlanPathUnreachable);

// StartBlow through to the end of the return blow's result label.
void BM_ExchangeOfBlows(benchmark::State& state)
{
    ClockRandom rnd(2);
    NullCanvas canvas;
    auto g = std::make_unique<Game>();
    g->rnd = &rnd;
    g->canvas = &canvas;
    g->MatchRunning = true;
    g->ActiveHero = 1;
    CreateUnit(*g, 1, kMage, 1);
    CreateUnit(*g, 6, kDemon, 0);
    g->U(1).PosX = 2 * C;
    g->U(6).PosX = 3 * C;
    g->UnitCount = 6;
    BindTimers(*g);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        g->U(1).Hp = g->U(1).HpMax; // nobody dies: always two blows
        g->U(6).Hp = g->U(6).HpMax;
        g->Selected = 1;
        g->Target = 6;
        g->ReturnBlowDue = true;
        g->timers.SetEnabled(TimerId::TmrEnemy, false);
        StartBlow(*g);
        while (!g->timers.Enabled(TimerId::TmrEnemy)) {
            g->timers.Tick();
            ++ticks;
        }
    }
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ExchangeOfBlows);

// One decision of the strong computer player on a busy field: 20 units, the
// ten of its side each within reach of the ten foes, and a spellbook with
// every spell and every creature in it, so that every kind of order is
// weighed. It must fit well inside a tick of the 16 ms system timer.
std::unique_ptr<Game> BusyField(ClockRandom& rnd)
{
    auto g = std::make_unique<Game>();
    g->rnd = &rnd;
    g->MatchRunning = true;
    g->Day = 1;
    g->ActiveHero = 1;
    g->ComputerLevel[1] = kStrongestLevel;
    const int ownTypes[] = {kDemon, kSkeleton, kVampireBat, kGhost};
    auto place = [&](int index, int type, int owner, int col, int row) {
        CreateUnit(*g, index, type, owner);
        g->U(index).PosX = col * C;
        g->U(index).PosY = row * C;
    };
    place(1, kMage, 1, 4, 8);
    place(2, kNecromancer, 2, 12, 8);
    int index = 6;
    for (int i = 0; i < 9; ++i)
        place(index++, ownTypes[i % 4], 1, 5 + i % 3, 5 + i / 3 * 2);
    index = 21; // the foes keep clear of the records a summon takes
    for (int i = 0; i < 9; ++i)
        place(index++, ownTypes[(i + 1) % 4], i % 2 ? 2 : 0, 9 + i % 3, 5 + i / 3 * 2);
    g->UnitCount = index - 1;
    for (int slot = 0; slot <= 20; ++slot)
        g->Spellbook[1][slot] =
            static_cast<std::int16_t>(slot < 16 ? -(slot + 1) : ownTypes[(slot - 16) % 4]);
    return g;
}

void BM_StrongDecisionTwentyUnits(benchmark::State& state)
{
    ClockRandom rnd(3);
    auto g = BusyField(rnd);
    int kind = 0;
    for (auto _ : state) {
        const StrongOrder order = ChooseStrongOrder(*g);
        kind = order.kind;
        benchmark::DoNotOptimize(order.value);
    }
    int units = 0;
    for (int i = 1; i <= g->UnitCount; ++i)
        units += g->U(i).OnField;
    state.counters["units"] = units;
    state.counters["kind"] = kind;
}
BENCHMARK(BM_StrongDecisionTwentyUnits)->Unit(benchmark::kMicrosecond);

#ifdef GH_HAVE_SIM
// A whole match of five computer heroes; capped at 200 days.
void BM_ComputerMatchFiveHeroes(benchmark::State& state)
{
    sim::Options options;
    options.heroes = 5;
    options.days = 200;
    std::uint64_t seed = 1;
    double days = 0, ticks = 0;
    for (auto _ : state) {
        const sim::MatchResult r = sim::PlayMatch(options, seed++);
        days += r.days;
        ticks += static_cast<double>(r.ticks);
        if (!r.violation.empty())
            state.SkipWithError(r.violation.c_str());
    }
    state.counters["days/s"] = benchmark::Counter(days, benchmark::Counter::kIsRate);
    state.counters["ticks/s"] = benchmark::Counter(ticks, benchmark::Counter::kIsRate);
    state.counters["days/match"] = benchmark::Counter(days, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ComputerMatchFiveHeroes)->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace gh
