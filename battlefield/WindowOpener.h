#pragma once

#include <QString>

#include "battlefield/FieldPrefs.h"
#include "battlefield/Orders.h"
#include "battlefield/Preferences.h"
#include "engine/Journal.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"
#include "save/Undo.h"
#include "world/Game.h"

class QWidget;

namespace gh {

class FrmImg;
class AppSettings;
class Autosave;
class SoundControl;

// What the battlefield and the other windows ask of the window registry:
// the match, the windows they open, the portrait holder, and a repaint of
// the field after they changed the match. The registry (app/Forms) knows
// every window; a window sees only this and the windows it builds itself.
class WindowOpener {
public:
    explicit WindowOpener(Game& game) : g(game) {}
    virtual ~WindowOpener() = default;
    WindowOpener(const WindowOpener&) = delete;
    WindowOpener& operator=(const WindowOpener&) = delete;

    Game& g;

    // Set while the program is ending: windows then close without asking.
    bool quitting = false;

    // The player's preferences about the windows and the field; the
    // settings window switches the aids.
    Preferences prefs;
    // The match's log; the registry makes it hear the match's events.
    Journal journal;
    // The match's journal of orders, begun with every match and carried on
    // from every save that holds one.
    save::Recorder recorder;
    // «Отменить»: the person's last walks, taken back with the journal.
    save::WalkUndo undo{recorder};
    // The journal and the log as a save keeps them, the journal written down
    // to this moment.
    save::MatchMemory Memory()
    {
        save::MatchMemory m;
        if (recorder.Attached()) {
            recorder.Sync();
            m.journal = save::WriteRecord(recorder.Journal());
        }
        m.log.assign(journal.Entries().begin(), journal.Entries().end());
        return m;
    }

    // Opening a window that is already open only brings it forward.
    virtual QWidget* OpenMenu() = 0;
    virtual QWidget* OpenSelect() = 0;
    // Whether the hero selection is open over a running match, which waits.
    virtual bool SelectionHoldsMatch() const = 0;
    virtual void OpenCast() = 0;
    virtual void OpenSettings() = 0;
    virtual void OpenAuthor() = 0;
    // A right click asks for one information window per unit under it.
    virtual void OpenInfo(const InfoRequest& request) = 0;
    // The title card shown while the battlefield loads; the battlefield
    // closes it when it is ready.
    virtual QWidget* OpenSplash() = 0;

    // Esc on the battlefield sends away a computer hero's speech that is
    // still up, as Esc closes every dialog; true when there was one.
    virtual bool CloseSpeech() { return false; }
    // After the battlefield has been shown afresh (F11), the log and the
    // other windows that stand over it come back in front of it.
    virtual void KeepWindowsInFront() {}

    // The help window (keys, aids, how to play), and the log shown or hidden.
    virtual void OpenHelp() {}
    virtual void ToggleLog() {}
    virtual bool LogShown() const { return false; }

    // The portrait holder, loaded (but never put in front of the player) on
    // first use.
    virtual FrmImg* Img() = 0;

    // After a window has changed the match: the battlefield shows it.
    virtual void Refresh() = 0;

    // Saving and loading: the save's name, the list of saves, and what they do.
    virtual void OpenSaveName() {}
    virtual void OpenSaves() {}
    // Writes the match as a manual save of this title, asking before an
    // earlier save of that name is replaced. False when nothing was saved.
    virtual bool SaveAs(const QString& /*title*/) { return false; }
    // Replaces the match by the save in this file, asking first when a match
    // runs. A file that is no valid save leaves the match as it was and says
    // what is wrong. True when the match was replaced.
    virtual bool LoadFile(const QString& /*path*/) { return false; }
    // The selection dialog has just set up a new match.
    virtual void MatchStarted() {}
    // Records of matches: the viewer on a file, the records to choose one
    // from, the record of the match that ended last (its path, "" if none).
    virtual void OpenReplay(const QString& /*path*/) {}
    virtual void OpenRecords() {}
    virtual QString LastRecordPath() const { return {}; }
    // The battlefield changed a preference (the zoom): it is remembered.
    virtual void PreferencesChanged() {}

    // Network play: whether a network match is on at this machine, whether
    // the field takes this machine's pointer and keys now (the side whose
    // turn it is is played here), the network window, and leaving network
    // play before a new or loaded match replaces the shared one (false when
    // the person would rather stay).
    virtual bool InNetworkMatch() const { return false; }
    virtual bool FieldIsOurs() const { return true; }
    virtual void OpenNetwork() {}
    virtual bool LeaveNetworkFirst() { return true; }
    // «Отменить» in a network match (the host takes back and tells everyone;
    // a peer asks the host), and why it is greyed there now.
    virtual bool NetworkUndo() { return false; }
    virtual save::UndoBar NetworkUndoBar() const { return undo.Why(); }
    // A chat line of this machine's person, to everyone in the match.
    virtual void NetworkSay(const QString& /*text*/) {}
    // In a network match, who plays the side whose turn it is at another
    // machine ("" when it is played here, or by the computer).
    virtual QString NetworkPlayer() const { return {}; }
    // What the match waits for in a network match ("" for nothing).
    virtual QString NetworkWaiting() const { return {}; }

    // What the program remembers and how it autosaves; without them (most
    // window tests) nothing is remembered and nothing is saved on its own.
    AppSettings* store = nullptr;
    Autosave* autosave = nullptr;
    // The program's sound; without it the settings window has no «Звук».
    SoundControl* sound = nullptr;
};

} // namespace gh
