#include "windows/FrmAvtor.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "platform/Numbers.h"
#include "platform/Scheduler.h"
#include "platform/qt/Translations.h"
#include "windows/AuthorMessage.h"

namespace gh {

namespace {

// The plus and minus of the numeric pad and of the main keyboard. The main
// keyboard's plus shares a key with "=" and its minus with "_": either
// character of the key counts, with Shift or without.
SpeedKey SpeedKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return SpeedKey::Faster;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return SpeedKey::Slower;
    default: return SpeedKey::Other;
    }
}

} // namespace

FrmAvtor::FrmAvtor(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QTr("FrmAvtor", "От автора"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Every tick repaints the whole window in black anyway.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(18);
    setFont(arial);
    // Nothing but the text should move on this screen.
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);

    QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());

    ScrollY = HeightTwips();
    TextLeft = kAuthorTextLeft;
    ScrollSpeed = kAuthorStartSpeed;
    CenterY = HeightTwips() / 2;

    Tmr = new QTimer(this);
    Tmr->setTimerType(Qt::PreciseTimer);
    Tmr->setInterval(Scheduler::kTickMs);
    connect(Tmr, &QTimer::timeout, this, &FrmAvtor::TmrTick);
    Tmr->start();
}

float FrmAvtor::HeightTwips() const
{
    return static_cast<float>(height() * kTwipsPerPixel);
}

void FrmAvtor::TmrTick()
{
    ScrollY = ScrollStep(ScrollY, ScrollSpeed, HeightTwips());
    update();
}

void FrmAvtor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    ShowText(p);
}

void FrmAvtor::ShowText(QPainter& p)
{
    p.setFont(font());
    const int ascent = QFontMetrics(font(), this).ascent();
    LineY = ScrollY;
    for (LineNo = 0; LineNo < kAuthorLines; ++LineNo) {
        LineText = QTr("AuthorMessage", AuthorLine(LineNo));
        Brightness = LineBrightness(LineY, CenterY);
        p.setPen(QColor(Brightness, Brightness, Brightness));
        // The print position is the top of the line; Qt draws from the baseline.
        const double x = TextLeft / kTwipsPerPixel;
        const double y = LineY / kTwipsPerPixel + ascent;
        p.drawText(QPointF(x, y), LineText);
        LineY += kAuthorLineStep;
    }
}

void FrmAvtor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    ScrollSpeed = SpeedAfterKey(ScrollSpeed, SpeedKeyOf(event->key()));
}

void FrmAvtor::mousePressEvent(QMouseEvent*)
{
    close();
}

} // namespace gh
