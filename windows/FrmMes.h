#pragma once

#include <QLabel>
#include <QWidget>

#include "platform/qt/PassingWindow.h"

namespace gh {

class WindowOpener;

// A computer hero's word at the start of its turn: its portrait over one
// taunt. Any click or Esc sends it away.
class FrmMes final : public PassingWindow {
    Q_OBJECT
public:
    FrmMes(WindowOpener& forms, QWidget* parent = nullptr);

    QLabel* ImgFace;
    QLabel* LblMes;
};

// Half a short message box and a margin, in pixels: how far above the middle
// of the screen the speech window ends.
inline constexpr int kAnnouncementClearance = 100;

// Centres the speech window across the screen, its bottom that far above the
// middle (or at the top of a screen too small for that).
void PlaceAboveTheAnnouncement(QWidget* window);

} // namespace gh
