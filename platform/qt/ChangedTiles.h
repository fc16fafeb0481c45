#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <cstdint>
#include <memory>
#include <vector>

namespace gh {

// The battlefield is repainted far more often than it changes: every idle
// tick paints every unit again, and every walk and effect tick clears the
// window and paints the same units in the same places. This book splits the
// backing image into small square tiles. For each tile painted over since the
// window last presented it, it keeps what the tile held then, so that only
// the tiles whose pixels really differ are presented again. It also knows
// which tiles may hold anything but black, so that a clear only has to blank
// those. All rectangles are in device pixels of the backing image.
class ChangedTiles {
public:
    static constexpr int kTile = 16;
    // Past this many tiles kept at once (a clear of a crowded, scrolled
    // field) the whole surface is simply presented, which bounds the memory.
    static constexpr int kMostKept = 1024; // 1 MB of kept pixels at most, as a rule

    // Where a unit's picture covers many more tiles (a zoomed field on a HiDPI
    // screen), more may be kept, so that an idle tick that changes a few
    // units still presents only those. Never below kMostKept.
    void SetMostKept(int tiles) { mostKept_ = tiles > kMostKept ? tiles : kMostKept; }
    int MostKept() const { return mostKept_; }

    // A surface of this size whose whole area is presented next. Within
    // `inked` the old picture was copied in, so it counts as possibly
    // painted; the rest is black.
    void Reset(QSize devicePixels, QRect inked);

    // Whether a tile nothing was painted on since the last clear is black.
    // Under a ground it is not: then every touched tile keeps its pixels, as
    // a painted one always does.
    void SetBlankIsBlack(bool black) { blankIsBlack_ = black; }

    // Before painting over `area` of `image`: the tiles remember what they held.
    void Touch(const QImage& image, QRect area);
    // After painting over `area`: it may no longer be black.
    void Ink(QRect area);

    // The tiles that may hold something other than black, in row-wise runs.
    std::vector<QRect> InkedRuns() const;
    // They have all been blanked.
    void ForgetInk();

    // Whether anything was touched since the last Take.
    bool Pending() const { return all_ || !touched_.empty(); }

    // The tiles whose pixels differ from what they held at the last Take, as
    // row-wise runs, sorted by row and then column; forgets what it kept.
    std::vector<QRect> Take(const QImage& image);

    QRect Bounds() const { return bounds_; }

private:
    enum : std::uint8_t { kInked = 1, kTouched = 2 };

    QRect TileRect(int index) const;
    bool Differs(const QImage& image, int index) const;

    QRect bounds_;
    int cols_ = 0;
    int rows_ = 0;
    bool all_ = false;
    std::vector<std::uint8_t> state_;
    // Where a touched tile's old pixels are kept in pool_, or -1 when it was
    // black (untouched ink) and nothing needed keeping.
    std::vector<std::int32_t> slot_;
    std::vector<int> touched_;
    // Kept pixels in blocks of kSlotsPerBlock tiles, added as needed and never
    // moved, so the pool grows without a copy and holds what the busiest
    // presentation needed, rounded up to a block.
    static constexpr int kSlotsPerBlock = 64;
    QRgb* Slot(int slot) const;
    std::vector<std::unique_ptr<QRgb[]>> pool_;
    int slotsUsed_ = 0;
    int mostKept_ = kMostKept;
    bool blankIsBlack_ = true;
};

} // namespace gh
