#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>

namespace gh {

class SoundControl;

// The settings window's «Звук»: the volumes of the music, the effects and
// the interface (0 to 100), the turn bell, «Тише в фоне» and «Без звука (M)».
// Each control changes its setting the moment it moves, as the rest of the
// window does; the M key's muting shows here too.
class SoundPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit SoundPanel(SoundControl& sound, QWidget* parent = nullptr);
    ~SoundPanel() override;

    // The height it needs at the settings window's width, in twips.
    static constexpr int kHeightTwips = 2460;

    QLabel* LblVolume[3];
    // Music, effects, interface.
    QSlider* SldVolume[3];
    QCheckBox* ChkBell;
    QCheckBox* ChkQuiet;
    QCheckBox* ChkMute;

private:
    void Show();
    void Take();

    SoundControl& sound_;
    bool showing_ = false;
};

} // namespace gh
