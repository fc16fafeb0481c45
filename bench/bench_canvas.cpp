// What one idle tick costs with twenty units on the field: the idle animation
// painting onto the battlefield's canvas, and working out what changed and
// has to be presented. At ratio 1 and at ratio 2 (HiDPI, twice-size pictures),
// and with the field zoomed (the second argument is the zoom times ten).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRegion>

#include "battlefield/Drawing.h"
#include "platform/Random.h"
#include "platform/qt/QtCanvas.h"
#include "world/Catalogue.h"
#include "world/Game.h"
#include "world/Units.h"

namespace gh {
namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "grimhollow-bench-canvas";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_IdleTickTwentyUnits(benchmark::State& state)
{
    App();
    const qreal ratio = static_cast<qreal>(state.range(0));
    ClockRandom rnd(7);
    auto g = std::make_unique<Game>();
    g->rnd = &rnd;
    QtCanvas canvas;
    canvas.Resize(QSize(1920, 1080), ratio);
    canvas.SetZoom(static_cast<qreal>(state.range(1)) / 10.0);
    g->canvas = &canvas;
    const int types[] = {kMage, kSkeleton, kDemon, kNecromancer};
    for (int i = 1; i <= 20; ++i) {
        CreateUnit(*g, i, types[i % 4], i <= 5 ? i : 0);
        g->U(i).PosX = static_cast<float>((i % 10) * 3 + 2) * 720;
        g->U(i).PosY = static_cast<float>((i / 10) * 4 + 3) * 720;
    }
    g->UnitCount = 20;
    g->MatchRunning = true;
    DrawUnits(*g);
    canvas.TakeChanges();

    long long area = 0;
    for (auto _ : state) {
        AnimateIdle(*g);
        const QRegion changed = canvas.TakeChanges();
        for (const QRect& r : changed)
            area += static_cast<long long>(r.width()) * r.height();
        benchmark::DoNotOptimize(area);
    }
    state.counters["presented px/tick"] =
        benchmark::Counter(static_cast<double>(area), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IdleTickTwentyUnits)
    ->Args({1, 10})
    ->Args({2, 10})
    ->Args({1, 15})
    ->Args({1, 20})
    ->Args({2, 15})
    ->Args({2, 20})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace gh
