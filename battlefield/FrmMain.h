#pragma once

#include <QPointer>
#include <QScrollBar>
#include <QToolBar>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "battlefield/AidsOverlay.h"
#include "battlefield/Keys.h"
#include "battlefield/qt/Terrain.h"
#include "platform/qt/QtCanvas.h"
#include "world/Events.h"
#include "world/Game.h"

class QAction;
class QPainter;

namespace gh {

class StatusStrip;
class WindowOpener;

// The battlefield: a borderless full-screen window whose surface is the
// canvas the rules paint on, with the toolbar over its top edge and the two
// scroll bars. The controls the rules move (ShpSel, ShpAt, LblUdar, LblXP)
// live in the Game; this window draws them from there after every event.
class FrmMain final : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(WindowOpener& forms);
    ~FrmMain() override;

    // Start-up: splash, portrait holder, size to the screen, scroll bars,
    // no match, splash gone.
    void Load();

    // Brings the scroll bars and the painted controls in line with the Game,
    // and asks Qt to repaint what changed on the field and where the painted
    // controls were and are.
    void RenderControls();

    // How often the field was presented, for the frame statistics: requests
    // that changed something, paints Qt delivered, and requests made while
    // the one before was still waiting to be painted (a frame never seen).
    struct Presentations {
        std::uint64_t requested = 0;
        std::uint64_t painted = 0;
        std::uint64_t overtaken = 0;
        // Battlefield ticks after which the field changed, and the area
        // presented, in logical pixels.
        std::uint64_t changedTicks = 0;
        std::uint64_t area = 0;
    };
    const Presentations& Presented() const { return presented_; }

    QToolBar* Toolbar1;
    QScrollBar* HorBar;
    QScrollBar* VertBar;
    QtCanvas canvas;
    // Whose turn, the day, the selected unit and what waits, over the right
    // of the toolbar.
    StatusStrip* Strip;

    // Shows the battlefield full screen without a frame, or as a framed
    // window that can be moved and resized, as the preferences say.
    void ShowAsPreferred();
    // F11: the other of the two, remembered in the preferences.
    void SwitchFullScreen();

    // Scrolls the field so that the unit's cell is in the middle of what
    // shows of it (as near as the scroll bars go).
    void CentreOnUnit(int unit);
    // The registry passes on what the match reports: a person's turn brings
    // their hero into view.
    void MatchReported(const MatchEvent& e);

    // «Отменить» on the toolbar: greyed out, with a tool tip saying why,
    // whenever no walk can be taken back.
    QAction* CmdUndo = nullptr;
    // Takes the person's last walk back (the toolbar button, Ctrl+Z); false
    // when there is none to take back.
    bool UndoWalk();

    // The toolbar's button with this caption (nullptr if there is none).
    QAction* ToolbarButton(const QString& caption) const;

    // The ground under a match (unless the black field is preferred).
    const Terrain& Ground() const { return terrain_; }
    // Lays the ground the match and the preferences ask for, repainting the
    // field at once if that is another than the one laid.
    void SyncGround();

    // The keyboard's cell cursor, as it stands.
    const FieldCursor& Cursor() const { return cursor_; }

    // The play aids over the field, as they are shown now.
    const AidsOverlay& Aids() const { return aids_; }

    // The field's scale. Zooming keeps the field point under `anchor`
    // (logical pixels of the window) where it is; the rules keep their
    // twips, only the view and the pointer's hit tests convert.
    double Zoom() const { return canvas.Zoom(); }
    void ZoomTo(double zoom, QPointF anchor);
    // A window position in logical pixels as the rules read the pointer:
    // window twips at the field's scale.
    float FieldTwips(double pixels) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Tab and Shift+Tab choose units on the field, not the focus.
    bool focusNextPrevChild(bool next) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A window over the field that had the keyboard has gone: the keyboard
    // goes to the one shown before it that is still up, or to the field.
    void WindowShown(QWidget* window);
    void WindowHidden(QWidget* window);
    std::vector<QPointer<QWidget>> shownWindows_;
    QPointer<QWidget> leaving_;
    // The keys that play (FrmMainKeys.cpp); false for a key they leave alone.
    bool PlayKey(QKeyEvent* event);
    // What shows of the field: below the toolbar, clear of the scroll bars.
    ViewArea VisibleField() const;
    void ScrollTo(const ViewValues& values);
    // The cursor came to a cell: it points there, and the view follows it.
    void CursorMoved();
    // The middle of the cursor's cell in window twips.
    QPointF CursorTwips() const;
    void RenderStrip();
    void RenderUndo();

    void BuildToolbar();
    void ArrangeScrollBars();
    void ArrangeToolbar();
    void FitBarsToField();
    void ToolbarClicked(const QString& caption);
    void OnHorBar(int value);
    void OnVertBar(int value);
    static void SyncScrollBar(QScrollBar* bar, const ScrollBarControl& data);
    void PaintControls(QPainter& p);
    void Present();
    // + and - zoom the field about the pointer (or the window's middle).
    bool ZoomKey(QKeyEvent* event);
    void ScaleLabelFonts();

    // Where a painted control was last drawn, and with what, so that a
    // repaint covers its old place as well as its new one.
    struct ControlPlace {
        bool visible = false;
        QRect area;
        std::string caption;
        Rgb colour{};
        friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
    };
    std::array<ControlPlace, 5> ControlPlaces() const;
    void PaintCursor(QPainter& p) const;

    WindowOpener& forms_;
    Game& g_;
    Canvas* previousCanvas_;
    Terrain terrain_;
    // The sides' palette the field was last drawn in.
    bool shownDistinct_ = false;
    AidsOverlay aids_;
    QFont udarFont_, xpFont_;
    int wheelZoom_ = 0; // eighths of a degree towards the next zoom step
    std::array<ControlPlace, 5> shownControls_{};
    FieldCursor cursor_;
    // The keyboard moved last: the aids follow the cursor, not the pointer.
    bool keysPoint_ = false;
    Presentations presented_;
    bool presentQueued_ = false;
    bool paintPending_ = false;
    std::uint64_t lastChangedTick_ = 0;
    // With GRIMHOLLOW_FRAME_STATS set, the figures go to that file about once
    // a second while the field changes (bench/measure-idle reads them).
    void WriteStats(bool now);
    QString statsPath_;
    qint64 statsWritten_ = 0;
};

} // namespace gh
