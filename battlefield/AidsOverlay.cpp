#include "battlefield/AidsOverlay.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "battlefield/AidsText.h"
#include "engine/Order.h"
#include "magic/SpellForecast.h"
#include "platform/Numbers.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/Translations.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr int kFirstCell = 1;
constexpr int kLastCell = kPlannedCells - 1;

// The walkable field is a faint grid along the cells' edges, lightened onto
// what is there, so that it shows on the black and never over a unit's or
// an effect's colours; its border a little brighter. Only the lines are
// lightened: a lightened fill of the whole field costs milliseconds a frame.
const QColor kGridLine(44, 52, 46);
const QColor kGridBorder(70, 82, 72);
// The reach and the places a summon fits are free cells at rest: nothing but
// black lies there, so they are filled opaque, which is a plain copy.
const QColor kReachTint(18, 42, 78);
const QColor kSummonTint(22, 56, 30);
// On the ground none of that holds: the grid is darkened into the grass, the
// tints are washes that leave the grass seen through them, blue for the
// reach, gold for a summon (green would vanish on grass).
const QColor kGroundGridLine(0, 0, 0, 70);
const QColor kGroundGridBorder(0, 0, 0, 130);
const QColor kGroundReachTint(80, 165, 255, 105);
const QColor kGroundSummonTint(255, 225, 110, 100);
// Fills worked out span by span are split over threads past this many rows;
// a line is painted in pieces no longer, which costs less than the threads.
constexpr int kLinePiece = 64;
const QColor kFoeMark(255, 150, 20);
const QColor kPathArrives(150, 215, 255);
const QColor kPathExchange(255, 185, 70);
const QColor kPathShort(190, 190, 190);
const QColor kRefused(255, 90, 70);
const QColor kPanel(0, 0, 0, 215);
const QColor kPanelEdge(125, 125, 125);

constexpr int kPanelPadding = 6;
constexpr int kPanelGap = 10;

// FNV-1a over the values the aids depend on.
class Key {
public:
    template <typename T> Key& operator<<(const T& v)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        for (unsigned char b : bytes) {
            h_ ^= b;
            h_ *= 1099511628211ull;
        }
        return *this;
    }
    std::uint64_t Value() const { return h_; }

private:
    std::uint64_t h_ = 14695981039346656037ull;
};

bool PersonsTurn(const Game& g)
{
    return g.MatchRunning && g.ActiveHero >= 0 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

bool OwnUnit(const Game& g, int i)
{
    return g.U(i).Owner == g.ActiveHero || i == g.ActiveHero;
}

bool LivingFoe(const Game& g, int i)
{
    return i > 0 && Game::ValidUnit(i) && g.U(i).OnField && g.U(i).Hp >= 1 && !OwnUnit(g, i);
}

std::size_t Bit(int col, int row)
{
    return static_cast<std::size_t>(col * kPlannedCells + row);
}

float Corner(int cell)
{
    return static_cast<float>(cell * kCell);
}

int CellOf(double twips)
{
    return static_cast<int>(std::floor(twips / kCell));
}

} // namespace

AidsOverlay::AidsOverlay(const Game& g, const FieldPrefs& prefs, const QtCanvas& canvas)
    : g_(g), prefs_(prefs), canvas_(canvas), font_(QStringLiteral("Arial"))
{
    font_.setPointSizeF(10.0);
}

void AidsOverlay::SetPointer(std::optional<QPointF> windowTwips)
{
    pointer_ = windowTwips;
}

bool AidsOverlay::SummonCellShown(int col, int row) const
{
    return reach_.kind == TintKind::Summon && col >= 0 && row >= 0 && col < kPlannedCells &&
           row < kPlannedCells && reach_.cells.test(Bit(col, row));
}

std::uint64_t AidsOverlay::FieldKey() const
{
    const Game& g = g_;
    Key k;
    k << prefs_.aidsOn << g.MatchRunning << g.ActiveHero << PersonsTurn(g) << g.InputMode << g.Selected
      << g.UnitCount << g.timers.Enabled(TimerId::Tmr1) << g.timers.Enabled(TimerId::Tmr2)
      << g.timers.Enabled(TimerId::Tmr3) << g.CastChance << g.CastMana << g.ChosenSlot << g.U(0).UnitType;
    const SpellRecord& s = g.CurrentSpell;
    k << s.SpellNo << s.Effect << s.IsPercent << s.StatKind << s.Element << s.Chance;
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g.U(i);
        // Not the idle animation's fields: they change every few ticks and
        // no aid reads them.
        k << u.PosX << u.PosY << u.Kind << u.Hp << u.Actions << u.Owner << u.OnField << u.UnitType << u.Level
          << u.Leadership << u.LeadershipMax << u.Mana;
    }
    return k.Value();
}

std::optional<std::array<int, 2>> AidsOverlay::PointerCell() const
{
    if (!pointer_)
        return std::nullopt;
    return std::array<int, 2>{CellOf(static_cast<double>(g_.ViewX) + pointer_->x()),
                              CellOf(static_cast<double>(g_.ViewY) + pointer_->y())};
}

QRegion AidsOverlay::Follow(QSize window)
{
    QRegion changed;
    view_ = {g_.ViewX, g_.ViewY, canvas_.Zoom(), window};

    const bool groundOn = prefs_.aidsOn && g_.MatchRunning;
    if (groundOn != ground_.on || (groundOn && !(ground_.view == view_))) {
        changed += ground_.area;
        ground_.on = groundOn;
        ground_.view = view_;
        LayOutGround(ground_);
        changed += ground_.area;
    }

    const std::uint64_t field = FieldKey();
    TintKind kind = TintKind::None;
    if (prefs_.aidsOn && ReachShown(g_))
        kind = TintKind::Reach;
    else if (prefs_.aidsOn && PersonsTurn(g_) && g_.InputMode == kModeSummon)
        kind = TintKind::Summon;
    const std::uint64_t tintKey = (Key() << field << kind).Value();
    if (kind != reach_.kind || tintKey != reach_.key || !(reach_.view == view_)) {
        changed += reach_.area;
        if (kind != reach_.kind || tintKey != reach_.key) {
            reach_.kind = kind;
            reach_.key = tintKey;
            WorkOutTint(reach_, kind);
        }
        reach_.view = view_;
        LayOutTint(reach_);
        changed += reach_.area;
    }

    // The hover also hangs on Target, which the pointer resting on a unit
    // names and the walk it would start reads.
    const auto cell = PointerCell();
    Key hk;
    hk << field << g_.Target << kind << cell.has_value();
    if (cell)
        hk << (*cell)[0] << (*cell)[1];
    const std::uint64_t hoverKey = hk.Value();
    if (hoverKey != hover_.key || !(hover_.view == view_)) {
        changed += hover_.area;
        if (hoverKey != hover_.key) {
            hover_.key = hoverKey;
            hover_.lines.clear();
            hover_.path.clear();
            hover_.pathKind = PathKind::None;
            hover_.refused.reset();
            hover_.struck.reset();
            if (cell)
                WorkOutHover(hover_, *cell);
        }
        hover_.view = view_;
        LayOutHover(hover_);
        changed += hover_.area;
    }
    return changed;
}

void AidsOverlay::WorkOutTint(Tint& tint, TintKind kind)
{
    tint.cells.reset();
    tint.reach = Reach{};
    if (kind == TintKind::Reach) {
        tint.reach = ComputeReach(g_, g_.Selected);
        ++reachesComputed_;
        for (int col = kFirstCell; col <= kLastCell; ++col)
            for (int row = kFirstCell; row <= kLastCell; ++row)
                if (tint.reach.Reaches(col, row))
                    tint.cells.set(Bit(col, row));
    } else if (kind == TintKind::Summon) {
        for (int col = kFirstCell; col <= kLastCell; ++col)
            for (int row = kFirstCell; row <= kLastCell; ++row)
                if (SummonFits(g_, Corner(col), Corner(row)))
                    tint.cells.set(Bit(col, row));
    }
}

void AidsOverlay::WorkOutHover(Hover& hover, std::array<int, 2> cell) const
{
    const Game& g = g_;
    if (!prefs_.aidsOn || !PersonsTurn(g))
        return;
    const float x = Corner(cell[0]), y = Corner(cell[1]);
    const int there = OccupantAt(g, x, y);

    if (g.InputMode == kModeSummon) {
        hover.lines = SummonLines(g, x, y);
        return;
    }
    if (g.InputMode == kModeSpell) {
        // Once its pictures play the spell is cast: nothing is left to choose.
        if (!g.timers.Enabled(TimerId::Tmr2))
            hover.lines = SpellLines(g, ForecastSpell(g, x, y));
        return;
    }
    if (!FieldTakesOrders(g))
        return;

    const int s = g.Selected;
    // A click on one's own unit selects it: there is nothing to foresee.
    if (there != 0 && OwnUnit(g, there))
        return;
    if (!ReachShown(g)) {
        if (Game::ValidUnit(s) && s > 0 && OwnUnit(g, s) && g.U(s).OnField && g.U(s).Hp >= 1 &&
            g.U(s).Actions <= 0)
            hover.lines = {Fill(GH_TR("AidsOverlay", "%1: очков действия не осталось до следующего хода"),
                                {AidUnitLabel(g, s)})};
        return;
    }

    const WalkPreview walk = PreviewWalk(g, s, x, y);
    const Unit& w = g.U(s);
    hover.path.push_back({CellOf(w.PosX), CellOf(w.PosY)});
    for (int i = 0; i < walk.steps.count; ++i)
        hover.path.push_back({walk.steps.cell[static_cast<std::size_t>(i)][0],
                              walk.steps.cell[static_cast<std::size_t>(i)][1]});
    if (LivingFoe(g, walk.exchangeWith)) {
        hover.pathKind = PathKind::Exchange;
        const Unit& foe = g.U(walk.exchangeWith);
        hover.struck = std::array<int, 2>{CellOf(foe.PosX), CellOf(foe.PosY)};
        hover.lines = ExchangeLines(g, s, walk, ForecastOpening(g, s, walk));
        return;
    }
    hover.pathKind = walk.arrives ? PathKind::Arrives : PathKind::Short;
    if (!walk.arrives)
        hover.refused = cell;
    hover.lines = WalkLines(g, s, walk, LivingFoe(g, there) ? there : 0);
}

QRectF AidsOverlay::CellRect(int col, int row) const
{
    const float left = Corner(col) - g_.ViewX, top = Corner(row) - g_.ViewY;
    const qreal x = canvas_.Snap(left), y = canvas_.Snap(top);
    return QRectF(x, y, canvas_.Snap(left + kCell) - x, canvas_.Snap(top + kCell) - y);
}

QPointF AidsOverlay::CellCentre(int col, int row) const
{
    return CellRect(col, row).center();
}

void AidsOverlay::LayOutGround(Ground& ground) const
{
    ground.area = QRegion();
    if (!ground.on)
        return;
    const QRectF field = CellRect(kFirstCell, kFirstCell).united(CellRect(kLastCell, kLastCell));
    ground.area = QRegion(field.toAlignedRect().adjusted(0, 0, 1, 1) & QRect(QPoint(0, 0), view_.window));
}

void AidsOverlay::LayOutTint(Tint& tint) const
{
    tint.area = QRegion();
    const QRect window(QPoint(0, 0), view_.window);
    for (int col = kFirstCell; col <= kLastCell; ++col)
        for (int row = kFirstCell; row <= kLastCell; ++row)
            if (tint.cells.test(Bit(col, row)))
                tint.area += CellRect(col, row).toAlignedRect() & window;
    for (int foe : tint.reach.opponents) {
        const Unit& u = g_.U(foe);
        tint.area += CellRect(CellOf(u.PosX), CellOf(u.PosY)).toAlignedRect().adjusted(-2, -2, 2, 2) & window;
    }
}

void AidsOverlay::LayOutHover(Hover& hover) const
{
    hover.area = QRegion();
    hover.panel = QRect();
    const QRect window(QPoint(0, 0), view_.window);
    for (const auto& c : hover.path)
        hover.area += CellRect(c[0], c[1]).toAlignedRect().adjusted(-3, -3, 3, 3) & window;
    if (hover.refused)
        hover.area +=
            CellRect((*hover.refused)[0], (*hover.refused)[1]).toAlignedRect().adjusted(-2, -2, 2, 2) &
            window;
    if (hover.struck && !hover.path.empty()) {
        // The dashes to a foe in range can run past the path's cells.
        const QRectF from = CellRect(hover.path.back()[0], hover.path.back()[1]);
        const QRectF to = CellRect((*hover.struck)[0], (*hover.struck)[1]);
        hover.area += from.united(to).toAlignedRect().adjusted(-3, -3, 3, 3) & window;
    }
    hover.texts.clear();
    if (hover.lines.empty() || !pointer_)
        return;

    // The field under the panel animates and the panel is painted again over
    // it many times a second; the lines are shaped only here.
    qreal width = 0;
    for (const std::string& line : hover.lines) {
        QStaticText text(QString::fromStdString(line));
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), font_);
        width = std::max(width, text.size().width());
        hover.texts.push_back(std::move(text));
    }
    const QFontMetricsF metrics(font_);
    const QSizeF size(std::ceil(width) + 2 * kPanelPadding,
                      std::ceil(metrics.lineSpacing() * static_cast<qreal>(hover.lines.size())) +
                          2 * kPanelPadding);

    // Beside the pointer's cell, right and below, turned to the other side
    // where the window ends.
    const auto cell = PointerCell();
    const QRectF c = CellRect((*cell)[0], (*cell)[1]);
    qreal left = c.right() + kPanelGap;
    qreal top = c.bottom() + kPanelGap;
    if (left + size.width() > view_.window.width())
        left = c.left() - kPanelGap - size.width();
    if (top + size.height() > view_.window.height())
        top = c.top() - kPanelGap - size.height();
    left = std::clamp(left, 0.0, std::max(0.0, view_.window.width() - size.width()));
    top = std::clamp(top, 0.0, std::max(0.0, view_.window.height() - size.height()));
    hover.panel = QRectF(QPointF(std::round(left), std::round(top)), size).toAlignedRect();
    hover.area += hover.panel.adjusted(-1, -1, 1, 1);
}

void AidsOverlay::Paint(QPainter& p, const QRegion& area) const
{
    if (area.isEmpty())
        return;
    p.save();
    // The ground and the tint keep to the area's rectangles by themselves;
    // clipping each of their many small fills to the whole area again would
    // cost more than the fills.
    p.setClipping(false);
    PaintGround(p, area);
    PaintTint(p, area);
    p.restore();
    p.save();
    PaintMarks(p, area);
    if (area.intersects(hover_.area))
        PaintHover(p, area);
    p.restore();
}

std::bitset<kPlannedCells * kPlannedCells> AidsOverlay::CellsUnder(const QRegion& area) const
{
    // Window pixels to cells: the field point is the view plus the pixel in
    // twips at the field's scale.
    const double twips = kTwipsPerPixel / view_.zoom;
    auto cell = [&](double pixel, float view) {
        return std::clamp(CellOf(view + pixel * twips), 0, kLastCell);
    };
    std::bitset<kPlannedCells * kPlannedCells> cells;
    for (const QRect& r : area) {
        const int c0 = cell(r.left() - 1, g_.ViewX), c1 = cell(r.right() + 1, g_.ViewX);
        const int r0 = cell(r.top() - 1, g_.ViewY), r1 = cell(r.bottom() + 1, g_.ViewY);
        for (int c = c0; c <= c1; ++c)
            for (int w = r0; w <= r1; ++w)
                cells.set(Bit(c, w));
    }
    return cells;
}

void AidsOverlay::PaintGround(QPainter& p, const QRegion& area) const
{
    if (!ground_.on || !area.intersects(ground_.area))
        return;
    const QRectF field = CellRect(kFirstCell, kFirstCell).united(CellRect(kLastCell, kLastCell));
    // Edges of the cells, where the lines run, one logical pixel wide.
    std::array<QPointF, kPlannedCells> edges{};
    for (int k = kFirstCell; k <= kLastCell + 1; ++k)
        edges[static_cast<std::size_t>(k - kFirstCell)] = CellRect(k, k).topLeft();
    auto line = [&](const QRectF& r, const QColor& colour) {
        for (qreal top = r.top(); top < r.bottom(); top += kLinePiece)
            p.fillRect(QRectF(r.left(), top, r.width(), std::min<qreal>(kLinePiece, r.bottom() - top)),
                       colour);
    };
    const bool onGround = canvas_.LaidUnderlay() != nullptr;
    p.setCompositionMode(onGround ? QPainter::CompositionMode_SourceOver : QPainter::CompositionMode_Lighten);
    // Within each rectangle of the area alone; lightening twice is
    // lightening once, so lines that two rectangles share do no harm. The
    // area's rectangles never overlap, so no darkened line is darkened twice.
    for (const QRect& r : area) {
        const QRectF part = field.adjusted(0, 0, 1, 1) & QRectF(r);
        if (part.isEmpty())
            continue;
        for (std::size_t k = 0; k < edges.size(); ++k) {
            const bool border = k == 0 || k + 1 == edges.size();
            const QColor& colour = onGround ? (border ? kGroundGridBorder : kGroundGridLine)
                                            : (border ? kGridBorder : kGridLine);
            const qreal x = edges[k].x(), y = edges[k].y();
            if (x >= part.left() - 1 && x < part.right())
                line(QRectF(x, part.top(), 1.0, part.height()) & part, colour);
            if (y >= part.top() - 1 && y < part.bottom())
                line(QRectF(part.left(), y, part.width(), 1.0) & part, colour);
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void AidsOverlay::PaintTint(QPainter& p, const QRegion& area) const
{
    if (reach_.kind == TintKind::None)
        return;
    const bool onGround = canvas_.LaidUnderlay() != nullptr;
    const QColor tint = reach_.kind == TintKind::Reach ? (onGround ? kGroundReachTint : kReachTint)
                                                       : (onGround ? kGroundSummonTint : kSummonTint);
    // The area's rectangles never overlap, so every pixel is tinted once: the
    // tint is not opaque, and twice would show darker.
    for (const QRect& r : area) {
        const auto cells = reach_.cells & CellsUnder(QRegion(r));
        if (cells.none())
            continue;
        for (int col = kFirstCell; col <= kLastCell; ++col)
            for (int row = kFirstCell; row <= kLastCell; ++row)
                if (cells.test(Bit(col, row)))
                    p.fillRect(CellRect(col, row).adjusted(1, 1, 0, 0) & QRectF(r), tint);
    }
}

QPen AidsOverlay::Pen(const QColor& colour, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join) const
{
    QPen pen(colour);
    pen.setWidthF(width * view_.zoom);
    pen.setCapStyle(cap);
    pen.setJoinStyle(join);
    return pen;
}

void AidsOverlay::PaintMarks(QPainter& p, const QRegion& area) const
{
    if (reach_.kind == TintKind::None)
        return;
    // Corners round every enemy the unit can open an exchange with.
    p.setPen(Pen(kFoeMark, 2.0, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (int foe : reach_.reach.opponents) {
        const Unit& u = g_.U(foe);
        const QRectF r = CellRect(CellOf(u.PosX), CellOf(u.PosY)).adjusted(2, 2, -2, -2);
        if (!area.intersects(r.toAlignedRect().adjusted(-2, -2, 2, 2)))
            continue;
        const qreal arm = r.width() / 3.0;
        for (int corner = 0; corner < 4; ++corner) {
            const QPointF at(corner % 2 ? r.right() : r.left(), corner / 2 ? r.bottom() : r.top());
            const qreal sx = corner % 2 ? -1 : 1, sy = corner / 2 ? -1 : 1;
            QPainterPath path(at + QPointF(0, sy * arm));
            path.lineTo(at);
            path.lineTo(at + QPointF(sx * arm, 0));
            p.drawPath(path);
        }
    }
}

void AidsOverlay::PaintPath(QPainter& p, const QRegion& area) const
{
    const QColor colour = hover_.pathKind == PathKind::Arrives    ? kPathArrives
                          : hover_.pathKind == PathKind::Exchange ? kPathExchange
                                                                  : kPathShort;
    // The field under the path animates (the walker's own cell is its
    // first), so it is painted again often: only the runs of steps that
    // reach into the area are stroked. Within the area that is the very same
    // picture, since a step outside it puts no pixel inside.
    const qreal reachOut = 5.0 * view_.zoom + 2.0;
    auto within = [&](QPointF a, QPointF b) {
        const QRectF r = QRectF(a, b).normalized().adjusted(-reachOut, -reachOut, reachOut, reachOut);
        return area.intersects(r.toAlignedRect());
    };
    p.setPen(Pen(colour, 3.0, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath run;
    for (std::size_t i = 1; i < hover_.path.size(); ++i) {
        const QPointF a = CellCentre(hover_.path[i - 1][0], hover_.path[i - 1][1]);
        const QPointF b = CellCentre(hover_.path[i][0], hover_.path[i][1]);
        if (!within(a, b)) {
            if (!run.isEmpty())
                p.drawPath(run);
            run = QPainterPath();
            continue;
        }
        if (run.isEmpty())
            run.moveTo(a);
        run.lineTo(b);
    }
    if (!run.isEmpty())
        p.drawPath(run);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal dot = 5.0 * view_.zoom;
    for (std::size_t i = 1; i < hover_.path.size(); ++i) {
        const QPointF c = CellCentre(hover_.path[i][0], hover_.path[i][1]);
        if (within(c, c))
            p.drawEllipse(c, dot, dot);
    }
    // Where the walk ends: a ring round the last cell.
    const QRectF end = CellRect(hover_.path.back()[0], hover_.path.back()[1]).adjusted(4, 4, -4, -4);
    if (area.intersects(end.toAlignedRect().adjusted(-3, -3, 3, 3))) {
        p.setPen(Pen(colour, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(end);
    }
}

void AidsOverlay::PaintHover(QPainter& p, const QRegion& area) const
{
    p.setRenderHint(QPainter::Antialiasing, true);
    if (hover_.path.size() >= 2)
        PaintPath(p, area);
    if (hover_.struck && !hover_.path.empty()) {
        // Where the blow goes from: dashes from the walk's end to the foe.
        QPen pen = Pen(kPathExchange, 2.0);
        pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawLine(CellCentre(hover_.path.back()[0], hover_.path.back()[1]),
                   CellCentre((*hover_.struck)[0], (*hover_.struck)[1]));
    }
    if (hover_.refused) {
        // The hovered cell the walk does not end on is crossed out.
        const QRectF r = CellRect((*hover_.refused)[0], (*hover_.refused)[1]).adjusted(12, 12, -12, -12);
        p.setPen(Pen(kRefused, 2.5));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    if (hover_.panel.isEmpty() || !area.intersects(hover_.panel.adjusted(-1, -1, 1, 1)))
        return;
    p.setPen(kPanelEdge);
    p.setBrush(kPanel);
    p.drawRect(QRectF(hover_.panel).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(font_);
    const QFontMetricsF metrics(font_);
    qreal y = hover_.panel.top() + kPanelPadding;
    bool first = true;
    for (const QStaticText& line : hover_.texts) {
        p.setPen(first ? QColor(255, 230, 150) : QColor(235, 235, 235));
        p.drawStaticText(QPointF(hover_.panel.left() + kPanelPadding, y), line);
        y += metrics.lineSpacing();
        first = false;
    }
}

} // namespace gh
