#pragma once

#include <QPointer>
#include <QString>

#include <memory>

#include "battlefield/WindowOpener.h"
#include "world/Game.h"
// The menu and the selection dialog are complete here because OpenMenu and
// OpenSelect hand them back as themselves.
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"

class QWidget;

namespace gh {

class FrmMain;
class FrmMes;
class FrmImg;
class FrmLog;
class FrmStats;
class NetPlay;
class TickDriver;
class SaveFiles;

// The windows of one running game, the way the shell and the program reach
// them: the battlefield, the dialogs that exist at most once, and the
// portrait holder. A window that is closed drops out by itself. The windows
// themselves see it as a WindowOpener.
class Forms final : public WindowOpener {
public:
    explicit Forms(Game& g);
    ~Forms() override;
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Creates the battlefield window and runs its start-up; it paints onto
    // g.canvas from then on. The caller shows it.
    FrmMain* LoadMain();
    FrmMain* Main() const;

    // Opening a window that is already open only brings it forward.
    FrmMenu* OpenMenu() override;
    FrmSelect* OpenSelect() override;
    bool SelectionHoldsMatch() const override;
    FrmMes* OpenSpeech();
    bool CloseSpeech() override;
    void KeepWindowsInFront() override;
    FrmMenu* Menu() const;
    FrmSelect* Select() const;
    FrmMes* Speech() const;

    // The portrait holder, loaded (but never put in front of the player) on
    // first use.
    FrmImg* Img() override;

    void CloseSelection();

    void OpenCast() override;
    void OpenSettings() override;
    void OpenAuthor() override;
    void OpenHelp() override;
    void ToggleLog() override;
    bool LogShown() const override;
    FrmLog* Log() const;
    // The end-of-match window, which the victory opens by itself.
    FrmStats* OpenStats(int winner);
    FrmStats* Stats() const;
    // A right click asks for one information window per unit under it.
    void OpenInfo(const InfoRequest& request) override;
    QWidget* OpenSplash() override;

    // Saving and loading: the save's name (windows/FrmSaveName.cpp), the list
    // of saves (windows/FrmSaves.cpp), and what they do (app/Keeping.cpp).
    void OpenSaveName() override;
    void OpenSaves() override;
    // Writes the match as a manual save of this title, asking before an
    // earlier save of that name is replaced. False when nothing was saved.
    bool SaveAs(const QString& title) override;
    // Replaces the match by the save in this file, asking first when a match
    // runs. A file that is no valid save leaves the match as it was and says
    // what is wrong. True when the match was replaced.
    bool LoadFile(const QString& path) override;
    // The selection dialog has just set up a new match.
    void MatchStarted() override;
    // The record of the match that ended last, as written into the records
    // folder ("" before any match has ended, or when it could not be written).
    const QString& LastRecord() const { return lastRecord_; }
    QString LastRecordPath() const override { return lastRecord_; }
    // The viewer on a record file; a file that cannot be shown says why.
    void OpenReplay(const QString& path) override;
    // The list of records (windows/FrmRecords), one of them to watch.
    void OpenRecords() override;
    // Where finished matches' records go (tests point it elsewhere).
    QString recordsFolder;
    void PreferencesChanged() override;
    // The saves folder: the program's, or the default one made on first use.
    SaveFiles& Saves();

    // Dialogs sit on the battlefield window so that a click on the field does
    // not bury them behind it.
    QWidget* DialogParent() const;

    // After a window has changed the match: the battlefield shows it.
    void Refresh() override;

    TickDriver* driver = nullptr;

    // Network play (app/NetPlay.cpp) and its window (windows/FrmNet.cpp).
    NetPlay& Net();
    bool InNetworkMatch() const override;
    bool FieldIsOurs() const override;
    void OpenNetwork() override;
    bool LeaveNetworkFirst() override;
    QString NetworkWaiting() const override;
    QString NetworkPlayer() const override;
    void NetworkSay(const QString& text) override;
    bool NetworkUndo() override;
    save::UndoBar NetworkUndoBar() const override;
    // A network match's journal begins here (the host's, when a match
    // without one is hosted).
    void BeginNetworkJournal() { BeginJournal(); }
    // This machine now shows the host's match: the windows of the old match
    // close, the log begins afresh, and the program's own journal and clock
    // stand aside while the host's journal drives the match. `first`: the
    // match has just come (not sent again after a difference).
    void FollowNetworkMatch(bool first);
    // Network play has ended here: the match on screen goes on at this
    // machine, on its own clock and with a journal of its own.
    void LeaveNetworkMatch();
    // Where the program saves (store and autosave are the opener's).
    SaveFiles* saves = nullptr;

private:
    QPointer<FrmMain> main_;
    QPointer<FrmMenu> menu_;
    QPointer<FrmSelect> select_;
    QPointer<FrmMes> mes_;
    QPointer<FrmImg> img_;
    QPointer<FrmLog> log_;
    QPointer<FrmStats> stats_;

    // What the match reports reaches the log, the battlefield and, at the
    // end, the end-of-match window.
    void MatchReported(const MatchEvent& e, const JournalEntry* entry);
    EventSink* previousEvents_;
    // A new journal of orders for the match as it stands.
    void BeginJournal();
    // Another match replaces this one (loaded, or come from a network host):
    // the windows that show this one's records close.
    void CloseMatchWindows();
    // The match has ended: its record goes into the records folder.
    void KeepRecord();
    QString lastRecord_;

public:
    // Dialogs that exist at most once, beside the ones above.
    QPointer<QWidget> cast;
    QPointer<QWidget> settings;
    QPointer<QWidget> author;
    QPointer<QWidget> saveName;
    QPointer<QWidget> savesList;
    QPointer<QWidget> recordsList;
    QPointer<QWidget> help;
    QPointer<QWidget> network;

private:
    std::unique_ptr<SaveFiles> ownSaves_;
    std::unique_ptr<NetPlay> net_;
};

} // namespace gh
