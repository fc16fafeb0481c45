// The award for a kill: who gains, how much, the label, and promotion with
// its growth rates and caps.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "world/Catalogue.h"
#include "world/Experience.h"

namespace gh {
namespace {

class Award : public testing::ScriptedMatchTest {
protected:
    void SetUp() override { g.UnitCount = 20; }

    // `killer` opened the exchange against a fresh unit of `victimType` in
    // record 7 and struck it down.
    void Kill(int killer, int victimType)
    {
        constexpr int victim = 7;
        Place(victim, victimType, 0, 2, 3);
        g.Attacker = killer;
        g.Defender = victim;
        g.Target = victim;
        g.U(victim).Hp = 0;
        AwardKill(g);
    }
};

TEST_F(Award, KillGainsAreTheVictimsWorthOverOnePointThreeSeven)
{
    constexpr int killer = 6;
    Place(killer, kDemon, 0, 2, 3);
    g.U(killer).ExpNext = 100000; // no promotion in the way
    const std::pair<int, int> gains[] = {{kVampireBat, 64}, {kNecromancer, 402}, {kDemon, 243}};
    for (const auto& [type, gain] : gains) {
        g.U(killer).Exp = 5;
        Kill(killer, type);
        EXPECT_EQ(g.U(killer).Exp, 5 + gain) << type;
        EXPECT_EQ(g.LblXP.Caption, std::to_string(gain));
    }
}

TEST_F(Award, TheLabelStandsAboveTheGainerAndTmr4HidesIt)
{
    g.ViewX = 250;
    g.ViewY = 1000;
    constexpr int killer = 6;
    Place(killer, kSkeleton, 0, 4, 5);
    Kill(killer, kVampireBat);
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
    constexpr int opener = 6;
    Place(opener, kVampireBat, 0, 2, 3);
    constexpr int defender = 7;
    Place(defender, kSkeleton, 0, 2, 3);
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
    constexpr int demon = 6;
    Place(demon, kDemon, 0, 2, 3);
    const int hp = g.U(demon).Hp - 17;
    g.U(demon).Hp = hp;
    g.U(demon).Exp = 300;
    Kill(demon, kVampireBat); // 364 >= 334
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
    constexpr int mage = 1;
    Place(mage, kMage, 0, 2, 3);
    g.U(mage).Leadership = 2;
    g.U(mage).Exp = g.U(mage).ExpNext - 1;
    Kill(mage, kVampireBat);
    EXPECT_EQ(g.U(mage).LeadershipMax, 6);
    EXPECT_EQ(g.U(mage).Leadership, 6);
    EXPECT_EQ(g.U(mage).ManaMax, 238);
    EXPECT_EQ(g.U(mage).Magic, 115);
}

TEST_F(Award, LevelNinetyNineKeepsExperienceFullAndShowsTheGain)
{
    constexpr int u = 6;
    Place(u, kSkeleton, 0, 2, 3);
    g.U(u).Level = 99;
    g.U(u).Exp = g.U(u).ExpNext - 10;
    const int hpMax = g.U(u).HpMax;
    Kill(u, kVampireBat);
    EXPECT_EQ(g.U(u).Exp, g.U(u).ExpNext);
    EXPECT_EQ(g.U(u).Level, 99);
    EXPECT_EQ(g.U(u).HpMax, hpMax);
    EXPECT_EQ(g.LblXP.Caption, "64");
}

TEST_F(Award, OneLevelPerKillAtMost)
{
    constexpr int u = 6;
    Place(u, kVampireBat, 0, 2, 3);
    g.U(u).Exp = 10 * g.U(u).ExpNext;
    Kill(u, kDemon);
    EXPECT_EQ(g.U(u).Level, 2);
    EXPECT_EQ(g.U(u).Exp, 0);
}

TEST_F(Award, GrowthRespectsEveryCap)
{
    constexpr int u = 6;
    Place(u, kArcheress, 0, 2, 3);
    Unit& r = g.U(u);
    r.HitChance = 98;
    r.ActionsMax = 98;
    r.LeadershipMax = 99;
    r.Speed = 990;
    r.Protection[9] = 990;
    r.HpMax = 99990;
    for (int level = 0; level < 5; ++level) {
        r.Exp = r.ExpNext;
        Kill(u, kVampireBat);
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
