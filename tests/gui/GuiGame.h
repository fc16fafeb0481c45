// One game wired to real windows and a scripted shell, for the window tests.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QString>
#include <QWidget>

#include "app/Forms.h"
#include "engine/Engine.h"
#include "platform/Shell.h"
#include "tests/support/ScriptedShell.h"
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
