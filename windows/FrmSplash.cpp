#include "windows/FrmSplash.h"

#include <QFont>
#include <QPalette>

#include "platform/qt/ImageLists.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"

namespace gh {

namespace {

QFont ArialFont(qreal points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour, QRect at)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setGeometry(at);
    return label;
}

} // namespace

FrmSplash::FrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Grimhollow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(6270, 4590));

    Picture1 = new QLabel(this);
    Picture1->setGeometry(TwipsRect(0, 0, 6255, 4575));
    Picture1->setScaledContents(true);
    Picture1->setPixmap(ImageLists::Get().Splash());

    const QString title = QStringLiteral("Grimhollow");
    const QFont titleFont = ArialFont(26.25, false);
    Label1[0] = MakeLabel(Picture1, title, titleFont, palette().color(QPalette::WindowText),
                          TwipsRect(480, 600, 5175, 600));
    Label1[1] = MakeLabel(Picture1, title, titleFont, QColor(255, 0, 255), TwipsRect(480, 600, 5175, 600));
    // The magenta copy sits a little up and left, behind the title, so the
    // title shows a magenta edge wherever the first label is put.
    Label1[1]->move(Label1[0]->pos() - QPoint(TwipsToPixels(34), TwipsToPixels(34)));
    Label1[1]->stackUnder(Label1[0]);

    Label2[0] = MakeLabel(Picture1, QStringLiteral("Beta-version"), ArialFont(11.25, true),
                          QColor(128, 128, 128), TwipsRect(3480, 1200, 1380, 270));
    // The credit lines sit on dark grass: white reads there.
    Label2[1] = MakeLabel(Picture1, QTr("FrmSplash", "Игра под GPL-3.0+"), ArialFont(12, true), Qt::white,
                          TwipsRect(3480, 3600, 2670, 300));
    Label2[2] = MakeLabel(Picture1, QTr("FrmSplash", "Рисунки: Battle for Wesnoth"), ArialFont(9.75, true),
                          Qt::white, TwipsRect(3480, 3960, 2670, 270));

    CentreOnScreen(this);
}

} // namespace gh
