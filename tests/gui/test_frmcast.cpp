// The casting dialog: its list, the figures of a picked page, the checks of
// "Прочитать", and a spell cast end to end through the real windows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>

#include <QAction>
#include <QPointer>
#include <QTest>
#include <QToolBar>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/Twips.h"
#include "tests/support/ScriptedRandom.h"
#include "windows/FrmCast.h"
#include "windows/FrmInfo.h"
#include "windows/FrmSelect.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

struct Casting : gui::GuiGame {
    Casting()
    {
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        forms.OpenSelect()->CmdOK->click(); // hero 1 a person, hero 2 the computer
        gui::FlushDeletes();
        shell.boxes.clear();
        EXPECT_TRUE(g.MatchRunning && g.ActiveHero == 1 && g.HeroIsHuman[1]);

        // Pages in slots 2, 5, 9 and 12, nothing between them.
        for (auto& slot : g.Spellbook[1])
            slot = 0;
        g.Spellbook[1][2] = -4;
        g.Spellbook[1][5] = kDemon;
        g.Spellbook[1][9] = -16;
        g.Spellbook[1][12] = -15;
        Unit& hero = g.U(1);
        hero.Magic = 30;
        hero.Reason = 100;
        hero.Mana = 100;
    }

    FrmCast* Open()
    {
        QTest::mouseClick(main->Toolbar1->widgetForAction(main->ToolbarButton(QStringLiteral("Магия"))),
                          Qt::LeftButton);
        return qobject_cast<FrmCast*>(forms.cast.data());
    }

    static void PickLine(FrmCast* cast, int line)
    {
        QListWidgetItem* item = cast->List1->item(line);
        QTest::mouseClick(cast->List1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          cast->List1->visualItemRect(item).center());
    }

    QPoint CellCentre(int col, int row) const
    {
        return QPoint(static_cast<int>((col * 720.0f - g.ViewX) / 15) + 24,
                      static_cast<int>((row * 720.0f - g.ViewY) / 15) + 24);
    }

    void Tick()
    {
        g.timers.Tick();
        main->RenderControls();
    }

    FrmMain* main = nullptr;
};

TEST(FrmCast, ListsTheFilledPagesAndShowsWhatThePickedOneCosts)
{
    Casting c;
    QPointer<FrmCast> cast = c.Open();
    ASSERT_FALSE(cast.isNull());
    EXPECT_TRUE(cast->isVisible());
    EXPECT_EQ(cast->windowTitle(), QStringLiteral("Магия"));
    EXPECT_EQ(cast->size(), TwipsSize(8145, 6990));
    EXPECT_EQ(cast->LblSuc->geometry(), TwipsRect(4080, 4440, 3855, 1695));
    EXPECT_EQ(cast->Label1->text(), QStringLiteral("Доступные заклинания:"));
    EXPECT_EQ(cast->CmdCast->text(), QStringLiteral("Прочитать"));
    EXPECT_EQ(cast->CmdCancel->text(), QStringLiteral("Ненадо"));
    ASSERT_EQ(cast->List1->count(), 4);
    const char* lines[] = {"Скороход", "Демон", "Контроль разума", "Пламенный шар"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(cast->List1->item(i)->text(), QString::fromUtf8(lines[i]));
    // The list taking the focus makes its first line current; that is no pick.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(cast->List1, &focusIn);
    EXPECT_EQ(cast->List1->currentRow(), 0);
    EXPECT_FALSE(cast->CmdCast->isEnabled()); // nothing picked yet
    EXPECT_TRUE(cast->LblInfo->text().isEmpty());

    Casting::PickLine(cast, 0);
    EXPECT_EQ(c.g.ChosenSlot, 2);
    EXPECT_EQ(c.g.CastMana, 4);
    EXPECT_TRUE(cast->ImgFace->pixmap().isNull());
    EXPECT_EQ(cast->LblInfo->text(), QStringLiteral("Скороход - на это заклинание нет инфы..."));
    EXPECT_EQ(cast->LblSuc->text(), QStringLiteral("Дальность: 1\nДействие: +50% перемещений\n"
                                                   "Источник воздействия: магия\nШанс успеха: 99% + 2%\n"
                                                   "Требуется разума: 19\nУходит маны: 4"));
    Casting::PickLine(cast, 3);
    QTest::mouseClick(cast->ImgFace, Qt::RightButton); // nothing to tell about a spell
    EXPECT_TRUE(c.main->findChildren<FrmInfo*>().isEmpty());
    EXPECT_EQ(c.g.ChosenSlot, 12);
    EXPECT_TRUE(cast->LblSuc->text().contains(QStringLiteral("\nДействие: -66 жизни\n")));
    Casting::PickLine(cast, 2);
    EXPECT_EQ(cast->LblSuc->text(), QStringLiteral("Дальность: 1\nИсточник воздействия: разум\n"
                                                   "Шанс успеха: 99% + 2%\nТребуется разума: 19\n"
                                                   "Уходит маны: 4"));

    // A creature: its preview waits in the scratch record, off the field.
    Casting::PickLine(cast, 1);
    const Unit& preview = c.g.U(0);
    EXPECT_EQ(preview.UnitType, kDemon);
    EXPECT_EQ(preview.Owner, 1);
    EXPECT_FALSE(preview.OnField);
    const int worth = preview.ExpNext;
    EXPECT_EQ(c.g.CastChance, 100 - worth / 19);
    EXPECT_EQ(c.g.CastMana, worth / 7);
    EXPECT_EQ(c.g.CurrentSpell.ReasonNeeded, worth / 17);
    EXPECT_EQ(cast->LblSuc->text(),
              QStringLiteral("Шанс успеха: %1% + 2%\nТребуется разума: %2\nУходит маны: %3")
                  .arg(100 - worth / 19)
                  .arg(worth / 17)
                  .arg(worth / 7));
    EXPECT_EQ(cast->LblInfo->text().toStdString(), UnitTypeName(kDemon) + UnitTypeDescription(kDemon));
    EXPECT_FALSE(cast->ImgFace->pixmap().isNull());
    ASSERT_TRUE(cast->grab().save(gui::ShotPath(QStringLiteral("frmcast_creature.png"))));

    // A right click on the portrait tells all about the creature to come.
    c.g.Selected = 1;
    QTest::mouseClick(cast->ImgFace, Qt::RightButton);
    QTest::mouseClick(cast->ImgFace, Qt::LeftButton);
    const auto infos = c.main->findChildren<FrmInfo*>();
    ASSERT_EQ(infos.size(), 1);
    EXPECT_TRUE(infos[0]->Lbl1->text().startsWith(QStringLiteral("Уровень 1\n\nОпыт: 0/%1\n").arg(worth)));
    EXPECT_EQ(c.g.Selected, 1);
    infos[0]->close();

    // Asking again brings the same window forward.
    c.forms.OpenCast();
    EXPECT_EQ(c.forms.cast.data(), cast.data());
}

TEST(FrmCast, ReadingChecksReasonThenManaThenHandsTheAimToTheField)
{
    Casting c;
    Unit& hero = c.g.U(1);
    QPointer<FrmCast> cast = c.Open();
    Casting::PickLine(cast, 3); // fireball: reason 19, mana 4
    hero.Reason = 18;
    hero.Mana = 3;
    const std::string who = "У " + UnitTypeName(hero.UnitType) + " " + hero.Name;
    QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
    ASSERT_EQ(c.shell.boxes.size(), 1u);
    EXPECT_EQ(c.shell.boxes[0].title, "Не повезло");
    EXPECT_EQ(c.shell.boxes[0].text, who + " не хватает мозгов, чтобы прочесть заклинание!");
    hero.Reason = 19;
    QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
    ASSERT_EQ(c.shell.boxes.size(), 2u);
    EXPECT_EQ(c.shell.boxes[1].title, "Не выходит");
    EXPECT_EQ(c.shell.boxes[1].text, who + ", к несчастью, нету требуемого количества маны!");
    EXPECT_EQ(c.shell.boxes[1].buttons, BoxButtons::Ok);
    gui::FlushDeletes();
    ASSERT_FALSE(cast.isNull());
    EXPECT_EQ(c.g.InputMode, kModeOrders);

    hero.Mana = 4; // exactly enough
    QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(cast.isNull());
    EXPECT_EQ(c.shell.boxes.size(), 2u);
    EXPECT_EQ(c.g.InputMode, kModeSpell);
    EXPECT_TRUE(c.g.ShpAt.Visible);
    EXPECT_EQ(c.g.TargetCellX, hero.PosX - 120 - c.g.ViewX);
    EXPECT_EQ(hero.Mana, 4); // paid only when the field is clicked

    // A creature puts the field into placement; "Ненадо" and Esc change nothing.
    c.g.InputMode = kModeOrders;
    hero.Mana = 100;
    cast = c.Open();
    Casting::PickLine(cast, 1);
    QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(cast.isNull());
    EXPECT_EQ(c.g.InputMode, kModeSummon);
    c.g.InputMode = kModeOrders;
    for (bool escape : {false, true}) {
        cast = c.Open();
        Casting::PickLine(cast, 0);
        if (escape)
            QTest::keyClick(cast, Qt::Key_Escape);
        else
            QTest::mouseClick(cast->CmdCancel, Qt::LeftButton);
        gui::FlushDeletes();
        EXPECT_TRUE(cast.isNull());
        EXPECT_EQ(c.g.InputMode, kModeOrders);
        EXPECT_EQ(c.g.Spellbook[1][2], -4);
    }

    // Left open while the turn passed, it reads nothing for the computer's hero.
    cast = c.Open();
    Casting::PickLine(cast, 0);
    QTest::mouseClick(
        c.main->Toolbar1->widgetForAction(c.main->ToolbarButton(QStringLiteral("Закончить ход"))),
        Qt::LeftButton);
    ASSERT_EQ(c.g.ActiveHero, 2);
    QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(cast.isNull());
    EXPECT_EQ(c.g.InputMode, kModeOrders);
}

TEST(FrmCast, AFireballCastThroughTheWindowsBurnsADemonAndLeavesTheHeroSelected)
{
    Casting c;
    Game& g = c.g;
    ScriptedRandom hits({0.0f}); // every roll hits, every idle step the same
    g.rnd = &hits;
    const int col = static_cast<int>(g.ViewX / 720) + 3;
    const int row = static_cast<int>(g.ViewY / 720) + 4;
    for (int i = 2; i <= g.UnitCount; ++i) { // everybody else far away
        g.U(i).PosX = static_cast<float>((col + 10 + i) * 720);
        g.U(i).PosY = static_cast<float>((row + 6) * 720);
    }
    CreateUnit(g, 6, kDemon, 0); // fire protection 190
    g.U(1).PosX = static_cast<float>(col * 720);
    g.U(1).PosY = static_cast<float>(row * 720);
    g.U(6).PosX = static_cast<float>((col + 3) * 720);
    g.U(6).PosY = static_cast<float>(row * 720);
    const int hp = g.U(6).Hp;
    c.Tick();

    QPointer<FrmCast> cast = c.Open();
    ASSERT_FALSE(cast.isNull());
    Casting::PickLine(cast, 3);
    ASSERT_TRUE(cast->grab().save(gui::ShotPath(QStringLiteral("frmcast_spell.png"))));
    QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
    gui::FlushDeletes();
    ASSERT_TRUE(cast.isNull());

    const QPoint demon = c.CellCentre(col + 3, row);
    QTest::mouseMove(c.main, demon);
    EXPECT_TRUE(g.ShpAt.Visible);
    QTest::mouseClick(c.main, Qt::LeftButton, Qt::NoModifier, demon);
    EXPECT_EQ(g.U(1).Mana, 96);
    EXPECT_EQ(g.Spellbook[1][12], 0);
    EXPECT_EQ(g.Selected, 1);

    bool sawLabel = false;
    for (int tick = 0; tick < 200 && !(g.InputMode == kModeOrders && !g.timers.Enabled(TimerId::Tmr2));
         ++tick) {
        c.Tick();
        if (tick == 3) {
            ASSERT_TRUE(c.main->grab().save(gui::ShotPath(QStringLiteral("frmcast_pictures.png"))));
        }
        if (g.InputMode == kModeResult && !sawLabel) {
            sawLabel = true;
            EXPECT_EQ(g.LblUdar.Caption, "53"); // CInt(-66 + 66 × 190 / 999)
            ASSERT_TRUE(c.main->grab().save(gui::ShotPath(QStringLiteral("frmcast_result.png"))));
        }
    }
    EXPECT_TRUE(sawLabel);
    EXPECT_EQ(g.U(6).Hp, hp - 53);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.Selected, 1);
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 20);
    // The person has the field again: the next click selects as ever.
    QTest::mouseClick(c.main, Qt::LeftButton, Qt::NoModifier, c.CellCentre(col, row));
    EXPECT_EQ(g.Selected, 1);
    EXPECT_EQ(g.InputMode, kModeOrders);
}

} // namespace
} // namespace gh
