#include "platform/qt/ChangedTiles.h"

#include <algorithm>
#include <cstring>

namespace gh {

namespace {

constexpr int kTilePixels = ChangedTiles::kTile * ChangedTiles::kTile;

} // namespace

void ChangedTiles::Reset(QSize devicePixels, QRect inked)
{
    bounds_ = QRect(QPoint(0, 0), devicePixels);
    cols_ = (devicePixels.width() + kTile - 1) / kTile;
    rows_ = (devicePixels.height() + kTile - 1) / kTile;
    const std::size_t n = static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_);
    state_.assign(n, 0);
    slot_.assign(n, -1);
    touched_.clear();
    slotsUsed_ = 0;
    pool_.clear();
    Ink(inked);
    all_ = true;
}

QRgb* ChangedTiles::Slot(int slot) const
{
    return pool_[static_cast<std::size_t>(slot / kSlotsPerBlock)].get() +
           static_cast<std::size_t>(slot % kSlotsPerBlock) * kTilePixels;
}

QRect ChangedTiles::TileRect(int index) const
{
    return QRect((index % cols_) * kTile, (index / cols_) * kTile, kTile, kTile) & bounds_;
}

void ChangedTiles::Touch(const QImage& image, QRect area)
{
    area &= bounds_;
    // The whole surface goes out next anyway; nothing to remember.
    if (area.isEmpty() || all_)
        return;
    const int c0 = area.left() / kTile, c1 = area.right() / kTile;
    const int r0 = area.top() / kTile, r1 = area.bottom() / kTile;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            const int i = r * cols_ + c;
            std::uint8_t& s = state_[static_cast<std::size_t>(i)];
            if (s & kTouched)
                continue;
            s |= kTouched;
            touched_.push_back(i);
            if (!(s & kInked) && blankIsBlack_)
                continue; // black, which is all there is to remember
            if (slotsUsed_ >= mostKept_) {
                all_ = true;
                return;
            }
            const QRect t = TileRect(i);
            if (slotsUsed_ == static_cast<int>(pool_.size()) * kSlotsPerBlock)
                pool_.push_back(
                    std::make_unique<QRgb[]>(static_cast<std::size_t>(kSlotsPerBlock) * kTilePixels));
            QRgb* kept = Slot(slotsUsed_);
            for (int y = 0; y < t.height(); ++y)
                std::memcpy(kept + y * kTile,
                            reinterpret_cast<const QRgb*>(image.constScanLine(t.top() + y)) + t.left(),
                            static_cast<std::size_t>(t.width()) * sizeof(QRgb));
            slot_[static_cast<std::size_t>(i)] = slotsUsed_++;
        }
}

void ChangedTiles::Ink(QRect area)
{
    area &= bounds_;
    if (area.isEmpty())
        return;
    const int c0 = area.left() / kTile, c1 = area.right() / kTile;
    const int r0 = area.top() / kTile, r1 = area.bottom() / kTile;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            state_[static_cast<std::size_t>(r * cols_ + c)] |= kInked;
}

std::vector<QRect> ChangedTiles::InkedRuns() const
{
    std::vector<QRect> runs;
    for (int r = 0; r < rows_; ++r) {
        const std::uint8_t* row = state_.data() + static_cast<std::size_t>(r) * cols_;
        for (int c = 0; c < cols_;) {
            if (!(row[c] & kInked)) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < cols_ && (row[c] & kInked))
                ++c;
            runs.push_back(QRect(start * kTile, r * kTile, (c - start) * kTile, kTile) & bounds_);
        }
    }
    return runs;
}

void ChangedTiles::ForgetInk()
{
    for (std::uint8_t& s : state_)
        s &= static_cast<std::uint8_t>(~kInked);
}

bool ChangedTiles::Differs(const QImage& image, int index) const
{
    const QRect t = TileRect(index);
    const std::int32_t slot = slot_[static_cast<std::size_t>(index)];
    const QRgb* kept = slot >= 0 ? Slot(slot) : nullptr;
    for (int y = 0; y < t.height(); ++y) {
        const QRgb* now = reinterpret_cast<const QRgb*>(image.constScanLine(t.top() + y)) + t.left();
        if (kept) {
            if (std::memcmp(now, kept + y * kTile, static_cast<std::size_t>(t.width()) * sizeof(QRgb)) != 0)
                return true;
        } else {
            // It was black; the backing image has no alpha, so only colour counts.
            for (int x = 0; x < t.width(); ++x)
                if (now[x] & 0x00FFFFFF)
                    return true;
        }
    }
    return false;
}

std::vector<QRect> ChangedTiles::Take(const QImage& image)
{
    std::vector<QRect> runs;
    if (all_) {
        if (!bounds_.isEmpty())
            runs.push_back(bounds_);
    } else {
        std::vector<int> changed;
        for (int i : touched_)
            if (Differs(image, i))
                changed.push_back(i);
        std::sort(changed.begin(), changed.end());
        for (std::size_t k = 0; k < changed.size();) {
            const int first = changed[k];
            std::size_t m = k + 1;
            // Neighbours on the same row make one run.
            while (m < changed.size() && changed[m] == changed[m - 1] + 1 &&
                   changed[m] / cols_ == first / cols_)
                ++m;
            const int count = static_cast<int>(m - k);
            runs.push_back(QRect((first % cols_) * kTile, (first / cols_) * kTile, count * kTile, kTile) &
                           bounds_);
            k = m;
        }
    }
    for (int i : touched_) {
        state_[static_cast<std::size_t>(i)] &= static_cast<std::uint8_t>(~kTouched);
        slot_[static_cast<std::size_t>(i)] = -1;
    }
    touched_.clear();
    slotsUsed_ = 0;
    all_ = false;
    return runs;
}

} // namespace gh
