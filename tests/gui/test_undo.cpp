// «Отменить» in the real window: the toolbar button and Ctrl+Z take a walk
// given with the pointer back, and the greyed button says why.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolBar>
#include <QToolTip>

#include <memory>
#include <optional>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "save/Undo.h"
#include "world/Units.h"

namespace gh {
namespace {

struct UndoField : gui::GuiGame {
    UndoField() { main = ShowMain(); }

    void StartMatch()
    {
        StartFromSelection();
        ASSERT_EQ(g.ActiveHero, 1);
    }

    // The middle of a field cell, in the window's pixels.
    QPoint PixelOf(float x, float y) const
    {
        const double zoom = main->Zoom();
        return {static_cast<int>((x - g.ViewX + 360) / 15 * zoom),
                static_cast<int>((y - g.ViewY + 360) / 15 * zoom)};
    }

    // A free cell beside hero 1, in view below the toolbar: its corner in
    // field twips and its middle in the window.
    struct Cell {
        float x, y;
        QPoint at;
    };
    std::optional<Cell> FreeCellBeside() const
    {
        const Unit& h = g.U(1);
        for (float dx : {720.0f, -720.0f, 0.0f})
            for (float dy : {0.0f, 720.0f, -720.0f}) {
                const float x = h.PosX + dx, y = h.PosY + dy;
                const QPoint p = PixelOf(x, y);
                if ((dx != 0 || dy != 0) && InWalkArea(x, y) && OccupantAt(g, x, y) == 0 && p.y() > 80 &&
                    p.y() < 740 && p.x() > 30 && p.x() < 1220)
                    return Cell{x, y, p};
            }
        return std::nullopt;
    }

    // Selects hero 1 and walks it to a free cell with the pointer; the match
    // as it stood when the walk went through the door. The journal so far
    // is in `journalBefore`.
    std::unique_ptr<Game> WalkWithThePointer()
    {
        QTest::mouseClick(main, Qt::LeftButton, {}, PixelOf(g.U(1).PosX, g.U(1).PosY));
        EXPECT_EQ(g.Selected, 1);
        const std::optional<Cell> to = FreeCellBeside();
        EXPECT_TRUE(to.has_value());
        if (!to)
            return nullptr;
        QTest::mouseMove(main, to->at);
        auto before = std::make_unique<Game>(g);
        // Every left click notes its cell before it gives its order.
        before->TargetCellX = to->x;
        before->TargetCellY = to->y;
        QTest::mouseClick(main, Qt::LeftButton, {}, to->at);
        journalBefore = forms.recorder.Journal().lines.size() - 1; // all but the walk
        EXPECT_EQ(g.InputMode, kModeWalk);
        for (int i = 0; i < 2000 && !FieldTakesOrders(g); ++i)
            g.timers.Tick();
        main->RenderControls();
        return before;
    }

    QString RestingTip()
    {
        QWidget* button = main->Toolbar1->widgetForAction(main->CmdUndo);
        QHelpEvent rest(QEvent::ToolTip, QPoint(10, 10), button->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(button, &rest);
        const QString tip = QToolTip::text();
        QToolTip::hideText();
        return tip;
    }

    void ClickUndo() { QTest::mouseClick(main->Toolbar1->widgetForAction(main->CmdUndo), Qt::LeftButton); }

    FrmMain* main = nullptr;
    std::size_t journalBefore = 0;
};

TEST(UndoWindow, TheButtonAndCtrlZTakeAWalkBackAndTheGreyedButtonSaysWhy)
{
    UndoField f;
    ASSERT_NE(f.main->CmdUndo, nullptr);
    EXPECT_FALSE(f.main->CmdUndo->isEnabled());
    EXPECT_EQ(f.RestingTip(), QStringLiteral("Отменить нечего: партия не идёт"));
    f.StartMatch();
    if (::testing::Test::HasFatalFailure())
        return;
    f.main->RenderControls();
    EXPECT_FALSE(f.main->CmdUndo->isEnabled());
    EXPECT_EQ(f.RestingTip(), QStringLiteral("Отменить нечего: в этот ход ещё никто не перемещался"));

    const std::size_t journalAtStart = f.forms.recorder.Journal().lines.size();
    std::unique_ptr<Game> before = f.WalkWithThePointer();
    ASSERT_TRUE(before);
    const std::size_t journalBefore = f.journalBefore;
    ASSERT_GT(journalBefore, journalAtStart);
    ASSERT_EQ(f.forms.recorder.Journal().lines[journalBefore].order.kind, OrderKind::Walk);
    EXPECT_FALSE(before->Match() == f.g.Match());
    // Time passes at rest, the idle animation drawing as it goes.
    for (int i = 0; i < 50; ++i)
        f.g.timers.Tick();
    f.main->RenderControls();
    EXPECT_TRUE(f.main->CmdUndo->isEnabled());
    EXPECT_EQ(f.main->CmdUndo->toolTip(), QStringLiteral("Отменить последнее перемещение (Ctrl+Z)"));
    f.main->Toolbar1->grab().save(gui::ShotPath(QStringLiteral("undo-toolbar.png")));

    f.ClickUndo();
    EXPECT_TRUE(f.g.Match() == before->Match());
    EXPECT_EQ(f.forms.recorder.Journal().lines.size(), journalBefore);
    EXPECT_FALSE(f.main->CmdUndo->isEnabled());
    f.main->grab().save(gui::ShotPath(QStringLiteral("undo-after.png")));

    // Ctrl+Z does the same, on the battlefield.
    before = f.WalkWithThePointer();
    ASSERT_TRUE(before);
    f.main->activateWindow();
    f.main->setFocus();
    QTest::keyClick(f.main, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(f.g.Match() == before->Match());
    EXPECT_EQ(f.forms.undo.Undone(), 2u);

    // The end of the turn closes it; on the computer's turn it says so.
    before = f.WalkWithThePointer();
    ASSERT_TRUE(before);
    QTest::mouseClick(
        f.main->Toolbar1->widgetForAction(f.main->ToolbarButton(QStringLiteral("Закончить ход"))),
        Qt::LeftButton);
    ASSERT_NE(f.g.ActiveHero, 1);
    EXPECT_FALSE(f.main->CmdUndo->isEnabled());
    EXPECT_EQ(f.RestingTip(), QStringLiteral("Отменить нельзя: сейчас не ваш ход"));
    QTest::keyClick(f.main, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.forms.undo.Undone(), 2u);
}

} // namespace
} // namespace gh
