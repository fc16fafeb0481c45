// The play aids' reach: worked out whenever the selection or the field
// changes, so it must stay far below a frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/Aids.h"
#include "engine/Setup.h"
#include "world/Catalogue.h"
#include "world/Units.h"
#ifdef GH_HAVE_SIM
#include "Simulation.h"
#endif

namespace gh {
namespace {

constexpr float C = 720;

// A fresh match of five heroes, as the game sets one up.
std::unique_ptr<Game> FiveHeroes(ClockRandom& rnd)
{
    auto g = std::make_unique<Game>();
    g->rnd = &rnd;
#ifdef GH_HAVE_SIM
    sim::PrepareMatch(*g, 5);
#else
    for (int h = 1; h <= kHeroes; ++h) {
        CreateUnit(*g, h, kArcheress, h);
        g->U(h).OnField = true;
    }
    SetUpMatch(*g);
#endif
    return g;
}

void BM_ReachOfAHeroInAFreshMatch(benchmark::State& state)
{
    ClockRandom rnd(7);
    auto g = FiveHeroes(rnd);
    const int hero = g->ActiveHero >= 1 ? g->ActiveHero : 1;
    g->U(hero).Actions = static_cast<std::int32_t>(state.range(0));
    std::size_t cells = 0;
    for (auto _ : state) {
        const Reach r = ComputeReach(*g, hero);
        benchmark::DoNotOptimize(r.cost[5][5]);
        cells = 0;
        for (int c = 0; c < kPlannedCells; ++c)
            for (int w = 0; w < kPlannedCells; ++w)
                cells += r.Reaches(c, w) ? 1 : 0;
    }
    state.counters["cells"] = static_cast<double>(cells);
}
// The heroes' own points (3 to 6), and a seasoned unit's.
BENCHMARK(BM_ReachOfAHeroInAFreshMatch)->Arg(3)->Arg(6)->Arg(12)->Arg(40)->Unit(benchmark::kMicrosecond);

// The worst field: a third of the cells taken, so that every plan winds.
void BM_ReachOnACrowdedField(benchmark::State& state)
{
    ClockRandom rnd(1);
    auto g = std::make_unique<Game>();
    g->rnd = &rnd;
    int index = 2;
    for (int col = 1; col <= 20 && index <= kMaxUnit; ++col)
        for (int row = 1; row <= 20 && index <= kMaxUnit; ++row) {
            if ((col + 2 * row) % 3 != 0 || (col == 10 && row == 10))
                continue;
            CreateUnit(*g, index, kSkeleton, 0);
            g->U(index).PosX = col * C;
            g->U(index).PosY = row * C;
            ++index;
        }
    g->UnitCount = index - 1;
    CreateUnit(*g, 1, kArcheress, 1);
    g->U(1).PosX = 10 * C;
    g->U(1).PosY = 10 * C;
    g->U(1).Actions = static_cast<std::int32_t>(state.range(0));
    g->ActiveHero = 1;
    for (auto _ : state) {
        const Reach r = ComputeReach(*g, 1);
        benchmark::DoNotOptimize(r.opponents.size());
    }
}
BENCHMARK(BM_ReachOnACrowdedField)->Arg(6)->Arg(40)->Unit(benchmark::kMicrosecond);

// One hover: the walk to a cell and the odds of the exchange there.
void BM_PreviewOfOneCell(benchmark::State& state)
{
    ClockRandom rnd(7);
    auto g = FiveHeroes(rnd);
    const int hero = g->ActiveHero >= 1 ? g->ActiveHero : 1;
    const Unit& h = g->U(hero);
    for (auto _ : state) {
        const WalkPreview p = PreviewWalk(*g, hero, h.PosX + 3 * C, h.PosY + 2 * C);
        benchmark::DoNotOptimize(p.actionsLeft);
    }
}
BENCHMARK(BM_PreviewOfOneCell)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace gh
