#include "app/Forms.h"

#include "app/NetPlay.h"

#include "battlefield/FrmMain.h"
#include "platform/qt/Translations.h"
#include "save/Record.h"
#include "windows/FrmAvtor.h"
#include "windows/FrmCast.h"
#include "windows/FrmHelp.h"
#include "windows/FrmImg.h"
#include "windows/FrmInfo.h"
#include "windows/FrmLog.h"
#include "windows/FrmMenu.h"
#include "windows/FrmMes.h"
#include "windows/FrmObj.h"
#include "windows/FrmRecords.h"
#include "windows/FrmReplay.h"
#include "windows/FrmSaveName.h"
#include "windows/FrmSaves.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/FrmSplash.h"
#include "windows/FrmStats.h"
#include "windows/qt/AppSettings.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/RecordFiles.h"
#include "windows/qt/SaveFiles.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace gh {

namespace {

// How long a window manager takes, at most, to restack a window that has
// turned full screen or back.
constexpr int kWindowManagerSettles = 400;

void BringForward(QWidget* w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

Forms::Forms(Game& game) : WindowOpener(game), previousEvents_(game.events)
{
    g.events = &journal;
    journal.listener = [this](const Game&, const MatchEvent& e, const JournalEntry* entry) {
        MatchReported(e, entry);
    };
}

Forms::~Forms()
{
    // Network play says goodbye while the windows and the match are there.
    net_.reset();
    journal.listener = nullptr;
    if (g.events == &journal)
        g.events = previousEvents_;
    // Dialogs first: they may still refer to the battlefield.
    delete stats_.data();
    delete log_.data();
    delete help.data();
    delete cast.data();
    delete settings.data();
    delete author.data();
    delete saveName.data();
    delete savesList.data();
    delete recordsList.data();
    delete network.data();
    delete mes_.data();
    delete select_.data();
    delete menu_.data();
    delete img_.data();
    delete main_.data();
}

FrmMain* Forms::LoadMain()
{
    if (!main_) {
        main_ = new FrmMain(*this);
        main_->Load();
    }
    return main_;
}

FrmMain* Forms::Main() const
{
    return main_;
}
FrmMenu* Forms::Menu() const
{
    return menu_;
}
FrmSelect* Forms::Select() const
{
    return select_;
}
FrmMes* Forms::Speech() const
{
    return mes_;
}

QWidget* Forms::DialogParent() const
{
    return main_;
}

FrmMenu* Forms::OpenMenu()
{
    if (!menu_)
        menu_ = new FrmMenu(*this, DialogParent());
    BringForward(menu_);
    return menu_;
}

FrmSelect* Forms::OpenSelect()
{
    if (!select_) {
        select_ = new FrmSelect(*this, DialogParent());
        if (store)
            store->RestoreSelection(*select_);
    }
    BringForward(select_);
    return select_;
}

bool Forms::SelectionHoldsMatch() const
{
    return select_ && select_->HoldsMatch();
}

FrmMes* Forms::OpenSpeech()
{
    // A new turn's speech replaces one the player has not sent away yet.
    if (mes_)
        mes_->close();
    mes_ = new FrmMes(*this, DialogParent());
    BringForward(mes_);
    return mes_;
}

bool Forms::CloseSpeech()
{
    // The speech comes up as the turn's box does, and the box gives the
    // keyboard back to the battlefield: Esc arrives there, not at the speech.
    if (!mes_ || !mes_->isVisible())
        return false;
    mes_->close();
    return true;
}

void Forms::KeepWindowsInFront()
{
    if (!main_)
        return;
    // A window manager puts a window that turns full screen in a layer of
    // its own, above the windows that stood over it, the log's included,
    // once it has dealt with the change (after this call). A window shown
    // afresh over a full-screen window is stacked in front of it: once the
    // window manager has had its turn, the windows over the battlefield are
    // shown again where they were, tied to the battlefield's native window
    // (a change of frame may give it a new one).
    QTimer::singleShot(kWindowManagerSettles, main_, [field = QPointer<FrmMain>(main_)] {
        if (!field)
            return;
        QWindow* handle = field->windowHandle();
        for (QWidget* w : field->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow() || !w->isVisible() || w->isModal())
                continue;
            const QRect place = w->geometry();
            w->hide();
            if (QWindow* own = w->windowHandle(); own && handle)
                own->setTransientParent(handle);
            w->setGeometry(place);
            w->show();
            w->raise();
        }
    });
}

// The dialog exists at most once; asking again brings it forward.
void Forms::OpenCast()
{
    if (!cast)
        cast = new FrmCast(*this, DialogParent());
    cast->show();
    cast->raise();
    cast->activateWindow();
}

void Forms::OpenSettings()
{
    if (!settings)
        settings = new FrmSet(*this, DialogParent());
    settings->show();
    settings->raise();
    settings->activateWindow();
}

void Forms::OpenHelp()
{
    if (!help)
        help = new FrmHelp(DialogParent());
    BringForward(help);
}

void Forms::ToggleLog()
{
    if (log_) {
        log_->close();
        return;
    }
    log_ = new FrmLog(*this, DialogParent());
    // Up beside the battlefield, which keeps the keyboard.
    log_->show();
    log_->raise();
}

bool Forms::LogShown() const
{
    return log_ && log_->isVisible();
}

FrmLog* Forms::Log() const
{
    return log_;
}

FrmStats* Forms::OpenStats(int winner)
{
    // The last match's figures make way for this one's.
    if (stats_)
        stats_->close();
    stats_ = new FrmStats(*this, winner, DialogParent());
    BringForward(stats_);
    return stats_;
}

FrmStats* Forms::Stats() const
{
    return stats_;
}

void Forms::MatchReported(const MatchEvent& e, const JournalEntry* entry)
{
    // A new match: the last one's figures are history.
    if (e.kind == EventKind::MatchStarted && stats_)
        stats_->close();
    if (log_) {
        if (e.kind == EventKind::MatchStarted)
            log_->Reload();
        else if (entry)
            log_->Append(*entry);
    }
    if (main_)
        main_->MatchReported(e);
    // The victory box has been answered; the match's figures follow it.
    // The record is closed once the tick that ended the match is over.
    if (e.kind == EventKind::Victory) {
        QTimer::singleShot(0, main_ ? static_cast<QObject*>(main_.data()) : QCoreApplication::instance(),
                           [this] { KeepRecord(); });
        OpenStats(e.side);
    }
}

void Forms::OpenReplay(const QString& path)
{
    auto* viewer = new FrmReplay(main_ ? static_cast<QWidget*>(main_.data()) : nullptr);
    QString error;
    if (!viewer->Open(path, error)) {
        delete viewer;
        MessageBoxRequest box;
        box.title = GH_TR("Forms", "Запись партии");
        box.text = error.toStdString();
        box.icon = BoxIcon::Exclamation;
        g.shell->MessageBox(box);
        return;
    }
    BringForward(viewer);
    if (!viewer->Failure().isEmpty()) {
        MessageBoxRequest box;
        box.title = GH_TR("Forms", "Запись партии");
        box.text = viewer->Failure().toStdString();
        box.icon = BoxIcon::Exclamation;
        g.shell->MessageBox(box);
    }
}

void Forms::OpenRecords()
{
    if (!recordsList)
        recordsList = new FrmRecords(*this, recordsFolder, DialogParent());
    else if (auto* list = qobject_cast<FrmRecords*>(recordsList.data()))
        list->Reload();
    BringForward(recordsList);
}

void Forms::KeepRecord()
{
    if (!recorder.Attached())
        return;
    if (g.timers.InTick()) { // a box's own event loop within the tick: after it
        QTimer::singleShot(0, QCoreApplication::instance(), [this] { KeepRecord(); });
        return;
    }
    save::Record record = recorder.Closed();
    recorder.Detach();
    record.header.recordedAt = SaveTimestamp(QDateTime::currentDateTime());
    QString path, error;
    const bool ok = RecordFiles(recordsFolder).Store(save::WriteRecord(record), path, error);
    if (ok)
        lastRecord_ = path;
    else
        qWarning("grimhollow: the match's record was not written: %s", qPrintable(error));
    if (stats_)
        stats_->RecordWritten(ok);
}

void Forms::OpenAuthor()
{
    if (!author)
        author = new FrmAvtor(DialogParent());
    author->show();
    author->raise();
    author->activateWindow();
    author->setFocus();
}

// Each request gets a window of its own, so a right click on two units
// standing together leaves both windows open, the later one in front.
void Forms::OpenInfo(const InfoRequest& request)
{
    if (!Game::ValidUnit(request.unit))
        return;
    // Without the battlefield (the selection dialog alone) the portrait holder
    // keeps the window, so it is still cleaned up when the game ends.
    QWidget* parent = DialogParent() ? DialogParent() : Img();
    // The windows read Units(Selected) while they load; the selection itself
    // is not the window's business and comes back as it was.
    const std::int32_t remembered = g.Selected;
    g.Selected = request.unit;
    QWidget* window = request.window == InfoWindow::Creature
                          ? static_cast<QWidget*>(new FrmInfo(*this, parent))
                          : static_cast<QWidget*>(new FrmObj(*this, parent));
    g.Selected = remembered;
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* Forms::OpenSplash()
{
    auto* splash = new FrmSplash();
    splash->show();
    return splash;
}

FrmImg* Forms::Img()
{
    if (!img_) {
        img_ = new FrmImg();
        img_->show();
    }
    return img_;
}

void Forms::CloseSelection()
{
    if (select_)
        select_->close();
}

void Forms::Refresh()
{
    if (main_)
        main_->RenderControls();
    if (menu_)
        menu_->ShowSaveState();
    if (autosave)
        autosave->Observe();
}

void Forms::OpenSaves()
{
    if (!savesList)
        savesList = new FrmSaves(*this, Saves(), DialogParent());
    else if (auto* list = qobject_cast<FrmSaves*>(savesList.data()))
        list->Reload();
    savesList->show();
    savesList->raise();
    savesList->activateWindow();
}

void Forms::OpenSaveName()
{
    if (!saveName)
        saveName = new FrmSaveName(*this, DialogParent());
    saveName->show();
    saveName->raise();
    saveName->activateWindow();
}

void Forms::PreferencesChanged()
{
    if (store)
        store->Remember(prefs);
}

} // namespace gh
