#include "platform/qt/SideColours.h"

#include "platform/qt/ImageLists.h"

namespace gh {

namespace {

double Luminance(const QColor& c)
{
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

} // namespace

QColor SideTextColour(int side, bool onDark)
{
    if (side < 0)
        return onDark ? QColor(215, 215, 215) : QColor(20, 20, 20);
    QColor c = ImageLists::TeamColour(side);
    // Gold on a light toolbar and blue on black both read poorly as they are.
    for (int step = 0; step < 8; ++step) {
        const double l = Luminance(c);
        if (onDark ? l >= 0.3 : l <= 0.22)
            break;
        c = onDark ? c.lighter(115) : c.darker(120);
    }
    return c;
}

} // namespace gh
