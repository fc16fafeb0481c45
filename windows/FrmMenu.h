#pragma once

#include <QPushButton>
#include <QWidget>

#include <string>

namespace gh {

class WindowOpener;

// The main menu: a new match, saving and loading, the author's message, back
// to the battlefield or out of the program. "Сохранить" is greyed out, with a
// tool tip that says why, whenever the match cannot be saved.
class FrmMenu final : public QWidget {
    Q_OBJECT
public:
    FrmMenu(WindowOpener& forms, QWidget* parent = nullptr);

    QPushButton* Cmd[6];
    // The records of finished matches, to watch again.
    QPushButton* CmdRecords;
    // Hosting or joining a match over the network.
    QPushButton* CmdNetwork;

    // Greys "Сохранить" out or lets it be pressed, as the match stands now.
    void ShowSaveState();
    // Why «Сохранить» cannot save now; empty when it can.
    std::string WhyNotSave() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CmdClicked(int index);

    WindowOpener& forms_;
};

} // namespace gh
