// Exchanges of blows with every random number scripted: who strikes first,
// the damage formula factor by factor, hits and misses, kills, and the
// exchange as a whole on the timers.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "engine/Blows.h"
#include "engine/Effects.h"
#include "engine/Engine.h"
#include "tests/support/RecordingCanvas.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float C = 720;
constexpr int kElemFire = 2;

class Exchange : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.MatchRunning = true;
        g.ActiveHero = 1;
        Place(a, kSkeleton, 1, 3, 3);
        Place(b, kSkeleton, 0, 4, 3);
        // Plain fighters: no element flags, predictable numbers.
        for (int i : {a, b}) {
            Unit& u = g.U(i);
            u.Protection = {};
            u.Immunity = {};
            u.Grace = {};
            u.Weakness = {};
            u.AttackElement = kElemFire;
            u.HpMax = u.Hp = 100;
            u.HitChance = 50;
            u.AttackRange = 1;
            u.Strength = 10;
        }
        g.U(a).Speed = 60;
        g.U(b).Speed = 50;
    }

    // a opens an exchange against b, as the walk does.
    void Open()
    {
        g.Selected = a;
        g.Target = b;
        g.ReturnBlowDue = true;
        StartBlow(g);
    }

    void StrikeOut()
    {
        for (int i = 0; i < 4; ++i)
            BlowTick(g);
    }

    // The first blow of an exchange: damage draw `dmg`, hit draw `hit`.
    void FirstBlow(float dmg, float hit)
    {
        rnd.Push({dmg, hit});
        Open();
        StrikeOut();
    }

    static constexpr int a = 7, b = 8;
};

TEST_F(Exchange, TheQuickerStrikesFirstAndEqualSpeedIsOneDraw)
{
    Open();
    EXPECT_EQ(g.Selected, a);
    EXPECT_EQ(g.Target, b);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_EQ(g.Attacker, a);
    EXPECT_EQ(g.Defender, b);

    g.U(b).Speed = 70;
    Open();
    EXPECT_EQ(g.Selected, b);
    EXPECT_EQ(g.Target, a);
    EXPECT_EQ(g.Attacker, a);

    g.U(b).Speed = 60;
    rnd.Push({0.5f, 0.49f});
    Open(); // Int(0.5 x 2) = 1: the defender
    EXPECT_EQ(g.Selected, b);
    EXPECT_EQ(rnd.Drawn(), 1u);
    Open(); // 0: the attacker
    EXPECT_EQ(g.Selected, a);
    EXPECT_EQ(rnd.Drawn(), 2u);
}

TEST_F(Exchange, StartingABlowPausesIdleAnimationAndHidesMarkers)
{
    g.timers.SetEnabled(TimerId::Tmr, true);
    g.ShpAt.Visible = g.ShpSel.Visible = true;
    Open();
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_EQ(g.StrikeFrame, 1);
    EXPECT_FALSE(g.ShpAt.Visible);
    EXPECT_FALSE(g.ShpSel.Visible);
}

TEST_F(Exchange, NobodyFightsItsOwnSide)
{
    g.U(b).Owner = 1;
    g.timers.SetEnabled(TimerId::Tmr, true);
    Open();
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_FALSE(g.ReturnBlowDue);
    EXPECT_EQ(g.Attacker, 0);
}

TEST_F(Exchange, RemainsAreNotFought)
{
    g.U(b).Hp = 0;
    g.U(b).Kind = kKindRemains;
    Open();
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 20);
}

TEST_F(Exchange, BlowPicturesFaceEachOtherInSideColours)
{
    g.U(a).Facing = 1;
    g.U(b).Facing = 0;
    Open();
    BlowTick(g);
    const auto pics = canvas.Pictures();
    ASSERT_EQ(pics.size(), 2u);
    const Unit& ua = g.U(a);
    const Unit& ub = g.U(b);
    // the striker on the left faces right: drawn as stored
    EXPECT_EQ(ua.Facing, 0);
    EXPECT_EQ(pics[0].kind, RecordingCanvas::Call::Paint);
    EXPECT_EQ(pics[0].index, ua.ImageBase + 3);
    EXPECT_EQ(pics[0].team, 1);
    // the struck unit on the right faces left: mirrored within its own cell
    EXPECT_EQ(ub.Facing, 1);
    EXPECT_EQ(pics[1].kind, RecordingCanvas::Call::PaintWidth);
    EXPECT_EQ(pics[1].index, ub.ImageBase);
    EXPECT_FLOAT_EQ(pics[1].x, 5 * C);
    EXPECT_FLOAT_EQ(pics[1].width, -C);
    EXPECT_EQ(pics[1].team, 0);

    canvas.Reset();
    BlowTick(g);
    BlowTick(g);
    const auto third = canvas.Pictures();
    EXPECT_EQ(third[2].index, ua.ImageBase + 5);
    EXPECT_EQ(third[3].index, ub.ImageBase + 7); // struck pose from step 3 on
}

TEST_F(Exchange, PlainHitTakesStrengthPlusUpToFour)
{
    FirstBlow(0.99f, 0.0f); // Int(4.95) = 4
    EXPECT_EQ(g.U(b).Hp, 86);
    EXPECT_EQ(g.LblUdar.Caption, "14");
    EXPECT_EQ(g.LblUdar.ForeColor, kWhite);
    EXPECT_TRUE(g.LblUdar.Visible);
    EXPECT_EQ(g.InputMode, kModeResult);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr2));
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 1);
    EXPECT_EQ(g.U(a).Actions, 0);
    EXPECT_FLOAT_EQ(g.LblUdar.Top, 3 * C - 320);
    EXPECT_FLOAT_EQ(g.LblUdar.Left, 4 * C);
}

TEST_F(Exchange, ProtectionWeaknessAndGraceShapeTheDamage)
{
    g.U(a).Strength = 12;
    g.U(b).Protection[kElemFire] = 500;
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.U(b).Hp, 94); // CInt(-5.993) = -6

    g.U(b).Hp = 100;
    g.U(b).Protection[kElemFire] = 0;
    g.U(b).Weakness[kElemFire] = true;
    g.U(a).Strength = 10;
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.U(b).Hp, 84); // CInt(-16.3) = -16
    EXPECT_EQ(g.LblUdar.Caption, "16");

    g.U(b).Weakness[kElemFire] = false;
    g.U(b).Grace[kElemFire] = true;
    g.U(b).Protection[kElemFire] = 999; // looked at only for harm
    g.U(b).Hp = 50;
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.U(b).Hp, 60);
    EXPECT_EQ(g.LblUdar.Caption, "10");
    EXPECT_EQ(g.LblUdar.ForeColor, kGreen);

    g.U(b).Hp = 95;
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.U(b).Hp, 100); // healed up to HpMax only
}

TEST_F(Exchange, ImmunityWinsWithoutAHitRoll)
{
    g.U(b).Immunity[kElemFire] = true;
    g.U(b).Weakness[kElemFire] = true;
    FirstBlow(0.5f, 0.0f);
    EXPECT_EQ(rnd.Drawn(), 1u);
    EXPECT_EQ(g.U(b).Hp, 100);
    EXPECT_EQ(g.LblUdar.Caption, "иммунитет");
    EXPECT_EQ(g.LblUdar.ForeColor, kWhite);
}

TEST_F(Exchange, RollAndReachDecideAMiss)
{
    FirstBlow(0.0f, 0.51f); // 51 > HitChance 50
    EXPECT_EQ(g.LblUdar.Caption, "мимо");
    EXPECT_EQ(g.U(b).Hp, 100);
    EXPECT_EQ(rnd.Drawn(), 2u);

    FirstBlow(0.0f, 0.5f); // exactly 50 still hits
    EXPECT_EQ(g.U(b).Hp, 90);

    g.U(b).Hp = 100;
    g.U(b).PosX = 5 * C; // two columns away, range 1
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.LblUdar.Caption, "мимо");
    EXPECT_EQ(g.U(b).Hp, 100);

    g.U(b).PosX = 4 * C;
    g.U(b).PosY = 1 * C; // the rows count the same way
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.LblUdar.Caption, "мимо");
}

TEST_F(Exchange, HitChanceHundredNeverMissesByRollAndZeroOnlyOnZero)
{
    g.U(a).HitChance = 100;
    FirstBlow(0.0f, 0.99999994f);
    EXPECT_EQ(g.U(b).Hp, 90);

    g.U(a).HitChance = 0;
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.U(b).Hp, 80);
    FirstBlow(0.0f, 0.0001f);
    EXPECT_EQ(g.LblUdar.Caption, "мимо");
}

TEST_F(Exchange, AKillMakesACorpseAwardsTheKillerAndEndsWithoutReturnBlow)
{
    g.U(b).Hp = 5;
    FirstBlow(0.0f, 0.0f);
    EXPECT_EQ(g.U(b).Hp, 0);
    EXPECT_EQ(g.U(b).Kind, kKindRemains);
    EXPECT_TRUE(g.LblXP.Visible);
    EXPECT_EQ(g.U(a).Exp, static_cast<int>(g.U(b).ExpNext / 1.37));
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr4));

    // the result label runs out: no return blow, control goes back
    for (int i = 0; i < 6; ++i)
        EffectTick(g);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_EQ(g.Selected, a);
    EXPECT_EQ(g.Target, b);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 20);
    EXPECT_FALSE(g.ReturnBlowDue);
}

TEST_F(Exchange, AWholeExchangeOnTheTimersStrikesBackAndHandsBack)
{
    BindTimers(g);
    // The idle animation runs between the blows; keep it from drawing numbers.
    g.U(a).AnimDelay = g.U(b).AnimDelay = 1000;
    g.U(b).Speed = 70;      // the defender strikes first
    rnd.Push({0.0f, 0.0f,   // b's blow hits a for 10
              0.0f, 0.0f}); // a strikes back for 10
    g.timers.SetEnabled(TimerId::Tmr, true);
    Open();
    int ticks = 0;
    while (ticks < 200) {
        g.timers.Tick();
        ++ticks;
        if (g.timers.Enabled(TimerId::TmrEnemy))
            break;
        // exactly one of the blow and the result display carries the exchange
        ASSERT_NE(g.timers.Enabled(TimerId::Tmr2), g.timers.Enabled(TimerId::Tmr3)) << ticks;
    }
    EXPECT_EQ(g.U(a).Hp, 90);
    EXPECT_EQ(g.U(b).Hp, 90);
    EXPECT_EQ(g.U(a).Actions, 0);
    EXPECT_EQ(g.Selected, a);
    EXPECT_EQ(g.Target, b);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_EQ(rnd.Drawn(), 4u);
}

} // namespace
} // namespace gh
