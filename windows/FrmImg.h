#pragma once

#include <QPixmap>
#include <QWidget>

namespace gh {

// Holds the portrait list ImgLstFace that the selection dialog and the speech
// window draw from. It is loaded at start-up and stays out of the player's
// way: it is never mapped on screen, so it has no task-bar entry, takes no
// focus and can never come in front of the battlefield.
class FrmImg final : public QWidget {
    Q_OBJECT
public:
    explicit FrmImg(QWidget* parent = nullptr);

    // Portrait `index` (1-based) of ImgLstFace.
    const QPixmap& ImgLstFace(int index) const;
};

} // namespace gh
