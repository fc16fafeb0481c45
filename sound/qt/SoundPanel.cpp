#include "sound/qt/SoundPanel.h"

#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "sound/qt/SoundControl.h"

namespace gh {

namespace {

const char* const kCaptions[3] = {GH_TR_NOOP("SoundPanel", "Музыка"), GH_TR_NOOP("SoundPanel", "Эффекты"),
                                  GH_TR_NOOP("SoundPanel", "Интерфейс")};

} // namespace

SoundPanel::SoundPanel(SoundControl& sound, QWidget* parent)
    : QGroupBox(QTr("SoundPanel", "Звук"), parent), sound_(sound)
{
    for (int i = 0; i < 3; ++i) {
        const int top = 300 + i * 420;
        LblVolume[i] = new QLabel(QTr("SoundPanel", kCaptions[i]), this);
        LblVolume[i]->setTextFormat(Qt::PlainText);
        LblVolume[i]->setGeometry(TwipsRect(120, top, 1500, 375));
        SldVolume[i] = new QSlider(Qt::Horizontal, this);
        SldVolume[i]->setGeometry(TwipsRect(1680, top, 3300, 375));
        SldVolume[i]->setRange(kVolumeMin, kVolumeMax);
        SldVolume[i]->setSingleStep(5);
        SldVolume[i]->setPageStep(10);
        SldVolume[i]->setAccessibleName(LblVolume[i]->text());
        LblVolume[i]->setBuddy(SldVolume[i]);
        connect(SldVolume[i], &QSlider::valueChanged, this, &SoundPanel::Take);
        // A drag is remembered where it ends, not at every step on the way.
        connect(SldVolume[i], &QSlider::sliderReleased, this, [this] { sound_.Remember(); });
    }
    ChkBell = new QCheckBox(QTr("SoundPanel", "Колокол в начале хода"), this);
    ChkBell->setGeometry(TwipsRect(120, 1560, 4860, 375));
    ChkQuiet = new QCheckBox(QTr("SoundPanel", "Тише в фоне"), this);
    ChkQuiet->setGeometry(TwipsRect(120, 1935, 2400, 375));
    ChkQuiet->setToolTip(QTr("SoundPanel", "Когда окно игры не активно, музыка тише, а эффектов не слышно"));
    ChkMute = new QCheckBox(QTr("SoundPanel", "Без звука (M)"), this);
    ChkMute->setGeometry(TwipsRect(2640, 1935, 2340, 375));
    for (QCheckBox* box : {ChkBell, ChkQuiet, ChkMute})
        connect(box, &QCheckBox::toggled, this, &SoundPanel::Take);

    Show();
    sound_.changed = [this] { Show(); };
}

SoundPanel::~SoundPanel()
{
    sound_.changed = nullptr;
}

// What is set now; showing it changes nothing.
void SoundPanel::Show()
{
    showing_ = true;
    const SoundPrefs& p = sound_.Prefs();
    SldVolume[0]->setValue(p.MusicVolume);
    SldVolume[1]->setValue(p.EffectsVolume);
    SldVolume[2]->setValue(p.InterfaceVolume);
    ChkBell->setChecked(p.TurnBell);
    ChkQuiet->setChecked(p.QuietInBackground);
    ChkMute->setChecked(p.Muted);
    showing_ = false;
}

void SoundPanel::Take()
{
    if (showing_)
        return;
    SoundPrefs p = sound_.Prefs();
    p.MusicVolume = SldVolume[0]->value();
    p.EffectsVolume = SldVolume[1]->value();
    p.InterfaceVolume = SldVolume[2]->value();
    p.TurnBell = ChkBell->isChecked();
    p.QuietInBackground = ChkQuiet->isChecked();
    p.Muted = ChkMute->isChecked();
    bool dragging = false;
    for (const QSlider* s : SldVolume)
        dragging = dragging || s->isSliderDown();
    sound_.SetPrefs(p, !dragging);
}

} // namespace gh
