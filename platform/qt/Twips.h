#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "platform/Numbers.h"

namespace gh {

// Every window is laid out in twips; Qt wants pixels. The device-pixel ratio
// takes care of HiDPI screens, so one pixel here is one logical pixel.
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

inline QSize TwipsSize(int width, int height)
{
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

inline float PixelsToTwips(double pixels)
{
    return static_cast<float>(pixels * kTwipsPerPixel);
}

// Puts a top-level window's client area in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace gh
