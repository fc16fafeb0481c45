// A game with a saves folder, a settings file and autosaves of its own, each
// in a temporary folder that goes with it.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "GuiGame.h"
#include "windows/qt/AppSettings.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"
#include "windows/FrmSelect.h"

namespace gh::gui {

struct SavesGame : GuiGame {
    explicit SavesGame(const QString& settingsFile = {})
        : settingsPath(settingsFile.isEmpty() ? dir.filePath(QStringLiteral("Grimhollow.conf"))
                                              : settingsFile)
    {
        forms.saves = &files;
        forms.store = &store;
        forms.autosave = &autosave;
    }
    ~SavesGame()
    {
        autosave.Flush();
        forms.saves = nullptr;
        forms.store = nullptr;
        forms.autosave = nullptr;
    }

    // The dialog's own proposal: hero 1 a person, hero 2 the computer.
    void StartMatch()
    {
        forms.OpenSelect()->CmdOK->click();
        FlushDeletes();
        shell.boxes.clear();
        ASSERT_TRUE(g.MatchRunning);
        ASSERT_EQ(g.ActiveHero, 1);
    }

    // What the program does after every tick and event, and the queued
    // autosave that may follow.
    void Settle()
    {
        forms.Refresh();
        QCoreApplication::sendPostedEvents();
        autosave.Flush();
    }

    QString SavePath(const QString& name) const { return files.Folder() + QStringLiteral("/") + name; }

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
    }

    QTemporaryDir dir;
    QString settingsPath;
    SaveFiles files{dir.filePath(QStringLiteral("saves"))};
    AppSettings store{settingsPath};
    Autosave autosave{g, files};
};

} // namespace gh::gui
