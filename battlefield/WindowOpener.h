#pragma once

#include "battlefield/FieldPrefs.h"
#include "battlefield/Orders.h"
#include "world/Game.h"

class QWidget;

namespace gh {

class FrmImg;

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

    // How the battlefield is shown; the settings window switches the aids.
    FieldPrefs prefs;

    // Opening a window that is already open only brings it forward.
    virtual QWidget* OpenMenu() = 0;
    virtual QWidget* OpenSelect() = 0;
    virtual void OpenCast() = 0;
    virtual void OpenSettings() = 0;
    virtual void OpenAuthor() = 0;
    // A right click asks for one information window per unit under it.
    virtual void OpenInfo(const InfoRequest& request) = 0;
    // The title card shown while the battlefield loads; the battlefield
    // closes it when it is ready.
    virtual QWidget* OpenSplash() = 0;

    // The portrait holder, loaded (but never put in front of the player) on
    // first use.
    virtual FrmImg* Img() = 0;

    // After a window has changed the match: the battlefield shows it.
    virtual void Refresh() = 0;
};

} // namespace gh
