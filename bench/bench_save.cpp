// Saving and loading the thirty-day sample of five heroes: what an autosave
// at every person's turn and a load from the list cost.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "save/SaveFormat.h"

namespace gh {
namespace {

std::string ThirtyDays()
{
    std::ifstream in(std::string(GH_SAMPLE_SAVES) + "/v1-five-heroes-day-30.ghsave", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

save::SaveSummary Summary()
{
    save::SaveSummary s;
    s.title = "Автосохранение";
    s.autosave = true;
    s.savedAt = "2026-12-09T10:15:00";
    s.gameVersion = "0.1";
    return s;
}

void BM_SaveThirtyDays(benchmark::State& state)
{
    const save::LoadResult loaded = save::ReadSave(ThirtyDays());
    if (!loaded) {
        state.SkipWithError(loaded.error.c_str());
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = save::WriteSave(*loaded.game, Summary());
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveThirtyDays)->Unit(benchmark::kMillisecond);

void BM_LoadThirtyDays(benchmark::State& state)
{
    const std::string text = ThirtyDays();
    for (auto _ : state) {
        save::LoadResult loaded = save::ReadSave(text);
        if (!loaded) {
            state.SkipWithError(loaded.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(loaded.game.get());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LoadThirtyDays)->Unit(benchmark::kMillisecond);

// What the list of saves reads of each file.
void BM_SummaryThirtyDays(benchmark::State& state)
{
    const std::string text = ThirtyDays();
    for (auto _ : state) {
        save::SaveSummary s;
        std::string error;
        if (!save::ReadSummary(text, s, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(s.day);
    }
}
BENCHMARK(BM_SummaryThirtyDays)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gh
