// The effect player on Tmr2: spell pictures frame by frame, the rising
// result label, and what the end of each hands over to.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "engine/Effects.h"
#include "tests/support/RecordingCanvas.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

class Effects : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.ViewX = 100;
        g.ViewY = 200;
    }

    std::vector<int> SpellPictures() const
    {
        std::vector<int> out;
        for (const auto& c : canvas.Pictures())
            if (c.list == ImageList::Spell)
                out.push_back(c.index);
        return out;
    }
};

TEST_F(Effects, ResultLabelRisesOnTicksTwoToSixAndHidesAtSeven)
{
    g.InputMode = kModeResult;
    g.LblUdar.Visible = true;
    StartEffect(g, 1440, 2000, 0, 6);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr2));
    EXPECT_TRUE(SpellPictures().empty());
    for (int counter = 2; counter <= 6; ++counter) {
        EffectTick(g);
        EXPECT_EQ(g.EffectTick, counter);
        EXPECT_FLOAT_EQ(g.EffectY, 2000 - 66.0f * (counter - 1));
        EXPECT_FLOAT_EQ(g.LblUdar.Top, g.EffectY - 200);
        EXPECT_FLOAT_EQ(g.LblUdar.Left, 1440 - 100);
        EXPECT_TRUE(g.LblUdar.Visible);
    }
    EffectTick(g);
    EXPECT_FLOAT_EQ(g.EffectY, 2000 - 330); // five rises in all
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr2));
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_EQ(g.InputMode, kModeOrders);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.front().kind, RecordingCanvas::Call::Clear);
}

TEST_F(Effects, OneCyclePictureEffectShowsFourPicturesAndEndsOnTickFour)
{
    g.InputMode = kModeSummon; // not a spell: nothing is applied at the end
    StartEffect(g, 1440, 2000, 5, 1);
    ASSERT_EQ(SpellPictures(), std::vector<int>{5});
    EXPECT_FLOAT_EQ(canvas.Pictures()[0].x, 1340);
    EXPECT_FLOAT_EQ(canvas.Pictures()[0].y, 1800);
    for (int t = 1; t <= 3; ++t) {
        EffectTick(g);
        EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr2)) << t;
    }
    EXPECT_EQ(SpellPictures(), (std::vector<int>{5, 6, 7, 8}));
    EffectTick(g);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr2));
    EXPECT_EQ(SpellPictures().size(), 4u);
    EXPECT_EQ(g.InputMode, kModeSummon);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr));
}

TEST_F(Effects, TwoCyclesPlayTheRunTwiceAndASpellIsAppliedAtTheEnd)
{
    g.InputMode = kModeSpell;
    StartEffect(g, 0, 0, 1, 2);
    int ticks = 0;
    while (g.timers.Enabled(TimerId::Tmr2) && ticks < 20) {
        EffectTick(g);
        ++ticks;
    }
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(SpellPictures(), (std::vector<int>{1, 2, 3, 4, 1, 2, 3, 4}));
    // the cast is handed to the spell rules, which end it
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
}

class ExchangeEnd : public Effects {
protected:
    void SetUp() override
    {
        Effects::SetUp();
        Place(1, kMage, 1, 2, 0);
        Place(6, kSkeleton, 0, 3, 0);
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        g.Attacker = 1;
        g.Defender = 6;
        // the defender struck first
        g.Selected = 6;
        g.Target = 1;
        g.timers.SetInterval(TimerId::Tmr2, 1);
        StartEffect(g, 1440, 0, 0, 6);
    }
    void RunOut()
    {
        for (int i = 0; i < 6; ++i)
            EffectTick(g);
    }
};

TEST_F(ExchangeEnd, AFirstBlowsLabelStartsTheReturnBlow)
{
    g.ReturnBlowDue = true;
    RunOut();
    EXPECT_FALSE(g.ReturnBlowDue);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_EQ(g.Selected, 1); // the one that did not strike first
    EXPECT_EQ(g.Target, 6);
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
}

TEST_F(ExchangeEnd, TheLastLabelHandsToTheComputerPlayerEvenOnAPersonsSide)
{
    g.ReturnBlowDue = false;
    RunOut();
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_EQ(g.Selected, 1);
    EXPECT_EQ(g.Target, 6);
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 20);
}

} // namespace
} // namespace gh
