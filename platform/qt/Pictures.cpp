#include "platform/qt/Pictures.h"

namespace gh {

QPixmap ScaledPicture(const QPixmap& picture, QSize size, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    QPixmap scaled = picture.scaled(size * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

} // namespace gh
