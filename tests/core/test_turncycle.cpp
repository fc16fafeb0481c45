// Turn order, days, the end-of-turn bookkeeping, announcements and victory.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "battlefield/Toolbar.h"
#include "engine/Blows.h"
#include "engine/Computer.h"
#include "engine/Engine.h"
#include "engine/Order.h"
#include "engine/TurnCycle.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

using testing::ScriptedMatch;

// Two to five heroes on the field, each with a creature of its own.
struct TurnTest : testing::ScriptedMatchTest {
    void SetUp() override
    {
        Place(1, 2, 1, 1, 2, "Гэндальф");
        Place(2, 6, 2, 2, 2, "Арвен");
        Place(3, 5, 3, 3, 2, "Мракодей");
        Place(4, 2, 4, 4, 2, "Джэк");
        Place(5, 5, 5, 5, 2, "Мордор");
        Place(6, 1, 0, 6, 2);
        Place(7, 3, 1, 7, 2);
        Place(8, 4, 2, 8, 2);
        g.UnitCount = 10;
        for (int h = 1; h <= 5; ++h)
            g.HeroIsHuman[static_cast<std::size_t>(h)] = true;
        g.Day = 1;
        g.MatchRunning = true;
        g.ActiveHero = 1;
    }

    const MessageBoxRequest& LastBox() const { return shell.boxes.back(); }
};

TEST_F(TurnTest, UnspentActionsBecomeManaRoundedHalfToEvenAndCapped)
{
    Unit& mage = g.U(1);
    mage.Actions = 10;
    mage.Mana = 3;
    PassTurn(g, 1);
    EXPECT_EQ(mage.Mana, 55); // CLng(54.7)
    EXPECT_EQ(mage.Actions, 4);

    g.ActiveHero = 1;
    mage.Actions = 3;
    mage.Mana = 0;
    PassTurn(g, 1);
    EXPECT_EQ(mage.Mana, 16); // 15.51 rounds up, not down

    g.ActiveHero = 1;
    mage.Actions = 1;
    mage.Mana = 0;
    PassTurn(g, 1);
    EXPECT_EQ(mage.Mana, 5); // 5.17

    g.ActiveHero = 1;
    mage.Actions = 4;
    mage.Mana = 190;
    PassTurn(g, 1);
    EXPECT_EQ(mage.Mana, 200); // capped at ManaMax
}

TEST_F(TurnTest, OnlyTheEndingSideGetsItsActionsBack)
{
    g.U(7).Actions = 0; // hero 1's skeleton
    g.U(8).Actions = 1; // hero 2's bat
    g.U(6).Actions = 0; // neutral demon
    g.U(2).Mana = 10;
    PassTurn(g, 1);
    EXPECT_EQ(g.U(7).Actions, 6);
    EXPECT_EQ(g.U(8).Actions, 1);
    EXPECT_EQ(g.U(6).Actions, 0);
    EXPECT_EQ(g.U(2).Mana, 10);
    EXPECT_EQ(g.ActiveHero, 2);
}

TEST_F(TurnTest, RemainsRotAtTheirOwnersTurnsThenAtTheNeutralSidesAndVanish)
{
    Unit& skeleton = g.U(7); // hero 1's
    skeleton.Hp = 0;
    skeleton.Kind = kKindRemains;

    const int expectedHp[] = {-1, -2, -3, -4};
    for (int turn = 0; turn < 4; ++turn) {
        g.ActiveHero = 1;
        AdvanceTurn(g);
        EXPECT_EQ(skeleton.Hp, expectedHp[turn]);
        EXPECT_TRUE(skeleton.OnField);
    }
    EXPECT_EQ(skeleton.Owner, 0); // -4: bones belong to nobody

    g.ActiveHero = 1;
    AdvanceTurn(g); // no longer hero 1's
    EXPECT_EQ(skeleton.Hp, -4);

    for (int hp = -5; hp >= -8; --hp) {
        g.ActiveHero = 0;
        AdvanceTurn(g);
        EXPECT_EQ(skeleton.Hp, hp);
        EXPECT_EQ(skeleton.OnField, hp >= -7) << hp;
    }
}

TEST_F(TurnTest, EmptySlotsArePassedOverButTheirUnitsStillKeepTime)
{
    g.U(2).OnField = false;
    g.U(3).OnField = false;
    Unit& orphan = g.U(8); // hero 2's bat, dead
    orphan.Hp = -3;
    orphan.Actions = 0;
    g.HeroIsHuman[3] = false;

    PassTurn(g, 1);

    EXPECT_EQ(g.ActiveHero, 4);
    EXPECT_EQ(orphan.Hp, -4);
    EXPECT_EQ(orphan.Owner, 0);
    EXPECT_EQ(orphan.Actions, 8);
    EXPECT_EQ(g.LoopJ, 1);
    // The computer slot 3 was passed over but still set the computer going;
    // its ticks do nothing during a person's turn.
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().text, "Ходит Маг Джэк");
}

TEST_F(TurnTest, TheFirstTurnGoesToTheLowestPlayingSlotOnDayOne)
{
    g.ActiveHero = 0;
    g.U(1).OnField = false;
    g.U(0).UnitType = 4; // a preview left by the casting dialog
    g.U(0).Name = "x";

    PassTurn(g, 0);

    EXPECT_EQ(shell.selectionCloses, 1);
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_EQ(g.Day, 1);
    EXPECT_EQ(g.U(0).UnitType, 0);
    EXPECT_EQ(g.U(0).Name, "");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().title, "День 1");
    EXPECT_EQ(LastBox().text, "Ходит Лучница Арвен");
    EXPECT_EQ(LastBox().buttons, BoxButtons::Ok);
    EXPECT_EQ(LastBox().icon, BoxIcon::None);

    PassTurn(g, 1);
    EXPECT_EQ(shell.selectionCloses, 1);
}

TEST_F(TurnTest, TheNeutralSideMovesOnTheNextDay)
{
    g.ActiveHero = 5;
    g.U(0).UnitType = 3;
    g.U(0).Name = "x";
    g.Selected = 5;
    g.ShpSel.Visible = true;

    PassTurn(g, 1);

    EXPECT_EQ(g.ActiveHero, 0);
    EXPECT_EQ(g.Day, 2);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().title, "День 2");
    EXPECT_EQ(LastBox().text, "Ходят нейтральные юниты ");
    EXPECT_EQ(g.Selected, 0);
    EXPECT_FALSE(g.ShpSel.Visible);
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));

    PassTurn(g, 1);
    EXPECT_EQ(g.ActiveHero, 1);
    EXPECT_EQ(g.Day, 2);
    EXPECT_EQ(LastBox().title, "День 2");
    EXPECT_EQ(LastBox().text, "Ходит Маг Гэндальф");
}

TEST_F(TurnTest, ComputerSidesStartTheComputerPlayerFromTheFirstUnit)
{
    g.HeroIsHuman[2] = false;
    g.AiCursor = 9;
    rnd.Push(0.0f);
    PassTurn(g, 1);
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_EQ(g.AiCursor, 0);

    g.timers.SetEnabled(TimerId::TmrEnemy, false);
    g.AiCursor = 9;
    PassTurn(g, 1); // to hero 3, a person
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_EQ(g.AiCursor, 9);
}

TEST_F(TurnTest, OnlyComputerHeroesSpeakAndOnlyOnADrawOfTwo)
{
    g.HeroIsHuman[2] = false;
    g.HeroIsHuman[3] = false;
    rnd.Push({0.5f, 0.49f});

    PassTurn(g, 1); // to computer hero 2: r = Int(0.5 * 2 + 1) = 2
    EXPECT_EQ(shell.speeches, 1);
    PassTurn(g, 1); // to computer hero 3: r = 1
    EXPECT_EQ(shell.speeches, 1);

    PassTurn(g, 1); // to person 4: no draw at all
    PassTurn(g, 1); // person 5
    PassTurn(g, 1); // neutral side: no draw either
    EXPECT_EQ(g.ActiveHero, 0);
    EXPECT_EQ(shell.speeches, 1);
}

TEST_F(TurnTest, TheLastHeroOnTheFieldWinsWhenItsTurnEnds)
{
    for (int h = 2; h <= 5; ++h)
        g.U(h).OnField = false;
    g.Day = 7;
    g.Selected = 7;
    for (TimerId t : {TimerId::Tmr, TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4})
        g.timers.SetEnabled(t, true);
    g.ShpAt.Visible = g.ShpSel.Visible = g.LblUdar.Visible = g.LblXP.Visible = true;

    PassTurn(g, 1);

    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().title, "День 7");
    EXPECT_EQ(LastBox().text, "В битве победил Маг Гэндальф");
    for (TimerId t : {TimerId::Tmr, TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4})
        EXPECT_FALSE(g.timers.Enabled(t));
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_FALSE(g.ShpAt.Visible || g.ShpSel.Visible || g.LblUdar.Visible || g.LblXP.Visible);
    EXPECT_EQ(g.ActiveHero, 0);
    EXPECT_EQ(g.Selected, 0);
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_EQ(g.Day, 7);

    // The match is over: a further pass announces nothing.
    PassTurn(g, 1);
    EXPECT_EQ(shell.boxes.size(), 1u);
}

TEST_F(TurnTest, AHeroineWinsInTheFeminine)
{
    for (int h : {1, 3, 4, 5})
        g.U(h).OnField = false;
    g.ActiveHero = 2;
    PassTurn(g, 1);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().text, "В битве победила Лучница Арвен");
    EXPECT_FALSE(g.MatchRunning);
}

TEST_F(TurnTest, TheLastHeroAliveWinsAtOnceWhoeverTurnEnds)
{
    for (int h = 3; h <= 5; ++h)
        g.U(h).OnField = false;
    Unit& rival = g.U(2);
    rival.Hp = 0; // fallen this turn: its corpse still lies on the field
    rival.Kind = kKindRemains;

    // The fallen rival's own side ends its turn: the survivor is crowned, by
    // its own name and gender, on the day of the win.
    g.ActiveHero = 2;
    g.Day = 3;
    g.U(1).IsMale = false;
    PassTurn(g, 1);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().title, "День 3");
    EXPECT_EQ(LastBox().text, "В битве победила Маг Гэндальф");
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_EQ(g.ActiveHero, 0);
    EXPECT_EQ(g.LoopJ, 1);

    // The neutral side's turn end decides too.
    ScriptedMatch other;
    Game& n = other.g;
    other.Place(1, 2, 1, 1, 1, "Гэндальф");
    other.Place(2, 6, 2, 2, 1, "Арвен").Hp = -5;
    n.MatchRunning = true;
    n.ActiveHero = 0;
    n.Day = 9;
    PassTurn(n, 1);
    ASSERT_EQ(other.shell.boxes.size(), 1u);
    EXPECT_EQ(other.shell.boxes[0].title, "День 9");
    EXPECT_EQ(other.shell.boxes[0].text, "В битве победил Маг Гэндальф");
    EXPECT_FALSE(n.MatchRunning);
}

TEST_F(TurnTest, AFallenHeroIsNeverCrownedAndTwoLivingHeroesPlayOn)
{
    // Two alive, three lying dead: the match goes on between the two.
    for (int h = 3; h <= 5; ++h) {
        g.U(h).Hp = -1;
        g.U(h).Kind = kKindRemains;
    }
    PassTurn(g, 1);
    EXPECT_TRUE(g.MatchRunning);
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_EQ(LastBox().text, "Ходит Лучница Арвен");

    // The last living one falls too: nobody is named but the neutral side,
    // even though the necromancer's remains outlast everyone's.
    g.U(1).Hp = 0;
    g.U(2).Hp = 0;
    g.U(5).Hp = -1;
    g.U(0).IsMale = true;
    PassTurn(g, 1);
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_EQ(LastBox().text, "В битве победил нейтральные юниты ");
    EXPECT_EQ(g.LoopJ, 0);
}

TEST_F(TurnTest, AFallenHerosSideIsPassedOverWhileItsCorpseLiesThereButItsUnitsKeepTime)
{
    // Арвен (2) lies dead on the field; her bat (8) lives on. She is played
    // by the computer, so she would have spoken.
    Unit& arwen = g.U(2);
    arwen.Hp = 0;
    arwen.Kind = kKindRemains;
    arwen.Actions = 0;
    g.HeroIsHuman[2] = false;
    Unit& bat = g.U(8);
    bat.Actions = 0;

    PassTurn(g, 1);
    EXPECT_EQ(g.ActiveHero, 3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().text, "Ходит Некромант Мракодей");
    EXPECT_EQ(shell.speeches, 0);
    EXPECT_EQ(rnd.Drawn(), 0u); // nobody drew for her speech
    // Her side ended a turn it never played: her corpse rotted a step, her
    // bat has its points back, and her mana grew as for a turn unplayed.
    EXPECT_EQ(arwen.Hp, -1);
    EXPECT_EQ(bat.Actions, bat.ActionsMax);
    EXPECT_TRUE(arwen.OnField);

    // Round the days, she never has the turn again while she lies there.
    for (int turn = 0; turn < 20; ++turn) {
        PassTurn(g, 1);
        EXPECT_NE(g.ActiveHero, 2) << turn;
    }
    EXPECT_TRUE(g.MatchRunning);
    EXPECT_LE(arwen.Hp, -4);
    EXPECT_EQ(arwen.Owner, 0); // her bones went to the neutral side
}

TEST_F(TurnTest, AHeroRaisedFromItsCorpseHasItsTurnsBack)
{
    g.U(2).Hp = 0;
    g.U(2).Kind = kKindRemains;
    PassTurn(g, 1);
    EXPECT_EQ(g.ActiveHero, 3);
    // A necromancer's song stands her up again under her own banner.
    g.U(2).Hp = 5;
    g.U(2).Kind = kKindHero;
    for (int h = 3; h <= 5; ++h)
        g.U(h).OnField = false;
    PassTurn(g, 1); // 3 -> the neutral side
    PassTurn(g, 1); // -> 1
    PassTurn(g, 1);
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_EQ(LastBox().text, "Ходит Лучница Арвен");
}

TEST_F(TurnTest, AHeroThatGivesUpLeavesTheFieldAndItsSideIsPassedOver)
{
    Unit& gandalf = g.U(1);
    const int skeleton = 7; // his
    ASSERT_EQ(CheckOrder(g, {OrderKind::Concede, 2}), Refusal::NotTheirTurn);
    g.timers.SetEnabled(TimerId::Tmr1, true);
    EXPECT_EQ(GiveOrder(g, {OrderKind::Concede, 1}), Refusal::Busy);
    EXPECT_TRUE(gandalf.OnField);
    g.timers.SetEnabled(TimerId::Tmr1, false);

    canvas.Reset();
    ASSERT_EQ(GiveOrder(g, {OrderKind::Concede, 1}), Refusal::None);
    EXPECT_FALSE(gandalf.OnField);
    EXPECT_GE(gandalf.Hp, 1);
    // The field is drawn afresh without him: nothing is left where he stood.
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls[0].kind, RecordingCanvas::Call::Clear);
    for (const RecordingCanvas::Call& c : canvas.Pictures())
        EXPECT_FALSE(c.x == gandalf.PosX - g.ViewX && c.y == gandalf.PosY - g.ViewY);
    EXPECT_FALSE(canvas.Pictures().empty());
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_EQ(LastBox().text, "Ходит Лучница Арвен");
    // His skeleton stays, his, and keeps time with the turns he no longer plays.
    g.U(skeleton).Actions = 0;
    for (int turn = 0; turn < 5; ++turn)
        PassTurn(g, 1);
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_TRUE(g.U(skeleton).OnField);
    EXPECT_EQ(g.U(skeleton).Owner, 1);
    EXPECT_EQ(g.U(skeleton).Actions, g.U(skeleton).ActionsMax);
}

TEST_F(TurnTest, AHerosBonesRaisedByARivalDoNotBringTheHeroBack)
{
    for (int h = 3; h <= 5; ++h)
        g.U(h).OnField = false;
    // Hero 2's bones stood up as hero 1's skeleton in record 2.
    Place(2, kSkeleton, 1, 2, 2);
    g.U(2).Kind = kKindHero;
    PassTurn(g, 1);
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_EQ(LastBox().text, "В битве победил Маг Гэндальф");
}

TEST_F(TurnTest, NothingActsAfterAVictory)
{
    // The person fought this turn: the exchange's end left the computer
    // player's timer on, and the next side would be the neutral one.
    for (int h = 2; h <= 5; ++h)
        g.U(h).OnField = false;
    g.timers.SetEnabled(TimerId::TmrEnemy, true);
    PassTurn(g, 1);
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));

    // Even when something switches it on again, a finished match stays still.
    const Unit before = g.U(6);
    g.timers.SetEnabled(TimerId::TmrEnemy, true);
    ComputerTick(g);
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_EQ(g.Selected, 0);
    EXPECT_EQ(g.U(6).PosX, before.PosX);
    EXPECT_EQ(g.U(6).Actions, before.Actions);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_EQ(shell.boxes.size(), 1u);
}

// The person's hero fells the last rival: the match is won as soon as the
// blow has played out, in the person's own turn, and no click after it can
// lose it.
TEST_F(TurnTest, TheBlowThatFellsTheLastRivalWinsTheMatchThereAndThen)
{
    for (int h = 3; h <= 5; ++h)
        g.U(h).OnField = false;
    BindTimers(g);
    for (int i : {1, 2}) {
        Unit& u = g.U(i);
        u.Protection = {};
        u.Immunity = {};
        u.Grace = {};
        u.Weakness = {};
        u.HitChance = 50;
        u.AttackRange = 1;
        u.Strength = 10;
        u.AnimDelay = 1000; // the idle animation draws no numbers meanwhile
    }
    g.U(1).Speed = 60;
    g.U(2).Speed = 50;
    g.U(2).Hp = 5;
    g.Day = 3;
    rnd.Push({0.0f, 0.0f}); // Gandalf's blow hits for 10
    g.timers.SetEnabled(TimerId::Tmr, true);
    g.Selected = 1;
    g.Target = 2;
    g.ReturnBlowDue = true;
    StartBlow(g);
    for (int tick = 0; tick < 400 && g.MatchRunning; ++tick)
        g.timers.Tick();
    ASSERT_LT(g.U(2).Hp, 1);
    EXPECT_FALSE(g.MatchRunning);
    ASSERT_FALSE(shell.boxes.empty());
    EXPECT_EQ(LastBox().title, "День 3");
    EXPECT_EQ(LastBox().text, "В битве победил Маг Гэндальф");
    // Won in the turn of the blow: no other side was announced.
    for (const MessageBoxRequest& box : shell.boxes)
        EXPECT_EQ(box.text.rfind("Ход", 0), std::string::npos) << box.text;

    // A decided match that comes back (an older save) ends on its first tick.
    ScriptedMatch saved;
    Game& s = saved.g;
    BindTimers(s);
    saved.Place(1, 2, 1, 1, 1, "Гэндальф").AnimDelay = 1000;
    saved.Place(2, 6, 2, 2, 1, "Арвен").Hp = 0;
    s.HeroIsHuman[1] = true;
    s.MatchRunning = true;
    s.ActiveHero = 1;
    // Not while something is still under way.
    s.InputMode = kModeResult;
    s.timers.SetEnabled(TimerId::Tmr, true);
    s.timers.Tick();
    EXPECT_TRUE(s.MatchRunning);
    s.InputMode = kModeOrders;
    s.timers.Tick();
    EXPECT_FALSE(s.MatchRunning);
    EXPECT_EQ(saved.shell.boxes.back().text, "В битве победил Маг Гэндальф");
}

// «Сдаться» after the last rival has fallen, before any tick judged the
// match: the victory is the person's, not the neutral side's, and nobody is
// asked whether to give up.
TEST_F(TurnTest, GivingUpAfterFellingTheLastRivalStillWins)
{
    for (int h = 3; h <= 5; ++h)
        g.U(h).OnField = false;
    g.U(2).Hp = 0;
    g.U(2).Kind = kKindRemains;
    EXPECT_EQ(ToolbarCommand(g, "Сдаться"), ToolbarAction::None);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(LastBox().buttons, BoxButtons::Ok);
    EXPECT_EQ(LastBox().text, "В битве победил Маг Гэндальф");
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_TRUE(g.U(1).OnField);

    // Through the order door alike.
    ScriptedMatch other;
    Game& n = other.g;
    other.Place(1, 2, 1, 1, 1, "Гэндальф");
    other.Place(2, 6, 2, 2, 1, "Арвен").Hp = -1;
    n.HeroIsHuman[1] = true;
    n.MatchRunning = true;
    n.ActiveHero = 1;
    ASSERT_EQ(GiveOrder(n, {OrderKind::Concede, 1}), Refusal::None);
    EXPECT_FALSE(n.MatchRunning);
    EXPECT_EQ(other.shell.boxes.back().text, "В битве победил Маг Гэндальф");
    EXPECT_TRUE(n.U(1).OnField);
}

TEST_F(TurnTest, TheNeutralSideWinsWhenNoHeroIsLeft)
{
    // The ending comes from the scratch record, which no hero ever fills.
    for (bool male : {true, false}) {
        ScriptedMatch fresh;
        Game& n = fresh.g;
        n.MatchRunning = true;
        n.Day = 4;
        n.U(0).IsMale = male;
        PassTurn(n, 1);
        ASSERT_EQ(fresh.shell.boxes.size(), 1u);
        EXPECT_EQ(fresh.shell.boxes[0].title, "День 4");
        EXPECT_EQ(fresh.shell.boxes[0].text,
                  male ? "В битве победил нейтральные юниты " : "В битве победила нейтральные юниты ");
        EXPECT_FALSE(n.MatchRunning);
        EXPECT_EQ(n.ActiveHero, 0);
    }
}

} // namespace
} // namespace gh
