// Default hero names and populating a match from the selection dialog's heroes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ScriptedMatch.h"
#include "engine/Setup.h"
#include "tests/support/RecordingCanvas.h"

namespace gh {
namespace {

using testing::Pick;
using testing::ScriptedMatch;

const std::vector<std::string> kMale = {
    "Гэндальф",        "Джэк",   "Грэнт Непобедимый", "Кащей Смертный", "Мракодей", "Лорд Вони",
    "Святой Гавиллан", "Мордор", "Герцог Тангус",     "Граф Блэксторм"};
const std::vector<std::string> kFemale = {"Арвен",          "Галадриэль", "Эовин", "Принцесса Гарнет",
                                          "Королева Бранэ", "Аллерия",    "Фаун",  "Лани",
                                          "Шива",           "Кид"};

TEST(DefaultNames, EachDrawPicksItsEntryFromTheListOfTheHerosSex)
{
    ScriptedMatch m;
    for (int n = 0; n < 10; ++n) {
        m.rnd.Push({Pick(n, 10), Pick(n, 10)});
        EXPECT_EQ(DefaultHeroName(m.g, true), kMale[static_cast<std::size_t>(n)]);
        EXPECT_EQ(DefaultHeroName(m.g, false), kFemale[static_cast<std::size_t>(n)]);
    }
    EXPECT_EQ(m.rnd.Drawn(), 20u);
    m.rnd.Push(0.99999994f);
    EXPECT_EQ(DefaultHeroName(m.g, true), "Граф Блэксторм");
}

TEST(DefaultNames, UniqueNameRedrawsOnAnyClashIncludingTypedNames)
{
    ScriptedMatch m;
    m.Place(1, 2, 1, 1, 2, "Гэндальф"); // its own old name does not count
    m.Place(2, 5, 2, 2, 2, "Джэк");     // typed by a player
    m.Place(3, 2, 3, 3, 2, "мордор");   // comparison is case-sensitive
    m.Place(4, 5, 4, 4, 2, "Мракодей");
    m.Place(5, 6, 5, 5, 2, "Кид");
    m.g.U(4).OnField = false; // a hero out of the match still holds its name

    m.rnd.Push({Pick(1, 10), Pick(4, 10), Pick(0, 10)});
    GiveUniqueDefaultName(m.g, 0);
    EXPECT_EQ(m.g.U(1).Name, "Гэндальф");
    EXPECT_EQ(m.rnd.Drawn(), 3u);

    m.rnd.Push(Pick(7, 10));
    GiveUniqueDefaultName(m.g, 2);
    EXPECT_EQ(m.g.U(3).Name, "Мордор");
}

TEST(DefaultNames, TheArcheressOnlyEverGetsAWomansName)
{
    ScriptedMatch m;
    m.Place(4, 6, 4, 1, 2);
    for (int n = 0; n < 10; ++n) {
        m.rnd.Push(Pick(n, 10));
        GiveUniqueDefaultName(m.g, 3);
        EXPECT_EQ(m.g.U(4).Name, kFemale[static_cast<std::size_t>(n)]);
    }
}

TEST(DefaultNames, FiveHeroesNeverShareADefaultName)
{
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        ScriptedMatch m;
        ClockRandom rnd(seed);
        m.g.rnd = &rnd;
        for (int h = 1; h <= 5; ++h) {
            m.Place(h, h == 3 ? 6 : 2, h, h, 2);
            m.g.U(h).Name = "";
        }
        std::set<std::string> names;
        for (int slot = 0; slot < 5; ++slot)
            GiveUniqueDefaultName(m.g, slot);
        for (int h = 1; h <= 5; ++h)
            names.insert(m.g.U(h).Name);
        ASSERT_EQ(names.size(), 5u) << "seed " << seed;
    }
}

TEST(DefaultNames, ABrokenRandomSourceStillEndsWithAFreeName)
{
    ScriptedMatch m;
    m.Place(1, 2, 1, 1, 2, "Гэндальф");
    m.Place(2, 2, 2, 2, 2);
    m.rnd.Push(0.0f); // forever Гэндальф
    GiveUniqueDefaultName(m.g, 1);
    EXPECT_EQ(m.g.U(2).Name, "Джэк");
}

// The selection dialog's side of a new match: five heroes created, some
// taking part, ActiveHero 0.
struct SetupTest : testing::ScriptedMatchTest {
    void SetUp() override
    {
        Place(1, 2, 1, 0, 0, "Гэндальф");
        Place(2, 5, 2, 0, 0, "Мракодей");
        Place(3, 6, 3, 0, 0, "Арвен");
        Place(4, 2, 4, 0, 0, "Джэк");
        Place(5, 5, 5, 0, 0, "Мордор");
        g.U(4).OnField = false;
        g.U(5).OnField = false;
        g.HeroIsHuman = {false, true, false, true, true, true};
        g.ActiveHero = 0;
        g.UnitCount = 5;
    }

    // Two draws that place a unit on (col, row): columns 1..16, rows 2..13.
    void Cell(int col, int row) { rnd.Push({Pick(col - 1, 16), Pick(row - 2, 12)}); }

    // Draws for one neutral creature: its type number, CreateUnit's three,
    // then its cell.
    void Creature(int number, int col, int row)
    {
        rnd.Push({Pick(number - 1, 4), 0.0f, 0.0f, 0.0f});
        Cell(col, row);
    }

    // Draws for every hero's attitudes and 21 spellbook slots: attitudes run
    // from -50 up, even slots get a creature and odd slots a spell.
    void HeroTables()
    {
        for (int h = 1; h <= 5; ++h) {
            for (int t = 1; t <= 5; ++t)
                rnd.Push(Pick(h == t ? 99 : 0, 100));
            for (int s = 0; s <= 20; ++s) {
                if (s % 2 == 0)
                    rnd.Push({Pick(0, 2), Pick(s % 4, 4)});
                else
                    rnd.Push({Pick(1, 2), Pick(s % 16, 16)});
            }
        }
    }
};

TEST_F(SetupTest, DrawsInOrderAndRetriesOccupiedCells)
{
    Cell(1, 2);
    Cell(1, 2); // hero 2 would stand on hero 1: try again
    Cell(16, 13);
    Cell(5, 5);
    Cell(5, 5); // hero 4 takes no part, yet it too avoids taken cells
    Cell(9, 9);
    Cell(8, 8);
    Creature(1, 16, 13); // on hero 2: try again
    Cell(1, 2);          // on hero 1: again
    Cell(2, 2);
    Creature(2, 9, 9); // hero 4 is off the field and blocks nothing
    Creature(3, 4, 4);
    Creature(4, 6, 6);
    Creature(2, 7, 7);
    HeroTables();
    rnd.Push(0.99f); // hero 1 is a person: this is never drawn

    SetUpMatch(g);

    const std::size_t placements = 10u * 2u, retries = 4u * 2u, creatures = 5u * 4u;
    const std::size_t tables = 5u * (5u + 21u * 2u);
    EXPECT_EQ(rnd.Drawn(), placements + retries + creatures + tables);
    EXPECT_EQ(rnd.Reseeds(), 1u);
    const std::pair<int, int> cells[] = {{1, 2}, {16, 13}, {5, 5}, {9, 9}, {8, 8},
                                         {2, 2}, {9, 9},   {4, 4}, {6, 6}, {7, 7}};
    for (int n = 1; n <= 10; ++n) {
        EXPECT_FLOAT_EQ(g.U(n).PosX, cells[n - 1].first * 720.0f) << n;
        EXPECT_FLOAT_EQ(g.U(n).PosY, cells[n - 1].second * 720.0f) << n;
    }
    EXPECT_FALSE(g.U(4).OnField);
    EXPECT_FALSE(g.U(5).OnField);

    const int types[] = {1, 3, 4, 7, 3};
    for (int n = 6; n <= 10; ++n) {
        const Unit& u = g.U(n);
        EXPECT_EQ(u.UnitType, types[n - 6]) << n;
        EXPECT_EQ(u.Owner, 0);
        EXPECT_EQ(u.Kind, kKindCreature);
        EXPECT_EQ(u.Hp, u.HpMax);
        EXPECT_EQ(u.Actions, u.ActionsMax);
        EXPECT_TRUE(u.OnField);
    }

    for (int h = 1; h <= 5; ++h) {
        for (int t = 1; t <= 5; ++t)
            EXPECT_EQ(g.Attitude[h][t], h == t ? 49 : -50);
        for (int s = 0; s <= 20; ++s) {
            const int creatures[] = {1, 3, 4, 7};
            const int expected = s % 2 == 0 ? creatures[s % 4] : -(s % 16 + 1);
            EXPECT_EQ(g.Spellbook[h][s], expected) << h << "/" << s;
        }
    }
}

TEST_F(SetupTest, AUnitMayLandOnItsOwnOldCell)
{
    g.U(1).PosX = 5 * 720;
    g.U(1).PosY = 5 * 720;
    Cell(5, 5); // found record 1 itself: accepted at once
    for (int n = 2; n <= 5; ++n)
        Cell(n + 5, 9);
    for (int n = 6; n <= 10; ++n)
        Creature(1, n + 5, 10);
    HeroTables();

    SetUpMatch(g);

    EXPECT_FLOAT_EQ(g.U(1).PosX, 5 * 720);
    EXPECT_EQ(rnd.Drawn(), 10u + 5u * 6u + 5u * 47u);
}

TEST_F(SetupTest, OpensDay1WithTheFirstPlayingHeroAndTheFieldRunning)
{
    g.Day = 12;
    g.AnimSpeed = 8;
    g.MatchRunning = false;
    g.U(1).OnField = false; // hero 2 is first
    g.UnitCount = 37;
    for (int i : {11, 20, 37, 100})
        Place(i, 3, 1, 9, 9).Hp = i == 20 ? -2 : 10;
    g.UnitCount = 37;
    g.Spellbook[3][21] = -5;
    g.Spellbook[3][50] = 7;
    ClockRandom seeded(42);
    g.rnd = &seeded;

    SetUpMatch(g);

    EXPECT_EQ(g.Day, 1);
    EXPECT_EQ(g.AnimSpeed, 4);
    EXPECT_TRUE(g.MatchRunning);
    EXPECT_EQ(g.UnitCount, 10);
    for (int i = 11; i <= 100; ++i)
        EXPECT_FALSE(g.U(i).OnField) << i;
    EXPECT_EQ(g.Spellbook[3][21], -5);
    EXPECT_EQ(g.Spellbook[3][50], 7);

    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_TRUE(g.HorBar.Visible);
    EXPECT_TRUE(g.VertBar.Visible);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.front().kind, RecordingCanvas::Call::Clear);
    // Heroes 2, 3 and the five creatures.
    EXPECT_EQ(canvas.Pictures().size(), 7u);

    EXPECT_EQ(shell.selectionCloses, 1);
    EXPECT_EQ(g.ActiveHero, 2);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "День 1");
    EXPECT_EQ(shell.boxes[0].text, "Ходит Некромант Мракодей");
}

// Found by the fuzz (seed 3, event 11769): "Начать" pressed while a blow of
// the last match ran left its timer on, and the new match's first computer
// side played with a stale blow beside it.
TEST_F(SetupTest, ANewMatchInheritsNoAnimationOfTheLastOne)
{
    ClockRandom seeded(7);
    g.rnd = &seeded;
    g.MatchRunning = true;
    for (TimerId t : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4, TimerId::TmrEnemy})
        g.timers.SetEnabled(t, true);
    g.InputMode = kModeWalk;
    g.Moving = 3;
    g.LblUdar.Visible = true;
    g.HeroIsHuman = {false, true, true, true, true, true}; // hero 1 opens, a person

    SetUpMatch(g);

    for (TimerId t : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4, TimerId::TmrEnemy})
        EXPECT_FALSE(g.timers.Enabled(t)) << static_cast<int>(t);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.Moving, 0);
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_EQ(g.ActiveHero, 1);
}

TEST_F(SetupTest, EveryMatchKeepsItsUnitsApartAndItsTablesInRange)
{
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
        ClockRandom seeded(seed);
        g.rnd = &seeded;
        shell.boxes.clear();
        g.ActiveHero = 0; // as the selection dialog leaves it
        SetUpMatch(g);

        std::set<std::pair<float, float>> taken;
        for (int n = 1; n <= 10; ++n) {
            const Unit& u = g.U(n);
            ASSERT_GE(u.PosX, 720.0f);
            ASSERT_LE(u.PosX, 11520.0f);
            ASSERT_GE(u.PosY, 1440.0f);
            ASSERT_LE(u.PosY, 9360.0f);
            ASSERT_EQ(static_cast<int>(u.PosX) % 720, 0);
            ASSERT_EQ(static_cast<int>(u.PosY) % 720, 0);
            if (u.OnField) {
                ASSERT_TRUE(taken.insert({u.PosX, u.PosY}).second) << "seed " << seed << " unit " << n;
            }
        }
        for (int n = 6; n <= 10; ++n) {
            const int t = g.U(n).UnitType;
            ASSERT_TRUE(t == 1 || t == 3 || t == 4 || t == 7) << t;
        }
        for (int h = 1; h <= 5; ++h) {
            for (int t = 1; t <= 5; ++t) {
                ASSERT_GE(g.Attitude[h][t], -50);
                ASSERT_LE(g.Attitude[h][t], 49);
            }
            for (int s = 0; s <= 20; ++s) {
                const int e = g.Spellbook[h][s];
                ASSERT_TRUE(e == 1 || e == 3 || e == 4 || e == 7 || (e >= -16 && e <= -1)) << e;
            }
        }
        ASSERT_EQ(shell.boxes.size(), 1u);
        ASSERT_EQ(g.ActiveHero, 1);
    }
}

} // namespace
} // namespace gh
