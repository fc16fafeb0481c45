#pragma once

#include <QPointer>
#include <QString>

#include <memory>

#include "battlefield/Orders.h"
#include "world/Game.h"

class QWidget;

namespace gh {

class FrmMain;
class FrmMenu;
class FrmSelect;
class FrmMes;
class FrmImg;
class TickDriver;
class AppSettings;
class SaveFiles;
class Autosave;

// The windows of one running game, the way the rules and the other windows
// reach them: the battlefield, the dialogs that exist at most once, and the
// portrait holder. A window that is closed drops out by itself.
class Forms {
public:
    explicit Forms(Game& g);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    Game& g;

    // Creates the battlefield window and runs its start-up; it paints onto
    // g.canvas from then on. The caller shows it.
    FrmMain* LoadMain();
    FrmMain* Main() const;

    // Opening a window that is already open only brings it forward.
    FrmMenu* OpenMenu();
    FrmSelect* OpenSelect();
    FrmMes* OpenSpeech();
    FrmMenu* Menu() const;
    FrmSelect* Select() const;
    FrmMes* Speech() const;

    // The portrait holder, loaded (but never put in front of the player) on
    // first use.
    FrmImg* Img();

    void CloseSelection();

    // Each of these lives beside its window: magic/FrmCast.cpp,
    // windows/FrmSet.cpp, windows/FrmAvtor.cpp, windows/FrmInfo.cpp.
    void OpenCast();
    void OpenSettings();
    void OpenAuthor();
    // A right click asks for one information window per unit under it.
    void OpenInfo(const InfoRequest& request);

    // Saving and loading: the save's name (windows/FrmSaveName.cpp), the list
    // of saves (windows/FrmSaves.cpp), and what they do (app/Keeping.cpp).
    void OpenSaveName();
    void OpenSaves();
    // Writes the match as a manual save of this title, asking before an
    // earlier save of that name is replaced. False when nothing was saved.
    bool SaveAs(const QString& title);
    // Replaces the match by the save in this file, asking first when a match
    // runs. A file that is no valid save leaves the match as it was and says
    // what is wrong. True when the match was replaced.
    bool LoadFile(const QString& path);
    // The selection dialog has just set up a new match.
    void MatchStarted();
    // The saves folder: the program's, or the default one made on first use.
    SaveFiles& Saves();

    // Dialogs sit on the battlefield window so that a click on the field does
    // not bury them behind it.
    QWidget* DialogParent() const;

    // After a window has changed the match: the battlefield shows it.
    void Refresh();

    // Set while the program is ending: windows then close without asking.
    bool quitting = false;
    TickDriver* driver = nullptr;
    // What the program remembers and where it saves; without them (most
    // window tests) nothing is remembered and nothing is saved on its own.
    AppSettings* store = nullptr;
    SaveFiles* saves = nullptr;
    Autosave* autosave = nullptr;

private:
    QPointer<FrmMain> main_;
    QPointer<FrmMenu> menu_;
    QPointer<FrmSelect> select_;
    QPointer<FrmMes> mes_;
    QPointer<FrmImg> img_;

public:
    // Windows that exist at most once, kept by the files that open them.
    QPointer<QWidget> cast;
    QPointer<QWidget> settings;
    QPointer<QWidget> author;
    QPointer<QWidget> saveName;
    QPointer<QWidget> savesList;

private:
    std::unique_ptr<SaveFiles> ownSaves_;
};

} // namespace gh
