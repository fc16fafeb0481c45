#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/Forms.h"
#include "app/NetPlay.h"
#include "app/QtShell.h"
#include "app/WindowMemory.h"
#include "battlefield/FrmMain.h"
#include "engine/Engine.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/TickDriver.h"
#include "platform/qt/Translations.h"
#include "save/Record.h"
#include "sound/qt/QtSound.h"
#include "sound/qt/SoundControl.h"
#include "windows/qt/AppSettings.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"
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

// `grimhollow [FILE]`, `--help`, `--version`. Answers the save to open
// ("" for none), or prints and ends the program.
QString ReadCommandLine(QCoreApplication& app)
{
    // The language comes first: --help speaks it too.
    gh::InstallLanguage(app, gh::ChooseLanguage(gh::LanguageSetting(), QLocale::system()));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        gh::QTr("main", "Grimhollow — пошаговая фэнтезийная тактика для двух–пяти героев."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        gh::QTr("main", "Сохранённая партия (*.ghsave), которую открыть при запуске."),
        QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs(
            qPrintable(gh::QTr("main", "grimhollow: можно открыть только одну сохранённую партию.\n\n") +
                       parser.helpText()),
            stderr);
        std::exit(2);
    }
    return files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath();
}

// --help and --version print and end in a terminal without a display too:
// they are answered before any window system is asked for.
void AnswerHelpAndVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--") // what follows is a file, whatever its name
            return;
        if (a == "-h" || a == "--help" || a == "-?" || a == "--help-all" || a == "-v" || a == "--version") {
            QCoreApplication core(argc, argv);
            ReadCommandLine(core);
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The desktop matches a window to its menu entry by these: the X11
    // WM_CLASS carries the application name (StartupWMClass in the entry),
    // Wayland the desktop file name. The organization and application names
    // place the settings (~/.config/Grimhollow/Grimhollow.conf) and the saves
    // (~/.local/share/Grimhollow/Grimhollow/saves).
    QApplication::setApplicationName(QStringLiteral("Grimhollow"));
    QApplication::setOrganizationName(QStringLiteral("Grimhollow"));
    QApplication::setApplicationVersion(QStringLiteral(GH_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(GH_APP_ID));
    AnswerHelpAndVersion(argc, argv);

    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style, ...) out by now.
    const QString openAtStart = ReadCommandLine(app);
    QApplication::setWindowIcon(WindowIcon());
    // The program ends only when the player confirms leaving; the splash
    // closing before the battlefield shows must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    gh::LoadBundledFonts();

    gh::Game g;
    gh::AppSettings store;
    if (!store.MovedAside().isEmpty())
        qWarning(
            "grimhollow: the settings file could not be read; it was moved to %s and the defaults are used",
            qPrintable(store.MovedAside()));
    gh::SaveFiles saves;
    gh::Autosave autosave(g, saves);
    store.ApplyTo(g);
    autosave.SetEnabled(store.Autosave());

    // The sound outlives the windows, which refer to it.
    gh::QtSound speakers;
    gh::SoundControl sound(speakers, store.FilePath());
    sound.apply = [&speakers](const gh::SoundPrefs& p, bool active) { speakers.Apply(p, active); };
    speakers.Apply(sound.Prefs(), sound.Active());

    gh::Forms forms(g);
    forms.store = &store;
    forms.sound = &sound;
    // Only the live match on screen is heard: the table's director hears
    // what the log hears, first, so that a box the event opens does not hold
    // its sound back.
    forms.journal.listener = [&sound, windows = forms.journal.listener](const gh::Game& game,
                                                                        const gh::MatchEvent& e,
                                                                        const gh::JournalEntry* entry) {
        sound.Director().OnEvent(game, e);
        if (windows)
            windows(game, e, entry);
    };
    forms.saves = &saves;
    forms.autosave = &autosave;
    autosave.memory = [&forms] { return forms.Memory(); };
    store.ApplyTo(forms.prefs);
    gh::QtShell shell(forms);
    g.shell = &shell;
    gh::BindTimers(g);
    autosave.onFailure = [&g](const QString& message) {
        gh::MessageBoxRequest box;
        box.title = GH_TR("main", "Автосохранение");
        box.text = message.toStdString();
        box.icon = gh::BoxIcon::Exclamation;
        g.shell->MessageBox(box);
    };

    gh::TickDriver driver(g.timers, [&forms, &sound, &g] {
        forms.Refresh();
        sound.Director().Observe(g);
    });
    forms.driver = &driver;
    // A match followed from a network host runs its ticks itself.
    forms.Net().afterTick = [&forms, &sound, &g] {
        forms.Refresh();
        sound.Director().Observe(g);
    };

    gh::ShowBattlefield(forms.LoadMain(), &store);
    sound.InstallMuteKey(forms.Main());
    sound.ClickSounds();
    sound.Director().Begin();
    driver.Start();
    // Once the battlefield is up, so that a message about the file has a
    // window to sit on.
    if (!openAtStart.isEmpty())
        QTimer::singleShot(0, &app, [&forms, openAtStart] {
            // A record opens in the viewer; anything else is taken for a save.
            if (openAtStart.endsWith(QString::fromUtf8(gh::save::kRecordExtension.data()),
                                     Qt::CaseInsensitive))
                forms.OpenReplay(openAtStart);
            else
                forms.LoadFile(openAtStart);
        });
    const int code = QApplication::exec();

    driver.Stop();
    forms.driver = nullptr;
    return code;
}
