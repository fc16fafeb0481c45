#include "windows/FrmSet.h"

#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

#include "ai/Levels.h"
#include "battlefield/WindowOpener.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "sound/qt/SoundPanel.h"
#include "windows/Settings.h"
#include "windows/qt/AppSettings.h"
#include "windows/qt/Autosave.h"

namespace gh {

namespace {

struct SliderLayout {
    const char* caption;
    QRect label;
    QRect slider;
    int min, max, smallChange, largeChange, tickEvery;
};

const SliderLayout kSliders[2] = {
    {GH_TR_NOOP("FrmSet", "Пропуск кадров при передвижении юнитов"), TwipsRect(120, 240, 2685, 615),
     TwipsRect(2880, 360, 2055, 495), kFrameSkipMin, kFrameSkipMax, 1, 1, 1},
    {GH_TR_NOOP("FrmSet", "Скорость движения юнитов на месте"), TwipsRect(120, 960, 2730, 495),
     TwipsRect(2880, 1080, 2055, 495), kIdlePaceMin, kIdlePaceMax, 10, 50, 100},
};

} // namespace

FrmSet::FrmSet(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms), g_(forms.g)
{
    setWindowTitle(QTr("FrmSet", "Меню настроек"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(5340, 3945 + 375));

    for (int i = 0; i < 2; ++i) {
        const SliderLayout& s = kSliders[i];
        LblSpeed[i] = new QLabel(QTr("FrmSet", s.caption), this);
        LblSpeed[i]->setTextFormat(Qt::PlainText);
        LblSpeed[i]->setWordWrap(true);
        LblSpeed[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        LblSpeed[i]->setGeometry(s.label);

        SldSpeed[i] = new QSlider(Qt::Horizontal, this);
        SldSpeed[i]->setGeometry(s.slider);
        SldSpeed[i]->setAccessibleName(LblSpeed[i]->text());
        SldSpeed[i]->setRange(s.min, s.max);
        SldSpeed[i]->setSingleStep(s.smallChange);
        SldSpeed[i]->setPageStep(s.largeChange);
        SldSpeed[i]->setTickPosition(QSlider::TicksBelow);
        SldSpeed[i]->setTickInterval(s.tickEvery);
    }

    // The sliders show what is set now. They are wired only afterwards:
    // merely opening the dialog must not re-time the idle animation.
    SldSpeed[0]->setValue(SliderForAnimSpeed(g_.AnimSpeed));
    SldSpeed[1]->setValue(IdlePace(g_));
    for (int i = 0; i < 2; ++i) {
        connect(SldSpeed[i], &QSlider::valueChanged, this,
                [this, i](int value) { SldSpeedChanged(i, value); });
        // A drag is remembered where it ends, not at every step on the way.
        connect(SldSpeed[i], &QSlider::sliderReleased, this, [this, i] { RememberSlider(i); });
    }

    // In the free band below the sliders; nothing else moves for it. The
    // level is the new matches': a match in play keeps the levels it was
    // started with, so that it goes on as it began.
    LblLevel = new QLabel(QTr("FrmSet", "Уровень компьютера"), this);
    LblLevel->setTextFormat(Qt::PlainText);
    LblLevel->setGeometry(TwipsRect(120, 1800, 2685, 375));
    CboLevel = new QComboBox(this);
    for (int level = kGameLevel; level <= kStrongestLevel; ++level)
        CboLevel->addItem(QString::fromStdString(LevelName(level)));
    CboLevel->setCurrentIndex(std::clamp(forms_.prefs.ComputerLevel, kGameLevel, kStrongestLevel));
    CboLevel->setGeometry(TwipsRect(2880, 1770, 2055, 405));
    CboLevel->setToolTip(QTr("FrmSet", "Как сильно компьютер играет героями новых партий; в выборе героев "
                                       "уровень можно задать каждому"));
    LblLevel->setBuddy(CboLevel);
    CboLevel->setAccessibleName(LblLevel->text());
    connect(CboLevel, &QComboBox::currentIndexChanged, this, [this](int level) {
        forms_.prefs.ComputerLevel = level;
        if (forms_.store)
            forms_.store->SetComputerLevel(level);
    });

    ChkAutosave = new QCheckBox(QTr("FrmSet", "Автосохранение"), this);
    ChkAutosave->setGeometry(TwipsRect(120, 2175, 2025, 375));
    ChkAutosave->setToolTip(QTr("FrmSet", "Сохранять партию в начале каждого хода игрока"));
    ChkAutosave->setChecked(forms_.autosave ? forms_.autosave->Enabled() : true);
    connect(ChkAutosave, &QCheckBox::toggled, this, [this](bool on) {
        if (forms_.autosave)
            forms_.autosave->SetEnabled(on);
        if (forms_.store)
            forms_.store->SetAutosave(on);
    });

    // Beside «Автосохранение»: the language is read once, at start, since
    // every window and the rules' texts take it then.
    LblLanguage = new QLabel(QTr("FrmSet", "Язык"), this);
    LblLanguage->setTextFormat(Qt::PlainText);
    LblLanguage->setGeometry(TwipsRect(2160, 2175, 915, 375));
    LblLanguage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CboLanguage = new QComboBox(this);
    CboLanguage->addItem(QTr("FrmSet", "Как в системе"), QString());
    CboLanguage->addItem(QTr("FrmSet", "Русский"), QStringLiteral("ru"));
    CboLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    CboLanguage->setGeometry(TwipsRect(3120, 2175, 2100, 375));
    CboLanguage->setToolTip(QTr("FrmSet", "Язык игры; меняется после перезапуска игры"));
    LblLanguage->setBuddy(CboLanguage);
    CboLanguage->setAccessibleName(LblLanguage->text());
    if (forms_.store)
        CboLanguage->setCurrentIndex(std::max(0, CboLanguage->findData(forms_.store->Language())));
    connect(CboLanguage, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (forms_.store)
            forms_.store->SetLanguage(CboLanguage->itemData(index).toString());
        // No box: the choice is kept, and the player is told it waits.
        QToolTip::showText(CboLanguage->mapToGlobal(QPoint(0, CboLanguage->height())),
                           QTr("FrmSet", "Язык сменится после перезапуска игры."), CboLanguage);
    });

    ChkAnnounce = new QCheckBox(QTr("FrmSet", "Объявлять ходы компьютера"), this);
    ChkAnnounce->setGeometry(TwipsRect(120, 2550, 5100, 375));
    ChkAnnounce->setChecked(forms_.prefs.AnnounceComputerTurns);
    connect(ChkAnnounce, &QCheckBox::toggled, this, [this](bool on) {
        forms_.prefs.AnnounceComputerTurns = on;
        if (forms_.store)
            forms_.store->SetAnnounceComputerTurns(on);
    });

    ChkAids = new QCheckBox(QTr("FrmSet", "Подсказки на поле"), this);
    // The field's two looks share a row: the window keeps its size.
    ChkAids->setGeometry(TwipsRect(120, 2925, 2580, 375));
    ChkAids->setChecked(forms_.prefs.aidsOn);
    connect(ChkAids, &QCheckBox::toggled, this, [this](bool on) {
        forms_.prefs.aidsOn = on;
        forms_.PreferencesChanged();
        forms_.Refresh();
    });

    ChkBlackField = new QCheckBox(QTr("FrmSet", "Чёрное поле"), this);
    ChkBlackField->setGeometry(TwipsRect(2760, 2925, 2460, 375));
    ChkBlackField->setToolTip(QTr("FrmSet", "Играть на чёрном поле, без земли под юнитами"));
    ChkBlackField->setChecked(forms_.prefs.blackField);
    connect(ChkBlackField, &QCheckBox::toggled, this, [this](bool on) {
        forms_.prefs.blackField = on;
        forms_.PreferencesChanged();
        forms_.Refresh();
    });

    ChkDistinctSides = new QCheckBox(QTr("FrmSet", "Различимые цвета сторон"), this);
    ChkDistinctSides->setGeometry(TwipsRect(120, 3300, 5100, 375));
    ChkDistinctSides->setToolTip(
        QTr("FrmSet", "Цвета, которые различают и при дальтонизме, и номер стороны рядом с её цветом"));
    ChkDistinctSides->setChecked(forms_.prefs.distinctSides);
    connect(ChkDistinctSides, &QCheckBox::toggled, this, [this](bool on) {
        forms_.prefs.distinctSides = on;
        forms_.PreferencesChanged();
        forms_.Refresh();
    });

    CmdCancel = new QPushButton(QTr("FrmSet", "Закрыть"), this);
    CmdCancel->setGeometry(TwipsRect(1920, 3390 + 375, 1455, 375));
    CmdCancel->setAutoDefault(false);
    connect(CmdCancel, &QPushButton::clicked, this, &QWidget::close);

    if (forms_.sound) {
        // «Звук» goes between the switches and "Закрыть", which moves down for it.
        const int grow = TwipsSize(0, SoundPanel::kHeightTwips).height();
        Sound = new SoundPanel(*forms_.sound, this);
        Sound->setGeometry(TwipsRect(120, 0, 5100, SoundPanel::kHeightTwips)
                               .translated(0, CmdCancel->y() - TwipsSize(0, 60).height()));
        CmdCancel->move(CmdCancel->x(), CmdCancel->y() + grow);
        setFixedSize(size() + QSize(0, grow));
    }

    CentreOnScreen(this);
}

void FrmSet::SldSpeedChanged(int index, int value)
{
    // Walkers and idlers pick the change up on their next tick.
    if (index == 0)
        ApplyFrameSkip(g_, value);
    else
        ApplyIdlePace(g_, value);
    if (!SldSpeed[index]->isSliderDown())
        RememberSlider(index);
}

void FrmSet::RememberSlider(int index)
{
    if (!forms_.store)
        return;
    if (index == 0)
        forms_.store->SetFrameSkip(SldSpeed[0]->value());
    else
        forms_.store->SetIdlePace(SldSpeed[1]->value());
}

void FrmSet::keyPressEvent(QKeyEvent* event)
{
    // "Закрыть" is the cancel button: Esc presses it, whichever control has focus.
    if (event->key() == Qt::Key_Escape) {
        CmdCancel->click();
        return;
    }
    // Enter presses the button the player has tabbed to.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isEnabled())
            focused->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gh
