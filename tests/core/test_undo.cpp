// «Отменить»: a person's walk taken back, the match and its journal exactly
// as before it, and every case that closes it.
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "engine/Placement.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "save/Undo.h"
#include "tests/core/SampleSaves.h"
#include "world/Units.h"

namespace gh {
namespace {

using namespace gh::save;

// The first-turn sample, a person's hero 1 to move, with a journal and its
// undo, as the program keeps them.
struct UndoMatch {
    UndoMatch()
    {
        LoadResult r =
            ReadSave(testing::SampleSaveText(testing::SampleOfVersion(testing::kFirstTurnSample, 2)));
        EXPECT_TRUE(r) << r.error;
        BindTimers(g);
        AdoptMatch(g, *r.game);
    }
    void Begin() { rec.Begin(g, "test", "undo"); }
    void Ticks(int n)
    {
        for (int i = 0; i < n && g.MatchRunning; ++i)
            g.timers.Tick();
    }
    void UntilAtRest()
    {
        for (int i = 0; i < 5000 && !FieldTakesOrders(g); ++i)
            g.timers.Tick();
    }
    // A free cell next to hero 1 (not `besides`) that it can walk to.
    Order WalkBeside(float notX = -1, float notY = -1) const
    {
        const Unit& h = g.U(1);
        for (float dx : {720.0f, -720.0f})
            for (float dy : {0.0f, 720.0f, -720.0f}) {
                Order o{OrderKind::Walk, 1, h.PosX + dx, h.PosY + dy};
                if ((o.x != notX || o.y != notY) && CheckOrder(g, o) == Refusal::None &&
                    InWalkArea(o.x, o.y) && OccupantAt(g, o.x, o.y) == 0)
                    return o;
            }
        return {OrderKind::Walk, 1, h.PosX, h.PosY + 720};
    }
    // Walks hero 1 beside itself and waits until the field rests again.
    void Walk()
    {
        ASSERT_EQ(GiveOrder(g, WalkBeside()), Refusal::None);
        UntilAtRest();
        ASSERT_TRUE(FieldTakesOrders(g));
    }

    Game g;
    Recorder rec;
    WalkUndo undo{rec};
};

TEST(Undo, AWalkTakenBackLeavesTheMatchAndTheJournalAsBeforeIt)
{
    UndoMatch m;
    m.Begin();
    EXPECT_EQ(m.undo.Why(), UndoBar::NothingWalked);
    m.Ticks(5);
    GiveOrder(m.g, {OrderKind::Select, 1, m.g.U(1).PosX, m.g.U(1).PosY});
    m.Ticks(3);
    m.g.Target = 2; // the pointer rests on hero 2 as the walk is given
    m.rec.Sync();
    const auto before = std::make_unique<Game>(m.g);
    const std::vector<RecordLine> journalBefore = m.rec.Journal().lines;

    m.Walk();
    EXPECT_NE(m.g.U(1).PosX + m.g.U(1).PosY, before->U(1).PosX + before->U(1).PosY);
    // Time passes at rest: the idle animation draws, which keeps undo open.
    const std::size_t drawnAfterWalk = m.g.Generator.Drawn();
    m.Ticks(200);
    ASSERT_GT(m.g.Generator.Drawn(), drawnAfterWalk);
    m.g.ViewX = 1440; // and the view moves
    m.Ticks(2);
    ASSERT_GT(m.rec.Journal().lines.size(), journalBefore.size());
    ASSERT_EQ(m.undo.Why(), UndoBar::None);

    ASSERT_TRUE(m.undo.Undo());
    EXPECT_TRUE(m.g.Match() == before->Match()); // the generator and the clock included
    EXPECT_EQ(m.g.timers.Ticks(), before->timers.Ticks());
    EXPECT_EQ(m.rec.Journal().lines, journalBefore);
    EXPECT_EQ(m.undo.Why(), UndoBar::NothingWalked);
    EXPECT_FALSE(m.undo.Undo());
    EXPECT_TRUE(m.g.Match() == before->Match());

    // The match goes on from there; its record replays exactly, as if the
    // walk had never been given.
    m.Walk();
    GiveOrder(m.g, {OrderKind::EndTurn});
    m.Ticks(600);
    const Record r = m.rec.Closed();
    RecordReadResult read = ReadRecord(WriteRecord(r), true);
    ASSERT_TRUE(read) << read.error;
    Replayer replay(read.record, *read.start);
    ASSERT_TRUE(replay.PlayToEnd()) << replay.Error();
    EXPECT_TRUE(replay.Match().Match() == m.g.Match());
}

TEST(Undo, WalksComeBackOneAtATimeAndARefusedOneKeepsNothing)
{
    UndoMatch m;
    m.Begin();
    const auto start = std::make_unique<Game>(m.g);
    m.Walk();
    m.Ticks(20);
    const auto between = std::make_unique<Game>(m.g);
    const std::size_t linesBetween = m.rec.Journal().lines.size();
    m.Walk();
    EXPECT_EQ(m.undo.Kept(), 2u);
    // Another side's unit will not walk: nothing is kept for it.
    GiveOrder(m.g, {OrderKind::Walk, 2, m.g.U(2).PosX + 720, m.g.U(2).PosY});
    EXPECT_EQ(m.undo.Kept(), 2u);
    // A selection leaves undo open.
    GiveOrder(m.g, {OrderKind::Select, 1, m.g.U(1).PosX, m.g.U(1).PosY});

    ASSERT_TRUE(m.undo.Undo());
    EXPECT_TRUE(m.g.Match() == between->Match());
    EXPECT_EQ(m.rec.Journal().lines.size(), linesBetween);
    ASSERT_TRUE(m.undo.Undo());
    EXPECT_TRUE(m.g.Match() == start->Match());
    EXPECT_TRUE(m.rec.Journal().lines.empty());
    EXPECT_EQ(m.undo.Undone(), 2u);
}

TEST(Undo, IsClosedWithoutAMatchOnAnotherSidesTurnAndWhileTheWalkIsUnderWay)
{
    UndoMatch m;
    EXPECT_EQ(m.undo.Why(), UndoBar::NoMatch); // no journal yet
    m.Begin();
    ASSERT_EQ(GiveOrder(m.g, m.WalkBeside()), Refusal::None);
    EXPECT_EQ(m.undo.Why(), UndoBar::Busy);
    EXPECT_FALSE(m.undo.Undo());
    m.UntilAtRest();
    EXPECT_EQ(m.undo.Why(), UndoBar::None);
    m.g.HeroIsHuman[1] = false;
    EXPECT_EQ(m.undo.Why(), UndoBar::NotPersonsTurn);
    m.g.HeroIsHuman[1] = true;
    m.rec.Detach(); // the match's journal ended
    EXPECT_EQ(m.undo.Why(), UndoBar::NoMatch);
    EXPECT_EQ(m.undo.Kept(), 0u);
    EXPECT_EQ(m.g.rnd, &m.g.Generator); // the generator as it was
}

TEST(Undo, AnExchangeClosesIt)
{
    UndoMatch m;
    // Hero 2 stands two cells from hero 1, within reach.
    const Unit& h = m.g.U(1);
    m.g.U(2).PosX = h.PosX + 1440;
    m.g.U(2).PosY = h.PosY;
    m.Begin();
    ASSERT_EQ(GiveOrder(m.g, m.WalkBeside(h.PosX + 720, h.PosY)), Refusal::None);
    m.UntilAtRest();
    ASSERT_EQ(m.undo.Why(), UndoBar::None);
    const std::size_t drawn = m.g.Generator.Drawn();
    ASSERT_EQ(GiveOrder(m.g, {OrderKind::Exchange, 1, m.g.U(2).PosX, m.g.U(2).PosY}), Refusal::None);
    m.UntilAtRest();
    EXPECT_GT(m.g.Generator.Drawn(), drawn);
    EXPECT_EQ(m.undo.Why(), UndoBar::Exchanged);
    EXPECT_FALSE(m.undo.Undo());
    // A walk after it can be taken back again, but not the exchange.
    m.Walk();
    EXPECT_EQ(m.undo.Kept(), 1u);
}

TEST(Undo, ReadingTheBookForASummonOrSpellClosesIt)
{
    UndoMatch m;
    int slot = -1;
    for (int s = 0; s < kSpellSlots && slot < 0; ++s)
        if (m.g.Spellbook[1][s] != 0)
            slot = s;
    ASSERT_GE(slot, 0);
    m.g.U(1).Mana = 1000;
    m.Begin();
    m.Walk();
    ASSERT_EQ(m.undo.Why(), UndoBar::None);
    GiveOrder(m.g, {OrderKind::ReadPage, 1, 0, 0, slot});
    EXPECT_EQ(m.undo.Why(), m.g.InputMode == kModeOrders ? UndoBar::Magic : UndoBar::Busy);
    GiveOrder(m.g, {OrderKind::Cancel});
    EXPECT_EQ(m.undo.Why(), UndoBar::Magic);
    EXPECT_FALSE(m.undo.Undo());
}

TEST(Undo, TheEndOfTheTurnClosesIt)
{
    UndoMatch m;
    m.Begin();
    m.Walk();
    ASSERT_EQ(GiveOrder(m.g, {OrderKind::EndTurn}), Refusal::None);
    EXPECT_EQ(m.undo.Kept(), 0u);
    EXPECT_NE(m.undo.Why(), UndoBar::None);
    for (int i = 0; i < 20000 && !(m.g.ActiveHero == 1 && FieldTakesOrders(m.g)); ++i)
        m.g.timers.Tick();
    ASSERT_EQ(m.g.ActiveHero, 1);
    EXPECT_EQ(m.undo.Why(), UndoBar::NothingWalked);
}

TEST(Undo, ANumberDrawnOtherThanByTheIdleAnimationClosesIt)
{
    UndoMatch m;
    m.Begin();
    m.Walk();
    m.Ticks(100); // the idle animation's draws
    ASSERT_EQ(m.undo.Why(), UndoBar::None);
    // As a speech or a blow draws: outside the idle animation's timer.
    m.g.rnd->Rnd();
    EXPECT_EQ(m.undo.Why(), UndoBar::Chance);
    EXPECT_FALSE(m.undo.Undo());

    // Within a tick, but on another timer's handler (a blow's).
    m.Walk();
    ASSERT_EQ(m.undo.Why(), UndoBar::None);
    m.g.timers.SetHandler(TimerId::Tmr4, [&m] { m.g.rnd->Rnd(); });
    m.g.timers.SetEnabled(TimerId::Tmr4, true);
    m.Ticks(20);
    m.g.timers.SetEnabled(TimerId::Tmr4, false);
    EXPECT_EQ(m.undo.Why(), UndoBar::Chance);
}

TEST(Undo, ASettingTheMatchSharesChangedClosesItUntilItIsBack)
{
    UndoMatch m;
    m.Begin();
    m.Walk();
    const std::int32_t speed = m.g.AnimSpeed;
    m.g.AnimSpeed = speed == 8 ? 4 : 8;
    EXPECT_EQ(m.undo.Why(), UndoBar::Settings);
    EXPECT_FALSE(m.undo.Undo());
    m.g.AnimSpeed = speed;
    EXPECT_EQ(m.undo.Why(), UndoBar::None);
    const int pace = m.g.timers.Interval(TimerId::Tmr);
    m.g.timers.SetInterval(TimerId::Tmr, pace + 50);
    EXPECT_EQ(m.undo.Why(), UndoBar::Settings);
    m.g.timers.SetInterval(TimerId::Tmr, pace);
    m.g.HeroIsHuman[2] = !m.g.HeroIsHuman[2];
    EXPECT_EQ(m.undo.Why(), UndoBar::Settings);
}

TEST(Undo, EveryReasonHasItsOwnWords)
{
    const UndoBar all[] = {UndoBar::None,  UndoBar::NoMatch,       UndoBar::NotPersonsTurn,
                           UndoBar::Busy,  UndoBar::NothingWalked, UndoBar::Exchanged,
                           UndoBar::Magic, UndoBar::Chance,        UndoBar::Settings};
    std::set<std::string> said;
    for (UndoBar b : all) {
        const std::string text = UndoBarText(b);
        EXPECT_FALSE(text.empty());
        if (b != UndoBar::None) {
            EXPECT_EQ(text.rfind("Отменить н", 0), 0u) << text; // «нельзя» or «нечего»
        }
        said.insert(text);
    }
    EXPECT_EQ(said.size(), std::size(all));
}

} // namespace
} // namespace gh
