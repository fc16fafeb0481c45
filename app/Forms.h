#pragma once

#include <QPointer>

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

    // Each of these lives beside its window: windows/FrmCast.cpp,
    // windows/FrmSet.cpp, windows/FrmAvtor.cpp, windows/FrmInfo.cpp.
    void OpenCast();
    void OpenSettings();
    void OpenAuthor();
    // A right click asks for one information window per unit under it.
    void OpenInfo(const InfoRequest& request);

    // Dialogs sit on the battlefield window so that a click on the field does
    // not bury them behind it.
    QWidget* DialogParent() const;

    // After a window has changed the match: the battlefield shows it.
    void Refresh();

    // Set while the program is ending: windows then close without asking.
    bool quitting = false;
    TickDriver* driver = nullptr;

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
};

} // namespace gh
