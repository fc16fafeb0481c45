#pragma once

#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QStaticText>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "battlefield/FieldPrefs.h"
#include "engine/Aids.h"
#include "world/Game.h"

class QPainter;

namespace gh {

class QtCanvas;

// The play aids drawn over the battlefield: the walkable field, the selected
// unit's reach and the enemies it can fight, and beside the pointer the path
// it would take with its cost, the odds of an exchange, a spell or a summon.
//
// They are painted over the canvas when the window is painted, never into
// it: the rules' pictures stay as they are, and only the cells whose aids
// changed are presented again. Everything is worked out from a const match
// through engine/Aids and the forecasts, and only when what it depends on
// changes (the selection, the pointer's cell, the field), never per tick.
class AidsOverlay {
public:
    AidsOverlay(const Game& g, const FieldPrefs& prefs, const QtCanvas& canvas);

    // Where the pointer rests, in window twips as the rules read the pointer;
    // nothing when it is off the field (over the toolbar, outside the window).
    void SetPointer(std::optional<QPointF> windowTwips);

    // Brings what is shown in line with the match, the view and the pointer.
    // Answers the area, in logical pixels of a window of `window` size, that
    // must be painted again for it.
    QRegion Follow(QSize window);

    // Paints the aids within `area` (logical pixels) over the field.
    void Paint(QPainter& p, const QRegion& area) const;

    // What is shown now.
    bool GroundShown() const { return ground_.on; }
    // The reach tinted on the field, when one is.
    const Reach* ShownReach() const { return reach_.kind == TintKind::Reach ? &reach_.reach : nullptr; }
    // Cells tinted for a summon waiting for its place.
    bool SummonCellShown(int col, int row) const;
    // The lines beside the pointer, top to bottom.
    const std::vector<std::string>& Lines() const { return hover_.lines; }
    // The cells of the previewed path, in order.
    const std::vector<std::array<int, 2>>& PathCells() const { return hover_.path; }
    // Where the lines are painted, logical pixels; empty when there are none.
    QRect PanelRect() const { return hover_.panel; }
    // Everything the preview beside the pointer paints on, logical pixels.
    const QRegion& HoverArea() const { return hover_.area; }
    // How many times a reach has been worked out (it must not be per tick).
    std::uint64_t ReachesComputed() const { return reachesComputed_; }

private:
    enum class TintKind { None, Reach, Summon };
    enum class PathKind { None, Arrives, Exchange, Short };

    // What the view is: the aids are laid out from it.
    struct View {
        float viewX = 0, viewY = 0;
        double zoom = 1;
        QSize window;
        friend bool operator==(const View&, const View&) = default;
    };

    struct Ground {
        bool on = false;
        View view;
        QRegion area;
    };

    struct Tint {
        TintKind kind = TintKind::None;
        std::uint64_t key = 0; // what it was worked out from
        Reach reach;
        std::bitset<kPlannedCells * kPlannedCells> cells;
        View view;
        QRegion area;
    };

    struct Hover {
        std::uint64_t key = 0;
        std::vector<std::string> lines;
        std::vector<std::array<int, 2>> path; // the walker's cell first
        PathKind pathKind = PathKind::None;
        std::optional<std::array<int, 2>> refused; // the hovered cell, when the walk cannot end there
        std::optional<std::array<int, 2>> struck;  // the cell of the unit the walk fights
        View view;
        QRect panel;
        std::vector<QStaticText> texts; // the lines, shaped once for every paint
        QRegion area;
    };

    std::uint64_t FieldKey() const;
    std::optional<std::array<int, 2>> PointerCell() const;
    void LayOutGround(Ground& ground) const;
    void WorkOutTint(Tint& tint, TintKind kind);
    void LayOutTint(Tint& tint) const;
    void WorkOutHover(Hover& hover, std::array<int, 2> cell) const;
    void LayOutHover(Hover& hover) const;

    QRectF CellRect(int col, int row) const;
    QPointF CellCentre(int col, int row) const;

    void PaintGround(QPainter& p, const QRegion& area) const;
    void PaintTint(QPainter& p, const QRegion& area) const;
    void PaintMarks(QPainter& p, const QRegion& area) const;
    // The planned cells any part of which lies within `area`.
    std::bitset<kPlannedCells * kPlannedCells> CellsUnder(const QRegion& area) const;
    // A pen `width` logical pixels wide at the field's scale.
    QPen Pen(const QColor& colour, qreal width, Qt::PenCapStyle cap = Qt::SquareCap,
             Qt::PenJoinStyle join = Qt::BevelJoin) const;
    void PaintHover(QPainter& p, const QRegion& area) const;
    // The path's lines and dots that lie within `area`.
    void PaintPath(QPainter& p, const QRegion& area) const;

    const Game& g_;
    const FieldPrefs& prefs_;
    const QtCanvas& canvas_;
    std::optional<QPointF> pointer_;
    QFont font_;
    View view_;

    Ground ground_;
    Tint reach_;
    Hover hover_;
    std::uint64_t reachesComputed_ = 0;
};

} // namespace gh
