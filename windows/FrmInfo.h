#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string>

#include "platform/qt/PassingWindow.h"

namespace gh {

class WindowOpener;

// Full statistics of one of the player's own units: Units(Selected) as the
// window loads. Read-only; any click or Esc sends it away.
class FrmInfo final : public PassingWindow {
    Q_OBJECT
public:
    FrmInfo(WindowOpener& forms, QWidget* parent = nullptr);

    QLabel* ImgFace;
    QLabel* LblInfo;
    QLabel* Lbl1;
    QLabel* Lbl2;
};

// What the two information windows share: their font, their labels and the
// way a portrait is put into its box.
QFont InfoFont();
QLabel* InfoLabel(QWidget* parent, const QRect& geometry);
// The game breaks label lines with character 13; Qt breaks them with 10.
QString LabelText(const std::string& text);
// Picture `portrait` of ImgLstFace scaled into `face`; 0 leaves it empty.
void ShowPortrait(WindowOpener& forms, QLabel* face, int portrait);

} // namespace gh
