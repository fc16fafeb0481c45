// The journal of orders: what recording one order costs on the game's thread
// (the state hash and the line), and what jumping to any order of a
// thirty-day record of five heroes costs the viewer (keyframes, then the
// replay forward from the nearest one).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"

namespace gh {
namespace {

std::string Sample(const char* name)
{
    std::ifstream in(std::string(GH_SAMPLE_SAVES) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BM_StateHash(benchmark::State& state)
{
    const save::LoadResult loaded = save::ReadSave(Sample("v3-five-heroes-day-30.ghsave"));
    if (!loaded) {
        state.SkipWithError(loaded.error.c_str());
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(save::StateHash(*loaded.game));
}
BENCHMARK(BM_StateHash)->Unit(benchmark::kMicrosecond);

// One order through the recorder: the view compared, the hash taken and the
// line kept, as every order of a match costs.
void BM_RecordOneOrder(benchmark::State& state)
{
    const save::LoadResult loaded = save::ReadSave(Sample("v3-five-heroes-day-30.ghsave"));
    if (!loaded) {
        state.SkipWithError(loaded.error.c_str());
        return;
    }
    Game g(*loaded.game);
    BindTimers(g);
    save::Recorder rec;
    rec.Begin(g, "bench", "bench");
    const Order o{OrderKind::Select, g.ActiveHero, g.U(g.ActiveHero).PosX, g.U(g.ActiveHero).PosY};
    for (auto _ : state) {
        rec.Giving(g, o);
        rec.Given(g, o, Refusal::None);
    }
    state.counters["lines"] = static_cast<double>(rec.Journal().lines.size());
}
BENCHMARK(BM_RecordOneOrder)->Unit(benchmark::kMicrosecond);

// Jumping to any line of the thirty-day five-hero sample's journal, with a
// keyframe every `range(0)` lines taken as the viewer takes them on its first
// pass.
void BM_JumpToAnyOrder(benchmark::State& state)
{
    const save::LoadResult loaded = save::ReadSave(Sample("v3-five-heroes-day-30.ghsave"));
    save::RecordReadResult read = save::ReadRecord(loaded ? loaded.memory.journal : std::string(), false);
    if (!read) {
        state.SkipWithError(read.error.c_str());
        return;
    }
    const std::size_t every = static_cast<std::size_t>(state.range(0));
    const std::size_t lines = read.record.lines.size();
    save::Replayer replay(read.record, *read.start);
    std::vector<std::unique_ptr<save::Replayer::Mark>> marks;
    marks.push_back(replay.Keep());
    for (std::size_t n = every; n <= lines; n += every) {
        if (!replay.PlayTo(n)) {
            state.SkipWithError(replay.Error().c_str());
            return;
        }
        marks.push_back(replay.Keep());
    }
    std::mt19937 rng(7);
    for (auto _ : state) {
        const std::size_t target = rng() % (lines + 1);
        std::size_t k = 0;
        while (k + 1 < marks.size() && marks[k + 1]->done <= target)
            ++k;
        replay.Restore(*marks[k]);
        if (!replay.PlayTo(target)) {
            state.SkipWithError(replay.Error().c_str());
            return;
        }
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["ticks"] = static_cast<double>(loaded.game->timers.Ticks());
}
BENCHMARK(BM_JumpToAnyOrder)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gh
