// The play aids against the rules they foresee: the quick planner against
// the plain scan it replaces, the reach and the path preview against walks
// ordered on copies, the spell forecast against the spell itself, and that
// none of them changes the match or draws a number.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "ScriptedMatch.h"
#include "battlefield/AidsText.h"
#include "engine/Aids.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "magic/SpellCatalogue.h"
#include "magic/SpellForecast.h"
#include "magic/Spells.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float C = 720;

// The planner as the game first wrote it: every cell written in its order,
// then every wave scanning the whole grid for its number.
std::int32_t PlainScan(const Game& g, const Unit& walker, float tx, float ty, PathCells& grid)
{
    auto planned = [](double twips, bool corner) {
        const double c = corner ? twips / C : std::floor(twips / C);
        if (!(c >= 0.0 && c <= 20.0) || c != std::floor(c))
            return -1;
        return static_cast<int>(c);
    };
    for (int i = 0; i <= 20; ++i)
        for (int a = 0; a <= 20; ++a) {
            grid[i][a] = 254;
            for (int u = 1; u <= std::min(g.UnitCount, kMaxUnit); ++u) {
                const Unit& r = g.U(u);
                if (r.OnField && planned(r.PosX, true) == i && planned(r.PosY, true) == a)
                    grid[i][a] = 255;
            }
            if (planned(tx, false) == i && planned(ty, false) == a)
                grid[i][a] = 0;
            if (planned(walker.PosX, false) == i && planned(walker.PosY, false) == a)
                grid[i][a] = 253;
            if (i == 0)
                grid[0][a] = 255;
            if (a == 0)
                grid[i][0] = 255;
        }
    static constexpr int kN[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    for (std::int32_t wave = 0; wave <= 99; ++wave)
        for (int j = 1; j <= 20; ++j)
            for (int b = 1; b <= 20; ++b) {
                if (grid[j][b] != wave)
                    continue;
                for (const auto& n : kN) {
                    const int nj = j + n[0], nb = b + n[1];
                    if (nj > 20 || nb > 20)
                        continue;
                    if (grid[nj][nb] == 253)
                        return wave;
                    if (grid[nj][nb] == 254)
                        grid[nj][nb] = static_cast<std::uint8_t>(wave + 1);
                }
            }
    return -1;
}

class Aids : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.MatchRunning = true;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        g.AnimSpeed = 4;
    }

    // What the walk does when the person orders `who` to cell (col, row): the
    // pointer rests on it, the click gives the order, the walk runs out.
    struct Outcome {
        bool started = false;
        float x = 0, y = 0;
        std::int32_t actions = 0;
        int fought = 0; // the unit an exchange was opened against
    };
    Outcome Walk(int who, int col, int row)
    {
        Game copy(g);
        IsCellFree(copy, col * C, row * C);
        GiveOrder(copy, {OrderKind::Walk, who, col * C, row * C});
        Outcome o;
        o.started = copy.InputMode == kModeWalk;
        for (int n = 0; n < 2000 && copy.InputMode == kModeWalk; ++n)
            WalkTick(copy);
        o.x = copy.U(who).PosX;
        o.y = copy.U(who).PosY;
        o.actions = copy.U(who).Actions;
        o.fought = copy.ReturnBlowDue ? copy.Defender : 0;
        return o;
    }

    // Every planned cell ordered for real against the reach.
    void ExpectReachIsTheWalks(int who)
    {
        const Reach r = ComputeReach(g, who);
        const std::int32_t before = g.U(who).Actions;
        int reached = 0;
        for (int col = 1; col <= 20; ++col)
            for (int row = 1; row <= 20; ++row) {
                const int there = OccupantAt(g, col * C, row * C);
                if (there != 0 && (g.U(there).Owner == g.ActiveHero || there == g.ActiveHero))
                    continue;
                const Outcome o = Walk(who, col, row);
                const bool arrived = o.fought == 0 && o.x == col * C && o.y == row * C;
                EXPECT_EQ(r.Reaches(col, row), arrived)
                    << "points " << before << ", cell " << col << "," << row;
                if (arrived) {
                    ++reached;
                    EXPECT_EQ(r.cost[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)],
                              before - o.actions)
                        << col << "," << row;
                }
                if (there != 0 && g.U(there).Hp >= 1) {
                    EXPECT_EQ(r.Opposes(there), o.fought == there) << "unit " << there;
                }
                const WalkPreview p = PreviewWalk(g, who, col * C, row * C);
                EXPECT_EQ(p.starts, o.started) << col << "," << row;
                if (o.started) {
                    EXPECT_EQ(p.endX, o.x) << col << "," << row;
                    EXPECT_EQ(p.endY, o.y) << col << "," << row;
                    EXPECT_EQ(p.actionsLeft, o.actions) << col << "," << row;
                    EXPECT_EQ(p.arrives, arrived);
                }
            }
        // A test that reaches nothing would prove nothing.
        if (before > 0) {
            EXPECT_GT(reached, 0);
        }
    }
};

TEST_F(Aids, TheQuickWaveLaysTheGridThePlainScanLays)
{
    std::mt19937 random(17);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int field = 0; field < 300; ++field) {
        Game f;
        f.UnitCount = 1 + pick(90);
        for (int u = 1; u <= f.UnitCount; ++u) {
            Unit& r = f.U(u);
            r.OnField = pick(10) != 0;
            r.CellsWide = r.CellsHigh = 1;
            // Mostly on the planned cells, now and then off them or off a corner.
            r.PosX = static_cast<float>(pick(24) - 1) * C + (pick(30) == 0 ? 24.0f : 0.0f);
            r.PosY = static_cast<float>(pick(24) - 1) * C;
        }
        Unit walker = f.U(1);
        walker.PosX = static_cast<float>(pick(22)) * C;
        walker.PosY = static_cast<float>(pick(22)) * C;
        const float tx = static_cast<float>(pick(23)) * C + (pick(4) == 0 ? 24.0f : 0.0f);
        const float ty = static_cast<float>(pick(23)) * C;

        PathCells quick, plain, fromBoard;
        std::memset(quick, 7, sizeof quick);
        std::memset(plain, 7, sizeof plain);
        std::memset(fromBoard, 7, sizeof fromBoard);
        const std::int32_t expected = PlainScan(f, walker, tx, ty, plain);
        EXPECT_EQ(LayPath(f, walker, tx, ty, quick), expected) << "field " << field;
        PathBoard board;
        LayBoard(f, board);
        EXPECT_EQ(LayPath(board, walker, tx, ty, fromBoard), expected) << "field " << field;
        // The whole grid, the cells past the planned area included: the
        // planner never writes those.
        EXPECT_EQ(std::memcmp(quick, plain, sizeof plain), 0) << "field " << field;
        EXPECT_EQ(std::memcmp(fromBoard, plain, sizeof plain), 0) << "field " << field;
    }
}

TEST_F(Aids, ReachAndPreviewAreWhatTheWalkDoesWithAnyPointsLeft)
{
    // A walled yard with a gap, an enemy inside and one outside, a corpse, a
    // unit of one's own.
    Place(1, kMage, 1, 6, 6);
    for (int row = 3; row <= 9; ++row)
        if (row != 7)
            Place(20 + row, kSkeleton, 0, 8, row);
    Place(7, kSkeleton, 0, 5, 8);  // an enemy beside the yard
    Place(8, kDemon, 2, 11, 6);    // an enemy past the wall
    Place(9, kSkeleton, 1, 4, 5);  // one of the mage's own
    Place(10, kSkeleton, 0, 6, 4); // a corpse
    g.U(10).Hp = -1;
    g.U(10).Kind = kKindRemains;
    for (int points : {0, 1, 2, 3, 5, 8}) {
        g.U(1).Actions = points;
        ExpectReachIsTheWalks(1);
    }
}

TEST_F(Aids, ARangedUnitIsShownTheEnemiesItStrikesFromWhereItStands)
{
    Place(1, kArcheress, 1, 10, 10);
    Place(7, kSkeleton, 0, 13, 12); // within four cells on both axes
    Place(8, kSkeleton, 0, 16, 10); // six off: only after walking
    g.U(1).Actions = 3;
    ExpectReachIsTheWalks(1);
    const Reach r = ComputeReach(g, 1);
    EXPECT_TRUE(r.Opposes(7));
    const WalkPreview p = PreviewWalk(g, 1, 13 * C, 12 * C);
    EXPECT_EQ(p.steps.count, 0); // it strikes without a step
    EXPECT_EQ(p.exchangeWith, 7);
}

TEST_F(Aids, OnePointLeftReachesOnlyTheStraightNeighbours)
{
    Place(1, kMage, 1, 5, 5);
    g.U(1).Actions = 1;
    const Reach r = ComputeReach(g, 1);
    int reached = 0;
    for (int col = 1; col <= 20; ++col)
        for (int row = 1; row <= 20; ++row)
            reached += r.Reaches(col, row) ? 1 : 0;
    EXPECT_EQ(reached, 4);
    EXPECT_TRUE(r.Reaches(5, 4) && r.Reaches(4, 5) && r.Reaches(6, 5) && r.Reaches(5, 6));
    EXPECT_FALSE(r.Reaches(6, 6));
    // Ordered to the diagonal it takes a straight step and stops short.
    const WalkPreview p = PreviewWalk(g, 1, 6 * C, 6 * C);
    EXPECT_TRUE(p.starts);
    EXPECT_FALSE(p.arrives);
    EXPECT_EQ(p.steps.count, 1);
    EXPECT_EQ(p.actionsLeft, 0);
}

TEST_F(Aids, ReachIsShownOnlyForAPersonsOwnLivingUnitWithPointsWhileTheFieldWaits)
{
    Place(1, kMage, 1, 5, 5);
    Place(6, kSkeleton, 0, 9, 9);
    g.Selected = 1;
    EXPECT_TRUE(ReachShown(g));
    g.Selected = 6;
    EXPECT_FALSE(ReachShown(g)); // the neutrals' skeleton
    g.Selected = 1;
    g.U(1).Actions = 0;
    EXPECT_FALSE(ReachShown(g));
    g.U(1).Actions = 3;
    g.InputMode = kModeSummon;
    EXPECT_FALSE(ReachShown(g));
    g.InputMode = kModeOrders;
    g.timers.SetEnabled(TimerId::Tmr3, true);
    EXPECT_FALSE(ReachShown(g)); // a blow is being struck
    g.timers.SetEnabled(TimerId::Tmr3, false);
    g.HeroIsHuman[1] = false;
    EXPECT_FALSE(ReachShown(g));
}

TEST_F(Aids, NothingIsChangedPaintedOrDrawnWhileTheAidsAreWorkedOut)
{
    Place(1, kNecromancer, 1, 5, 5, "Кощей");
    Place(6, kSkeleton, 0, 7, 6);
    Place(7, kDemon, 0, 9, 9);
    g.U(7).Hp = 0;
    g.U(7).Kind = kKindRemains;
    g.Selected = 1;
    g.Target = 6;
    g.Spellbook[1][0] = -15;
    g.U(1).Mana = 100;
    const MatchState before = g.Match();
    const std::size_t drawn = rnd.Drawn();
    const std::size_t painted = canvas.calls.size();

    const Reach r = ComputeReach(g, 1);
    for (int col = 0; col <= 22; ++col)
        for (int row = 0; row <= 22; ++row) {
            const WalkPreview p = PreviewWalk(g, 1, col * C, row * C);
            if (p.exchangeWith != 0)
                ForecastOpening(g, 1, p);
            SummonFits(g, col * C, row * C);
            WalkLines(g, 1, p);
        }
    // The spell and the summon waiting for their cells.
    LoadSpell(g, 15);
    g.InputMode = kModeSpell;
    const MatchState aiming = g.Match();
    for (int col = 4; col <= 10; ++col)
        for (int row = 4; row <= 10; ++row)
            SpellLines(g, ForecastSpell(g, col * C, row * C));
    EXPECT_TRUE(g.Match() == aiming);
    g.InputMode = kModeSummon;
    SummonLines(g, 3 * C, 3 * C);
    g.InputMode = kModeOrders;
    g.CurrentSpell = before.CurrentSpell;

    EXPECT_TRUE(g.Match() == before);
    EXPECT_EQ(rnd.Drawn(), drawn);
    EXPECT_EQ(canvas.calls.size(), painted);
    EXPECT_TRUE(r.Opposes(6));
    EXPECT_FALSE(r.Opposes(7)); // remains are no opponent
}

// The spell forecast against ApplySpell run for real, once landing and once missing.
class SpellOdds : public Aids {
protected:
    Unit Cast(int spell, int target, float roll)
    {
        Game copy(g);
        ScriptedRandom r({roll});
        copy.rnd = &r;
        LoadSpell(copy, spell);
        copy.InputMode = kModeSpell;
        copy.TargetCellX = copy.U(target).PosX;
        copy.TargetCellY = copy.U(target).PosY;
        ApplySpell(copy);
        return copy.U(target);
    }
    void ExpectForecast(int spell, int target)
    {
        LoadSpell(g, spell);
        g.InputMode = kModeSpell;
        const SpellOutlook o = ForecastSpell(g, g.U(target).PosX, g.U(target).PosY);
        EXPECT_EQ(o.target, target);
        EXPECT_TRUE(o.onHit == Cast(spell, target, 0.0f)) << SpellName(spell);
        EXPECT_TRUE(o.onMiss == Cast(spell, target, 0.99999f)) << SpellName(spell);
        if (o.rolled) {
            EXPECT_DOUBLE_EQ(o.chance, SpellLandChance(g.CurrentSpell, g.U(1)));
        }
    }
};

TEST_F(SpellOdds, TheForecastIsWhatTheSpellDoes)
{
    Place(1, kNecromancer, 1, 3, 3);
    g.U(1).Magic = 0; // Chance alone: 99 % for most spells, so a miss is possible
    Unit& shielded = Place(6, kSkeleton, 0, 5, 5);
    shielded.Protection[2] = 333;
    Unit& weak = Place(7, kSkeleton, 0, 6, 6);
    weak.Weakness[2] = true;
    Unit& immune = Place(8, kSkeleton, 0, 7, 7);
    immune.Immunity[2] = true;
    Unit& corpse = Place(9, kDemon, 2, 8, 8);
    corpse.Hp = -2;
    corpse.Kind = kKindRemains;
    Place(10, kVampireBat, 0, 9, 9);

    for (int target : {6, 7, 8, 9})
        ExpectForecast(15, target); // Пламенный шар
    ExpectForecast(1, 9);           // Песнь некроманта on a corpse
    ExpectForecast(1, 6);           // and on the living: nothing
    ExpectForecast(2, 9);           // Разложение
    ExpectForecast(16, 10);         // Контроль разума
    ExpectForecast(8, 6);           // Ущерб души, a percentage
    ExpectForecast(3, 6);           // Слабое лечение

    LoadSpell(g, 15);
    const SpellOutlook shot = ForecastSpell(g, g.U(6).PosX, g.U(6).PosY);
    // -66 against protection 333 is -44: 99 % of it on average.
    EXPECT_NEAR(shot.ExpectedChange(), -44 * 0.99, 1e-9);
    EXPECT_TRUE(ForecastSpell(g, g.U(8).PosX, g.U(8).PosY).immune);
    EXPECT_EQ(ForecastSpell(g, 15 * C, 15 * C).target, 0);
}

TEST(AidsText, NumbersAndSharesReadAsRussian)
{
    const std::pair<long, const char*> forms[] = {{1, "очко"},   {2, "очка"},    {4, "очка"},  {5, "очков"},
                                                  {11, "очков"}, {12, "очков"},  {21, "очко"}, {22, "очка"},
                                                  {25, "очков"}, {111, "очков"}, {0, "очков"}};
    for (const auto& [n, word] : forms)
        EXPECT_EQ(CountNoun(n, "очко", "очка", "очков"), word) << n;
    EXPECT_EQ(Percent(0.0), "0 %");
    EXPECT_EQ(Percent(0.004), "меньше 1 %");
    EXPECT_EQ(Percent(0.5), "50 %");
    EXPECT_EQ(Percent(0.996), "больше 99 %");
    EXPECT_EQ(Percent(1.0), "100 %");
}

TEST_F(Aids, TheLinesSayTheCostWhatIsLeftAndWhereAWalkFallsShort)
{
    Place(1, kArcheress, 1, 5, 5, "Арвен");
    Place(6, kSkeleton, 0, 15, 5);
    g.U(1).Actions = 3;
    auto lines = [&](int col, int row, int foe = 0) {
        return WalkLines(g, 1, PreviewWalk(g, 1, col * C, row * C), foe);
    };
    EXPECT_EQ(lines(7, 5), (std::vector<std::string>{"Путь: 2 очка действия, останется 1"}));
    EXPECT_EQ(lines(6, 5), (std::vector<std::string>{"Путь: 1 очко действия, останется 2"}));
    EXPECT_EQ(lines(12, 5), (std::vector<std::string>{"Сюда не дойти за этот ход",
                                                      "Дойдёт только до отмеченной клетки: 3 очка действия, "
                                                      "останется 0"}));
    EXPECT_EQ(lines(25, 5), (std::vector<std::string>{"Сюда пути нет"}));
    EXPECT_EQ(lines(15, 5, 6)[0], "До цели не дотянуться за этот ход: Скелет");

    g.U(1).Actions = 8; // six steps, then the skeleton is within her four cells
    const WalkPreview p = PreviewWalk(g, 1, 15 * C, 5 * C);
    ASSERT_EQ(p.exchangeWith, 6);
    const std::vector<std::string> fight = ExchangeLines(g, 1, p, ForecastOpening(g, 1, p));
    ASSERT_EQ(fight.size(), 4u);
    EXPECT_EQ(fight[0], "Лучница Арвен нападёт на: Скелет");
    EXPECT_EQ(fight[2].rfind("Лучница Арвен: ", 0), 0u);
    EXPECT_EQ(fight[3].rfind("Скелет: ", 0), 0u);
}

} // namespace
} // namespace gh
