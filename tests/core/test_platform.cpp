// The platform services the rules lean on: the game's rounding, the random
// source and the timer scheduler.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Numbers.h"
#include "platform/Random.h"
#include "platform/Scheduler.h"
#include "tests/support/ScriptedRandom.h"

namespace gh {
namespace {

TEST(Numbers, RoundingHalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(CLng(0.5), 0);
    EXPECT_EQ(CLng(1.5), 2);
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(-0.5), 0);
    EXPECT_EQ(CLng(-1.5), -2);
    EXPECT_EQ(CLng(-2.5), -2);
    EXPECT_EQ(CLng(54.7), 55);
    EXPECT_EQ(CLng(2.4999), 2);
    EXPECT_EQ(CLng(-5.993), -6);
    EXPECT_EQ(CInt(-16.3), -16);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(4.5), 4);
    EXPECT_EQ(CInt(100000.0), 32767);
    EXPECT_EQ(CInt(-100000.0), -32768);
    EXPECT_EQ(CLng(1e12), 2147483647);
}

TEST(Numbers, IntIsFloorNotTruncation)
{
    EXPECT_EQ(Int(2.99), 2);
    EXPECT_EQ(Int(-0.01), -1);
    EXPECT_EQ(Int(-720.0 / 720.0), -1);
    EXPECT_EQ(Int(-1.0 / 720.0), -1);
    EXPECT_EQ(Int(0.0), 0);
}

TEST(Random, ClockRandomStaysInUnitIntervalAndCountsDraws)
{
    ClockRandom r(7);
    float lo = 1, hi = 0;
    for (int i = 0; i < 20000; ++i) {
        float v = r.Rnd();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_EQ(r.Drawn(), 20000u);
    EXPECT_LT(lo, 0.01f);
    EXPECT_GT(hi, 0.99f);
}

TEST(Random, PinnedSeedsRepeatAndReseedKeepsThem)
{
    ClockRandom a(99), b(99);
    b.Reseed();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.Rnd(), b.Rnd());
}

TEST(Random, ScriptedPlaysBackThenRepeatsTheLast)
{
    ScriptedRandom r({0.1f, 0.7f});
    EXPECT_EQ(r.Rnd(), 0.1f);
    EXPECT_EQ(r.Rnd(), 0.7f);
    EXPECT_EQ(r.Rnd(), 0.7f);
    EXPECT_EQ(r.Drawn(), 3u);
    r.Reseed();
    EXPECT_EQ(r.Reseeds(), 1u);
}

// Ticks at which a timer of the given interval fires, counting from 1.
std::vector<int> FiringTicks(int interval, int ticks)
{
    Scheduler s;
    std::vector<int> fired;
    int tick = 0;
    s.SetInterval(TimerId::Tmr2, interval);
    s.SetHandler(TimerId::Tmr2, [&] { fired.push_back(tick); });
    s.SetEnabled(TimerId::Tmr2, true);
    for (tick = 1; tick <= ticks; ++tick)
        s.Tick();
    return fired;
}

std::vector<int> EveryNth(int n, int ticks)
{
    std::vector<int> v;
    for (int t = n; t <= ticks; t += n)
        v.push_back(t);
    return v;
}

TEST(Scheduler, FiringPatternFollowsTheSixteenMillisecondTick)
{
    EXPECT_EQ(FiringTicks(1, 10), EveryNth(1, 10));
    EXPECT_EQ(FiringTicks(15, 10), EveryNth(1, 10));
    EXPECT_EQ(FiringTicks(16, 10), EveryNth(1, 10));
    EXPECT_EQ(FiringTicks(20, 10), EveryNth(2, 10));
    EXPECT_EQ(FiringTicks(200, 60), EveryNth(13, 60));
    EXPECT_EQ(FiringTicks(1001, 200), EveryNth(63, 200)); // 63 x 16 = 1008
}

TEST(Scheduler, DisabledTimersDoNotFireAndOrderWithinATickIsFixed)
{
    Scheduler s;
    std::vector<char> order;
    s.SetHandler(TimerId::TmrEnemy, [&] { order.push_back('E'); });
    s.SetHandler(TimerId::Tmr, [&] { order.push_back('T'); });
    s.SetHandler(TimerId::Tmr1, [&] { order.push_back('1'); });
    s.SetEnabled(TimerId::TmrEnemy, true);
    s.SetEnabled(TimerId::Tmr, true);
    s.Tick();
    EXPECT_EQ(order, (std::vector<char>{'T', 'E'}));
}

TEST(Scheduler, SwitchingInsideATick)
{
    Scheduler s;
    int walks = 0, enemy = 0;
    // The computer player hands over to the walk: the walk must not run in
    // the same tick, but on the next one.
    s.SetHandler(TimerId::TmrEnemy, [&] {
        ++enemy;
        s.SetEnabled(TimerId::TmrEnemy, false);
        s.SetEnabled(TimerId::Tmr1, true);
    });
    s.SetHandler(TimerId::Tmr1, [&] {
        ++walks;
        s.SetEnabled(TimerId::Tmr1, false);
        s.SetEnabled(TimerId::TmrEnemy, true);
    });
    s.SetEnabled(TimerId::TmrEnemy, true);
    s.Tick();
    EXPECT_EQ(enemy, 1);
    EXPECT_EQ(walks, 0);
    s.Tick();
    EXPECT_EQ(walks, 1);
    EXPECT_EQ(enemy, 1) << "switched on by a timer earlier in the order: waits a full interval";
    s.Tick();
    EXPECT_EQ(enemy, 2);
}

TEST(Scheduler, TurningOffALaterTimerInsideATickStopsIt)
{
    Scheduler s;
    int blows = 0;
    s.SetHandler(TimerId::Tmr, [&] { s.SetEnabled(TimerId::Tmr3, false); });
    s.SetHandler(TimerId::Tmr3, [&] { ++blows; });
    s.SetEnabled(TimerId::Tmr, true);
    s.SetEnabled(TimerId::Tmr3, true);
    s.Tick();
    EXPECT_EQ(blows, 0);
}

TEST(Scheduler, RetimingInsideATickRestartsTheCount)
{
    Scheduler s;
    std::vector<std::uint64_t> fired;
    s.SetInterval(TimerId::Tmr2, 1);
    s.SetHandler(TimerId::Tmr2, [&] {
        fired.push_back(s.Ticks());
        if (fired.size() == 2)
            s.SetInterval(TimerId::Tmr2, 20); // back from label speed to pictures
    });
    s.SetEnabled(TimerId::Tmr2, true);
    for (int i = 0; i < 8; ++i)
        s.Tick();
    EXPECT_EQ(fired, (std::vector<std::uint64_t>{1, 2, 4, 6, 8}));
}

TEST(Scheduler, EnablingAnEnabledTimerKeepsItsCount)
{
    Scheduler s;
    int n = 0;
    s.SetInterval(TimerId::Tmr4, 200);
    s.SetHandler(TimerId::Tmr4, [&] { ++n; });
    s.SetEnabled(TimerId::Tmr4, true);
    for (int i = 0; i < 12; ++i) {
        s.Tick();
        s.SetEnabled(TimerId::Tmr4, true);
    }
    s.Tick();
    EXPECT_EQ(n, 1);
}

TEST(Scheduler, NoTickWhileHeldAndTimersGoOnAfterwards)
{
    Scheduler s;
    int n = 0;
    s.SetHandler(TimerId::Tmr, [&] { ++n; });
    s.SetEnabled(TimerId::Tmr, true);
    s.Tick();
    {
        SchedulerHold box(&s);
        for (int i = 0; i < 5; ++i)
            s.Tick();
        EXPECT_EQ(n, 1);
        EXPECT_TRUE(s.Held());
    }
    s.Tick();
    EXPECT_EQ(n, 2);
    EXPECT_FALSE(s.Held());
}

TEST(Scheduler, AHandlerThatTicksDoesNotReenter)
{
    Scheduler s;
    int depth = 0, maxDepth = 0;
    s.SetHandler(TimerId::Tmr, [&] {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        s.Tick(); // a nested event loop delivering the system tick
        --depth;
    });
    s.SetEnabled(TimerId::Tmr, true);
    s.Tick();
    EXPECT_EQ(maxDepth, 1);
}

TEST(Scheduler, DisableAllStopsEverything)
{
    Scheduler s;
    int n = 0;
    for (int i = 0; i < kTimerCount; ++i) {
        s.SetHandler(static_cast<TimerId>(i), [&] { ++n; });
        s.SetEnabled(static_cast<TimerId>(i), true);
    }
    s.DisableAll();
    s.Tick();
    EXPECT_EQ(n, 0);
}

} // namespace
} // namespace gh
