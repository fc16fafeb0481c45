#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Canvas.h"
#include "platform/qt/ChangedTiles.h"

namespace gh {

class QtCanvas;

// What lies under the pictures where nothing else is: black, unless the
// window lays a ground there.
class Underlay {
public:
    virtual ~Underlay() = default;
    // Paints the ground over `logical` (logical pixels of the window; the
    // painter is clipped to it and the area is already black) at the
    // canvas's scale.
    virtual void PaintUnder(QPainter& p, const QRectF& logical, const QtCanvas& canvas) const = 0;
    // Differs whenever PaintUnder would paint anything differently: another
    // pattern, another view.
    virtual std::uint64_t Key() const = 0;
};

// The battlefield's drawing surface: a persistent image the size of the
// window in device pixels. What the rules paint stays there until painted
// over or cleared; the window only copies it to the screen, and only where
// it changed since the window last took the changes.
class QtCanvas final : public Canvas {
public:
    QtCanvas();
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Follows the window's size; what was painted so far is kept.
    void Resize(QSize logicalSize, qreal devicePixelRatio);
    // The pixels as painted so far (any painting in progress is finished).
    const QImage& Image() const;
    QSize LogicalSize() const { return logical_; }
    qreal Ratio() const { return ratio_; }

    // The field's scale: positions and pictures grow by it, the surface keeps
    // the window's size. Pictures are scaled as they are copied, never kept
    // scaled. What was painted stays as it is until painted over.
    void SetZoom(qreal zoom);
    qreal Zoom() const { return zoom_; }

    void SetFont(const QFont& font) { font_ = font; }

    // The ground the next clear lays under everything (nullptr: black). Until
    // then the surface keeps the one it has. Once a ground is laid, pictures
    // are laid on it with their alpha instead of being copied opaque, and a
    // clear brings back the ground where anything was painted.
    void SetUnderlay(const Underlay* underlay) { underlay_ = underlay; }
    // Whether the next clear lays another ground than the one laid, or the
    // same moved (the view, the scale, the window's ratio).
    bool UnderlayStale() const;
    // The ground laid now, nullptr for black.
    const Underlay* LaidUnderlay() const { return laid_; }

    void Clear() override;
    void Paint(ImageList list, int index, float x, float y, int team = kNoTeam) override;
    void PaintWidth(ImageList list, int index, float x, float y, float width, int team = kNoTeam) override;
    void Print(const std::string& text, float x, float y, Rgb colour) override;

    // Where the pixels differ from when the changes were last taken, in
    // logical pixels: a picture painted again over itself is not a change,
    // nor is a clear followed by the same pictures in the same places.
    QRegion TakeChanges();
    // Whether anything was painted or cleared since the changes were last taken.
    bool HasChanges() const { return tiles_.Pending(); }

    // Called on the first paint or clear after the changes were taken, so the
    // window can arrange to present them even when no tick follows.
    std::function<void()> onFirstChange;

    // Twips to logical pixels at the field's scale, snapped to whole device
    // pixels so that pictures are copied one to one where they can be and
    // stay sharp at any other ratio.
    qreal Snap(float twips) const;

private:
    void Draw(ImageList list, int index, float left, float top, float widthTwips, bool mirrored, int team);
    // One painter serves every call until the changes are taken.
    QPainter& Painter();
    void EndPainting() const;
    void Touch(QRect deviceArea);
    QRect DeviceRect(const QRectF& logical) const;
    // Whether the backing image already holds `picture` at device point `at`.
    bool Holds(const QImage& picture, QPoint at) const;
    // A picture copied at another size cannot be compared with the pixels it
    // left, so the canvas notes where it copied which picture; a note lasts
    // until anything else is painted over its place.
    struct Stamp {
        QRect device;
        qint64 picture;
        bool mirrored;
    };
    bool Stamped(QRect device, qint64 picture, bool mirrored) const;
    void KeepEnoughTiles();
    void Unstamp(QRect device);

    // Black over `logical`, then the ground there if `under` is one.
    void PaintBlank(QPainter& p, const QRectF& logical, const Underlay* under) const;
    std::uint64_t UnderlayKey(const Underlay* under) const;
    void DrawOnGround(const QImage& picture, const QRectF& target, QRect whole, QRect device, bool mirrored);

    const Underlay* underlay_ = nullptr;
    const Underlay* laid_ = nullptr;
    std::uint64_t laidKey_ = 0;
    std::vector<Stamp> stamps_;
    qreal zoom_ = 1.0;

    QImage image_;
    // Opened on the first call of a tick and kept for the rest of it: opening
    // a painter per picture costs more than copying the picture.
    mutable std::unique_ptr<QPainter> painter_;
    ChangedTiles tiles_;
    QSize logical_;
    qreal ratio_ = 1.0;
    QFont font_;
};

} // namespace gh
