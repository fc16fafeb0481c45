#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace gh {

class WindowOpener;

// Asks for the name of a save, suggesting one made of the heroes' names and
// the day. "Сохранить" writes the match under it; "Отмена" or Esc drops it.
// While it is open the battlefield takes no orders, so the field stays as it
// was when the menu offered the save.
class FrmSaveName final : public QWidget {
    Q_OBJECT
public:
    FrmSaveName(WindowOpener& forms, QWidget* parent = nullptr);

    QLabel* LblName;
    QLineEdit* TxtName;
    QPushButton* CmdOK;
    QPushButton* CmdCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Save();

    WindowOpener& forms_;
};

} // namespace gh
