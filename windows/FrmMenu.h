#pragma once

#include <QPushButton>
#include <QWidget>

namespace gh {

class WindowOpener;

// The main menu: a new match, the author's message, back to the battlefield
// or out of the program. Save and load are there but greyed out.
class FrmMenu final : public QWidget {
    Q_OBJECT
public:
    FrmMenu(WindowOpener& forms, QWidget* parent = nullptr);

    QPushButton* Cmd[6];

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CmdClicked(int index);

    WindowOpener& forms_;
};

} // namespace gh
