#pragma once

class QWidget;

namespace gh {

class AppSettings;

// Shows the battlefield full screen or maximised, as it was last time, and
// remembers every change; F11 switches between the two.
void ShowBattlefield(QWidget* main, AppSettings* store);

} // namespace gh
