// One game wired to real windows and a scripted shell, for the window tests.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/Forms.h"
#include "battlefield/FrmMain.h"
#include "engine/Engine.h"
#include "platform/Shell.h"
#include "tests/support/ScriptedShell.h"
#include "windows/FrmSelect.h"
#include "world/Game.h"

namespace gh::gui {

// Windows close with deleteLater; this lets the deletions happen.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct GuiGame {
    GuiGame()
    {
        g.shell = &shell;
        BindTimers(g);
    }
    ~GuiGame() { FlushDeletes(); }

    Game g;
    ScriptedShell shell;
    Forms forms{g};

    // The battlefield on screen at 1280 x 800, as most window tests want it.
    FrmMain* ShowMain()
    {
        FrmMain* main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        return main;
    }

    // A match started as a player starts one: the selection's «Начать» with
    // what it proposes.
    void StartFromSelection()
    {
        forms.OpenSelect()->CmdOK->click();
        FlushDeletes();
        shell.boxes.clear();
        ASSERT_TRUE(g.MatchRunning);
    }
};

// Screenshots go where people look at them; the folder is not versioned.
inline QString ShotPath(const QString& name)
{
    // This header sits in tests/gui of the source tree.
    QDir dir = QFileInfo(QStringLiteral(__FILE__)).absoluteDir();
    dir.cd(QStringLiteral("../.."));
    dir.mkpath(QStringLiteral("shots"));
    dir.cd(QStringLiteral("shots"));
    return dir.filePath(name);
}

} // namespace gh::gui
