#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

#include "platform/qt/PassingWindow.h"

namespace gh {

class WindowOpener;

// The short window for whatever on the field is not the player's own: other
// heroes, foreign creatures, corpses and bones. Shows Units(Selected) as the
// window loads. Read-only; any click or Esc sends it away.
class FrmObj final : public PassingWindow {
    Q_OBJECT
public:
    FrmObj(WindowOpener& forms, QWidget* parent = nullptr);

    QLabel* ImgFace;
    QLabel* LblAP;
    QFrame* ShpAPMax;
    QFrame* ShpAP;
    QLabel* LblHP;
    QFrame* ShpHPMax;
    QFrame* ShpHP;
    QLabel* LblInfo;
    QLabel* LblMaster;
};

} // namespace gh
