#include "battlefield/qt/StatusStrip.h"

#include <QBoxLayout>
#include <QFont>
#include <QFontMetrics>
#include <QResizeEvent>

#include <algorithm>

#include "platform/qt/ImageLists.h"
#include "platform/qt/SideColours.h"
#include "platform/qt/Translations.h"

namespace gh {

namespace {

constexpr int kSwatch = 14;
// Room for a few letters and the "…".
constexpr int kShortest = 40;

void Paint(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

template <class Label> Label* PlainLabel(QWidget* parent, const QFont& font)
{
    auto* l = new Label(parent);
    l->setTextFormat(Qt::PlainText); // heroes' names are typed by players
    l->setFont(font);
    l->setForegroundRole(QPalette::WindowText);
    return l;
}

} // namespace

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FittingLabel::SetWordings(const QString& head, const QStringList& tails)
{
    if (head == head_ && tails == tails_ && !text().isNull())
        return;
    head_ = head;
    tails_ = tails;
    updateGeometry();
    Fit();
}

QSize FittingLabel::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(Whole()) + 2, fm.height()};
}

QSize FittingLabel::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    const int least =
        (head_.isEmpty() ? 0 : kShortest) + fm.horizontalAdvance(tails_.value(tails_.size() - 1));
    return {std::min(least, sizeHint().width()), fm.height()};
}

void FittingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Fit();
}

void FittingLabel::Fit()
{
    const QFontMetrics fm(font());
    const int room = contentsRect().width();
    QString shown;
    const QStringList tails = tails_.isEmpty() ? QStringList{QString()} : tails_;
    for (const QString& tail : tails) {
        const int left = room - fm.horizontalAdvance(tail);
        if (fm.horizontalAdvance(head_) <= left) {
            shown = head_ + tail;
            break;
        }
        if (!head_.isEmpty() && left >= kShortest) {
            shown = fm.elidedText(head_, Qt::ElideRight, left) + tail;
            break;
        }
    }
    if (shown.isNull())
        shown = fm.elidedText(head_ + tails.back(), Qt::ElideRight, room);
    if (text() != shown || text().isNull())
        setText(shown.isNull() ? QStringLiteral("") : shown);
    // A screen reader reads the whole line, however little of it shows.
    if (accessibleName() != Whole())
        setAccessibleName(Whole());
    const QString tip = shown == Whole() ? QString() : Whole();
    if (toolTip() != tip)
        setToolTip(tip);
}

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StatusStrip"));
    // Read by a screen reader as one place: whose turn, the unit, what waits.
    setAccessibleName(QTr("StatusStrip", "Состояние"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    QFont bold = font;
    bold.setBold(true);

    ShpSide = new QLabel(this);
    ShpSide->setFixedSize(kSwatch, kSwatch);
    ShpSide->setAutoFillBackground(true);
    ShpSide->setBackgroundRole(QPalette::Window);
    ShpSide->setForegroundRole(QPalette::WindowText);
    ShpSide->setFrameShape(QFrame::Box);
    QFont digit = bold;
    digit.setPixelSize(kSwatch - 4);
    ShpSide->setFont(digit);
    LblTurn = PlainLabel<FittingLabel>(this, bold);
    LblDay = PlainLabel<QLabel>(this, font);
    LblUnit = PlainLabel<FittingLabel>(this, font);
    LblAwaiting = PlainLabel<FittingLabel>(this, bold);
    Paint(LblAwaiting, QColor(170, 70, 0));

    CmdLog = new QToolButton(this);
    CmdLog->setText(QTr("StatusStrip", "Журнал"));
    CmdLog->setToolTip(QTr("StatusStrip", "Показать или скрыть журнал битвы (F2)"));
    CmdLog->setCheckable(true);
    CmdLog->setFocusPolicy(Qt::NoFocus);
    connect(CmdLog, &QToolButton::clicked, this, [this] {
        if (onLog)
            onLog();
    });

    // Three lines: whose turn and the day; the unit and its figures; what
    // waits. Names give way first: the day and the figures keep their room.
    LblDay->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(ShpSide, 0, Qt::AlignVCenter);
    top->addWidget(LblTurn);
    top->addWidget(LblDay);
    top->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addSpacing(kSwatch + 10);
    middle->addWidget(LblUnit);
    middle->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addSpacing(kSwatch + 10);
    bottom->addWidget(LblAwaiting, 1);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addLayout(top);
    lines->addLayout(middle);
    lines->addLayout(bottom);
    lines->addStretch(1);
    auto* strip = new QHBoxLayout(this);
    strip->setContentsMargins(8, 2, 8, 2);
    strip->addLayout(lines, 1);
    strip->addWidget(CmdLog, 0, Qt::AlignVCenter);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMinimumWidth(kNarrowest);
}

void StatusStrip::Show(const StatusLines& lines)
{
    if (!first_ && lines == shown_ && distinct_ == ImageLists::DistinctSides())
        return;
    first_ = false;
    distinct_ = ImageLists::DistinctSides();
    shown_ = lines;
    LblTurn->SetWordings(QString::fromStdString(lines.turn));
    LblDay->setText(QString::fromStdString(lines.day));
    QStringList figures;
    if (!lines.figures.empty())
        figures = {QStringLiteral(" — ") + QString::fromStdString(lines.figures),
                   QStringLiteral(" — ") + QString::fromStdString(lines.shortFigures)};
    LblUnit->SetWordings(QString::fromStdString(lines.unit), figures);
    LblAwaiting->SetWordings(QString::fromStdString(lines.awaiting));
    LblAwaiting->setVisible(!lines.awaiting.empty());
    Paint(LblTurn, SideTextColour(lines.side, false));
    QPalette pal = ShpSide->palette();
    pal.setColor(QPalette::Window, lines.side >= 0 ? ImageLists::TeamColour(lines.side) : Qt::transparent);
    // With the distinct palette the side's number is on its colour as well.
    const QColor swatch = lines.side >= 0 ? ImageLists::TeamColour(lines.side) : QColor(Qt::black);
    pal.setColor(QPalette::WindowText, swatch.lightnessF() > 0.5 ? Qt::black : Qt::white);
    ShpSide->setPalette(pal);
    ShpSide->setAlignment(Qt::AlignCenter);
    ShpSide->setText(ImageLists::DistinctSides() && lines.side >= 1 ? QString::number(lines.side) : QString());
    ShpSide->setVisible(lines.side >= 0);
    // The lines take their new widths now, not when the event loop comes
    // round: a picture of the window taken meanwhile would show them cut.
    layout()->activate();
}

void StatusStrip::SetLogShown(bool shown)
{
    if (CmdLog->isChecked() != shown)
        CmdLog->setChecked(shown);
}

} // namespace gh
