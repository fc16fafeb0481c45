// Plays a seeded five-hero match of persons for a number of idle ticks on the
// virtual clock and saves the battlefield as the player would see it. The
// same seed and tick count give the same field, so two builds can be diffed.
// The hero selection dialog is saved beside it (NAME-select.png).
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QTextStream>

#include "app/Forms.h"
#include "battlefield/FrmMain.h"
#include "engine/Engine.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "platform/qt/Fonts.h"
#include "windows/FrmSelect.h"
#include "world/Game.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        QTextStream(stderr) << "usage: grimhollow-field-shot out.png [ticks] [seed]\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int ticks = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 40;
    const unsigned seed = argc > 3 ? QString::fromLocal8Bit(argv[3]).toUInt() : 20240611u;
    gh::LoadBundledFonts();

    gh::ClockRandom rnd(seed);
    gh::Game g;
    g.rnd = &rnd;
    gh::AgreeingShell shell;
    g.shell = &shell;
    gh::BindTimers(g);
    int code = 0;
    {
        gh::Forms forms(g);
        gh::FrmMain* main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        QApplication::processEvents();

        gh::FrmSelect* sel = forms.OpenSelect();
        for (int i = 0; i < gh::FrmSelect::kSlots; ++i) {
            if (!sel->Iss[i]->isChecked())
                sel->Iss[i]->click();
            if (sel->Ai[i]->isChecked())
                sel->Ai[i]->click();
        }
        // The selection dialog too, for its portraits.
        QString selectShot = out;
        selectShot.insert(selectShot.lastIndexOf(QLatin1Char('.')), QStringLiteral("-select"));
        sel->grab().save(selectShot);
        sel->CmdOK->click();
        QApplication::processEvents();
        for (int t = 0; t < ticks; ++t) {
            g.timers.Tick();
            forms.Refresh();
            QApplication::processEvents();
        }
        if (!main->grab().save(out)) {
            QTextStream(stderr) << "cannot write " << out << "\n";
            code = 1;
        }
    }
    return code;
}
