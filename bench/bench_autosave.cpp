// What an autosave costs, in its two halves: making the text on the game's
// thread (the only part a battlefield frame could feel; it runs from a
// queued call after the tick, and must stay well inside the 16 ms tick) and
// writing the file on the writer's thread (QSaveFile: write, flush to the
// disk, rename; then the clean-up of old autosaves).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

#include "Simulation.h"
#include "battlefield/Orders.h"
#include "engine/Engine.h"
#include "engine/Placement.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"

namespace {

using namespace gh;

// Five computer heroes thirty days on, at the start of a hero's turn with
// the field at rest, as an autosave finds a match.
std::unique_ptr<Game> ThirtyDaysOn()
{
    // Not every match lasts thirty days: the first seed whose match does.
    for (std::uint64_t seed = 1;; ++seed) {
        auto g = std::make_unique<Game>();
        g->Generator.Pin(seed);
        sim::PrepareMatch(*g, 5);
        BindTimers(*g);
        std::int32_t day = g->Day, hero = g->ActiveHero;
        for (std::uint64_t tick = 0; tick < 50'000'000 && g->MatchRunning; ++tick) {
            g->timers.Tick();
            const bool turn = g->Day != day || g->ActiveHero != hero;
            day = g->Day;
            hero = g->ActiveHero;
            if (turn && g->Day >= 30 && g->ActiveHero >= 1 && FieldAtRest(*g))
                return g;
        }
    }
}

Game& Match()
{
    static const std::unique_ptr<Game> g = ThirtyDaysOn();
    return *g;
}

void BM_AutosaveTextOnTheGameThread(benchmark::State& state)
{
    const Game& g = Match();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = Autosave::Text(g);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["day"] = g.Day;
}
BENCHMARK(BM_AutosaveTextOnTheGameThread)->Unit(benchmark::kMicrosecond);

void BM_AutosaveFileOnTheWriterThread(benchmark::State& state)
{
    QTemporaryDir dir;
    const SaveFiles files(dir.filePath(QStringLiteral("saves")));
    const Game& g = Match();
    const std::string text = Autosave::Text(g);
    int day = 0;
    for (auto _ : state) {
        QString error;
        // A new file each time, as each turn has its own, with the five-file
        // clean-up after it.
        if (!Autosave::Store(files, files.AutosavePath(++day, 1), text, error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_AutosaveFileOnTheWriterThread)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
