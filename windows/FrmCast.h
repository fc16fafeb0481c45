#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace gh {

class WindowOpener;

// The hero whose turn it is picks one page of his spellbook, a creature to
// call or a spell to cast, sees what it costs, and reads it: the field then
// waits for the click that places or aims it.
class FrmCast final : public QWidget {
    Q_OBJECT
public:
    FrmCast(WindowOpener& forms, QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* List1;
    QLabel* ImgFace;
    QLabel* LblInfo;
    QLabel* LblSuc;
    QPushButton* CmdCast;
    QPushButton* CmdCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pick(int line);
    void Read();

    WindowOpener& forms_;
    int caster_;          // the hero the list was made for
    int pickedValue_ = 0; // the entry picked in this opening, 0 before any
};

} // namespace gh
