#include "windows/FrmSelect.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "ai/Levels.h"
#include "battlefield/Drawing.h"
#include "battlefield/WindowOpener.h"
#include "engine/Setup.h"
#include "platform/Numbers.h"
#include "platform/qt/ImageLists.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/qt/EnterKey.h"
#include "windows/FrmImg.h"
#include "windows/SaveState.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr int kRowPitch = 1200;

// The boxes are drawn wider than their caption; a click anywhere on one
// ticks it, not only on the square and the caption.
class WholeCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

FrmSelect::FrmSelect(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms), g_(forms.g)
{
    setWindowTitle(QTr("FrmSelect", "Выбор участников"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(7530, 6150));

    for (int h = 1; h <= kSlots; ++h)
        before_.heroes[static_cast<std::size_t>(h - 1)] = g_.U(h);
    before_.heroIsHuman = g_.HeroIsHuman;
    before_.activeHero = g_.ActiveHero;
    if (g_.MatchRunning) {
        kept_ = std::make_unique<Kept>(Kept::Of(g_));
        hold_ = std::make_unique<SchedulerHold>(&g_.timers);
    }

    CmdCancel = new QPushButton(QTr("FrmSelect", "Назад"), this);
    CmdCancel->setGeometry(TwipsRect(5880, 120, 1455, 375));
    connect(CmdCancel, &QPushButton::clicked, this, &FrmSelect::Back);

    for (int i = 0; i < kSlots; ++i)
        BuildRow(i);

    CmdOK = new QPushButton(QTr("FrmSelect", "Начать"), this);
    CmdOK->setGeometry(TwipsRect(5880, 5520, 1455, 375));
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &FrmSelect::StartMatch);

    OpenSelection();
    CentreOnScreen(this);
    // "Начать" holds the focus when the dialog opens, so Enter starts the
    // match until the player tabs to another button.
    CmdOK->setFocus();
}

void FrmSelect::BuildRow(int i)
{
    const int dy = i * kRowPitch;

    Iss[i] = new WholeCheckBox(QString::number(i + 1), this);
    Iss[i]->setGeometry(TwipsRect(240, 120 + dy, 375, 1095));
    Iss[i]->setToolTip(QTr("FrmSelect", "Нажмите для участия данного героя"));
    Iss[i]->setChecked(i < 2);
    // The box is only 375 twips wide; with the style's usual gap the number
    // would be cut off.
    Iss[i]->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
    connect(Iss[i], &QCheckBox::toggled, this, [this, i] { EnableRow(i); });

    SideColour[i] = new QFrame(this);
    SideColour[i]->setGeometry(TwipsRect(1635, 240 + dy, 90, 855));
    SideColour[i]->setAutoFillBackground(true);
    QPalette pal = SideColour[i]->palette();
    pal.setColor(QPalette::Window, ImageLists::TeamColour(i + 1));
    SideColour[i]->setPalette(pal);

    Img[i] = new QLabel(this);
    Img[i]->setGeometry(TwipsRect(840, 120 + dy, 735, 735));
    Img[i]->setToolTip(QTr("FrmSelect", "П-клик для информации"));
    Img[i]->installEventFilter(this);

    CmdD[i] = new QPushButton(QStringLiteral("<"), this);
    CmdD[i]->setGeometry(TwipsRect(840, 840 + dy, 375, 285));
    CmdD[i]->setToolTip(QTr("FrmSelect", "Предыдущий герой"));
    CmdD[i]->setAccessibleName(CmdD[i]->toolTip()); // "<" read aloud says nothing
    connect(CmdD[i], &QPushButton::clicked, this, [this, i] { StepClass(i, -1); });

    CmdU[i] = new QPushButton(QStringLiteral(">"), this);
    CmdU[i]->setGeometry(TwipsRect(1200, 840 + dy, 375, 285));
    CmdU[i]->setToolTip(QTr("FrmSelect", "Следующий герой"));
    CmdU[i]->setAccessibleName(CmdU[i]->toolTip());
    connect(CmdU[i], &QPushButton::clicked, this, [this, i] { StepClass(i, +1); });

    Txt[i] = new QLineEdit(this);
    Txt[i]->setGeometry(TwipsRect(1800, 240 + dy, 2895, 375));
    Txt[i]->setToolTip(QTr("FrmSelect", "Имя героя"));
    Txt[i]->setAccessibleName(Txt[i]->toolTip());
    connect(Txt[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
        // A name is one line: a pasted line break or tab would break every
        // label and message that shows it, so it becomes a blank here.
        QString line = text;
        for (QChar& c : line)
            if (c == u'\n' || c == u'\r' || c == u'\t')
                c = u' ';
        if (line != text) {
            const int cursor = Txt[i]->cursorPosition();
            Txt[i]->setText(line); // comes back here with the clean text
            Txt[i]->setCursorPosition(cursor);
            return;
        }
        g_.U(i + 1).Name = text.toStdString();
    });

    Ai[i] = new WholeCheckBox(QStringLiteral("AI"), this);
    Ai[i]->setGeometry(TwipsRect(1800, 720 + dy, 900, 375));
    Ai[i]->setToolTip(QTr("FrmSelect", "Нажмите, чтобы герой управлялся компом"));
    Ai[i]->setChecked(i == 1);
    connect(Ai[i], &QCheckBox::toggled, this, [this, i] { EnableRow(i); });

    CboLevel[i] = new QComboBox(this);
    for (int level = kGameLevel; level <= kStrongestLevel; ++level)
        CboLevel[i]->addItem(QString::fromStdString(LevelName(level)));
    CboLevel[i]->setCurrentIndex(std::clamp(forms_.prefs.ComputerLevel, kGameLevel, kStrongestLevel));
    CboLevel[i]->setGeometry(TwipsRect(2700, 705 + dy, 1995, 405));
    CboLevel[i]->setToolTip(QTr("FrmSelect", "Как сильно компьютер играет этим героем"));
    CboLevel[i]->setAccessibleName(QTr("FrmSet", "Уровень компьютера"));
    CboLevel[i]->setAccessibleDescription(CboLevel[i]->toolTip());

    Cmd[i] = new QPushButton(QStringLiteral("?"), this);
    Cmd[i]->setGeometry(TwipsRect(4920, 360 + dy, 615, 615));
    Cmd[i]->setToolTip(QTr("FrmSelect", "Случайный герой"));
    Cmd[i]->setAccessibleName(Cmd[i]->toolTip());
    connect(Cmd[i], &QPushButton::clicked, this,
            [this, i] { ReplaceHero(i, HeroTypeOfClass(Int(g_.rnd->Rnd() * 3.0f) + 1)); });

    for (QPushButton* b : {CmdD[i], CmdU[i], Cmd[i]})
        b->setAutoDefault(false);
}

void FrmSelect::OpenSelection()
{
    g_.rnd->Reseed();
    for (int i = 0; i < kSlots; ++i) {
        g_.LoopI = static_cast<std::int16_t>(i);
        CreateUnit(g_, i + 1, HeroTypeOfClass(Int(g_.rnd->Rnd() * 3.0f) + 1), i + 1);
        GiveUniqueDefaultName(g_, i);
        ShowHero(i);
        EnableRow(i);
    }
}

void FrmSelect::ReplaceHero(int i, int type)
{
    CreateUnit(g_, i + 1, type, i + 1);
    GiveUniqueDefaultName(g_, i);
    ShowHero(i);
    forms_.Refresh();
}

void FrmSelect::ShowHero(int i)
{
    const Unit& hero = g_.U(i + 1);
    Txt[i]->setText(QString::fromStdString(hero.Name));
    Img[i]->setPixmap(
        ScaledPicture(forms_.Img()->ImgLstFace(hero.Portrait), Img[i]->size(), devicePixelRatioF()));
}

void FrmSelect::EnableRow(int i)
{
    const bool on = Iss[i]->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Img[i], Txt[i], CmdD[i], CmdU[i], Ai[i], Cmd[i]})
        w->setEnabled(on);
    // A level means something only for a hero the computer plays.
    CboLevel[i]->setEnabled(on && Ai[i]->isChecked());
}

void FrmSelect::ChooseClass(int i, int k)
{
    if (i >= 0 && i < kSlots && k >= 1 && k <= 3)
        ReplaceHero(i, HeroTypeOfClass(k));
}

void FrmSelect::StepClass(int i, int delta)
{
    // Маг, Некромант, Лучница: the ends stop instead of wrapping round.
    const int k = ClassOfHeroType(g_.U(i + 1).UnitType);
    if (delta < 0 && k < 2)
        return;
    if (delta > 0 && k > 2)
        return;
    ReplaceHero(i, HeroTypeOfClass(k + delta));
}

FrmSelect::Kept FrmSelect::Kept::Of(const MatchState& m)
{
    return Kept{m};
}

void FrmSelect::Kept::Into(MatchState& m) const
{
    // The dialog's heroes write more than their records (their spellbooks),
    // so the whole match goes back.
    const float viewX = m.ViewX, viewY = m.ViewY;
    const std::int32_t speed = m.AnimSpeed;
    const int pace = m.timers.Interval(TimerId::Tmr);
    m = match;
    m.ViewX = viewX;
    m.ViewY = viewY;
    m.AnimSpeed = speed;
    if (m.timers.Interval(TimerId::Tmr) != pace)
        m.timers.SetInterval(TimerId::Tmr, pace);
}

void FrmSelect::PutMatchHeroesBack()
{
    if (kept_) {
        // The match has stood still since the dialog opened.
        kept_->Into(g_);
        return;
    }
    for (int h = 1; h <= kSlots; ++h) {
        const Unit& live = g_.U(h);
        Unit back = before_.heroes[static_cast<std::size_t>(h - 1)];
        back.PosX = live.PosX;
        back.PosY = live.PosY;
        back.Facing = live.Facing;
        g_.U(h) = back;
    }
    g_.HeroIsHuman = before_.heroIsHuman;
}

bool FrmSelect::MayReplaceRunningMatch()
{
    if (!g_.MatchRunning)
        return true;
    std::array<Unit, kSlots> chosen;
    for (int h = 1; h <= kSlots; ++h)
        chosen[static_cast<std::size_t>(h - 1)] = g_.U(h);
    const auto chosenHumans = g_.HeroIsHuman;
    // What the dialog drew goes on being drawn from when the match starts.
    std::unique_ptr<Kept> chosenAll = kept_ ? std::make_unique<Kept>(Kept::Of(g_)) : nullptr;
    PutMatchHeroesBack();

    MessageBoxRequest box;
    box.title = GH_TR("FrmSelect", "Новая партия");
    box.icon = BoxIcon::Question;
    box.text = GH_TR("FrmSelect", "Идущая партия будет заменена новой. Её несохранённые ходы пропадут.");
    const std::string why = WhySaveIsUnavailable(g_);
    bool go = false;
    if (why.empty()) {
        box.text += GH_TR("FrmSelect", "\n\nСохранить её, прежде чем начать новую?");
        box.buttons = BoxButtons::YesNoCancel;
        box.yesCaption = GH_TR("FrmSelect", "Сохранить и начать");
        box.noCaption = GH_TR("FrmSelect", "Не сохранять");
        switch (g_.shell->MessageBox(box)) {
        case BoxAnswer::Yes:
            // A save that did not happen (a name taken and not replaced, a
            // full disk) keeps the match: nothing is lost unasked.
            go = forms_.SaveAs(QString::fromStdString(SuggestedSaveTitle(g_)));
            break;
        case BoxAnswer::No: go = true; break;
        default: break;
        }
    } else {
        box.text +=
            Fill(GH_TR("FrmSelect", "\n\nСохранить её сейчас нельзя. %1\n\nНачать новую партию?"), {why});
        box.buttons = BoxButtons::YesNo;
        box.defaultNo = true;
        go = g_.shell->MessageBox(box) == BoxAnswer::Yes;
    }

    if (chosenAll) {
        chosenAll->Into(g_);
        return go;
    }
    for (int h = 1; h <= kSlots; ++h) {
        Unit& live = g_.U(h);
        const float x = live.PosX, y = live.PosY;
        const auto facing = live.Facing;
        live = chosen[static_cast<std::size_t>(h - 1)];
        live.PosX = x;
        live.PosY = y;
        live.Facing = facing;
    }
    g_.HeroIsHuman = chosenHumans;
    return go;
}

void FrmSelect::StartMatch()
{
    int taking = 0;
    for (QCheckBox* box : Iss)
        taking += box->isChecked() ? 1 : 0;
    if (taking >= 2 && !MayReplaceRunningMatch())
        return;

    // A refused start must not hand a running match's turn to the neutral
    // side: who plays and whose turn it is come back at once.
    const auto humanBefore = g_.HeroIsHuman;
    const std::int32_t activeBefore = g_.ActiveHero;
    g_.LoopJ = 0;
    for (int i = 0; i < kSlots; ++i) {
        g_.LoopI = static_cast<std::int16_t>(i);
        const int h = i + 1;
        g_.HeroIsHuman[static_cast<std::size_t>(h)] = !Ai[i]->isChecked();
        if (Iss[i]->isChecked()) {
            g_.U(h).OnField = true;
            g_.ActiveHero = 0;
            ++g_.LoopJ;
        } else {
            g_.U(h).OnField = false;
        }
    }
    if (g_.LoopJ >= 2) {
        started_ = true;
        // The new match starts at once; the old one is gone.
        hold_.reset();
        kept_.reset();
        // Every row keeps its level, so a hero handed to the computer later
        // and the next selection both find the one chosen here.
        for (int i = 0; i < kSlots; ++i)
            g_.ComputerLevel[static_cast<std::size_t>(i + 1)] = CboLevel[i]->currentIndex();
        g_.ComputerLevel[0] = kGameLevel;
        SetUpMatch(g_);
        forms_.MatchStarted();
        close();
        forms_.Refresh();
        return;
    }
    if (g_.MatchRunning) {
        g_.HeroIsHuman = humanBefore;
        g_.ActiveHero = activeBefore;
    }
    MessageBoxRequest box;
    box.title = windowTitle().toStdString();
    box.text = GH_TR("FrmSelect", "Минимум два героя должны быть выбраны.");
    box.icon = BoxIcon::Exclamation;
    g_.shell->MessageBox(box);
}

void FrmSelect::Back()
{
    forms_.OpenMenu();
    close();
}

void FrmSelect::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: CmdCancel->click(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the button the player has tabbed to ("<", "?",
        // "Назад"), and "Начать" from anywhere else, as in any dialog.
        PressForEnter(this, CmdOK);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

void FrmSelect::closeEvent(QCloseEvent* event)
{
    if (!started_ && !restored_) {
        // Where a hero stands is the match's: it went on while the dialog
        // was open, and a hero walking now is between two cells. Put back at
        // the place of the moment the dialog opened, it would finish its step
        // off the grid or land on a cell another unit took since.
        PutMatchHeroesBack();
        // The turn is not the dialog's: the match may have moved on to
        // another side while it was open, and going back to the side of the
        // moment it opened would leave that side's turn with nothing to carry it.
        if (!g_.MatchRunning)
            g_.ActiveHero = before_.activeHero;
        restored_ = true;
        // The running match gets its own heroes back on the field at once,
        // and goes on.
        if (g_.MatchRunning) {
            g_.canvas->Clear();
            DrawUnits(g_);
        }
        hold_.reset();
        forms_.Refresh();
    }
    event->accept();
}

bool FrmSelect::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kSlots; ++i) {
            if (watched != Img[i])
                continue;
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::RightButton && Img[i]->isEnabled()) {
                // The information window reads Selected while it opens.
                g_.LoopI = static_cast<std::int16_t>(g_.Selected);
                g_.Selected = i + 1;
                forms_.OpenInfo({i + 1, InfoWindow::Creature});
                g_.Selected = g_.LoopI;
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gh
