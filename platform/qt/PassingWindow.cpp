#include "platform/qt/PassingWindow.h"

#include <QKeyEvent>

namespace gh {

void PassingWindow::mousePressEvent(QMouseEvent*)
{
    close();
}

void PassingWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace gh
