#pragma once

#include <QPixmap>
#include <QSize>

namespace gh {

// A picture drawn into a box of `size` logical pixels, scaled smoothly and
// made at the device-pixel ratio so it stays sharp on HiDPI screens (a
// portrait then comes from its twice-size source).
QPixmap ScaledPicture(const QPixmap& picture, QSize size, qreal devicePixelRatio);

} // namespace gh
