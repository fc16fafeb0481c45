#include <QApplication>

#include "battlefield/FrmMain.h"
#include "engine/Engine.h"
#include "platform/qt/Fonts.h"
#include "app/Forms.h"
#include "app/QtShell.h"
#include "platform/qt/TickDriver.h"
#include "platform/qt/Translations.h"
#include "world/Game.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
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

    gh::TickDriver driver(g, [&forms] { forms.Refresh(); });
    forms.driver = &driver;

    forms.LoadMain()->showFullScreen();
    driver.Start();
    const int code = QApplication::exec();

    driver.Stop();
    forms.driver = nullptr;
    return code;
}
