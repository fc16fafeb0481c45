// The toolbar's commands and the question asked before the program ends.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "battlefield/Toolbar.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

using testing::ScriptedMatch;

const char* const kNoMatchText =
    "Предлагаю Вам для начала начать новую игру. (Клик по кнопке \"Главное меню\") ...";

// Sides 1 (a person) and 2 (the computer), side 1 to move, nothing running.
struct ToolbarMatch : ScriptedMatch {
    ToolbarMatch()
    {
        Place(1, kMage, 1, 2, 2, "Эльза");
        Place(2, kNecromancer, 2, 6, 2, "Морг");
        g.U(1).OnField = true;
        g.U(2).OnField = true;
        g.HeroIsHuman[1] = true;
        g.HeroIsHuman[2] = false;
        g.ActiveHero = 1;
        g.Day = 1;
        g.MatchRunning = true;
    }
};

TEST(ToolbarCommand, WithoutAMatchCastingAndEndingTheTurnAreNotUnderstood)
{
    for (const char* caption : {"Магия", "Закончить ход"}) {
        ScriptedMatch m;
        EXPECT_EQ(ToolbarCommand(m.g, caption), ToolbarAction::None) << caption;
        ASSERT_EQ(m.shell.boxes.size(), 1u) << caption;
        const MessageBoxRequest& box = m.shell.boxes[0];
        EXPECT_EQ(box.title, "Не понимаю");
        EXPECT_EQ(box.text, kNoMatchText);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
        EXPECT_EQ(box.icon, BoxIcon::None);
        EXPECT_EQ(m.g.ActiveHero, 0);
        EXPECT_EQ(m.g.Day, 0);
    }
}

TEST(ToolbarCommand, MenuAndSettingsOpenWithOrWithoutAMatch)
{
    ScriptedMatch none;
    EXPECT_EQ(ToolbarCommand(none.g, "Главное меню"), ToolbarAction::OpenMenu);
    EXPECT_EQ(ToolbarCommand(none.g, "Настройки"), ToolbarAction::OpenSettings);
    ToolbarMatch running;
    EXPECT_EQ(ToolbarCommand(running.g, "Главное меню"), ToolbarAction::OpenMenu);
    EXPECT_EQ(ToolbarCommand(running.g, "Настройки"), ToolbarAction::OpenSettings);
    EXPECT_TRUE(none.shell.boxes.empty());
    EXPECT_TRUE(running.shell.boxes.empty());
}

TEST(ToolbarCommand, ButtonsWithoutACommandChangeNothing)
{
    ToolbarMatch m;
    const Unit before = m.g.U(1);
    for (const char* caption : {"Дипломатия", "", "магия"})
        EXPECT_EQ(ToolbarCommand(m.g, caption), ToolbarAction::None) << caption;
    EXPECT_TRUE(m.shell.boxes.empty());
    EXPECT_EQ(m.g.ActiveHero, 1);
    EXPECT_EQ(m.g.U(1).Mana, before.Mana);
    EXPECT_EQ(m.rnd.Drawn(), 0u);
}

TEST(ToolbarCommand, CastingWithALivingHeroOpensTheCastingDialog)
{
    ToolbarMatch m;
    EXPECT_EQ(ToolbarCommand(m.g, "Магия"), ToolbarAction::OpenCast);
    EXPECT_TRUE(m.shell.boxes.empty());
}

TEST(ToolbarCommand, ADeadHeroIsTooDeadToCast)
{
    ToolbarMatch m;
    for (int hp : {0, -5}) {
        m.shell.boxes.clear();
        m.g.U(1).Hp = hp;
        EXPECT_EQ(ToolbarCommand(m.g, "Магия"), ToolbarAction::None);
        ASSERT_EQ(m.shell.boxes.size(), 1u);
        EXPECT_EQ(m.shell.boxes[0].title, "Не выйдет");
        EXPECT_EQ(m.shell.boxes[0].text, "Маг Эльза, к сожалению, слшком мертв, чтобы творить заклинания...");
        EXPECT_EQ(m.shell.boxes[0].buttons, BoxButtons::Ok);
    }
}

TEST(ToolbarCommand, EndingTheTurnPassesItToTheNextSide)
{
    ToolbarMatch m;
    EXPECT_EQ(ToolbarCommand(m.g, "Закончить ход"), ToolbarAction::None);
    EXPECT_EQ(m.g.ActiveHero, 2);
    ASSERT_FALSE(m.shell.boxes.empty());
    EXPECT_EQ(m.shell.boxes[0].title, "День 1");
    EXPECT_EQ(m.shell.boxes[0].text, "Ходит Некромант Морг");
    // The computer side takes over.
    EXPECT_TRUE(m.g.timers.Enabled(TimerId::TmrEnemy));
}

TEST(ToolbarCommand, NothingHappensWhileTheSideIsNotWaitingForOrders)
{
    // The computer's turn, a walk, a blow, an effect, a pending cast: the
    // engine is in the middle of something, so the commands are ignored.
    auto busy = [](ToolbarMatch& m, int which) {
        switch (which) {
        case 0: m.g.ActiveHero = 2; break;
        case 1: m.g.timers.SetEnabled(TimerId::Tmr1, true); break;
        case 2: m.g.timers.SetEnabled(TimerId::Tmr3, true); break;
        case 3: m.g.timers.SetEnabled(TimerId::Tmr2, true); break;
        case 4: m.g.InputMode = kModeWalk; break;
        case 5: // a spell whose pictures already play is under way
            m.g.InputMode = kModeSpell;
            m.g.timers.SetEnabled(TimerId::Tmr2, true);
            break;
        }
    };
    for (int which = 0; which < 6; ++which) {
        ToolbarMatch m;
        busy(m, which);
        const int side = m.g.ActiveHero;
        EXPECT_EQ(ToolbarCommand(m.g, "Закончить ход"), ToolbarAction::None) << which;
        EXPECT_EQ(ToolbarCommand(m.g, "Магия"), ToolbarAction::None) << which;
        EXPECT_EQ(m.g.ActiveHero, side) << which;
        EXPECT_TRUE(m.shell.boxes.empty()) << which;
        // The menu stays reachable whatever runs.
        EXPECT_EQ(ToolbarCommand(m.g, "Главное меню"), ToolbarAction::OpenMenu) << which;
    }
}

TEST(ToolbarCommand, APendingSummonOrSpellIsCalledOffFirstThenTheCommandRuns)
{
    for (int mode : {kModeSummon, kModeSpell}) {
        SCOPED_TRACE(mode);
        ToolbarMatch m;
        m.g.Spellbook[1][2] = 4;
        m.g.ChosenSlot = 2;
        m.g.CastMana = 10;
        const int mana = m.g.U(1).Mana;

        m.g.InputMode = mode;
        EXPECT_EQ(ToolbarCommand(m.g, "Магия"), ToolbarAction::OpenCast);
        EXPECT_EQ(m.g.InputMode, kModeOrders);

        m.g.InputMode = mode;
        EXPECT_EQ(ToolbarCommand(m.g, "Закончить ход"), ToolbarAction::None);
        EXPECT_EQ(m.g.ActiveHero, 2);
        ASSERT_EQ(m.shell.boxes.size(), 1u);
        EXPECT_EQ(m.shell.boxes[0].text, "Ходит Некромант Морг");
        // Nothing was charged for the cast that never happened.
        EXPECT_EQ(m.g.U(1).Mana, mana);
        EXPECT_EQ(m.g.Spellbook[1][2], 4);
    }
}

TEST(ToolbarCommand, HelpOpensWithOrWithoutAMatch)
{
    ScriptedMatch none;
    EXPECT_EQ(ToolbarCommand(none.g, "Помощь"), ToolbarAction::OpenHelp);
    ToolbarMatch running;
    running.g.ActiveHero = 2; // even on the computer's turn
    EXPECT_EQ(ToolbarCommand(running.g, "Помощь"), ToolbarAction::OpenHelp);
    EXPECT_TRUE(none.shell.boxes.empty());
    EXPECT_TRUE(running.shell.boxes.empty());
}

TEST(ToolbarCommand, GivingUpAsksFirstAndOnYesTheHeroLeavesTheMatch)
{
    ToolbarMatch m;
    m.shell.answers = {BoxAnswer::No, BoxAnswer::Yes};
    EXPECT_EQ(ToolbarCommand(m.g, "Сдаться"), ToolbarAction::None);
    ASSERT_EQ(m.shell.boxes.size(), 1u);
    const MessageBoxRequest& asked = m.shell.boxes[0];
    EXPECT_EQ(asked.text, "Признать себя побежденным?");
    EXPECT_EQ(asked.buttons, BoxButtons::YesNo);
    EXPECT_EQ(asked.icon, BoxIcon::Question);
    EXPECT_TRUE(asked.defaultNo);
    // No: nothing changed.
    EXPECT_TRUE(m.g.U(1).OnField);
    EXPECT_EQ(m.g.ActiveHero, 1);
    EXPECT_TRUE(m.g.MatchRunning);

    // Yes: Эльза leaves, and Морг is the last hero on the field.
    EXPECT_EQ(ToolbarCommand(m.g, "Сдаться"), ToolbarAction::None);
    EXPECT_FALSE(m.g.U(1).OnField);
    EXPECT_FALSE(m.g.MatchRunning);
    ASSERT_EQ(m.shell.boxes.size(), 3u);
    EXPECT_EQ(m.shell.boxes[2].text, "В битве победил Некромант Морг");
}

TEST(ToolbarCommand, GivingUpIsNotAskedOutsideThePersonsOwnQuietTurn)
{
    ScriptedMatch none;
    ToolbarCommand(none.g, "Сдаться");
    ASSERT_EQ(none.shell.boxes.size(), 1u);
    EXPECT_EQ(none.shell.boxes[0].title, "Не понимаю");

    ToolbarMatch computers;
    computers.g.ActiveHero = 2;
    ToolbarMatch walking;
    walking.g.timers.SetEnabled(TimerId::Tmr1, true);
    for (ToolbarMatch* m : {&computers, &walking}) {
        ToolbarCommand(m->g, "Сдаться");
        EXPECT_TRUE(m->shell.boxes.empty());
        EXPECT_TRUE(m->g.U(1).OnField);
        EXPECT_TRUE(m->g.MatchRunning);
    }

    // A summon waiting for its cell is called off first, then the question comes.
    ToolbarMatch pending;
    pending.g.InputMode = kModeSummon;
    pending.shell.answers = {BoxAnswer::No};
    ToolbarCommand(pending.g, "Сдаться");
    EXPECT_EQ(pending.g.InputMode, kModeOrders);
    EXPECT_EQ(pending.shell.boxes.size(), 1u);
}

TEST(ConfirmExit, AsksWithNoAsTheDefaultAndFollowsTheAnswer)
{
    ScriptedMatch m;
    m.shell.answers = {BoxAnswer::No, BoxAnswer::Yes};
    EXPECT_FALSE(ConfirmExit(m.g));
    EXPECT_TRUE(ConfirmExit(m.g));
    ASSERT_EQ(m.shell.boxes.size(), 2u);
    for (const MessageBoxRequest& box : m.shell.boxes) {
        EXPECT_EQ(box.title, "Grimhollow");
        EXPECT_EQ(box.text, "Выйти в систему?");
        EXPECT_EQ(box.buttons, BoxButtons::YesNo);
        EXPECT_EQ(box.icon, BoxIcon::Question);
        EXPECT_TRUE(box.defaultNo);
    }
    // Asking ends nothing by itself: the caller does.
    EXPECT_EQ(m.shell.quits, 0);
}

} // namespace
} // namespace gh
