#pragma once

#include <QScrollBar>
#include <QToolBar>
#include <QWidget>

#include "platform/qt/QtCanvas.h"
#include "world/Game.h"

class QAction;
class QPainter;

namespace gh {

class Forms;

// The battlefield: a borderless full-screen window whose surface is the
// canvas the rules paint on, with the toolbar over its top edge and the two
// scroll bars. The controls the rules move (ShpSel, ShpAt, LblUdar, LblXP)
// live in the Game; this window draws them from there after every event.
class FrmMain final : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(Forms& forms);
    ~FrmMain() override;

    // Start-up: splash, portrait holder, size to the screen, scroll bars,
    // no match, splash gone.
    void Load();

    // Brings the scroll bars and the painted controls in line with the Game.
    void RenderControls();

    QToolBar* Toolbar1;
    QScrollBar* HorBar;
    QScrollBar* VertBar;
    QtCanvas canvas;

    // The toolbar's button with this caption (nullptr if there is none).
    QAction* ToolbarButton(const QString& caption) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildToolbar();
    void ArrangeScrollBars();
    void ToolbarClicked(const QString& caption);
    void OnHorBar(int value);
    void OnVertBar(int value);
    static void SyncScrollBar(QScrollBar* bar, const ScrollBarControl& data);
    void PaintControls(QPainter& p);

    Forms& forms_;
    Game& g_;
    Canvas* previousCanvas_;
};

} // namespace gh
