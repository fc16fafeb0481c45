#include "platform/qt/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace gh {

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect area = screen->availableGeometry();
    QSize size = window->size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace gh
