// The one door for orders: the check reads the match and nothing else, and
// the order it refuses in silence is not given at all.
#include <gtest/gtest.h>

#include <memory>

#include "ScriptedMatch.h"
#include "engine/Order.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float C = 720;

class Door : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.MatchRunning = true;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        Place(1, kMage, 1, 2, 2, "Гэндальф");
        Place(2, kNecromancer, 2, 9, 9);
        Place(6, kSkeleton, 1, 4, 2);
        Place(7, kDemon, 0, 6, 6);
        g.UnitCount = 7;
        g.Spellbook[1][3] = kSkeleton;
        g.Spellbook[1][4] = -1;
    }

    static Order At(OrderKind kind, int who, int col, int row)
    {
        Order o;
        o.kind = kind;
        o.who = who;
        o.x = col * C;
        o.y = row * C;
        return o;
    }

    // Checks `o` and expects neither the match nor the generator to move.
    Refusal CheckStill(const Order& o)
    {
        const auto before = std::make_unique<Game>(g);
        const std::size_t drawn = rnd.Drawn();
        const Refusal why = CheckOrder(g, o);
        EXPECT_TRUE(g.Match() == before->Match());
        EXPECT_EQ(rnd.Drawn(), drawn);
        return why;
    }
};

TEST_F(Door, BoardOrdersNameTheirRefusals)
{
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 6, 5, 5)), Refusal::None);
    EXPECT_EQ(CheckStill(At(OrderKind::Select, 1, 2, 2)), Refusal::None);
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 2, 5, 5)), Refusal::NotTheirTurn);
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 0, 5, 5)), Refusal::NoSuchUnit);
    EXPECT_EQ(CheckStill(At(OrderKind::Exchange, 6, 6, 6)), Refusal::None);
    EXPECT_EQ(CheckStill(At(OrderKind::Exchange, 6, 5, 5)), Refusal::NoEnemyThere);
    EXPECT_EQ(CheckStill(At(OrderKind::Exchange, 6, 2, 2)), Refusal::NoEnemyThere) << "its own hero";

    g.U(6).Kind = kKindRemains;
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 6, 5, 5)), Refusal::NoSuchUnit);
    g.U(6).Kind = kKindCreature;

    g.timers.SetEnabled(TimerId::Tmr3, true); // a blow under way
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 6, 5, 5)), Refusal::Busy);
    EXPECT_EQ(CheckStill({OrderKind::EndTurn}), Refusal::Busy);
    g.timers.SetEnabled(TimerId::Tmr3, false);

    g.InputMode = kModeSummon; // a placement waits: a click places, it sends nobody
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 6, 5, 5)), Refusal::Busy);

    g.MatchRunning = false;
    EXPECT_EQ(CheckStill(At(OrderKind::Walk, 6, 5, 5)), Refusal::NoMatch);
}

TEST_F(Door, ASilentRefusalGivesNothingAndAWalkStarts)
{
    g.timers.SetEnabled(TimerId::Tmr3, true);
    const auto before = std::make_unique<Game>(g);
    EXPECT_EQ(GiveOrder(g, At(OrderKind::Walk, 6, 5, 5)), Refusal::Busy);
    EXPECT_TRUE(g.Match() == before->Match());
    g.timers.SetEnabled(TimerId::Tmr3, false);

    EXPECT_EQ(GiveOrder(g, At(OrderKind::Walk, 6, 5, 5)), Refusal::None);
    EXPECT_EQ(g.Selected, 6);
    EXPECT_EQ(g.InputMode, kModeWalk);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr1));
    EXPECT_FLOAT_EQ(g.TargetCellX, 5 * C);
}

TEST_F(Door, PagesAreWeighedWithoutBeingPicked)
{
    g.U(1).Mana = 0;
    g.U(1).Reason = 0;
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 4}), Refusal::ShortOfReason);
    g.U(1).Reason = 1000;
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 4}), Refusal::ShortOfMana);
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 5}), Refusal::NoPage);
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 60}), Refusal::NoPage);
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 2, 0, 0, 4}), Refusal::NotTheirTurn);
    g.U(1).Mana = 1000;
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 4}), Refusal::None);
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 3}), Refusal::None);
    g.U(1).Hp = 0;
    EXPECT_EQ(CheckStill({OrderKind::ReadPage, 1, 0, 0, 4}), Refusal::NotTheirTurn);
}

TEST_F(Door, AToldRefusalIsAnsweredWithTheRulesOwnBox)
{
    g.U(1).Mana = 0;
    Order read{OrderKind::ReadPage, 1, 0, 0, 4};
    EXPECT_EQ(GiveOrder(g, read), Refusal::ShortOfMana);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "Не выходит");
    EXPECT_EQ(g.InputMode, kModeOrders);

    g.U(1).Mana = 1000;
    EXPECT_EQ(GiveOrder(g, read), Refusal::None);
    EXPECT_EQ(g.InputMode, kModeSpell);
    EXPECT_EQ(g.ChosenSlot, 4) << "a page not picked in the dialog is picked by the order";

    g.InputMode = kModeSummon;
    EXPECT_EQ(CheckStill(At(OrderKind::Summon, 1, 4, 2)), Refusal::CellTaken);
    EXPECT_EQ(CheckStill(At(OrderKind::Summon, 1, 25, 2)), Refusal::OutsideField);
    EXPECT_EQ(CheckStill(At(OrderKind::Summon, 2, 5, 5)), Refusal::NotTheirTurn);
    EXPECT_EQ(CheckStill(At(OrderKind::Cast, 1, 5, 5)), Refusal::NotAwaited);
    EXPECT_EQ(GiveOrder(g, At(OrderKind::Summon, 1, 4, 2)), Refusal::CellTaken);
    EXPECT_EQ(shell.boxes.back().text, "Это место уже занято! Выберите другое или правый клик для отмены.");
    EXPECT_EQ(g.InputMode, kModeSummon) << "the placement still waits";

    EXPECT_EQ(GiveOrder(g, {OrderKind::Cancel}), Refusal::None);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(GiveOrder(g, {OrderKind::Cancel}), Refusal::NotAwaited);
}

TEST_F(Door, TheStrongHandShowsWhereItClicks)
{
    g.HeroIsHuman[1] = false;
    g.ViewX = 720;
    g.InputMode = kModeSpell;
    Order cast = At(OrderKind::Cast, 1, 7, 7);
    cast.hand = Hand::Strong;
    EXPECT_EQ(GiveOrder(g, cast), Refusal::None);
    EXPECT_FLOAT_EQ(g.ShpAt.Left, 7 * C - 720 - 120);
    EXPECT_FLOAT_EQ(g.ShpSel.Left, 2 * C - 720 - 120);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr2)) << "the spell's pictures play";

    // Walking, its pointer rests on the cell and names who stands there.
    g.timers.DisableAll();
    g.InputMode = kModeOrders;
    g.Target = 0;
    Order walk = At(OrderKind::Exchange, 6, 6, 6);
    walk.hand = Hand::Strong;
    EXPECT_EQ(GiveOrder(g, walk), Refusal::None);
    EXPECT_EQ(g.Target, 7);
}

} // namespace
} // namespace gh
