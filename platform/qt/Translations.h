#pragma once

class QCoreApplication;

namespace gh {

// Installs Qt's own Russian strings (compiled in), so standard buttons and
// dialogs speak the game's language: QMessageBox says "Да" and "Нет".
// The translator belongs to `app`; a second call does nothing.
void InstallRussianQtTranslation(QCoreApplication& app);

} // namespace gh
