#include "platform/qt/QtCanvas.h"

#include <QPainter>
#include <QPixmap>
#include <QString>

#include <cmath>

#include "platform/Numbers.h"
#include "platform/qt/ImageLists.h"

namespace gh {

QtCanvas::QtCanvas()
{
    Resize({1, 1}, 1.0);
}

void QtCanvas::Resize(QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty())
        logicalSize = {1, 1};
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    if (logicalSize == logical_ && devicePixelRatio == ratio_ && !image_.isNull())
        return;
    QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                 static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    QImage fresh(device, QImage::Format_RGB32);
    fresh.fill(Qt::black);
    fresh.setDevicePixelRatio(devicePixelRatio);
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = fresh;
    logical_ = logicalSize;
    ratio_ = devicePixelRatio;
}

qreal QtCanvas::Snap(float twips) const
{
    return std::round(static_cast<double>(twips) / kTwipsPerPixel * ratio_) / ratio_;
}

void QtCanvas::Clear()
{
    image_.fill(Qt::black);
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
    const QPixmap& picture = ImageLists::Get().Picture(list, index, mirrored, team);
    const qreal x = Snap(left);
    const qreal y = Snap(top);
    const qreal w = Snap(left + widthTwips) - x;
    const qreal h = picture.height() / picture.devicePixelRatio();
    if (w <= 0 || h <= 0)
        return;
    QPainter p(&image_);
    // Pictures are copied opaque, as the rules expect: a unit repainted in
    // place covers whatever frame was there before.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawPixmap(QRectF(x, y, w, h), picture, QRectF(picture.rect()));
}

void QtCanvas::Print(const std::string& text, float x, float y, Rgb colour)
{
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font_);
    p.setPen(QColor(colour.r, colour.g, colour.b));
    p.drawText(QRectF(Snap(x), Snap(y), logical_.width(), logical_.height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::fromStdString(text));
}

} // namespace gh
