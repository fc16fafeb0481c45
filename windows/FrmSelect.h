#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

#include "world/Game.h"

namespace gh {

class WindowOpener;

// Where a new match is configured: five hero slots, each a live unit record
// (heroes 1..5) with its portrait, name, class and who plays it.
class FrmSelect final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlots = 5;

    FrmSelect(WindowOpener& forms, QWidget* parent = nullptr);
    // Open over a running match, which waits until it closes.
    bool HoldsMatch() const { return hold_ != nullptr; }

    // Slot i gets a fresh hero of class k (1 Маг, 2 Некромант, 3 Лучница),
    // as "<" and ">" would give it: the heroes last chosen come back so.
    void ChooseClass(int i, int k);

    QCheckBox* Iss[kSlots];
    QLabel* Img[kSlots];
    QPushButton* CmdD[kSlots];
    QPushButton* CmdU[kSlots];
    QLineEdit* Txt[kSlots];
    QCheckBox* Ai[kSlots];
    // How well the computer plays the hero, beside its «AI» tick: the
    // levels from «Новичок» (the game's own player) to «Беспощадный».
    QComboBox* CboLevel[kSlots];
    QPushButton* Cmd[kSlots];
    // The side's colour beside each row, the colour its units wear on the field.
    QFrame* SideColour[kSlots];
    QPushButton* CmdOK;
    QPushButton* CmdCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildRow(int i);
    void OpenSelection();
    void ReplaceHero(int i, int type);
    void ShowHero(int i);
    void EnableRow(int i);
    void StepClass(int i, int delta);
    void StartMatch();
    // A running match is not thrown away without asking: the player may save
    // it first, start without saving, or stay. True when the new match may start.
    bool MayReplaceRunningMatch();
    // The running match's own heroes in records 1..5 while it is asked about
    // or saved, and the dialog's back after; where a hero stands is the
    // match's, whichever records hold it.
    void PutMatchHeroesBack();
    void Back();

    WindowOpener& forms_;
    Game& g_;

    // The dialog works on the live records 1..5 and draws its heroes from
    // the match's generator. Unless it starts a match, they are put back as
    // they were when it opened, so that looking at the selection during a
    // match does not swap that match's heroes.
    struct Before {
        std::array<Unit, kSlots> heroes;
        std::array<bool, kHeroes + 1> heroIsHuman;
        std::int32_t activeHero;
    } before_;
    // A running match waits while the dialog is open: no tick passes and no
    // order is taken, so that going back puts back exactly the match that
    // was (every record, the generator, who plays), and its journal never
    // holds what only the dialog did.
    struct Kept {
        MatchState match;
        static Kept Of(const MatchState& m);
        // Puts the match back but for what the settings may have changed
        // meanwhile (the view, the walking speed, the idle pace).
        void Into(MatchState& m) const;
    };
    std::unique_ptr<Kept> kept_;
    std::unique_ptr<SchedulerHold> hold_;
    bool started_ = false;
    bool restored_ = false;
};

} // namespace gh
