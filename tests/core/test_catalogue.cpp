// The creature catalogue as CreateUnit copies it into records, the worth of
// each type, and the cell test every placement and walk relies on.
#include <gtest/gtest.h>

#include "tests/support/ScriptedRandom.h"
#include "world/Catalogue.h"
#include "world/Experience.h"
#include "world/Units.h"

namespace gh {
namespace {

struct Row {
    int type;
    int kind;
    bool male;
    int hpMax, actionsMax, strength, magic, reason, speed, will, manaMax, leadershipMax;
    int element, range, hit, imageBase, portrait;
    int worth;
};

// Transcribed from the design table, independent of the catalogue's own code.
const Row kRows[] = {
    {1, 2, true, 250, 3, 95, 0, 79, 45, 165, 0, 0, 1, 1, 76, 1, 1, 334},
    {2, 1, true, 200, 4, 55, 90, 140, 30, 110, 200, 5, 10, 2, 69, 19, 2, 294},
    {3, 2, true, 50, 6, 21, 0, 11, 56, 20, 0, 0, 1, 1, 70, 10, 3, 170},
    {4, 2, true, 15, 8, 9, 0, 5, 70, 10, 0, 0, 1, 1, 65, 28, 5, 88},
    {5, 1, true, 190, 5, 45, 75, 100, 41, 150, 230, 5, 8, 3, 66, 37, 6, 551},
    {6, 1, false, 185, 6, 35, 65, 70, 61, 110, 90, 4, 1, 4, 69, 46, 7, 351},
    {7, 2, true, 35, 5, 20, 0, 54, 51, 73, 0, 0, 13, 2, 65, 55, 8, 195},
};

struct Elements {
    std::vector<std::pair<int, int>> protection;
    std::vector<int> immunity, grace, weakness;
};

const Elements kElementsOf[] = {
    {{{2, 190}}, {}, {8}, {9}},           {{}, {}, {}, {1}},
    {{{8, 100}, {10, 50}}, {6}, {}, {9}}, {{{8, 40}}, {}, {}, {9}},
    {{{6, 290}, {8, 160}}, {}, {}, {9}},  {{{9, 190}}, {}, {}, {2}},
    {{{8, 200}}, {6, 1}, {}, {9}},
};

bool Contains(const std::vector<int>& v, int e)
{
    return std::find(v.begin(), v.end(), e) != v.end();
}

TEST(Catalogue, EveryTypeThroughCreateUnitHasItsRowAndOnlyItsElements)
{
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.type);
        Game g;
        ScriptedRandom rnd({0.6f, 0.5f, 0.99f});
        g.rnd = &rnd;
        ASSERT_TRUE(CreateUnit(g, 7, r.type, 3));
        const Unit& u = g.U(7);
        EXPECT_EQ(u.UnitType, r.type);
        EXPECT_EQ(u.Kind, r.kind);
        EXPECT_EQ(u.IsMale, r.male);
        EXPECT_EQ(u.CellsWide, 1);
        EXPECT_EQ(u.CellsHigh, 1);
        EXPECT_EQ(u.HpMax, r.hpMax);
        EXPECT_EQ(u.Hp, r.hpMax);
        EXPECT_EQ(u.ActionsMax, r.actionsMax);
        EXPECT_EQ(u.Actions, r.actionsMax);
        EXPECT_EQ(u.Strength, r.strength);
        EXPECT_EQ(u.Magic, r.magic);
        EXPECT_EQ(u.Reason, r.reason);
        EXPECT_EQ(u.Speed, r.speed);
        EXPECT_EQ(u.Will, r.will);
        EXPECT_EQ(u.ManaMax, r.manaMax);
        EXPECT_EQ(u.Mana, r.manaMax);
        EXPECT_EQ(u.LeadershipMax, r.leadershipMax);
        EXPECT_EQ(u.Leadership, 0);
        EXPECT_EQ(u.AttackElement, r.element);
        EXPECT_EQ(u.AttackRange, r.range);
        EXPECT_EQ(u.HitChance, r.hit);
        EXPECT_EQ(u.ImageBase, r.imageBase);
        EXPECT_EQ(u.Portrait, r.portrait);
        EXPECT_EQ(u.Level, 1);
        EXPECT_EQ(u.Exp, 0);
        EXPECT_EQ(u.ExpNext, r.worth);
        EXPECT_EQ(u.Owner, 3);
        EXPECT_TRUE(u.OnField);
        // Facing, AnimFrame, AnimDelay from the three draws, in that order.
        EXPECT_EQ(u.Facing, 1);
        EXPECT_EQ(u.AnimFrame, 2);
        EXPECT_EQ(u.AnimDelay, 7);
        EXPECT_EQ(u.AnimTick, 0);
        EXPECT_EQ(rnd.Drawn(), 3u);

        const Elements& el = kElementsOf[r.type - 1];
        for (int e = 0; e < kElements; ++e) {
            int expected = 0;
            for (auto [pe, v] : el.protection)
                if (pe == e)
                    expected = v;
            EXPECT_EQ(u.Protection[e], expected) << "protection " << e;
            EXPECT_EQ(u.Immunity[e], Contains(el.immunity, e)) << "immunity " << e;
            EXPECT_EQ(u.Grace[e], Contains(el.grace, e)) << "grace " << e;
            EXPECT_EQ(u.Weakness[e], Contains(el.weakness, e)) << "weakness " << e;
        }
    }
}

TEST(Catalogue, WorthOfEachTypeAtLevelOne)
{
    Game g;
    for (const Row& r : kRows) {
        CreateUnit(g, 1, r.type, 0);
        EXPECT_EQ(UnitWorth(g, 1), r.worth) << UnitTypeName(r.type);
    }
}

TEST(Catalogue, ReusedRecordKeepsNoOldProtectionOrFlag)
{
    Game g;
    CreateUnit(g, 9, kGhost, 0);
    Unit& u = g.U(9);
    // A corpse that gathered every flag and protection there is.
    u.Kind = kKindRemains;
    u.Hp = -2;
    for (int e = 1; e < kElements; ++e) {
        u.Protection[e] = 999;
        u.Immunity[e] = u.Grace[e] = u.Weakness[e] = true;
    }
    u.Leadership = 4;
    u.Exp = 100;
    u.Name = "kept";
    u.PosX = 1440;
    u.PosY = 2160;

    ASSERT_TRUE(CreateUnit(g, 9, kMage, 2));
    EXPECT_EQ(u.Kind, kKindHero);
    EXPECT_EQ(u.Hp, 200);
    EXPECT_EQ(u.Leadership, 0);
    EXPECT_EQ(u.Exp, 0);
    for (int e = 1; e < kElements; ++e) {
        EXPECT_EQ(u.Protection[e], 0) << e;
        EXPECT_FALSE(u.Immunity[e]) << e;
        EXPECT_FALSE(u.Grace[e]) << e;
        EXPECT_EQ(u.Weakness[e], e == 1) << e;
    }
    // Position and name belong to the caller.
    EXPECT_EQ(u.Name, "kept");
    EXPECT_EQ(u.PosX, 1440);
    EXPECT_EQ(u.PosY, 2160);
}

TEST(Catalogue, UnknownTypeIsRefusedAndLeavesTheRecordAlone)
{
    Game g;
    ScriptedRandom rnd({0.3f});
    g.rnd = &rnd;
    CreateUnit(g, 4, kSkeleton, 1);
    const Unit before = g.U(4);
    for (int bad : {0, 8, -1, 100}) {
        EXPECT_FALSE(CreateUnit(g, 4, bad, 2));
        EXPECT_EQ(g.U(4).UnitType, before.UnitType);
        EXPECT_EQ(g.U(4).Owner, before.Owner);
        EXPECT_EQ(g.U(4).Hp, before.Hp);
    }
    EXPECT_EQ(rnd.Drawn(), 3u) << "a refused call draws nothing";
    EXPECT_FALSE(CreateUnit(g, 101, kSkeleton, 1));
    EXPECT_FALSE(CreateUnit(g, -1, kSkeleton, 1));
}

TEST(Catalogue, RandomFieldsStayInRangeAtTheEdgesOfRnd)
{
    for (float v : {0.0f, 0.99999994f}) {
        Game g;
        ScriptedRandom rnd({v});
        g.rnd = &rnd;
        CreateUnit(g, 1, kDemon, 0);
        EXPECT_GE(g.U(1).Facing, 0);
        EXPECT_LE(g.U(1).Facing, 1);
        EXPECT_GE(g.U(1).AnimFrame, 1);
        EXPECT_LE(g.U(1).AnimFrame, 3);
        EXPECT_GE(g.U(1).AnimDelay, 1);
        EXPECT_LE(g.U(1).AnimDelay, 7);
    }
}

TEST(Catalogue, Texts)
{
    EXPECT_EQ(UnitTypeName(0), "нейтральные юниты");
    EXPECT_EQ(UnitTypeName(4), "Летучая мышь-вампир");
    EXPECT_EQ(UnitTypeName(8), "");
    EXPECT_EQ(UnitTypeDescription(0), "");
    EXPECT_EQ(AttackName(0), "");
    EXPECT_EQ(AttackName(6), "Стрела-патриот");
    for (int t = 1; t <= kTypeCount; ++t) {
        EXPECT_EQ(UnitTypeDescription(t).rfind(" - ", 0), 0u) << t;
        EXPECT_FALSE(AttackName(t).empty()) << t;
    }
    EXPECT_NE(UnitTypeDescription(4).find("\"Вампир\""), std::string::npos);
}

TEST(Catalogue, TypeGroups)
{
    EXPECT_EQ(HeroTypeOfClass(1), kMage);
    EXPECT_EQ(HeroTypeOfClass(2), kNecromancer);
    EXPECT_EQ(HeroTypeOfClass(3), kArcheress);
    EXPECT_EQ(HeroTypeOfClass(0), 0);
    EXPECT_EQ(HeroTypeOfClass(4), 0);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(ClassOfHeroType(HeroTypeOfClass(c)), c);
    for (int t : {1, 3, 4, 7, 0, 8})
        EXPECT_EQ(ClassOfHeroType(t), 0) << t;
    EXPECT_EQ(CreatureTypeOfNumber(1), kDemon);
    EXPECT_EQ(CreatureTypeOfNumber(2), kSkeleton);
    EXPECT_EQ(CreatureTypeOfNumber(3), kVampireBat);
    EXPECT_EQ(CreatureTypeOfNumber(4), kGhost);
    EXPECT_EQ(CreatureTypeOfNumber(5), 0);
}

class CellTest : public ::testing::Test {
protected:
    void Place(int i, int type, float x, float y)
    {
        CreateUnit(g, i, type, 0);
        g.U(i).PosX = x;
        g.U(i).PosY = y;
        if (i > g.UnitCount)
            g.UnitCount = i;
    }
    Game g;
};

TEST_F(CellTest, RemainsOccupyTheirCellAndAreReported)
{
    Place(3, kSkeleton, 1440, 720);
    g.U(3).Kind = kKindRemains;
    g.U(3).Hp = -5; // bones
    g.Target = 0;
    EXPECT_FALSE(IsCellFree(g, 1440, 720));
    EXPECT_EQ(g.Target, 3);
}

TEST_F(CellTest, OverlapReportsTheLowerIndex)
{
    Place(8, kDemon, 720, 720);
    Place(5, kGhost, 720, 720);
    EXPECT_FALSE(IsCellFree(g, 720, 720));
    EXPECT_EQ(g.Target, 5);
}

TEST_F(CellTest, RecordsOffTheFieldOrBeyondUnitCountDoNotOccupy)
{
    Place(2, kDemon, 720, 1440);
    g.U(2).OnField = false;
    Place(4, kDemon, 2160, 1440);
    g.UnitCount = 3; // record 4 is past the loop's end
    g.Target = 42;
    EXPECT_TRUE(IsCellFree(g, 720, 1440));
    EXPECT_TRUE(IsCellFree(g, 2160, 1440));
    EXPECT_EQ(g.Target, 42) << "a free cell leaves Target alone";
}

TEST_F(CellTest, MatchIsExactOnBothAxes)
{
    Place(1, kMage, 720, 720);
    EXPECT_TRUE(IsCellFree(g, 744, 744));
    EXPECT_TRUE(IsCellFree(g, 720, 1440));
    EXPECT_TRUE(IsCellFree(g, 600, 600));
    EXPECT_FALSE(IsCellFree(g, 720, 720));
}

TEST_F(CellTest, UnitCountBeyondTheArrayIsNotFollowed)
{
    g.UnitCount = 5000; // never produced by the rules; must still be safe
    EXPECT_TRUE(IsCellFree(g, 720, 720));
}

} // namespace
} // namespace gh
