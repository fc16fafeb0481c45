#pragma once

#include <QLabel>
#include <QWidget>

#include "platform/qt/PassingWindow.h"

namespace gh {

class Forms;

// A computer hero's word at the start of its turn: its portrait over one
// taunt. Any click or Esc sends it away.
class FrmMes final : public PassingWindow {
    Q_OBJECT
public:
    FrmMes(Forms& forms, QWidget* parent = nullptr);

    QLabel* ImgFace;
    QLabel* LblMes;
};

} // namespace gh
