#pragma once

#include <QAbstractButton>
#include <QPushButton>
#include <QWidget>

namespace gh {

// Enter in a dialog presses the button the player has tabbed to, and
// otherwise `fallback` (none: nothing), when it can be pressed.
inline void PressForEnter(const QWidget* dialog, QAbstractButton* fallback)
{
    if (auto* focused = qobject_cast<QPushButton*>(dialog->focusWidget()); focused && focused->isEnabled())
        focused->click();
    else if (fallback && fallback->isEnabled())
        fallback->click();
}

} // namespace gh
