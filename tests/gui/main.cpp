#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"

// One QApplication for every window test, set up as the program sets it up
// (bundled fonts, Qt's Russian strings), on a screen of a known size.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // The windows can save, load and remember: never in the real home. A
    // home of its own for the whole run, and Qt's test locations inside it.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/grimhollow-gui-XXXXXX"));
    if (!home.isValid())
        return 1;
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(var, QDir(home.path()).filePath(QString::fromLatin1(var)).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setApplicationName(QStringLiteral("Grimhollow"));
    QApplication::setOrganizationName(QStringLiteral("Grimhollow"));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    gh::LoadBundledFonts();
    gh::InstallRussianQtTranslation(app);
    return RUN_ALL_TESTS();
}
