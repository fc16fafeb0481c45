#include "battlefield/FrmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

#include "battlefield/Drawing.h"
#include "battlefield/GroundPattern.h"
#include "battlefield/Orders.h"
#include "battlefield/Toolbar.h"
#include "battlefield/WindowOpener.h"
#include "battlefield/qt/StatusStrip.h"
#include "platform/qt/ImageLists.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"

namespace gh {

namespace {

constexpr int kToolbarHeight = 870;
constexpr int kBarThickness = 375;
constexpr int kVertBarTop = 840;
// How far the bars reach at least, as they always have.
constexpr int kFieldBarMax = 10000;

struct ToolbarButtonDef {
    const char* caption;
    const char* toolTip;
    int icon; // picture of ImgIcons; 0 for one drawn here
};

// Left to right; the caption is also how a click is told apart.
constexpr ToolbarButtonDef kButtons[] = {
    {GH_TR_NOOP("FrmMain", "Главное меню"), GH_TR_NOOP("FrmMain", "В главное меню"), 1},
    {GH_TR_NOOP("FrmMain", "Магия"), GH_TR_NOOP("FrmMain", "Скастовать спелл"), 2},
    {GH_TR_NOOP("FrmMain", "Дипломатия"), GH_TR_NOOP("FrmMain", "Дипломатия пока недоступна"), 3},
    // Its tool tip follows the match: what it takes back, or why not.
    {GH_TR_NOOP("FrmMain", "Отменить"), "", 0},
    {GH_TR_NOOP("FrmMain", "Закончить ход"), GH_TR_NOOP("FrmMain", "Закончить ход"), 4},
    {GH_TR_NOOP("FrmMain", "Сдаться"), GH_TR_NOOP("FrmMain", "Признать себя побежденным"), 5},
    {GH_TR_NOOP("FrmMain", "Настройки"), GH_TR_NOOP("FrmMain", "Меню настроек"), 6},
    {GH_TR_NOOP("FrmMain", "Помощь"), GH_TR_NOOP("FrmMain", "Помощь"), 7},
};

// «Отменить»'s picture, in the manner of the others: a bronze arrow
// turning back on itself, dark-edged, on a clear ground.
QIcon UndoIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arc;
    arc.moveTo(9, 13);
    arc.cubicTo(13, 6, 26, 7, 26, 17);
    arc.cubicTo(26, 24, 19, 27, 14, 26);
    QPainterPath head;
    head.moveTo(2, 13);
    head.lineTo(12, 5);
    head.lineTo(13, 19);
    head.closeSubpath();
    for (const auto& [colour, width] :
         {std::pair{QColor(60, 44, 22), 7.0}, std::pair{QColor(214, 172, 92), 4.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
    }
    p.setPen(QPen(QColor(60, 44, 22), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(214, 172, 92));
    p.drawPath(head);
    return QIcon(pm);
}

QFont LabelFont(qreal points)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

constexpr qreal kUdarPoints = 14.25;
constexpr qreal kXpPoints = 11.25;

constexpr int kUdarWidth = 660, kUdarHeight = 330;
constexpr int kXpWidth = 480, kXpHeight = 270;
constexpr int kLabelFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;

int ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    default: return 0;
    }
}

} // namespace

FrmMain::FrmMain(WindowOpener& forms)
    : forms_(forms), g_(forms.g), previousCanvas_(forms.g.canvas), terrain_(forms.g),
      aids_(forms.g, forms.prefs, canvas)
{
    setWindowTitle(QStringLiteral("Grimhollow"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    g_.canvas = &canvas;
    canvas.SetZoom(ZoomStep(forms.prefs.zoom, 0));
    forms.prefs.zoom = canvas.Zoom();
    ScaleLabelFonts();
    statsPath_ = qEnvironmentVariable("GRIMHOLLOW_FRAME_STATS");
    // Whatever paints on the field outside a tick or an event this window
    // handles is still presented, once the event loop comes round.
    canvas.onFirstChange = [this] {
        // A tick's handlers are presented when the tick ends.
        if (presentQueued_ || g_.timers.InTick())
            return;
        presentQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                presentQueued_ = false;
                Present();
            },
            Qt::QueuedConnection);
    };
    // The experience label's colour is the window's design value; the rules
    // only ever show and move it.
    g_.LblXP.ForeColor = kLightYellow;

    BuildToolbar();

    HorBar = new QScrollBar(Qt::Horizontal, this);
    VertBar = new QScrollBar(Qt::Vertical, this);
    HorBar->setObjectName(QStringLiteral("HorBar"));
    VertBar->setObjectName(QStringLiteral("VertBar"));
    HorBar->setAccessibleName(QTr("FrmMain", "Поле по горизонтали"));
    VertBar->setAccessibleName(QTr("FrmMain", "Поле по вертикали"));
    for (QScrollBar* bar : {HorBar, VertBar}) {
        // The keyboard belongs to the window, which scrolls through the bars.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    }
    // The pointer over the toolbar or a bar is off the field: the hints
    // beside it go.
    for (QWidget* child :
         {static_cast<QWidget*>(Toolbar1), static_cast<QWidget*>(HorBar), static_cast<QWidget*>(VertBar)})
        child->installEventFilter(this);
    Strip->installEventFilter(this);
    // Every window the program shows, to give the keyboard back to the
    // field as they go.
    qApp->installEventFilter(this);
    connect(HorBar, &QScrollBar::valueChanged, this, &FrmMain::OnHorBar);
    connect(VertBar, &QScrollBar::valueChanged, this, &FrmMain::OnVertBar);
    SyncScrollBar(HorBar, g_.HorBar);
    SyncScrollBar(VertBar, g_.VertBar);
}

FrmMain::~FrmMain()
{
    WriteStats(true);
    canvas.onFirstChange = nullptr;
    if (g_.canvas == &canvas)
        g_.canvas = previousCanvas_;
}

void FrmMain::BuildToolbar()
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setAutoFillBackground(true);
    for (const ToolbarButtonDef& def : kButtons) {
        // The Russian caption tells the click apart in every language.
        const QString caption = QString::fromUtf8(def.caption);
        const QIcon icon =
            def.icon > 0 ? QIcon(ImageLists::Get().Picture(ImageList::Icons, def.icon)) : UndoIcon();
        QAction* a = Toolbar1->addAction(icon, QTr("FrmMain", def.caption));
        a->setData(caption);
        a->setToolTip(*def.toolTip ? QTr("FrmMain", def.toolTip) : QString());
        connect(a, &QAction::triggered, this, [this, caption] { ToolbarClicked(caption); });
        if (QWidget* button = Toolbar1->widgetForAction(a))
            button->setFocusPolicy(Qt::NoFocus);
        // Nothing to negotiate yet: the button says so instead of doing nothing.
        if (caption == QStringLiteral("Дипломатия"))
            a->setEnabled(false);
        if (caption == QStringLiteral("Отменить"))
            CmdUndo = a;
    }
    RenderUndo();
    // The strip lies over the toolbar's free right part rather than in the
    // toolbar: a toolbar hides what does not fit behind a » button, and the
    // strip must show at every width.
    Strip = new StatusStrip(this);
    Strip->onLog = [this] {
        forms_.ToggleLog();
        RenderStrip();
    };
}

void FrmMain::ArrangeToolbar()
{
    const int height = TwipsToPixels(kToolbarHeight);
    Toolbar1->setGeometry(0, 0, width(), height);
    // The buttons keep their captions while the strip still has its room;
    // a narrower window shows their pictures alone (the tooltips still name them).
    auto buttonsWidth = [this] {
        int w = 0;
        for (QAction* a : Toolbar1->actions())
            if (QWidget* b = Toolbar1->widgetForAction(a))
                w += b->sizeHint().width() + Toolbar1->layout()->spacing();
        return w + 2 * Toolbar1->layout()->contentsMargins().left() + 8;
    };
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    int buttons = buttonsWidth();
    if (width() - buttons < StatusStrip::kNarrowest) {
        Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
        buttons = buttonsWidth();
    }
    Strip->setGeometry(buttons, 0, std::max(0, width() - buttons), height);
    Strip->raise();
}

QAction* FrmMain::ToolbarButton(const QString& caption) const
{
    for (QAction* a : Toolbar1->actions())
        if (a->text() == caption || a->data().toString() == caption)
            return a;
    return nullptr;
}

void FrmMain::Load()
{
    QWidget* splash = forms_.OpenSplash();
    QCoreApplication::processEvents();

    forms_.Img();

    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    ArrangeScrollBars();

    for (ScrollBarControl* bar : {&g_.HorBar, &g_.VertBar}) {
        bar->LargeChange = 1000;
        bar->Max = 10000;
        bar->Min = 0;
        bar->SmallChange = 250;
        bar->Value = 0;
        bar->Visible = false;
    }
    RenderControls();

    g_.MatchRunning = false;

    splash->close();
}

void FrmMain::ArrangeScrollBars()
{
    const int w = width() * kTwipsPerPixel;
    const int h = height() * kTwipsPerPixel;
    ArrangeToolbar();
    VertBar->setGeometry(
        TwipsRect(w - kBarThickness, kVertBarTop, kBarThickness, h - kVertBarTop - kBarThickness));
    HorBar->setGeometry(TwipsRect(0, h - kBarThickness, w - kBarThickness, kBarThickness));
}

void FrmMain::SyncScrollBar(QScrollBar* bar, const ScrollBarControl& data)
{
    QSignalBlocker quiet(bar);
    bar->setRange(data.Min, data.Max);
    bar->setSingleStep(data.SmallChange);
    bar->setPageStep(data.LargeChange);
    bar->setValue(data.Value);
    bar->setVisible(data.Visible);
}

void FrmMain::FitBarsToField()
{
    // The bars reach as far as it takes to see every cell whole at this
    // zoom and window size: up to the row under the toolbar (the view may
    // stand a little above the field's top), and down and right past the
    // last row and column anything stands on.
    const ViewArea view = VisibleField();
    float farX = kPlannedCells * kCell, farY = kPlannedCells * kCell;
    const int last = std::clamp(g_.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g_.U(i);
        if (!u.OnField)
            continue;
        farX = std::max(farX, u.PosX + kCell);
        farY = std::max(farY, u.PosY + kCell);
    }
    const int top = -static_cast<int>(std::ceil(view.top));
    const int right = std::max(kFieldBarMax, static_cast<int>(std::ceil(farX - view.right)));
    const int bottom = std::max(kFieldBarMax, static_cast<int>(std::ceil(farY - view.bottom)));
    auto fit = [](ScrollBarControl& bar, int min, int max) {
        const bool changed = bar.Min != min || bar.Max != max;
        bar.Min = min;
        bar.Max = max;
        return changed && (bar.Value < min || bar.Value > max);
    };
    if (fit(g_.HorBar, 0, right))
        HorBarChanged(g_, g_.HorBar.Value);
    if (fit(g_.VertBar, top, bottom))
        VertBarChanged(g_, g_.VertBar.Value);
}

void FrmMain::SyncGround()
{
    const bool ground = g_.MatchRunning && !forms_.prefs.blackField;
    if (ground)
        terrain_.SetPattern(GroundPattern(g_));
    canvas.SetUnderlay(ground ? &terrain_ : nullptr);
    // The sides' palette is the settings'; units change colour at once.
    ImageLists::SetDistinctSides(forms_.prefs.distinctSides);
    const bool recoloured = shownDistinct_ != forms_.prefs.distinctSides;
    shownDistinct_ = forms_.prefs.distinctSides;
    // A match that has ended keeps its field as it lies until the next clear
    // (a new match, a loaded one); a running one changes its ground at once.
    if (!g_.MatchRunning || (!canvas.UnderlayStale() && !recoloured))
        return;
    // The window repaints its own surface; this is not the rules painting,
    // whatever canvas they paint on.
    Canvas* rules = g_.canvas;
    g_.canvas = &canvas;
    canvas.Clear();
    DrawUnits(g_);
    g_.canvas = rules;
}

void FrmMain::RenderControls()
{
    SyncGround();
    FitBarsToField();
    SyncScrollBar(HorBar, g_.HorBar);
    SyncScrollBar(VertBar, g_.VertBar);
    RenderStrip();
    RenderUndo();
    Present();
}

void FrmMain::RenderUndo()
{
    // Greyed out, it still says why when the pointer rests on it.
    const save::UndoBar why = forms_.InNetworkMatch() ? forms_.NetworkUndoBar() : forms_.undo.Why();
    const QString tip = QString::fromStdString(save::UndoBarText(why));
    if (CmdUndo->isEnabled() != (why == save::UndoBar::None))
        CmdUndo->setEnabled(why == save::UndoBar::None);
    if (CmdUndo->toolTip() != tip)
        CmdUndo->setToolTip(tip);
}

bool FrmMain::UndoWalk()
{
    // In a network match every machine takes it back: the host decides.
    if (forms_.InNetworkMatch()) {
        const bool asked = forms_.NetworkUndo();
        forms_.Refresh();
        return asked;
    }
    if (!forms_.undo.Undo())
        return false;
    forms_.Refresh();
    return true;
}

std::array<FrmMain::ControlPlace, 5> FrmMain::ControlPlaces() const
{
    const qreal zoom = canvas.Zoom();
    auto frame = [&](const ShapeControl& shape, Rgb colour) {
        ControlPlace place;
        place.visible = shape.Visible;
        place.colour = colour;
        if (shape.Visible) {
            const qreal size = ShapeControl::Size / kTwipsPerPixel * zoom;
            // The pen reaches a pixel past the square on either side.
            const int pen = static_cast<int>(std::ceil(zoom));
            place.area = QRectF(canvas.Snap(shape.Left), canvas.Snap(shape.Top), size, size)
                             .toAlignedRect()
                             .adjusted(-pen, -pen, pen, pen);
        }
        return place;
    };
    auto label = [&](const LabelControl& l, int widthTwips, int heightTwips, const QFont& font) {
        ControlPlace place;
        place.visible = l.Visible;
        // The label keeps the game's own word (a save holds it); the field
        // shows it in the player's language. A number stays a number.
        place.caption = GH_TR("FieldLabel", l.Caption.c_str());
        place.colour = l.ForeColor;
        if (l.Visible) {
            const QRectF box(canvas.Snap(l.Left), canvas.Snap(l.Top),
                             widthTwips / double(kTwipsPerPixel) * zoom,
                             heightTwips / double(kTwipsPerPixel) * zoom);
            // The text is not clipped to the label's box; antialiased edges
            // reach a little past the glyphs.
            const QRectF text =
                QFontMetricsF(font).boundingRect(box, kLabelFlags, QString::fromStdString(l.Caption));
            place.area = box.united(text).toAlignedRect().adjusted(-2, -2, 2, 2);
        }
        return place;
    };
    ControlPlace cursor;
    cursor.visible = cursor_.shown && g_.MatchRunning;
    if (cursor.visible) {
        const qreal size = kCell / double(kTwipsPerPixel) * zoom;
        cursor.area = QRectF(canvas.Snap(static_cast<float>(cursor_.col) * kCell - g_.ViewX),
                             canvas.Snap(static_cast<float>(cursor_.row) * kCell - g_.ViewY), size, size)
                          .toAlignedRect()
                          .adjusted(-2, -2, 2, 2);
    }
    return {frame(g_.ShpAt, kRed), frame(g_.ShpSel, kGreen),
            label(g_.LblUdar, kUdarWidth, kUdarHeight, udarFont_),
            label(g_.LblXP, kXpWidth, kXpHeight, xpFont_), cursor};
}

void FrmMain::Present()
{
    QRegion changed = canvas.TakeChanges();
    // The cursor's cell moves in the window as the view scrolls.
    if (keysPoint_ && cursor_.shown && g_.MatchRunning)
        aids_.SetPointer(CursorTwips());
    const std::array<ControlPlace, 5> now = ControlPlaces();
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] == shownControls_[i])
            continue;
        changed += shownControls_[i].area;
        changed += now[i].area;
    }
    shownControls_ = now;
    changed += aids_.Follow(size());
    if (changed.isEmpty())
        return;
    ++presented_.requested;
    if (paintPending_)
        ++presented_.overtaken;
    paintPending_ = true;
    if (g_.timers.Ticks() != lastChangedTick_) {
        lastChangedTick_ = g_.timers.Ticks();
        ++presented_.changedTicks;
    }
    for (const QRect& r : changed)
        presented_.area += static_cast<std::uint64_t>(r.width()) * static_cast<std::uint64_t>(r.height());
    update(changed);
    WriteStats(false);
}

void FrmMain::WriteStats(bool now)
{
    if (statsPath_.isEmpty())
        return;
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    if (!now && ms - statsWritten_ < 1000)
        return;
    statsWritten_ = ms;
    QSaveFile file(statsPath_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << "ticks " << g_.timers.Ticks() << "\nchanged_ticks " << presented_.changedTicks << "\nrequested "
        << presented_.requested << "\npainted " << presented_.painted << "\novertaken "
        << presented_.overtaken << "\narea " << presented_.area << "\n";
    out.flush();
    file.commit();
}

void FrmMain::OnHorBar(int value)
{
    // The view is the match's: it is moved by the person whose turn it is.
    if (!forms_.FieldIsOurs()) {
        RenderControls();
        return;
    }
    g_.HorBar.Value = value;
    HorBarChanged(g_, value);
    RenderControls();
}

void FrmMain::OnVertBar(int value)
{
    if (!forms_.FieldIsOurs()) {
        RenderControls();
        return;
    }
    g_.VertBar.Value = value;
    VertBarChanged(g_, value);
    RenderControls();
}

void FrmMain::ToolbarClicked(const QString& caption)
{
    // While the match waits (the hero selection is open over it) the
    // toolbar only opens windows that give no order.
    if (g_.timers.Held() && caption != QStringLiteral("Главное меню") && caption != QStringLiteral("Помощь"))
        return;
    if (caption == QStringLiteral("Отменить")) {
        UndoWalk();
        RenderControls();
        return;
    }
    switch (ToolbarCommand(g_, caption.toStdString())) {
    case ToolbarAction::OpenMenu: forms_.OpenMenu(); break;
    case ToolbarAction::OpenCast: forms_.OpenCast(); break;
    case ToolbarAction::OpenSettings: forms_.OpenSettings(); break;
    case ToolbarAction::OpenHelp: forms_.OpenHelp(); break;
    case ToolbarAction::None: break;
    }
    RenderControls();
}

void FrmMain::paintEvent(QPaintEvent* event)
{
    if (paintPending_) {
        paintPending_ = false;
        ++presented_.painted;
    }
    QPainter p(this);
    // Only the region Qt asks for is copied; elsewhere the screen already
    // shows the field.
    const QImage& image = canvas.Image();
    const qreal r = image.devicePixelRatio();
    for (const QRect& area : event->region())
        p.drawImage(QRectF(area), image,
                    QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
    p.setClipRegion(event->region());
    aids_.Paint(p, event->region());
    PaintControls(p);
}

void FrmMain::PaintControls(QPainter& p)
{
    const qreal zoom = canvas.Zoom();
    auto frame = [&](const ShapeControl& shape, const QColor& colour) {
        if (!shape.Visible)
            return;
        const qreal size = ShapeControl::Size / kTwipsPerPixel * zoom;
        QPen pen(colour);
        pen.setWidthF(2.0 * zoom);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(canvas.Snap(shape.Left) + zoom, canvas.Snap(shape.Top) + zoom, size - 2.0 * zoom,
                          size - 2.0 * zoom));
    };
    frame(g_.ShpAt, QColor(255, 0, 0));
    frame(g_.ShpSel, QColor(0, 255, 0));
    PaintCursor(p);

    auto label = [&](const LabelControl& l, int widthTwips, int heightTwips, const QFont& font) {
        if (!l.Visible)
            return;
        p.setFont(font);
        p.setPen(QColor(l.ForeColor.r, l.ForeColor.g, l.ForeColor.b));
        const QRectF box(canvas.Snap(l.Left), canvas.Snap(l.Top), widthTwips / double(kTwipsPerPixel) * zoom,
                         heightTwips / double(kTwipsPerPixel) * zoom);
        p.drawText(box, kLabelFlags, QString::fromStdString(l.Caption));
    };
    label(g_.LblUdar, kUdarWidth, kUdarHeight, udarFont_);
    label(g_.LblXP, kXpWidth, kXpHeight, xpFont_);
}

void FrmMain::PaintCursor(QPainter& p) const
{
    if (!cursor_.shown || !g_.MatchRunning)
        return;
    // Unlike every other mark on the field (the pointer's red frame, the
    // selection's green one, the foes' orange corners): a yellow dashed
    // square on a black one, inside the cell, that shows on the black
    // field, on grass and over either frame.
    const qreal zoom = canvas.Zoom();
    const qreal size = kCell / double(kTwipsPerPixel) * zoom;
    const QRectF cell(canvas.Snap(static_cast<float>(cursor_.col) * kCell - g_.ViewX),
                      canvas.Snap(static_cast<float>(cursor_.row) * kCell - g_.ViewY), size, size);
    const qreal inset = 5.0 * zoom;
    const QRectF r = cell.adjusted(inset, inset, -inset, -inset);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), 5.0 * zoom, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
    QPen dashes(QColor(255, 230, 0), 3.0 * zoom, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({3.0, 2.0});
    p.setPen(dashes);
    p.drawRect(r);
}

void FrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    canvas.Resize(size(), devicePixelRatioF());
    ArrangeScrollBars();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    if (forms_.quitting) {
        event->accept();
        return;
    }
    if (ConfirmExit(g_)) {
        g_.shell->Quit();
        event->accept();
    } else {
        event->ignore();
    }
}

void FrmMain::keyPressEvent(QKeyEvent* event)
{
    if (ZoomKey(event))
        return;
    if (PlayKey(event)) {
        event->accept();
        RenderControls();
        return;
    }
    QScrollBar* bar = nullptr;
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: bar = HorBar, step = -HorBar->singleStep(); break;
    case Qt::Key_Right: bar = HorBar, step = HorBar->singleStep(); break;
    case Qt::Key_Up: bar = VertBar, step = -VertBar->singleStep(); break;
    case Qt::Key_Down: bar = VertBar, step = VertBar->singleStep(); break;
    case Qt::Key_PageUp: bar = VertBar, step = -VertBar->pageStep(); break;
    case Qt::Key_PageDown: bar = VertBar, step = VertBar->pageStep(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    // A hidden bar cannot be moved with the mouse either.
    if ((bar == HorBar ? g_.HorBar : g_.VertBar).Visible)
        bar->setValue(bar->value() + step);
    event->accept();
}

void FrmMain::mousePressEvent(QMouseEvent* event)
{
    // Presses the toolbar or a bar lets through are not clicks on the field.
    if (childAt(event->position().toPoint())) {
        event->ignore();
        return;
    }
    const int button = ButtonOf(event->button());
    // While the match waits, a click on the field gives no order; nor does
    // one while a side played at another machine is on the move.
    if (button == 0 || g_.timers.Held() || !forms_.FieldIsOurs())
        return;
    const QPointF at = event->position();
    const auto requests = FieldMouseDown(g_, button, FieldTwips(at.x()), FieldTwips(at.y()));
    for (const InfoRequest& r : requests)
        forms_.OpenInfo(r);
    RenderControls();
}

void FrmMain::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const float mx = FieldTwips(at.x()), my = FieldTwips(at.y());
    keysPoint_ = false;
    if (forms_.FieldIsOurs())
        FieldMouseMove(g_, mx, my);
    if (childAt(at.toPoint()))
        aids_.SetPointer(std::nullopt);
    else
        aids_.SetPointer(QPointF(mx, my));
    RenderControls();
}

void FrmMain::leaveEvent(QEvent* event)
{
    aids_.SetPointer(std::nullopt);
    RenderControls();
    QWidget::leaveEvent(event);
}

void FrmMain::WindowShown(QWidget* window)
{
    std::erase_if(shownWindows_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    // A window that comes up beside the field without the keyboard (the
    // log), or never takes it (the portrait holder), does not get it later.
    if (!window->testAttribute(Qt::WA_ShowWithoutActivating) &&
        !window->testAttribute(Qt::WA_DontShowOnScreen) &&
        !window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        shownWindows_.push_back(window);
}

void FrmMain::WindowHidden(QWidget* window)
{
    std::erase_if(shownWindows_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    // Only when the player was in that window: a window that goes while
    // the player is in another program takes nothing from it.
    if (!window->isActiveWindow() && leaving_ != window)
        return;
    leaving_ = nullptr;
    // Some desktops leave the keyboard nowhere when a window goes, and then
    // no key gets the player anywhere. A window opened in its place (the
    // menu's «Заново» opens the selection) has it already by now.
    QTimer::singleShot(0, this, [this] {
        QWidget* active = QApplication::activeWindow();
        if (active && active->isVisible())
            return;
        for (auto it = shownWindows_.rbegin(); it != shownWindows_.rend(); ++it)
            if (*it && (*it)->isVisible()) {
                (*it)->activateWindow();
                return;
            }
        if (isVisible()) {
            activateWindow();
            setFocus();
        }
    });
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == Toolbar1 || watched == HorBar || watched == VertBar || watched == Strip) {
        if (type == QEvent::Enter) {
            aids_.SetPointer(std::nullopt);
            RenderControls();
        }
        return QWidget::eventFilter(watched, event);
    }
    // The program's other windows, down to the boxes and the folder
    // dialogs they open: where the keyboard goes when one of them goes.
    if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowDeactivate) &&
        watched->isWidgetType() && watched != this) {
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType kind = w->windowType();
        if (!w->isWindow() || kind == Qt::Popup || kind == Qt::ToolTip || kind == Qt::SplashScreen)
            return QWidget::eventFilter(watched, event);
        // A window loses the keyboard as it is being hidden: it had it as
        // it went. (One left for another program is not hidden then.)
        if (type == QEvent::WindowDeactivate && w->isHidden())
            leaving_ = w;
        else if (type == QEvent::Show)
            WindowShown(w);
        else if (type == QEvent::Hide)
            WindowHidden(w);
    }
    return QWidget::eventFilter(watched, event);
}

float FrmMain::FieldTwips(double pixels) const
{
    return PixelsToTwips(pixels / canvas.Zoom());
}

void FrmMain::ScaleLabelFonts()
{
    udarFont_ = LabelFont(kUdarPoints * canvas.Zoom());
    xpFont_ = LabelFont(kXpPoints * canvas.Zoom());
}

void FrmMain::ZoomTo(double zoom, QPointF anchor)
{
    zoom = ZoomStep(zoom, 0);
    const double before = canvas.Zoom();
    if (zoom == before)
        return;
    // The field point under the anchor, before and after.
    const double fx = g_.ViewX + anchor.x() * kTwipsPerPixel / before;
    const double fy = g_.ViewY + anchor.y() * kTwipsPerPixel / before;
    forms_.prefs.zoom = zoom;
    forms_.PreferencesChanged();
    canvas.SetZoom(zoom);
    ScaleLabelFonts();
    const int vx = static_cast<int>(std::lround(fx - anchor.x() * kTwipsPerPixel / zoom));
    const int vy = static_cast<int>(std::lround(fy - anchor.y() * kTwipsPerPixel / zoom));
    // Both redraw the field at its new scale, wherever the view ends up.
    HorBarChanged(g_, vx);
    VertBarChanged(g_, vy);
    // The resting pointer is over another cell now.
    const QPointF at = mapFromGlobal(QCursor::pos());
    if (rect().contains(at.toPoint()) && !childAt(at.toPoint())) {
        FieldMouseMove(g_, FieldTwips(at.x()), FieldTwips(at.y()));
        aids_.SetPointer(QPointF(FieldTwips(at.x()), FieldTwips(at.y())));
    }
    RenderControls();
}

bool FrmMain::ZoomKey(QKeyEvent* event)
{
    int steps = 0;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: steps = 1; break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: steps = -1; break;
    default: return false;
    }
    QPointF anchor = mapFromGlobal(QCursor::pos());
    if (!rect().contains(anchor.toPoint()))
        anchor = QPointF(width() / 2.0, height() / 2.0);
    ZoomTo(ZoomStep(canvas.Zoom(), steps), anchor);
    event->accept();
    return true;
}

void FrmMain::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        // A notch is 120; a touchpad sends smaller deltas that add up to one.
        wheelZoom_ += delta;
        const int steps = wheelZoom_ / 120;
        if (steps != 0) {
            wheelZoom_ -= steps * 120;
            ZoomTo(ZoomStep(canvas.Zoom(), steps), event->position());
        }
        event->accept();
        return;
    }
    // The wheel scrolls the field as the bars do; with Shift, sideways.
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || event->angleDelta().x() != 0;
    QScrollBar* bar = sideways ? HorBar : VertBar;
    const int d = sideways && event->angleDelta().x() != 0 ? event->angleDelta().x() : delta;
    if ((bar == HorBar ? g_.HorBar : g_.VertBar).Visible && d != 0)
        bar->setValue(bar->value() - d * bar->singleStep() / 120);
    event->accept();
}

} // namespace gh
