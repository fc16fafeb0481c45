// The main menu, the hero speech window and the splash.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPointer>
#include <QTest>

#include "GuiGame.h"
#include "platform/qt/Twips.h"
#include "windows/FrmMenu.h"
#include "windows/FrmMes.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSplash.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

using gui::GuiGame;

TEST(FrmMenu, ButtonsStandByTheirTopsWithSaveGreyedOutBeforeAMatch)
{
    GuiGame gg;
    QPointer<FrmMenu> menu = gg.forms.OpenMenu();
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Главное Меню"));
    EXPECT_EQ(menu->size(), TwipsSize(3165, 4620));
    EXPECT_EQ(menu->minimumSize(), menu->maximumSize());
    EXPECT_TRUE(menu->windowFlags().testFlag(Qt::Tool));
    const char* captions[] = {"Заново", "Сохранить", "Загрузить", "От Автора", "Продолжить", "Выход"};
    const int tops[] = {360, 840, 1320, 2280, 1800, 3840};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(menu->Cmd[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(menu->Cmd[i]->geometry(), TwipsRect(480, tops[i], 2175, 375));
        EXPECT_EQ(menu->Cmd[i]->isEnabled(), i != 1) << i;
        EXPECT_TRUE(menu->Cmd[i]->font().bold());
    }
    // Network play and the records of finished matches, between the
    // author's word and the way out.
    EXPECT_EQ(menu->CmdNetwork->text(), QStringLiteral("Сетевая игра"));
    EXPECT_EQ(menu->CmdNetwork->geometry(), TwipsRect(480, 2880, 2175, 375));
    EXPECT_EQ(menu->CmdRecords->text(), QStringLiteral("Записи партий"));
    EXPECT_EQ(menu->CmdRecords->geometry(), TwipsRect(480, 3360, 2175, 375));
    EXPECT_TRUE(menu->CmdRecords->isEnabled());
    // With no match there is nothing to save: the greyed-out button does nothing.
    QTest::mouseClick(menu->Cmd[1], Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_FALSE(menu.isNull());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(gg.forms.OpenMenu(), menu.data());
    EXPECT_EQ(gg.forms.saveName, nullptr);
    // Loading is always there: the list of saves opens and the menu makes way.
    QTest::mouseClick(menu->Cmd[2], Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(menu.isNull());
    ASSERT_NE(gg.forms.savesList, nullptr);
    EXPECT_TRUE(gg.forms.savesList->isVisible());
}

TEST(FrmMenu, NewMatchOpensTheSelectionAndCloses)
{
    GuiGame gg;
    QPointer<FrmMenu> menu = gg.forms.OpenMenu();
    QTest::mouseClick(menu->Cmd[0], Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(menu.isNull());
    ASSERT_NE(gg.forms.Select(), nullptr);
    EXPECT_TRUE(gg.forms.Select()->isVisible());
}

TEST(FrmMenu, ContinueAuthorAndEscapeClose)
{
    for (int way = 0; way < 3; ++way) {
        GuiGame gg;
        QPointer<FrmMenu> menu = gg.forms.OpenMenu();
        if (way == 0)
            QTest::mouseClick(menu->Cmd[4], Qt::LeftButton);
        else if (way == 1)
            QTest::mouseClick(menu->Cmd[3], Qt::LeftButton);
        else
            QTest::keyClick(menu, Qt::Key_Escape);
        gui::FlushDeletes();
        EXPECT_TRUE(menu.isNull()) << way;
        EXPECT_TRUE(gg.shell.boxes.empty());
    }
    GuiGame gg;
    QPointer<FrmMenu> menu = gg.forms.OpenMenu();
    QTest::keyClick(menu, Qt::Key_A);
    gui::FlushDeletes();
    EXPECT_FALSE(menu.isNull());
}

TEST(FrmMenu, ExitAsksAndNoKeepsTheMenuOpen)
{
    GuiGame gg;
    QPointer<FrmMenu> menu = gg.forms.OpenMenu();
    gg.shell.answers = {BoxAnswer::No, BoxAnswer::Yes};
    QTest::mouseClick(menu->Cmd[5], Qt::LeftButton);
    gui::FlushDeletes();
    ASSERT_EQ(gg.shell.boxes.size(), 1u);
    EXPECT_EQ(gg.shell.boxes[0].title, "Grimhollow");
    EXPECT_EQ(gg.shell.boxes[0].text, "Выйти в систему?");
    EXPECT_EQ(gg.shell.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(gg.shell.boxes[0].icon, BoxIcon::Question);
    EXPECT_TRUE(gg.shell.boxes[0].defaultNo);
    EXPECT_FALSE(menu.isNull());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(gg.shell.quits, 0);

    QTest::mouseClick(menu->Cmd[5], Qt::LeftButton);
    EXPECT_EQ(gg.shell.quits, 1);
}

// A computer hero that has the turn, named with something that looks like markup.
struct Speaking : GuiGame {
    Speaking()
    {
        CreateUnit(g, 2, kNecromancer, 2);
        g.U(2).Name = "<i>Морг</i>";
        g.ActiveHero = 2;
        mes = forms.OpenSpeech();
    }
    QPointer<FrmMes> mes;
};

TEST(FrmMes, TheSpeechLeavesTheMatchsGeneratorAlone)
{
    // A record of the match shows no speech: the window must not draw the
    // match's numbers, or the record differs from the match from there.
    Speaking s;
    const ClockRandom before = s.g.Generator;
    const std::size_t drawn = s.g.rnd->Drawn();
    for (int i = 0; i < 5; ++i)
        ASSERT_NE(s.forms.OpenSpeech(), nullptr);
    EXPECT_TRUE(s.g.Generator == before);
    EXPECT_EQ(s.g.rnd->Drawn(), drawn);
}

TEST(FrmMes, ShowsThePortraitAndTheHeroQuotedLine)
{
    Speaking s;
    FrmMes& m = *s.mes;
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Сообщение"));
    EXPECT_EQ(m.size(), TwipsSize(6120, 3000));
    EXPECT_EQ(m.ImgFace->geometry(), TwipsRect(2280, 120, 1455, 1455));
    EXPECT_EQ(m.LblMes->geometry(), TwipsRect(120, 1680, 5895, 1095));
    EXPECT_FALSE(m.ImgFace->pixmap().isNull());
    EXPECT_EQ(m.ImgFace->pixmap().deviceIndependentSize().toSize(), m.ImgFace->size());
    EXPECT_EQ(m.LblMes->textFormat(), Qt::PlainText);
    EXPECT_TRUE(m.LblMes->wordWrap());
    const QString text = m.LblMes->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Некромант <i>Морг</i>: \""))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QLatin1Char('"')));
    EXPECT_GT(text.size(), QStringLiteral("Некромант <i>Морг</i>: \"\"").size());
    EXPECT_EQ(m.font().family(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(m.LblMes->font().family(), QStringLiteral("Arial"));
}

TEST(FrmMes, AnyClickOrEscapeClosesItButOtherKeysDoNot)
{
    for (int way = 0; way < 4; ++way) {
        Speaking s;
        switch (way) {
        case 0: QTest::mouseClick(s.mes, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20)); break;
        case 1: QTest::mouseClick(s.mes->ImgFace, Qt::RightButton); break;
        case 2: QTest::mouseClick(s.mes->LblMes, Qt::LeftButton); break;
        case 3: QTest::keyClick(s.mes, Qt::Key_Escape); break;
        }
        gui::FlushDeletes();
        EXPECT_TRUE(s.mes.isNull()) << way;
    }
    Speaking s;
    QTest::keyClick(s.mes, Qt::Key_Space);
    QTest::keyClick(s.mes, Qt::Key_Return);
    gui::FlushDeletes();
    EXPECT_FALSE(s.mes.isNull());
}

TEST(FrmSplash, TitleHasAMagentaCopyUpAndLeft)
{
    FrmSplash splash;
    EXPECT_EQ(splash.size(), TwipsSize(6270, 4590));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(splash.Picture1->pixmap().isNull());
    EXPECT_EQ(splash.Label1[0]->text(), QStringLiteral("Grimhollow"));
    EXPECT_EQ(splash.Label1[1]->text(), QStringLiteral("Grimhollow"));
    EXPECT_EQ(splash.Label1[0]->pos(), TwipsRect(480, 600, 0, 0).topLeft());
    EXPECT_EQ(splash.Label1[1]->pos(), splash.Label1[0]->pos() - QPoint(2, 2));
    EXPECT_EQ(splash.Label1[1]->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    EXPECT_DOUBLE_EQ(splash.Label1[0]->font().pointSizeF(), 26.25);
    EXPECT_EQ(splash.Label2[0]->text(), QStringLiteral("Beta-version"));
    EXPECT_EQ(splash.Label2[0]->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_TRUE(splash.Label2[0]->font().bold());
    for (QLabel* label : {splash.Label1[0], splash.Label2[0], splash.Label2[1], splash.Label2[2]}) {
        EXPECT_FALSE(label->text().isEmpty());
        // Nothing is cut off at the label's or the window's edge.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), splash.width()) << label->text().toStdString();
    }
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_TRUE(splash.grab().save(gui::ShotPath(QStringLiteral("frmsplash.png"))));
}

// Relative luminance of a colour, 0 for black to 1 for white.
double Luminance(QColor c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

TEST(FrmSplash, EveryLabelStandsOutFromThePictureBehindIt)
{
    // The labels keep their colours; the picture under each must leave them
    // readable: nine in ten of the pixels behind a label differ from its
    // colour by a contrast ratio of three or more.
    FrmSplash splash;
    const QImage picture = splash.Picture1->pixmap().toImage().scaled(splash.Picture1->size());
    for (QLabel* label : {splash.Label1[0], splash.Label2[0], splash.Label2[1], splash.Label2[2]}) {
        const double ink = Luminance(label->palette().color(QPalette::WindowText));
        const QRect text = label->fontMetrics()
                               .boundingRect(label->text())
                               .translated(label->pos() + QPoint(0, label->fontMetrics().ascent()));
        std::vector<double> ratios;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x) {
                const double back = Luminance(picture.pixelColor(x, y));
                ratios.push_back((std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05));
            }
        ASSERT_FALSE(ratios.empty());
        std::sort(ratios.begin(), ratios.end());
        EXPECT_GE(ratios[ratios.size() / 10], 3.0) << label->text().toStdString();
    }
}

} // namespace
} // namespace gh
