// The strong computer player through the real windows: ticked in the
// settings, it plays a computer hero of a match started in the selection
// dialog, reading pages and clicking the field on the virtual clock, and the
// game's own player takes over the moment the box is unticked.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <iterator>

#include "GuiGame.h"
#include "Invariants.h"
#include "ai/StrongPlayer.h"
#include "battlefield/FrmMain.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"

namespace gh {
namespace {

struct Seeded {
    ClockRandom rnd{20261208};
};

struct StrongPlay : Seeded, gui::GuiGame {
    StrongPlay()
    {
        g.rnd = &rnd;
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    void PressToolbar(const char* caption)
    {
        QAction* a = main->ToolbarButton(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        QTest::mouseClick(main->Toolbar1->widgetForAction(a), Qt::LeftButton);
    }

    void Tick()
    {
        g.timers.Tick();
        main->RenderControls();
    }

    FrmMain* main = nullptr;
};

TEST(StrongPlay, EachComputerHeroPlaysAtTheLevelChosenInItsRowThroughItsOwnOrders)
{
    StrongPlay p;
    Game& g = p.g;

    // Two heroes, both played by the computer.
    p.PressToolbar("Главное меню");
    ASSERT_NE(p.forms.Menu(), nullptr);
    QTest::mouseClick(p.forms.Menu()->Cmd[0], Qt::LeftButton); // "Заново"
    gui::FlushDeletes();
    FrmSelect* sel = p.forms.Select();
    ASSERT_NE(sel, nullptr);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(sel->CboLevel[i]->isEnabled(), sel->Ai[i]->isChecked()) << i;
        if (!sel->Ai[i]->isChecked())
            QTest::mouseClick(sel->Ai[i], Qt::LeftButton);
        EXPECT_TRUE(sel->CboLevel[i]->isEnabled()) << i;
    }
    // Hero 1 at full strength, hero 2 the game's own player, chosen from
    // the keyboard as a player would.
    sel->CboLevel[0]->setFocus();
    QTest::keyClick(sel->CboLevel[0], Qt::Key_End);
    sel->CboLevel[1]->setFocus();
    QTest::keyClick(sel->CboLevel[1], Qt::Key_Home);
    QTest::mouseClick(sel->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    ASSERT_TRUE(g.MatchRunning);
    ASSERT_EQ(g.ActiveHero, 1);
    ASSERT_FALSE(g.HeroIsHuman[1]);
    EXPECT_EQ(g.ComputerLevel[1], kStrongestLevel);
    EXPECT_EQ(g.ComputerLevel[2], kGameLevel);
    EXPECT_TRUE(StrongPlays(g));

    // Hero 1's turn on the virtual clock: every page it reads is paid for
    // and torn out, and the field keeps to one activity at a time.
    std::int16_t book[kSpellSlots];
    std::copy(std::begin(g.Spellbook[1]), std::end(g.Spellbook[1]), book);
    const std::int32_t mana = g.U(1).Mana;
    bool shot = false;
    int ticks = 0;
    for (; g.MatchRunning && g.ActiveHero == 1 && ticks < 50000; ++ticks) {
        p.Tick();
        ASSERT_EQ(sim::CheckInvariants(g), "") << ticks;
        if (!shot && g.InputMode == kModeSpell && g.timers.Enabled(TimerId::Tmr2)) {
            ASSERT_TRUE(p.main->grab().save(gui::ShotPath(QStringLiteral("strong-cast.png"))));
            shot = true;
        }
    }
    EXPECT_NE(g.ActiveHero, 1);
    int used = 0;
    for (int s = 0; s < kSpellSlots; ++s)
        used += book[s] != g.Spellbook[1][s];
    EXPECT_GT(used, 0);
    EXPECT_TRUE(shot);
    EXPECT_LT(g.U(1).Mana, mana + 30); // pages cost mana; unspent points bring some back

    // «Новичок» is the game's own player: it reads no page.
    if (g.MatchRunning) {
        EXPECT_FALSE(StrongPlays(g));
        std::copy(std::begin(g.Spellbook[2]), std::end(g.Spellbook[2]), book);
        for (int t = 0; g.MatchRunning && g.ActiveHero == 2 && t < 50000; ++t)
            p.Tick();
        EXPECT_TRUE(std::equal(std::begin(book), std::end(book), std::begin(g.Spellbook[2])));
    }
}

} // namespace
} // namespace gh
