#include <QApplication>
#include <QIcon>
#include <QString>

#include "app/Forms.h"
#include "app/QtShell.h"
#include "battlefield/FrmMain.h"
#include "engine/Engine.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/TickDriver.h"
#include "platform/qt/Translations.h"
#include "world/Game.h"

namespace {

// The menu's icon, every size drawn for it, so the task bar and the window
// switcher show the same picture as the menu does.
QIcon WindowIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        icon.addFile(QStringLiteral(":/hicolor/%1x%1/apps/" GH_APP_ID ".png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    // The desktop matches a window to its menu entry by these: the X11
    // WM_CLASS carries the application name (StartupWMClass in the entry),
    // Wayland the desktop file name.
    QApplication::setApplicationName(QStringLiteral("Grimhollow"));
    QGuiApplication::setDesktopFileName(QStringLiteral(GH_APP_ID));
    QApplication app(argc, argv);
    QApplication::setWindowIcon(WindowIcon());
    // The program ends only when the player confirms leaving; the splash
    // closing before the battlefield shows must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    gh::LoadBundledFonts();
    gh::InstallRussianQtTranslation(app);

    gh::Game g;
    gh::Forms forms(g);
    gh::QtShell shell(forms);
    g.shell = &shell;
    gh::BindTimers(g);

    gh::TickDriver driver(g.timers, [&forms] { forms.Refresh(); });
    forms.driver = &driver;

    forms.LoadMain()->ShowAsPreferred();
    driver.Start();
    const int code = QApplication::exec();

    driver.Stop();
    forms.driver = nullptr;
    return code;
}
