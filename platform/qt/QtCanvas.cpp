#include "platform/qt/QtCanvas.h"

#include <QFontMetricsF>
#include <QString>

#include <cmath>
#include <cstring>

#include "platform/Numbers.h"
#include "platform/qt/ImageLists.h"

namespace gh {

QtCanvas::QtCanvas()
{
    Resize({1, 1}, 1.0);
}

QtCanvas::~QtCanvas()
{
    EndPainting();
}

void QtCanvas::Resize(QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty())
        logicalSize = {1, 1};
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    if (logicalSize == logical_ && devicePixelRatio == ratio_ && !image_.isNull())
        return;
    EndPainting();
    QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                 static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    QImage fresh(device, QImage::Format_RGB32);
    fresh.fill(Qt::black);
    fresh.setDevicePixelRatio(devicePixelRatio);
    const QSize oldLogical = logical_;
    const qreal oldRatio = ratio_;
    logical_ = logicalSize;
    ratio_ = devicePixelRatio;
    QRect kept;
    if (!image_.isNull()) {
        // Where the old picture lands, in the new device pixels.
        kept = QRect(0, 0, static_cast<int>(std::ceil(oldLogical.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(oldLogical.height() * devicePixelRatio)));
        QPainter p(&fresh);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        // A grown window shows more of the ground, not black. At another
        // ratio the kept picture is only a stand-in: the ground stays stale
        // until the next clear lays it afresh.
        if (laid_) {
            PaintBlank(p, QRectF(QPointF(0, 0), QSizeF(logicalSize)), laid_);
            if (devicePixelRatio == oldRatio)
                laidKey_ = UnderlayKey(laid_);
        }
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = fresh;
    stamps_.clear();
    tiles_.Reset(device, kept);
    KeepEnoughTiles();
}

const QImage& QtCanvas::Image() const
{
    EndPainting();
    return image_;
}

void QtCanvas::EndPainting() const
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter& QtCanvas::Painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        // Pictures are copied opaque, as the rules expect: a unit repainted
        // in place covers whatever frame was there before.
        painter_->setCompositionMode(QPainter::CompositionMode_Source);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
    return *painter_;
}

void QtCanvas::Touch(QRect deviceArea)
{
    if (!tiles_.Pending() && onFirstChange)
        onFirstChange();
    tiles_.Touch(image_, deviceArea);
}

QRect QtCanvas::DeviceRect(const QRectF& logical) const
{
    return QRectF(logical.x() * ratio_, logical.y() * ratio_, logical.width() * ratio_,
                  logical.height() * ratio_)
        .toAlignedRect();
}

qreal QtCanvas::Snap(float twips) const
{
    return std::round(static_cast<double>(twips) / kTwipsPerPixel * zoom_ * ratio_) / ratio_;
}

void QtCanvas::SetZoom(qreal zoom)
{
    zoom_ = zoom > 0 ? zoom : 1.0;
    KeepEnoughTiles();
}

void QtCanvas::KeepEnoughTiles()
{
    // As many kept tiles as some 28 changed units cover: at 2 device pixels a
    // picture pixel, what the usual cap already allows.
    const qreal scale = ratio_ * zoom_;
    const int perUnit = static_cast<int>(std::ceil(48.0 * scale / ChangedTiles::kTile));
    tiles_.SetMostKept(28 * perUnit * perUnit);
}

bool QtCanvas::Stamped(QRect device, qint64 picture, bool mirrored) const
{
    for (const Stamp& s : stamps_)
        if (s.device == device)
            return s.picture == picture && s.mirrored == mirrored;
    return false;
}

void QtCanvas::Unstamp(QRect device)
{
    std::erase_if(stamps_, [&](const Stamp& s) { return s.device.intersects(device); });
}

std::uint64_t QtCanvas::UnderlayKey(const Underlay* under) const
{
    if (!under)
        return 0;
    // The ground's own key, the scale and the surface's size, mixed.
    std::uint64_t k = under->Key() ^ 0x9E3779B97F4A7C15ull;
    for (std::uint64_t v :
         {static_cast<std::uint64_t>(std::llround(zoom_ * 1000)),
          static_cast<std::uint64_t>(std::llround(ratio_ * 1000)),
          static_cast<std::uint64_t>(logical_.width()), static_cast<std::uint64_t>(logical_.height())}) {
        k ^= v + 0x9E3779B97F4A7C15ull + (k << 6) + (k >> 2);
        k *= 0xBF58476D1CE4E5B9ull;
    }
    return k | 1; // never 0, which is black
}

bool QtCanvas::UnderlayStale() const
{
    return underlay_ != laid_ || UnderlayKey(underlay_) != laidKey_;
}

void QtCanvas::PaintBlank(QPainter& p, const QRectF& logical, const Underlay* under) const
{
    p.fillRect(logical, Qt::black);
    if (!under)
        return;
    p.save();
    p.setClipRect(logical);
    under->PaintUnder(p, logical, *this);
    p.restore();
}

void QtCanvas::Clear()
{
    QPainter& p = Painter();
    if (UnderlayStale()) {
        // Another ground, or the same one moved: laid afresh everywhere.
        Touch(tiles_.Bounds());
        PaintBlank(p, QRectF(QPointF(0, 0), QSizeF(logical_)), underlay_);
        laid_ = underlay_;
        laidKey_ = UnderlayKey(laid_);
        tiles_.SetBlankIsBlack(laid_ == nullptr);
        tiles_.ForgetInk();
        stamps_.clear();
        return;
    }
    // Only what was painted since the last clear can be anything but the
    // ground (or black).
    const std::vector<QRect> runs = tiles_.InkedRuns();
    if (runs.empty() && !tiles_.Pending() && onFirstChange)
        onFirstChange();
    for (const QRect& run : runs) {
        Touch(run);
        PaintBlank(p, QRectF(run.x() / ratio_, run.y() / ratio_, run.width() / ratio_, run.height() / ratio_),
                   laid_);
    }
    tiles_.ForgetInk();
    stamps_.clear();
}

void QtCanvas::Paint(ImageList list, int index, float x, float y, int team)
{
    const QSize own = ImageLists::Get().PictureSize(list);
    Draw(list, index, x, y, static_cast<float>(own.width() * kTwipsPerPixel), false, team);
}

void QtCanvas::PaintWidth(ImageList list, int index, float x, float y, float width, int team)
{
    // A negative width spans [x + width, x] and flips the picture. Qt's painter
    // does not flip for a negative width, so the mirrored copy is painted
    // into the positive span instead.
    if (width < 0)
        Draw(list, index, x + width, y, -width, true, team);
    else
        Draw(list, index, x, y, width, false, team);
}

void QtCanvas::Draw(ImageList list, int index, float left, float top, float widthTwips, bool mirrored,
                    int team)
{
    // Device pixels per pixel of the one-size art. Above 1 the twice-size
    // pictures are used: copied one to one at 2 (ratio 2, or zoom 2 at ratio
    // 1) and scaled in between or beyond.
    const qreal scale = ratio_ * zoom_;
    const QImage& picture = ImageLists::Get().Frame(list, index, mirrored, team, scale > 1.0);
    const qreal x = Snap(left);
    const qreal y = Snap(top);
    const qreal w = Snap(left + widthTwips) - x;
    const qreal h =
        zoom_ == 1.0
            ? picture.height() / picture.devicePixelRatio()
            : Snap(top + static_cast<float>(picture.height() / picture.devicePixelRatio() * kTwipsPerPixel)) -
                  y;
    if (w <= 0 || h <= 0)
        return;
    const QRectF target(x, y, w, h);
    const QRect whole = DeviceRect(target);
    const QRect device = whole & tiles_.Bounds();
    if (device.isEmpty())
        return;
    if (laid_) {
        DrawOnGround(ImageLists::Get().Overlay(list, index, mirrored, team, scale > 1.0), target, whole,
                     device, mirrored);
        return;
    }
    // Most idle ticks paint most units over themselves: a copy onto the very
    // same pixels changes nothing and is left out.
    const bool oneToOne = whole.size() == picture.size();
    if (whole == device) {
        if (oneToOne && Holds(picture, whole.topLeft()))
            return;
        if (!oneToOne && Stamped(whole, picture.cacheKey(), mirrored))
            return;
    }
    QPainter& p = Painter();
    Touch(device);
    Unstamp(device);
    p.drawImage(target, picture, QRectF(picture.rect()));
    tiles_.Ink(device);
    if (!oneToOne && whole == device)
        stamps_.push_back({whole, picture.cacheKey(), mirrored});
}

void QtCanvas::DrawOnGround(const QImage& picture, const QRectF& target, QRect whole, QRect device,
                            bool mirrored)
{
    // A picture still covers its whole place, as it does on black: the ground
    // comes back under it first, then the picture is laid on with its alpha.
    // The pixels left cannot be compared with the picture, so the canvas
    // goes by its notes of what it laid where.
    if (whole == device && Stamped(whole, picture.cacheKey(), mirrored))
        return;
    QPainter& p = Painter();
    Touch(device);
    Unstamp(device);
    PaintBlank(
        p,
        QRectF(device.x() / ratio_, device.y() / ratio_, device.width() / ratio_, device.height() / ratio_),
        laid_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(target, picture, QRectF(picture.rect()));
    p.setCompositionMode(QPainter::CompositionMode_Source);
    tiles_.Ink(device);
    if (whole == device)
        stamps_.push_back({whole, picture.cacheKey(), mirrored});
}

bool QtCanvas::Holds(const QImage& picture, QPoint at) const
{
    const std::size_t bytes = static_cast<std::size_t>(picture.width()) * sizeof(QRgb);
    for (int y = 0; y < picture.height(); ++y)
        if (std::memcmp(reinterpret_cast<const QRgb*>(image_.constScanLine(at.y() + y)) + at.x(),
                        picture.constScanLine(y), bytes) != 0)
            return false;
    return true;
}

void QtCanvas::Print(const std::string& text, float x, float y, Rgb colour)
{
    const QString line = QString::fromStdString(text);
    const QRectF box(Snap(x), Snap(y), logical_.width(), logical_.height());
    const QFontMetricsF metrics(font_);
    // Generous on every side: antialiased edges and italics reach past the
    // advance width.
    const QRectF inked = metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line)
                             .adjusted(-4, -4, 4 + metrics.maxWidth(), 4);
    const QRect device = DeviceRect(inked) & tiles_.Bounds();
    if (device.isEmpty())
        return;
    QPainter& p = Painter();
    Touch(device);
    Unstamp(device);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font_);
    p.setPen(QColor(colour.r, colour.g, colour.b));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
    p.restore();
    tiles_.Ink(device);
}

QRegion QtCanvas::TakeChanges()
{
    EndPainting();
    const std::vector<QRect> runs = tiles_.Take(image_);
    QRegion region;
    if (runs.empty())
        return region;
    if (ratio_ == 1.0) {
        // Row-wise runs sorted by row and column are already in the banded
        // order a region keeps, so it can take them as they are.
        region.setRects(runs.data(), static_cast<int>(runs.size()));
        return region;
    }
    for (const QRect& r : runs)
        region +=
            QRectF(r.x() / ratio_, r.y() / ratio_, r.width() / ratio_, r.height() / ratio_).toAlignedRect();
    return region;
}

} // namespace gh
