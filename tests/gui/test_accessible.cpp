// Every window, as a screen reader finds it: each control a person acts on
// has a name, and the status strip reads whose turn it is.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTest>

#include "Accessible.h"
#include "GuiGame.h"
#include "SavesGame.h"
#include "battlefield/FrmMain.h"
#include "battlefield/qt/StatusStrip.h"
#include "engine/Order.h"
#include "windows/FrmMenu.h"

namespace gh::gui {
namespace {

void ExpectAllNamed(const char* when)
{
    QApplication::processEvents();
    for (const std::string& path : UnnamedControls())
        ADD_FAILURE() << when << ": a control without a name: " << path;
}

void CloseAllBut(QWidget* keep)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != keep && top->isVisible())
            top->close();
    FlushDeletes();
}

// The text a screen reader reads for the strip's whose-turn line.
QString TurnAsRead(FrmMain* main)
{
    auto* strip = main->findChild<StatusStrip*>();
    if (!strip)
        return {};
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(strip->LblTurn);
    return a ? a->text(QAccessible::Name) : QString();
}

TEST(Accessible, EveryWindowNamesEveryControlAndTheStripReadsTheTurn)
{
    SavesGame sg;
    sg.forms.recordsFolder = sg.dir.filePath(QStringLiteral("replays"));
    ASSERT_TRUE(QDir().mkpath(sg.forms.recordsFolder));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GH_SAMPLE_RECORDS "/v2-two-heroes-seed-7.ghrec"),
                            sg.forms.recordsFolder + QStringLiteral("/v2-two-heroes-seed-7.ghrec")));
    FrmMain* main = sg.ShowMain();
    ExpectAllNamed("the battlefield before a match");

    sg.forms.OpenMenu();
    ExpectAllNamed("the main menu");
    CloseAllBut(main);
    sg.forms.OpenSelect();
    ExpectAllNamed("the hero selection");
    CloseAllBut(main);

    sg.StartMatch();
    main->RenderControls();
    ExpectAllNamed("the match");
    const QString first = TurnAsRead(main);
    EXPECT_TRUE(first.startsWith(QStringLiteral("Ходит "))) << first.toStdString();

    sg.forms.OpenCast();
    ExpectAllNamed("the spellbook");
    CloseAllBut(main);
    sg.forms.OpenSettings();
    ExpectAllNamed("the settings");
    CloseAllBut(main);
    sg.forms.OpenHelp();
    ExpectAllNamed("the help");
    CloseAllBut(main);
    sg.forms.OpenAuthor();
    ExpectAllNamed("the author's window");
    CloseAllBut(main);
    sg.forms.ToggleLog();
    ExpectAllNamed("the log");
    sg.forms.ToggleLog();
    sg.forms.OpenInfo({1, InfoWindow::Creature});
    ExpectAllNamed("a unit's information");
    CloseAllBut(main);
    sg.forms.OpenSaveName();
    ExpectAllNamed("the save's name");
    CloseAllBut(main);
    ASSERT_TRUE(sg.forms.SaveAs(QStringLiteral("Для чтения")));
    sg.forms.OpenSaves();
    ExpectAllNamed("the list of saves");
    CloseAllBut(main);
    sg.forms.OpenRecords();
    ExpectAllNamed("the list of records");
    CloseAllBut(main);
    sg.forms.OpenNetwork();
    ExpectAllNamed("the network game");
    CloseAllBut(main);
    sg.forms.OpenReplay(sg.forms.recordsFolder + QStringLiteral("/v2-two-heroes-seed-7.ghrec"));
    ExpectAllNamed("the record's viewer");
    CloseAllBut(main);

    // The turn passes: what the strip reads changes with it.
    GiveOrder(sg.g, {OrderKind::EndTurn});
    for (int i = 0; i < 3000 && sg.g.ActiveHero == 1; ++i)
        sg.g.timers.Tick();
    main->RenderControls();
    const QString second = TurnAsRead(main);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second.startsWith(QStringLiteral("Ходит "))) << second.toStdString();

    sg.forms.OpenStats(1);
    ExpectAllNamed("the end of the match");
    CloseAllBut(main);
}

} // namespace
} // namespace gh::gui
