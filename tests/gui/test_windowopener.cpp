// The battlefield reaches every other window through a WindowOpener, not the
// window registry: built on an opener of the test's own it still loads behind
// the splash it asks for, and hands the toolbar's and the right click's
// windows to it.
#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "battlefield/WindowOpener.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

struct RecordingOpener final : WindowOpener {
    using WindowOpener::WindowOpener;

    QWidget* OpenMenu() override { return Asked("menu"); }
    QWidget* OpenSelect() override { return Asked("select"); }
    bool SelectionHoldsMatch() const override { return false; }
    void OpenCast() override { Asked("cast"); }
    void OpenSettings() override { Asked("settings"); }
    void OpenAuthor() override { Asked("author"); }
    void OpenInfo(const InfoRequest& r) override
    {
        Asked("info " + std::to_string(r.unit) +
              (r.window == InfoWindow::Creature ? " creature" : " object"));
    }
    QWidget* OpenSplash() override
    {
        Asked("splash");
        splash = new QWidget();
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
        return splash;
    }
    FrmImg* Img() override
    {
        Asked("portraits");
        splashUpForPortraits = splash && splash->isVisible();
        return nullptr;
    }
    void Refresh() override { Asked("refresh"); }

    QWidget* Asked(const std::string& what)
    {
        asked.push_back(what);
        return nullptr;
    }

    std::vector<std::string> asked;
    QPointer<QWidget> splash;
    bool splashUpForPortraits = false;
};

TEST(WindowOpener, TheBattlefieldLoadsBehindTheSplashItAsksForAndClosesIt)
{
    gui::GuiGame gg;
    RecordingOpener opener(gg.g);
    FrmMain main(opener);
    main.Load();
    EXPECT_EQ(opener.asked, (std::vector<std::string>{"splash", "portraits"}));
    EXPECT_TRUE(opener.splashUpForPortraits);
    gui::FlushDeletes();
    EXPECT_TRUE(opener.splash.isNull());
}

TEST(WindowOpener, TheToolbarAndTheRightClickOpenTheirWindowsThroughIt)
{
    gui::GuiGame gg;
    Game& g = gg.g;
    RecordingOpener opener(g);
    FrmMain main(opener);
    main.Load();
    main.setGeometry(0, 0, 1280, 800);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    opener.asked.clear();

    main.ToolbarButton(QString::fromUtf8("Главное меню"))->trigger();
    main.ToolbarButton(QString::fromUtf8("Настройки"))->trigger();

    // The player's mage waits for orders on cell (4, 3).
    g.MatchRunning = true;
    g.ActiveHero = 1;
    g.HeroIsHuman[1] = true;
    ASSERT_TRUE(CreateUnit(g, 1, kMage, 1));
    g.U(1).PosX = 4 * 720;
    g.U(1).PosY = 3 * 720;
    g.UnitCount = 1;
    main.ToolbarButton(QString::fromUtf8("Магия"))->trigger();
    QTest::mouseClick(&main, Qt::RightButton, {}, QPoint((4 * 720 + 360) / 15, (3 * 720 + 360) / 15));

    EXPECT_EQ(opener.asked, (std::vector<std::string>{"menu", "settings", "cast", "info 1 creature"}));
    EXPECT_TRUE(gg.shell.boxes.empty());
}

} // namespace
} // namespace gh
