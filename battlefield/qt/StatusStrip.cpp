#include "battlefield/qt/StatusStrip.h"

#include <QBoxLayout>
#include <QFont>

#include "platform/qt/ImageLists.h"
#include "platform/qt/SideColours.h"

namespace gh {

namespace {

constexpr int kSwatch = 14;
constexpr int kShortest = 40;

QLabel* PlainLabel(QWidget* parent, const QFont& font)
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText); // heroes' names are typed by players
    l->setFont(font);
    // Long lines are cut at the strip's edge rather than widen the toolbar.
    l->setMinimumWidth(kShortest);
    // Inside a toolbar a widget takes the button roles unless told otherwise,
    // and the text would not wear the colour given it.
    l->setForegroundRole(QPalette::WindowText);
    return l;
}

void Paint(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

} // namespace

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StatusStrip"));
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
    LblTurn = PlainLabel(this, bold);
    LblDay = PlainLabel(this, font);
    LblUnit = PlainLabel(this, font);
    LblAwaiting = PlainLabel(this, bold);
    Paint(LblAwaiting, QColor(170, 70, 0));

    CmdLog = new QToolButton(this);
    CmdLog->setText(QStringLiteral("Журнал"));
    CmdLog->setToolTip(QStringLiteral("Показать или скрыть журнал битвы (F2)"));
    CmdLog->setCheckable(true);
    CmdLog->setFocusPolicy(Qt::NoFocus);
    connect(CmdLog, &QToolButton::clicked, this, [this] {
        if (onLog)
            onLog();
    });

    // Two lines: whose turn and the day; the unit, and what waits.
    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(ShpSide, 0, Qt::AlignVCenter);
    top->addWidget(LblTurn);
    top->addWidget(LblDay);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(24);
    bottom->addSpacing(kSwatch + 10);
    bottom->addWidget(LblUnit);
    bottom->addWidget(LblAwaiting);
    bottom->addStretch(1);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(2);
    lines->addLayout(top);
    lines->addLayout(bottom);
    auto* strip = new QHBoxLayout(this);
    strip->setContentsMargins(8, 2, 8, 2);
    strip->addLayout(lines, 1);
    strip->addWidget(CmdLog, 0, Qt::AlignVCenter);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMinimumWidth(240);
}

void StatusStrip::Show(const StatusLines& lines)
{
    if (!first_ && lines == shown_)
        return;
    first_ = false;
    shown_ = lines;
    LblTurn->setText(QString::fromStdString(lines.turn));
    LblDay->setText(QString::fromStdString(lines.day));
    LblUnit->setText(QString::fromStdString(lines.unit));
    LblAwaiting->setText(QString::fromStdString(lines.awaiting));
    Paint(LblTurn, SideTextColour(lines.side, false));
    QPalette pal = ShpSide->palette();
    pal.setColor(QPalette::Window, lines.side >= 0 ? ImageLists::TeamColour(lines.side) : Qt::transparent);
    ShpSide->setPalette(pal);
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
