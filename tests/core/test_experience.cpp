// The award for a kill: who gains, how much, the label, and promotion with
// its growth rates and caps.
#include <gtest/gtest.h>

#include "world/Catalogue.h"
#include "world/Experience.h"
#include "world/Units.h"

namespace gh {
namespace {

class Award : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.rnd = &rnd;
        g.UnitCount = 20;
    }

    int Put(int index, int type, float x = 1440, float y = 2160)
    {
        CreateUnit(g, index, type, 0);
        g.U(index).PosX = x;
        g.U(index).PosY = y;
        return index;
    }

    // `killer` opened the exchange against `victim` and struck it down.
    void Kill(int killer, int victim)
    {
        g.Attacker = killer;
        g.Defender = victim;
        g.Target = victim;
        g.U(victim).Hp = 0;
        AwardKill(g);
    }

    Game g;
    ClockRandom rnd{11};
};

TEST_F(Award, KillGainsAreTheVictimsWorthOverOnePointThreeSeven)
{
    const int killer = Put(6, kDemon);
    g.U(killer).ExpNext = 100000; // no promotion in the way
    const std::pair<int, int> gains[] = {{kVampireBat, 64}, {kNecromancer, 402}, {kDemon, 243}};
    for (const auto& [type, gain] : gains) {
        g.U(killer).Exp = 5;
        Kill(killer, Put(7, type));
        EXPECT_EQ(g.U(killer).Exp, 5 + gain) << type;
        EXPECT_EQ(g.LblXP.Caption, std::to_string(gain));
    }
}

TEST_F(Award, TheLabelStandsAboveTheGainerAndTmr4HidesIt)
{
    g.ViewX = 250;
    g.ViewY = 1000;
    const int killer = Put(6, kSkeleton, 2880, 3600);
    Kill(killer, Put(7, kVampireBat));
    EXPECT_TRUE(g.LblXP.Visible);
    EXPECT_FLOAT_EQ(g.LblXP.Left, 2880 - 250);
    EXPECT_FLOAT_EQ(g.LblXP.Top, 3600 - 430 - 1000);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr4));
    EXPECT_EQ(g.Selected, killer);

    HideExperienceLabel(g);
    EXPECT_FALSE(g.LblXP.Visible);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr4));
}

TEST_F(Award, ADefenderThatKillsOnTheReturnBlowGainsAndIsSelected)
{
    const int opener = Put(6, kVampireBat);
    const int defender = Put(7, kSkeleton);
    g.Attacker = opener;
    g.Defender = defender;
    g.Target = opener;
    g.U(opener).Hp = 0;
    g.Selected = opener;
    AwardKill(g);
    EXPECT_EQ(g.Selected, defender);
    EXPECT_EQ(g.U(defender).Exp, 64);
    EXPECT_EQ(g.U(opener).Exp, 0);
}

TEST_F(Award, ADemonReachesLevelTwo)
{
    const int demon = Put(6, kDemon);
    const int hp = g.U(demon).Hp - 17;
    g.U(demon).Hp = hp;
    g.U(demon).Exp = 300;
    Kill(demon, Put(7, kVampireBat)); // 364 >= 334
    const Unit& u = g.U(demon);
    EXPECT_EQ(g.LblXP.Caption, "повышение");
    EXPECT_EQ(u.Level, 2);
    EXPECT_EQ(u.Exp, 0); // the surplus is lost
    EXPECT_EQ(u.HpMax, 343);
    EXPECT_EQ(u.Hp, hp);
    EXPECT_EQ(u.ActionsMax, 4);
    EXPECT_EQ(u.Strength, 125);
    EXPECT_EQ(u.Reason, 93);
    EXPECT_EQ(u.Speed, 53);
    EXPECT_EQ(u.Will, 246);
    EXPECT_EQ(u.HitChance, 83);
    EXPECT_EQ(u.Protection[2], 215);
    EXPECT_EQ(u.Magic, 0);
    EXPECT_EQ(u.ManaMax, 0);
    EXPECT_EQ(u.ExpNext, 433);
}

TEST_F(Award, AMagesLeadershipFillsUpAtPromotion)
{
    const int mage = Put(1, kMage);
    g.U(mage).Leadership = 2;
    g.U(mage).Exp = g.U(mage).ExpNext - 1;
    Kill(mage, Put(7, kVampireBat));
    EXPECT_EQ(g.U(mage).LeadershipMax, 6);
    EXPECT_EQ(g.U(mage).Leadership, 6);
    EXPECT_EQ(g.U(mage).ManaMax, 238);
    EXPECT_EQ(g.U(mage).Magic, 115);
}

TEST_F(Award, LevelNinetyNineKeepsExperienceFullAndShowsTheGain)
{
    const int u = Put(6, kSkeleton);
    g.U(u).Level = 99;
    g.U(u).Exp = g.U(u).ExpNext - 10;
    const int hpMax = g.U(u).HpMax;
    Kill(u, Put(7, kVampireBat));
    EXPECT_EQ(g.U(u).Exp, g.U(u).ExpNext);
    EXPECT_EQ(g.U(u).Level, 99);
    EXPECT_EQ(g.U(u).HpMax, hpMax);
    EXPECT_EQ(g.LblXP.Caption, "64");
}

TEST_F(Award, OneLevelPerKillAtMost)
{
    const int u = Put(6, kVampireBat);
    g.U(u).Exp = 10 * g.U(u).ExpNext;
    Kill(u, Put(7, kDemon));
    EXPECT_EQ(g.U(u).Level, 2);
    EXPECT_EQ(g.U(u).Exp, 0);
}

TEST_F(Award, GrowthRespectsEveryCap)
{
    const int u = Put(6, kArcheress);
    Unit& r = g.U(u);
    r.HitChance = 98;
    r.ActionsMax = 98;
    r.LeadershipMax = 99;
    r.Speed = 990;
    r.Protection[9] = 990;
    r.HpMax = 99990;
    for (int level = 0; level < 5; ++level) {
        r.Exp = r.ExpNext;
        Kill(u, Put(7, kVampireBat));
    }
    EXPECT_EQ(r.Level, 6);
    EXPECT_EQ(r.HitChance, 99);
    EXPECT_EQ(r.ActionsMax, 99);
    EXPECT_EQ(r.LeadershipMax, 99);
    EXPECT_EQ(r.Speed, 999);
    EXPECT_EQ(r.Protection[9], 999);
    EXPECT_EQ(r.HpMax, 99999);
}

TEST(Grow, SmallValuesGrowByOneAndZeroStays)
{
    std::int32_t s = 5;
    EXPECT_EQ(Grow(s, 0.05f, 99), 6); // 0.25 < 1
    EXPECT_EQ(s, 6);
    s = 0;
    EXPECT_EQ(Grow(s, 0.37f, 99999), 0);
    s = 250;
    EXPECT_EQ(Grow(s, 0.37f, 99999), 343); // single-precision rate tips 342.5 up
    s = 20;
    EXPECT_EQ(Grow(s, 0.05f, 99), 21); // exactly 1: rounded, not +1
    s = 50;
    EXPECT_EQ(Grow(s, 0.09f, 40), 40);
}

} // namespace
} // namespace gh
