// Plays into a match through the real windows, the way a player would, and
// saves pictures for the README and the software centres: the battlefield
// with a unit selected and the pointer on an enemy it can reach (the play
// aids showing; also at the field's scales 1.5 and 2), the casting dialog with a page picked, the
// information window of the player's hero, the settings and the list of
// saves. The dice are pinned, so a second run paints the same match.
//
// Usage: QT_QPA_PLATFORM=offscreen grimhollow-screenshots [--english] [folder]
// (the folder defaults to docs/screenshots; --english plays the English
// version and names the pictures en-*.png)
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolBar>

#include "app/Forms.h"
#include "battlefield/FrmMain.h"
#include "engine/Aids.h"
#include "engine/Engine.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "platform/Texts.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"
#include "windows/FrmCast.h"
#include "windows/FrmInfo.h"
#include "windows/FrmSaves.h"
#include "windows/FrmSelect.h"
#include "windows/SaveState.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"
#include "world/Game.h"

namespace {

using namespace gh;

constexpr std::uint64_t kSeed = 20;
constexpr int kTicksBeforeShot = 90; // long enough for the idle animation to move

// "en-" before every picture's name in the English version.
QString gPrefix;

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Where a unit stands on the window, in pixels, from the match's twips, at
// the field's scale.
QPoint UnitCentre(const Game& g, int i, double zoom = 1.0)
{
    const Unit& u = g.U(i);
    return QPoint(static_cast<int>(((u.PosX - g.ViewX) / 15 + 24) * zoom),
                  static_cast<int>(((u.PosY - g.ViewY) / 15 + 24) * zoom));
}

bool Save(QWidget* window, const QDir& dir, const QString& name)
{
    if (!QTest::qWaitForWindowExposed(window)) {
        QTextStream(stderr) << name << ": the window never showed\n";
        return false;
    }
    const QString path = dir.filePath(gPrefix + name);
    if (!window->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << "wrote " << path << "\n";
    return true;
}

class Session {
public:
    Session() : rnd(kSeed)
    {
        rnd.Pin(kSeed);
        g.rnd = &rnd;
        g.shell = &shell;
        BindTimers(g);
    }
    ~Session() { FlushDeletes(); }

    void Tick(int n)
    {
        for (int k = 0; k < n; ++k) {
            g.timers.Tick();
            main->RenderControls();
        }
        QCoreApplication::processEvents();
    }

    ClockRandom rnd;
    Game g;
    AgreeingShell shell;
    Forms forms{g};
    FrmMain* main = nullptr;
};

// A saves folder of a few days' play, with times fixed so that the picture
// does not change with the day it is taken, and one file a copy cut short.
bool SaveList(Session& s, const QDir& dir)
{
    QTemporaryDir folder;
    SaveFiles files(folder.filePath(QStringLiteral("saves")));
    s.forms.saves = &files;
    Game& g = s.g;
    const std::int32_t day = g.Day;
    struct Made {
        std::int32_t day;
        const char* title; // empty: an autosave
        const char* when;
    };
    // The names a player of each language would give.
    const bool english = CurrentLanguage() == Language::English;
    const Made made[] = {
        {day + 4, "", "2026-11-28T21:40:12"},
        {day + 3, "", "2026-11-28T21:31:55"},
        {day + 3, english ? "Before the storm" : "Перед штурмом", "2026-11-28T21:30:02"},
        {day + 2, "", "2026-11-28T21:19:47"},
        {day, english ? "The first day" : "Первый день", "2026-11-27T18:05:00"},
    };
    bool ok = true;
    for (const Made& m : made) {
        g.Day = m.day;
        const bool autosave = *m.title == '\0';
        // An autosave's title is the game's own Russian in the file, as the
        // program writes it; the list says it in the player's language.
        std::string title = m.title;
        if (autosave) {
            const RussianTexts russian;
            const TextsInUse inRussian(russian);
            title = AutosaveTitle(m.day, g.U(g.ActiveHero).Name);
        }
        const std::string text = save::WriteSave(g, save::SummaryOf(g, title, autosave, m.when, "0.1"));
        const QString path =
            autosave ? files.AutosavePath(m.day, g.ActiveHero) : files.ManualPath(QString::fromUtf8(m.title));
        QString error;
        if (!SaveFiles::Write(path, text, error)) {
            QTextStream(stderr) << path << ": " << error << "\n";
            ok = false;
        }
    }
    g.Day = day;
    QString error;
    const QString cutName =
        english ? QStringLiteral("/from the stick.ghsave") : QStringLiteral("/с флешки.ghsave");
    SaveFiles::Write(files.Folder() + cutName, "{\"format\": \"grimhollow-save\", \"vers", error);
    QFile cut(files.Folder() + cutName);
    if (cut.open(QIODevice::ReadWrite))
        cut.setFileTime(QDateTime(QDate(2026, 11, 20), QTime(12, 0)), QFileDevice::FileModificationTime);
    cut.close();

    s.forms.OpenSaves();
    auto* list = qobject_cast<FrmSaves*>(s.forms.savesList.data());
    if (list == nullptr || list->LstSaves->topLevelItemCount() != 6) {
        QTextStream(stderr) << "the list of saves did not show the six files\n";
        return false;
    }
    QCoreApplication::processEvents();
    ok = Save(list, dir, QStringLiteral("saves.png")) && ok;
    list->close();
    FlushDeletes();
    s.forms.saves = nullptr;
    return ok;
}

int Run(const QDir& dir)
{
    Session s;
    s.main = s.forms.LoadMain();
    s.main->setGeometry(0, 0, 1280, 800);
    s.main->show();
    if (!QTest::qWaitForWindowExposed(s.main))
        return 1;

    // Three heroes: the player and two computer rivals.
    FrmSelect* select = s.forms.OpenSelect();
    select->Iss[2]->setChecked(true);
    select->Ai[1]->setChecked(true);
    select->Ai[2]->setChecked(true);
    select->CmdOK->click();
    FlushDeletes();
    if (!s.g.MatchRunning || !s.g.HeroIsHuman[s.g.ActiveHero]) {
        QTextStream(stderr) << "the match did not start on the player's turn\n";
        return 1;
    }
    const int hero = s.g.ActiveHero;
    s.Tick(kTicksBeforeShot);

    // The player picks the hero: the green frame goes round it, its reach
    // is tinted and the enemies it can fight are marked. The pointer rests
    // on the first of them: the way there and the odds of the exchange show.
    QTest::mouseClick(s.main, Qt::LeftButton, Qt::NoModifier, UnitCentre(s.g, hero));
    s.Tick(kTicksBeforeShot);
    if (const Reach* reach = s.main->Aids().ShownReach(); reach && !reach->opponents.empty()) {
        // Sent as it is: a moved cursor is not seen on every platform.
        const QPointF at = UnitCentre(s.g, reach->opponents.front());
        QMouseEvent move(QEvent::MouseMove, at, s.main->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(s.main, &move);
    }
    s.Tick(kTicksBeforeShot);
    bool ok = Save(s.main, dir, QStringLiteral("battlefield.png"));

    // The same at the field's larger scales (battlefield-150.png,
    // battlefield-200.png), zoomed about the hero, the pointer on the foe.
    for (double zoom : {1.5, 2.0}) {
        if (!gPrefix.isEmpty())
            break; // one scale is enough to show the other language
        s.main->ZoomTo(zoom, UnitCentre(s.g, hero, s.main->Zoom()));
        if (const Reach* reach = s.main->Aids().ShownReach(); reach && !reach->opponents.empty()) {
            const QPointF at = UnitCentre(s.g, reach->opponents.front(), zoom);
            QMouseEvent move(QEvent::MouseMove, at, s.main->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(s.main, &move);
        }
        s.Tick(kTicksBeforeShot);
        ok = Save(s.main, dir, QStringLiteral("battlefield-%1.png").arg(static_cast<int>(zoom * 100))) && ok;
    }
    s.main->ZoomTo(1.0, UnitCentre(s.g, hero, s.main->Zoom()));
    s.Tick(2);

    // A right click on the hero asks about it.
    QTest::mouseClick(s.main, Qt::RightButton, Qt::NoModifier, UnitCentre(s.g, hero));
    FrmInfo* info = nullptr;
    for (QObject* child : s.main->children())
        if (auto* window = qobject_cast<FrmInfo*>(child))
            info = window;
    if (info == nullptr) {
        QTextStream(stderr) << "no information window opened\n";
        return 1;
    }
    ok = Save(info, dir, QStringLiteral("information.png")) && ok;
    info->close();
    FlushDeletes();

    // The spellbook, its first page picked.
    QTest::mouseClick(s.main->Toolbar1->widgetForAction(s.main->ToolbarButton(QStringLiteral("Магия"))),
                      Qt::LeftButton);
    auto* cast = qobject_cast<FrmCast*>(s.forms.cast.data());
    if (cast == nullptr || cast->List1->count() == 0) {
        QTextStream(stderr) << "the casting dialog did not open with pages\n";
        return 1;
    }
    QListWidgetItem* line = cast->List1->item(0);
    QTest::mouseClick(cast->List1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      cast->List1->visualItemRect(line).center());
    QCoreApplication::processEvents();
    ok = Save(cast, dir, QStringLiteral("casting.png")) && ok;
    cast->close();
    FlushDeletes();

    // The settings.
    s.forms.OpenSettings();
    if (s.forms.settings == nullptr) {
        QTextStream(stderr) << "the settings did not open\n";
        return 1;
    }
    ok = Save(s.forms.settings.data(), dir, QStringLiteral("settings.png")) && ok;
    s.forms.settings->close();
    FlushDeletes();
    return SaveList(s, dir) && ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    LoadBundledFonts();
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool english = args.removeAll(QStringLiteral("--english")) > 0;
    InstallLanguage(app, english ? Language::English : Language::Russian);
    if (english)
        gPrefix = QStringLiteral("en-");
    QDir dir(!args.isEmpty() ? args.front() : QStringLiteral("docs/screenshots"));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot make " << dir.path() << "\n";
        return 1;
    }
    return Run(dir);
}
