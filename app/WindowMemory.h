#pragma once

class QWidget;

namespace gh {

class AppSettings;
class FrmMain;

// Shows the battlefield full screen, framed or maximised, as it was last
// time, and remembers every change (F11 is the battlefield's own key).
void ShowBattlefield(FrmMain* main, AppSettings* store);

} // namespace gh
