// The battlefield's keys, its two ways of showing itself, and following the
// turns: the parts of FrmMain that came with the play aids.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>

#include "battlefield/FrmMain.h"
#include "battlefield/Status.h"
#include "battlefield/Toolbar.h"
#include "battlefield/WindowOpener.h"
#include "battlefield/qt/StatusStrip.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"

namespace gh {

namespace {

// Where the field shows in the window, in twips: the toolbar covers the top
// and the scroll bars the right and bottom edges.
constexpr float kToolbarTwips = 870;
constexpr float kBarTwips = 375;

// A framed battlefield starts at this share of the screen's free area.
constexpr double kFramedShare = 0.8;

bool PersonsTurn(const Game& g)
{
    return g.MatchRunning && g.ActiveHero >= 1 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

} // namespace

bool FrmMain::focusNextPrevChild(bool)
{
    return false;
}

namespace {

// Keys that change nothing in the match.
bool LooksOnly(int key)
{
    return key == Qt::Key_F1 || key == Qt::Key_F2 || key == Qt::Key_F11 || key == Qt::Key_Space ||
           key == Qt::Key_Home;
}

} // namespace

bool FrmMain::PlayKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    // A key held down must not end one turn after another, nor the turn the
    // box it dismissed has just announced.
    const bool fresh = !event->isAutoRepeat();
    // While the match waits (a box, the hero selection) the keys only look.
    if (g_.timers.Held() && !LooksOnly(key))
        return true;
    // Held down, Ctrl+Z takes back one walk after another, as «Отменить» does.
    if (event->matches(QKeySequence::Undo)) {
        UndoWalk();
        return true;
    }
    switch (key) {
    case Qt::Key_F1:
        if (fresh)
            forms_.OpenHelp();
        return true;
    case Qt::Key_F2:
        if (fresh)
            forms_.ToggleLog();
        return true;
    case Qt::Key_F11:
        if (fresh)
            SwitchFullScreen();
        return true;
    case Qt::Key_Escape:
        // A speech still up goes first, as a dialog closes on Esc.
        if (fresh && !forms_.CloseSpeech())
            CancelByKey(g_);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = key == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
        if (const int unit = SelectNextReady(g_, !back); unit != 0 && !UnitInView(g_, unit, VisibleField()))
            CentreOnUnit(unit);
        return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Home:
        if (g_.MatchRunning && g_.ActiveHero >= 1 && g_.ActiveHero <= kHeroes)
            CentreOnUnit(g_.ActiveHero);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As «Закончить ход», but only on the person's own turn: a key
        // pressed at the wrong time asks nothing.
        if (fresh && PersonsTurn(g_))
            ToolbarCommand(g_, "Закончить ход"); // the button's name, in any language
        return true;
    default: return false;
    }
}

ViewArea FrmMain::VisibleField() const
{
    // In twips of the field, as the view's offsets are: zoomed in, the
    // window shows fewer of them, and the toolbar and bars cover fewer.
    const double zoom = canvas.Zoom();
    const float w = PixelsToTwips(width()) / static_cast<float>(zoom);
    const float h = PixelsToTwips(height()) / static_cast<float>(zoom);
    const float bar = kBarTwips / static_cast<float>(zoom);
    return {0, kToolbarTwips / static_cast<float>(zoom), w - bar, h - bar};
}

void FrmMain::ScrollTo(const ViewValues& values)
{
    // A hidden bar cannot be moved with the mouse either.
    if (g_.HorBar.Visible && values.x != g_.HorBar.Value)
        HorBar->setValue(values.x);
    if (g_.VertBar.Visible && values.y != g_.VertBar.Value)
        VertBar->setValue(values.y);
}

void FrmMain::CentreOnUnit(int unit)
{
    if (!Game::ValidUnit(unit) || !g_.U(unit).OnField)
        return;
    ScrollTo(ViewCentredOn(g_, unit, VisibleField()));
}

void FrmMain::MatchReported(const MatchEvent& e)
{
    // A match that starts lies on its ground before its first box opens.
    SyncGround();
    // At the start of a person's turn the field shows their hero, before the
    // box that announces it; a hero in view already leaves the view alone.
    if (e.kind == EventKind::TurnBegins && e.side >= 1 && e.side <= kHeroes &&
        g_.HeroIsHuman[static_cast<std::size_t>(e.side)] && !UnitInView(g_, e.side, VisibleField()))
        CentreOnUnit(e.side);
    RenderStrip();
}

void FrmMain::RenderStrip()
{
    Strip->Show(StatusOf(g_));
    Strip->SetLogShown(forms_.LogShown());
}

void FrmMain::ShowAsPreferred()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const bool full = forms_.prefs.FullScreen;
    // Changing the frame makes a new native window: it has to be shown again.
    setWindowFlags(full ? Qt::Window | Qt::FramelessWindowHint : Qt::Window);
    if (full) {
        if (screen)
            setGeometry(screen->geometry());
        showFullScreen();
    } else {
        if (screen) {
            const QRect free = screen->availableGeometry();
            const QSize size(static_cast<int>(free.width() * kFramedShare),
                             static_cast<int>(free.height() * kFramedShare));
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, free));
        }
        showNormal();
    }
    raise();
    activateWindow();
    setFocus();
    forms_.KeepWindowsInFront();
}

void FrmMain::SwitchFullScreen()
{
    forms_.prefs.FullScreen = !forms_.prefs.FullScreen;
    ShowAsPreferred();
}

} // namespace gh
