#include "platform/qt/Pictures.h"

#include "platform/qt/ImageLists.h"

namespace gh {

QPixmap ScaledPicture(const QPixmap& picture, QSize size, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    // Above ratio 1 a portrait starts from its twice-size source, so it is
    // scaled down (or not at all) rather than smoothed up.
    const QPixmap* source = &picture;
    if (devicePixelRatio > 1.0)
        if (const QPixmap* sharper = ImageLists::Get().SharperSource(picture))
            source = sharper;
    QPixmap scaled = source->scaled(size * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

} // namespace gh
