#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

namespace gh {

class WindowOpener;
class SoundPanel;
struct Game;

// The two animation speeds, how hard the computer plays, whether its turns
// are announced with a box and whether the match is saved on its own. Each
// control writes its setting the moment it changes, so there is nothing to
// confirm and nothing to undo: only "Закрыть". The program remembers each
// change at once; the language alone waits for the next start.
class FrmSet final : public QWidget {
    Q_OBJECT
public:
    FrmSet(WindowOpener& forms, QWidget* parent = nullptr);

    QLabel* LblSpeed[2];
    QSlider* SldSpeed[2];
    // «Уровень компьютера»: the level the hero selection's rows start at.
    QLabel* LblLevel;
    QComboBox* CboLevel;
    QCheckBox* ChkAutosave;
    // «Язык»: as the system, Russian or English; from the next start on.
    QLabel* LblLanguage;
    QComboBox* CboLanguage;
    // «Объявлять ходы компьютера»
    QCheckBox* ChkAnnounce;
    // «Подсказки на поле»: the battlefield's play aids, all at once.
    QCheckBox* ChkAids;
    // «Чёрное поле»: a match is played on black instead of the ground.
    QCheckBox* ChkBlackField;
    QCheckBox* ChkDistinctSides;
    QPushButton* CmdCancel;
    // «Звук», when the program has sound.
    SoundPanel* Sound = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SldSpeedChanged(int index, int value);
    void RememberSlider(int index);

    WindowOpener& forms_;
    Game& g_;
};

} // namespace gh
