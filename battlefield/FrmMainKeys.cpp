// The battlefield's keys, its two ways of showing itself, and following the
// turns: the parts of FrmMain that came with the play aids.
#include <QAction>
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

// The toolbar's button (from 0) a digit key presses, or -1.
int ToolbarKey(int key, Qt::KeyboardModifiers mods)
{
    if (mods != Qt::NoModifier || key < Qt::Key_1 || key > Qt::Key_9)
        return -1;
    return key - Qt::Key_1;
}

} // namespace

void FrmMain::CursorMoved()
{
    // The aids beside the cursor are the pointer's, until the pointer moves.
    keysPoint_ = true;
    RestCursor(g_, cursor_);
    ScrollTo(ViewFollowingCursor(g_, cursor_, VisibleField()));
}

QPointF FrmMain::CursorTwips() const
{
    const WindowPoint p = CursorPoint(g_, cursor_);
    return {p.x, p.y};
}

bool FrmMain::focusNextPrevChild(bool)
{
    return false;
}

namespace {

// Keys that give no order. The cursor's arrows point as the pointer does;
// the digits go through the toolbar, which knows which of its buttons
// may be pressed while the match waits. Space gives orders.
bool LooksOnly(int key, Qt::KeyboardModifiers mods)
{
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    return key == Qt::Key_F1 || key == Qt::Key_F2 || key == Qt::Key_F11 || key == Qt::Key_Home ||
           (arrow && !(mods & Qt::ShiftModifier)) || ToolbarKey(key, mods) >= 0;
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
    if (g_.timers.Held() && !LooksOnly(key, mods))
        return true;
    // Held down, Ctrl+Z takes back one walk after another, as «Отменить» does.
    if (event->matches(QKeySequence::Undo)) {
        UndoWalk();
        return true;
    }
    if (const int button = ToolbarKey(key, mods); button >= 0) {
        // The digits press the toolbar's buttons in their order, greyed-out
        // ones included: those stay as deaf to the key as to the pointer.
        const QList<QAction*> actions = Toolbar1->actions();
        if (fresh && button < actions.size())
            actions[button]->trigger();
        return true;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // With Shift the arrows scroll the view as the bars do.
        if (mods & Qt::ShiftModifier)
            return false;
        const int dcol = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int drow = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        if (MoveCursor(g_, cursor_, dcol, drow))
            CursorMoved();
        return true;
    }
    case Qt::Key_Space:
        if (!cursor_.shown) {
            if (MoveCursor(g_, cursor_, 0, 0))
                CursorMoved();
            return true;
        }
        // A held Space must not send a unit on after the one it just sent.
        if (fresh) {
            CursorMoved();
            if (mods & Qt::ShiftModifier)
                SelectAtCursor(g_, cursor_);
            else
                ClickAtCursor(g_, cursor_);
        }
        return true;
    case Qt::Key_Menu:
        if (fresh && cursor_.shown) {
            CursorMoved();
            for (const InfoRequest& r : InspectAtCursor(g_, cursor_))
                forms_.OpenInfo(r);
        }
        return true;
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
        if (const int unit = SelectNextReady(g_, !back); unit != 0) {
            if (!UnitInView(g_, unit, VisibleField()))
                CentreOnUnit(unit);
            // The cursor goes with the selection: the next order is given
            // from where the unit stands.
            CursorToUnit(g_, cursor_, unit);
            CursorMoved();
        }
        return true;
    }
    case Qt::Key_Home:
        if (g_.MatchRunning && g_.ActiveHero >= 1 && g_.ActiveHero <= kHeroes) {
            CentreOnUnit(g_.ActiveHero);
            if (g_.U(g_.ActiveHero).OnField) {
                CursorToUnit(g_, cursor_, g_.ActiveHero);
                CursorMoved();
            }
        }
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
    const bool personsTurn = e.kind == EventKind::TurnBegins && e.side >= 1 && e.side <= kHeroes &&
                             g_.HeroIsHuman[static_cast<std::size_t>(e.side)];
    if (personsTurn && !UnitInView(g_, e.side, VisibleField()))
        CentreOnUnit(e.side);
    // The cursor, once used, waits on the hero whose turn it is; it does
    // not name a Target from within the rules' own report.
    if (personsTurn && cursor_.shown && g_.U(e.side).OnField)
        CursorToUnit(g_, cursor_, e.side);
    RenderStrip();
}

void FrmMain::RenderStrip()
{
    StatusLines lines = StatusOf(g_);
    // In a network match the turn says on whose machine it is played.
    if (const QString who = forms_.NetworkPlayer(); !who.isEmpty() && !lines.turn.empty())
        lines.turn += QTr("FrmMain", " (играет %1)").arg(who).toStdString();
    // In a network match, a person whose connection is lost holds the
    // match up: the strip says who, and how long the host will wait.
    if (const QString waiting = forms_.NetworkWaiting(); !waiting.isEmpty())
        lines.awaiting = waiting.toStdString();
    Strip->Show(lines);
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
