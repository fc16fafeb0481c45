#pragma once

#include <QImage>

#include <array>
#include <cstdint>

#include "platform/qt/QtCanvas.h"
#include "world/Game.h"

namespace gh {

// The ground under a match: the field's cells 1 to 20 each way, laid with
// Wesnoth's grass, dry grass and earth hexes in their own hex rows, with
// flowers and stones here and there; beyond the field, black. The whole
// field is made once per pattern as one picture at the art's size (or at
// twice that for a scale above 1, as the units are) and copied from there,
// scaled like the units, wherever the canvas asks for ground.
class Terrain final : public Underlay {
public:
    explicit Terrain(const Game& g) : g_(g) {}

    // The pattern to lay (GroundPattern); the pictures are made again only
    // when it changes.
    void SetPattern(std::uint64_t pattern);
    std::uint64_t Pattern() const { return pattern_; }

    void PaintUnder(QPainter& p, const QRectF& logical, const QtCanvas& canvas) const override;
    std::uint64_t Key() const override;

    // The field's picture: 48 pixels a cell, or 96 when `sharp`.
    const QImage& Picture(bool sharp) const;
    // Where the field lies in the window now, logical pixels.
    QRectF FieldRect(const QtCanvas& canvas) const;

    // The first and last cells of the field, each way.
    static constexpr int kFirstCell = 1;
    static constexpr int kLastCell = 20;

private:
    const Game& g_;
    std::uint64_t pattern_ = 0;
    bool laid_ = false;
    mutable std::array<QImage, 2> pictures_;
};

// Makes the field's picture of `pattern`, `cell` pixels to a cell.
QImage MakeGround(std::uint64_t pattern, int cell);

} // namespace gh
