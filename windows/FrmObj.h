#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace gh {

class Forms;

// The short window for whatever on the field is not the player's own: other
// heroes, foreign creatures, corpses and bones. Shows Units(Selected) as the
// window loads. Read-only; any click or Esc sends it away.
class FrmObj final : public QWidget {
    Q_OBJECT
public:
    FrmObj(Forms& forms, QWidget* parent = nullptr);

    QLabel* ImgFace;
    QLabel* LblAP;
    QFrame* ShpAPMax;
    QFrame* ShpAP;
    QLabel* LblHP;
    QFrame* ShpHPMax;
    QFrame* ShpHP;
    QLabel* LblInfo;
    QLabel* LblMaster;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace gh
