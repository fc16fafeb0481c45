// Random mouse, keys and toolbar presses on the real windows, interleaved with
// clock ticks, with the match's invariants checked after every event.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <QToolBar>

#include <random>
#include <sstream>
#include <string>

#include "GuiGame.h"
#include "Invariants.h"
#include "battlefield/FrmMain.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"

namespace gh {
namespace {

struct SeededSource {
    explicit SeededSource(std::uint64_t seed) : rnd(seed) {}
    ClockRandom rnd;
};

struct Fuzz : SeededSource, gui::GuiGame {
    explicit Fuzz(std::uint32_t seed) : SeededSource(seed), pick(seed)
    {
        g.rnd = &rnd;
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    int Roll(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(pick); }

    // A click where the player would make it: on whatever child (toolbar
    // button, scroll bar) covers the point, otherwise on the field.
    void ClickAt(QPoint p, Qt::MouseButton button)
    {
        QWidget* target = main->childAt(p);
        if (!target)
            target = main;
        QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(main, p));
    }

    QPoint AnyPoint()
    {
        switch (Roll(0, 3)) {
        case 0: return {Roll(0, 1279), Roll(0, 799)};
        case 1: return {Roll(0, 1279), Roll(0, 60)};     // the toolbar
        case 2: return {Roll(1230, 1279), Roll(0, 799)}; // right edge, vertical bar
        default: return {Roll(0, 1279), Roll(760, 799)}; // bottom edge, horizontal bar
        }
    }

    // A match as the player makes one: menu, "Заново", the rows ticked and
    // given to a person or the computer, "Начать".
    void StartMatch()
    {
        QTest::mouseClick(
            main->Toolbar1->widgetForAction(main->ToolbarButton(QStringLiteral("Главное меню"))),
            Qt::LeftButton);
        ASSERT_NE(forms.Menu(), nullptr);
        QTest::mouseClick(forms.Menu()->Cmd[0], Qt::LeftButton);
        gui::FlushDeletes();
        FrmSelect* sel = forms.Select();
        ASSERT_NE(sel, nullptr);
        const int heroes = Roll(2, 5);
        const int human = Roll(0, heroes - 1);
        for (int i = 0; i < FrmSelect::kSlots; ++i) {
            if (sel->Iss[i]->isChecked() != (i < heroes))
                QTest::mouseClick(sel->Iss[i], Qt::LeftButton);
            // At least one person and, unless alone, one computer.
            const bool ai = i == human ? false : (i == (human + 1) % heroes ? true : Roll(0, 1) == 1);
            if (i < heroes && sel->Ai[i]->isChecked() != ai)
                QTest::mouseClick(sel->Ai[i], Qt::LeftButton);
        }
        QTest::mouseClick(sel->CmdOK, Qt::LeftButton);
        gui::FlushDeletes();
        ASSERT_TRUE(g.MatchRunning);
    }

    // What a player may do to an open dialog: press one of its buttons, or
    // close it. The menu's "Выход" is answered No.
    void PlayWithDialogs()
    {
        if (FrmSelect* sel = forms.Select()) {
            QAbstractButton* buttons[] = {sel->Iss[Roll(0, 4)],  sel->Ai[Roll(0, 4)],  sel->CmdD[Roll(0, 4)],
                                          sel->CmdU[Roll(0, 4)], sel->Cmd[Roll(0, 4)], sel->CmdOK,
                                          sel->CmdCancel};
            const int k = Roll(0, 8);
            if (k < 7)
                QTest::mouseClick(buttons[k], Qt::LeftButton);
            else
                sel->close();
        } else if (FrmMenu* menu = forms.Menu()) {
            const int k = Roll(0, 6);
            if (k < 6)
                QTest::mouseClick(menu->Cmd[k], Qt::LeftButton);
            else
                menu->close();
        }
        gui::FlushDeletes();
    }

    void RandomEvent()
    {
        switch (Roll(0, 11)) {
        case 0:
        case 1:
        case 2: ClickAt(AnyPoint(), Qt::LeftButton); break;
        case 3: ClickAt(AnyPoint(), Qt::RightButton); break;
        case 4:
        case 5: QTest::mouseMove(main, AnyPoint()); break;
        case 6: {
            static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up, Qt::Key_Down,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A};
            QTest::keyClick(main, keys[Roll(0, 6)]);
            break;
        }
        case 7: {
            const QList<QAction*> actions = main->Toolbar1->actions();
            QAction* a = actions[Roll(0, static_cast<int>(actions.size()) - 1)];
            // The menu and the settings are opened less often than the rest.
            if (a->text() != QStringLiteral("Главное меню") || Roll(0, 3) == 0)
                QTest::mouseClick(main->Toolbar1->widgetForAction(a), Qt::LeftButton);
            break;
        }
        case 8:
            QTest::mouseClick(
                main->Toolbar1->widgetForAction(main->ToolbarButton(QStringLiteral("Закончить ход"))),
                Qt::LeftButton);
            break;
        case 9: PlayWithDialogs(); break;
        default: {
            // The clock runs on; a computer side needs many ticks.
            const int ticks = Roll(1, 60);
            for (int i = 0; i < ticks; ++i) {
                g.timers.Tick();
                main->RenderControls();
            }
            break;
        }
        }
    }

    // Empty when all is well. The simulator's checker looks at everything a
    // match must keep. While the selection dialog is open, though, records
    // 1..5 are its live heroes: heroes that sit the match out stand on the
    // field at their old places (sharing a cell, perhaps) until the dialog
    // starts a match or gives the old heroes back. Then only what must hold
    // whatever the records are is checked.
    std::string Check()
    {
        std::ostringstream out;
        if (forms.Select() == nullptr) {
            out << sim::CheckInvariants(g);
        } else {
            out << sim::CheckIndices(g) << sim::CheckStatistics(g);
        }
        if (g.ViewX != static_cast<float>(g.HorBar.Value) || g.HorBar.Value != main->HorBar->value())
            out << "ViewX " << g.ViewX << ", HorBar " << g.HorBar.Value << ", bar " << main->HorBar->value()
                << "; ";
        if (g.ViewY != static_cast<float>(g.VertBar.Value) || g.VertBar.Value != main->VertBar->value())
            out << "ViewY " << g.ViewY << ", VertBar " << g.VertBar.Value << ", bar "
                << main->VertBar->value() << "; ";
        return out.str();
    }

    std::mt19937 pick;
    FrmMain* main = nullptr;
};

TEST(Fuzz, RandomInputNeverBreaksTheMatch)
{
    for (std::uint32_t seed : {11u, 2024u, 777u}) {
        Fuzz f(seed);
        f.StartMatch();
        if (::testing::Test::HasFatalFailure())
            return;
        int matches = 1;
        // What the run went through, so that a fuzz that only ever clicks
        // the empty field cannot pass for one that shook the match.
        bool walked = false, struck = false, scrolled = false, computerPlayed = false;
        for (int event = 0; event < 1000; ++event) {
            // Whatever asks a question is answered No: the program stays.
            f.shell.answers.assign(4, BoxAnswer::No);
            f.RandomEvent();
            const std::string broken = f.Check();
            ASSERT_EQ(broken, "") << "seed " << seed << ", event " << event << ", selection open "
                                  << (f.forms.Select() != nullptr);
            ASSERT_EQ(f.shell.quits, 0);
            walked |= f.g.InputMode == kModeWalk;
            struck |= f.g.timers.Enabled(TimerId::Tmr3) || f.g.LblUdar.Visible;
            scrolled |= f.g.ViewX != 0 || f.g.ViewY != 0;
            computerPlayed |= f.g.MatchRunning && !f.g.HeroIsHuman[static_cast<std::size_t>(f.g.ActiveHero)];
            if (!f.g.MatchRunning && f.forms.Select() == nullptr && f.Roll(0, 20) == 0) {
                f.StartMatch();
                ++matches;
            }
            if (event % 100 == 0)
                QCoreApplication::processEvents(); // let the windows paint
        }
        EXPECT_TRUE(walked) << "seed " << seed;
        EXPECT_TRUE(struck) << "seed " << seed;
        EXPECT_TRUE(scrolled) << "seed " << seed;
        EXPECT_TRUE(computerPlayed) << "seed " << seed;
        EXPECT_GE(matches, 1);
        if (f.forms.Menu())
            f.forms.Menu()->close();
        if (f.forms.Select())
            f.forms.Select()->close();
    }
}

} // namespace
} // namespace gh
