#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>

#include "platform/Canvas.h"

namespace gh {

// The battlefield's drawing surface: a persistent image the size of the
// window in device pixels. What the rules paint stays there until painted
// over or cleared; the window only copies it to the screen.
class QtCanvas final : public Canvas {
public:
    QtCanvas();

    // Follows the window's size; what was painted so far is kept.
    void Resize(QSize logicalSize, qreal devicePixelRatio);
    const QImage& Image() const { return image_; }
    QSize LogicalSize() const { return logical_; }

    void SetFont(const QFont& font) { font_ = font; }

    void Clear() override;
    void Paint(ImageList list, int index, float x, float y, int team = kNoTeam) override;
    void PaintWidth(ImageList list, int index, float x, float y, float width, int team = kNoTeam) override;
    void Print(const std::string& text, float x, float y, Rgb colour) override;

    // Twips to logical pixels, snapped to whole device pixels so that pictures
    // are copied one to one at ratio 1 and stay sharp at any other ratio.
    qreal Snap(float twips) const;

private:
    void Draw(ImageList list, int index, float left, float top, float widthTwips, bool mirrored, int team);

    QImage image_;
    QSize logical_;
    qreal ratio_ = 1.0;
    QFont font_;
};

} // namespace gh
