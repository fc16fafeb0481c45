#pragma once

#include <QPushButton>
#include <QWidget>

namespace gh {

class Forms;

// The main menu: a new match, the author's message, back to the battlefield
// or out of the program. Save and load are there but greyed out.
class FrmMenu final : public QWidget {
    Q_OBJECT
public:
    FrmMenu(Forms& forms, QWidget* parent = nullptr);

    QPushButton* Cmd[6];

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CmdClicked(int index);

    Forms& forms_;
};

} // namespace gh
