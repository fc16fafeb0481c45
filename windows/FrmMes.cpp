#include "windows/FrmMes.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "battlefield/WindowOpener.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/FrmImg.h"
#include "windows/Speech.h"

namespace gh {

FrmMes::FrmMes(WindowOpener& forms, QWidget* parent) : PassingWindow(parent)
{
    setWindowTitle(QTr("FrmMes", "Сообщение"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(6120, 3000));
    setFont(QFont(QStringLiteral("Comic Sans MS")));

    Game& g = forms.g;
    const Unit& hero = g.U(g.ActiveHero);

    ImgFace = new QLabel(this);
    ImgFace->setGeometry(TwipsRect(2280, 120, 1455, 1455));
    ImgFace->setPixmap(
        ScaledPicture(forms.Img()->ImgLstFace(hero.Portrait), ImgFace->size(), devicePixelRatioF()));

    LblMes = new QLabel(this);
    LblMes->setGeometry(TwipsRect(120, 1680, 5895, 1095));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(12);
    LblMes->setFont(arial);
    LblMes->setTextFormat(Qt::PlainText);
    LblMes->setWordWrap(true);
    LblMes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The match's own generator is left alone: its record shows no speech.
    static ClockRandom taunts;
    LblMes->setText(QString::fromStdString(SpeechText(g, taunts)));

    PlaceAboveTheAnnouncement(this);
}

void PlaceAboveTheAnnouncement(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The turn's announcement opens in the middle of the screen while the
    // speech is still up; the speech stands clear above the middle, so the
    // box does not cover the speaker's face or line.
    const QRect area = screen->availableGeometry();
    const QSize size = window->size();
    // The window manager's title bar comes on top of the window's own height.
    constexpr int kTitleBar = 32;
    const int top =
        std::max(area.top(), area.center().y() - kAnnouncementClearance - size.height() - kTitleBar);
    window->move(area.center().x() - size.width() / 2, top);
}

} // namespace gh
