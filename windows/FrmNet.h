#pragma once

#include <QWidget>

#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace gh {

class NetworkPlay;
class WindowOpener;

// Network play: host the match on screen (which heroes are played at other
// machines, the port, a join code) or join a match on another machine (its
// address and port, the player's name, the code); then the seats and who
// holds them, and for the host «Начать» once every seat has its player.
class FrmNet final : public QWidget {
    Q_OBJECT
public:
    FrmNet(WindowOpener& forms, NetworkPlay& net, QWidget* parent = nullptr);

    // Shows network play as it stands (network play tells of every change).
    void Follow();

    QTabWidget* Tabs = nullptr;
    // Hosting.
    QLabel* LblMatch = nullptr;
    std::map<int, QCheckBox*> ChkRemote; // by side
    QSpinBox* SpnHostPort = nullptr;
    QLineEdit* TxtHostCode = nullptr;
    QPushButton* CmdHost = nullptr;
    // Joining.
    QLineEdit* TxtAddress = nullptr;
    QSpinBox* SpnJoinPort = nullptr;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtJoinCode = nullptr;
    QComboBox* CboClass = nullptr;   // the hero's class, or as the host set it up
    QLineEdit* TxtHeroName = nullptr;
    QPushButton* CmdJoin = nullptr;
    // Both.
    QListWidget* LstSeats = nullptr;
    QLabel* LblStatus = nullptr;
    QPushButton* CmdStart = nullptr;
    QPushButton* CmdLeave = nullptr;
    QPushButton* CmdClose = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FillHeroes();
    void Host();
    void Join();

    WindowOpener& forms_;
    NetworkPlay& net_;
    QWidget* heroesBox_ = nullptr;
};

} // namespace gh
