// The settings dialog and the author's message.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/TickDriver.h"
#include "platform/qt/Twips.h"
#include "windows/FrmAvtor.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"

namespace gh {
namespace {

using gui::GuiGame;

FrmSet* OpenSet(GuiGame& gg)
{
    gg.forms.OpenSettings();
    return qobject_cast<FrmSet*>(gg.forms.settings.data());
}

TEST(FrmSet, LaidOutAsDrawnAndShowsTheCurrentSettingsWithoutWritingThem)
{
    GuiGame gg;
    gg.g.AnimSpeed = 0; // no match has set it yet
    gg.g.timers.SetEnabled(TimerId::Tmr, true);
    QPointer<FrmSet> set = OpenSet(gg);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->windowTitle(), QStringLiteral("Меню настроек"));
    // One row taller than drawn: «Различимые цвета сторон» has a row of its own.
    EXPECT_EQ(set->size(), TwipsSize(5340, 3945 + 375));
    EXPECT_EQ(set->minimumSize(), set->maximumSize());
    EXPECT_TRUE(set->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(set->isVisible());
    EXPECT_EQ(set->LblSpeed[0]->text(), QStringLiteral("Пропуск кадров при передвижении юнитов"));
    EXPECT_EQ(set->LblSpeed[1]->text(), QStringLiteral("Скорость движения юнитов на месте"));
    EXPECT_EQ(set->LblSpeed[0]->geometry(), TwipsRect(120, 240, 2685, 615));
    EXPECT_EQ(set->LblSpeed[1]->geometry(), TwipsRect(120, 960, 2730, 495));
    EXPECT_EQ(set->SldSpeed[0]->geometry(), TwipsRect(2880, 360, 2055, 495));
    EXPECT_EQ(set->SldSpeed[1]->geometry(), TwipsRect(2880, 1080, 2055, 495));
    EXPECT_EQ(set->CmdCancel->geometry(), TwipsRect(1920, 3390 + 375, 1455, 375));
    EXPECT_EQ(set->CmdCancel->text(), QStringLiteral("Закрыть"));
    const int ranges[2][5] = {{1, 4, 1, 1, 1}, {1, 1001, 10, 50, 100}};
    for (int i = 0; i < 2; ++i) {
        QSlider* s = set->SldSpeed[i];
        EXPECT_EQ(s->orientation(), Qt::Horizontal);
        EXPECT_EQ(s->minimum(), ranges[i][0]);
        EXPECT_EQ(s->maximum(), ranges[i][1]);
        EXPECT_EQ(s->singleStep(), ranges[i][2]);
        EXPECT_EQ(s->pageStep(), ranges[i][3]);
        EXPECT_EQ(s->tickInterval(), ranges[i][4]);
        EXPECT_NE(s->tickPosition(), QSlider::NoTicks);
        // Each caption fits its label.
        QLabel* l = set->LblSpeed[i];
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << i;
    }
    // Before any match both sliders stand at 1, and opening wrote nothing back.
    EXPECT_EQ(set->SldSpeed[0]->value(), 1);
    EXPECT_EQ(set->SldSpeed[1]->value(), 1);
    EXPECT_EQ(gg.g.AnimSpeed, 0);
    EXPECT_TRUE(set->grab().save(gui::ShotPath(QStringLiteral("frmset.png"))));

    // At most one dialog; Esc and "Закрыть" close it, the next one reads afresh.
    EXPECT_EQ(OpenSet(gg), set.data());
    QTest::keyClick(set->SldSpeed[1], Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_TRUE(set.isNull());

    const int shown[][3] = {{1, 1, 1}, {2, 2, 500}, {4, 3, 1001}, {8, 4, 37}, {5, 1, 2}};
    for (const auto& [speed, position, interval] : shown) {
        gg.g.AnimSpeed = speed;
        gg.g.timers.SetInterval(TimerId::Tmr, interval);
        set = OpenSet(gg);
        EXPECT_EQ(set->SldSpeed[0]->value(), position) << speed;
        EXPECT_EQ(set->SldSpeed[1]->value(), interval);
        EXPECT_EQ(gg.g.AnimSpeed, speed);
        QTest::mouseClick(set->CmdCancel, Qt::LeftButton);
        gui::FlushDeletes();
        EXPECT_TRUE(set.isNull());
    }
    EXPECT_TRUE(gg.g.timers.Enabled(TimerId::Tmr));
}

TEST(FrmSet, EverySliderMoveTakesEffectAtOnceInAndOutOfAMatch)
{
    GuiGame gg;
    FrmMain* main = gg.forms.LoadMain();
    main->ToolbarButton(QStringLiteral("Настройки"))->trigger();
    QPointer<FrmSet> set = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->parentWidget(), main);

    // Before any match the speed is 0 and the slider rests at 1, so the
    // first move goes up and back down to reach every position by a change.
    const int speeds[] = {1, 2, 4, 8};
    for (int position : {2, 1, 3, 4}) {
        set->SldSpeed[0]->setValue(position);
        EXPECT_EQ(gg.g.AnimSpeed, speeds[position - 1]);
    }
    QTest::keyClick(set->SldSpeed[0], Qt::Key_Left);
    EXPECT_EQ(gg.g.AnimSpeed, 4);
    QTest::keyClick(set->SldSpeed[1], Qt::Key_PageUp);
    EXPECT_EQ(gg.g.timers.Interval(TimerId::Tmr), 51);
    QTest::keyClick(set->SldSpeed[1], Qt::Key_End);
    EXPECT_EQ(gg.g.timers.Interval(TimerId::Tmr), 1001);

    // In a match: the idle pace outlives the match, the frame skip does not.
    set->close();
    gg.forms.OpenSelect()->CmdOK->click();
    gui::FlushDeletes();
    ASSERT_TRUE(gg.g.MatchRunning);
    EXPECT_EQ(gg.g.AnimSpeed, 4);
    set = OpenSet(gg);
    EXPECT_EQ(set->SldSpeed[0]->value(), 3);
    EXPECT_EQ(set->SldSpeed[1]->value(), 1001);
    set->SldSpeed[0]->setValue(1);
    set->SldSpeed[1]->setValue(300);
    EXPECT_EQ(gg.g.AnimSpeed, 1);
    EXPECT_EQ(gg.g.timers.Interval(TimerId::Tmr), 300);
    // The idle animation now fires once in 19 ticks of 16 ms.
    int idles = 0;
    gg.g.timers.SetHandler(TimerId::Tmr, [&] { ++idles; });
    for (int i = 0; i < 19 * 3; ++i)
        gg.g.timers.Tick();
    EXPECT_EQ(idles, 3);

    gg.forms.OpenSelect()->CmdOK->click();
    gui::FlushDeletes();
    EXPECT_EQ(gg.g.AnimSpeed, 4);
    EXPECT_EQ(gg.g.timers.Interval(TimerId::Tmr), 300);
}

TEST(FrmSet, TheComputersLevelSitsInTheFreeBandAndIsWhereEveryNewComputerHeroStarts)
{
    GuiGame gg;
    QPointer<FrmSet> set = OpenSet(gg);
    ASSERT_NE(set, nullptr);
    QComboBox* box = set->CboLevel;
    EXPECT_EQ(set->LblLevel->text(), QStringLiteral("Уровень компьютера"));
    ASSERT_EQ(box->count(), kStrongestLevel + 1);
    EXPECT_EQ(box->itemText(0), QStringLiteral("Новичок"));
    EXPECT_EQ(box->itemText(kStrongestLevel), QStringLiteral("Беспощадный"));
    // A player who never looks here gets «Обычный».
    EXPECT_EQ(box->currentText(), QStringLiteral("Обычный"));
    // Below the sliders, above "Закрыть", clear of every other control and
    // wide enough for its words.
    for (QWidget* w : std::initializer_list<QWidget*>{set->LblLevel, box}) {
        const QRect r = w->geometry();
        EXPECT_TRUE(set->rect().contains(r));
        for (QWidget* other :
             std::initializer_list<QWidget*>{set->LblSpeed[0], set->LblSpeed[1], set->SldSpeed[0],
                                             set->SldSpeed[1], set->ChkAutosave, set->CmdCancel})
            EXPECT_FALSE(r.intersects(other->geometry()));
        EXPECT_GE(r.width(), w->sizeHint().width());
    }
    EXPECT_FALSE(set->LblLevel->geometry().intersects(box->geometry()));
    EXPECT_EQ(set->CmdCancel->geometry(), TwipsRect(1920, 3390 + 375, 1455, 375));

    // Chosen from the keyboard; the match in play keeps its own levels.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->currentIndex(), kDefaultComputerLevel + 1);
    EXPECT_EQ(gg.forms.prefs.ComputerLevel, kDefaultComputerLevel + 1);
    EXPECT_EQ(gg.g.ComputerLevel, (std::array<std::int32_t, kHeroes + 1>{}));
    EXPECT_TRUE(set->grab().save(gui::ShotPath(QStringLiteral("frmset-level.png"))));

    // The next hero selection starts every row there, and the match started
    // from it plays its computer heroes at that level.
    set->close();
    gui::FlushDeletes();
    FrmSelect* select = qobject_cast<FrmSelect*>(gg.forms.OpenSelect());
    ASSERT_NE(select, nullptr);
    for (int i = 0; i < FrmSelect::kSlots; ++i)
        EXPECT_EQ(select->CboLevel[i]->currentIndex(), kDefaultComputerLevel + 1) << i;
    select->CmdOK->click();
    gui::FlushDeletes();
    ASSERT_TRUE(gg.g.MatchRunning);
    EXPECT_EQ(gg.g.ComputerLevel[2], kDefaultComputerLevel + 1);
    EXPECT_EQ(gg.g.ComputerLevel[0], kGameLevel);
    set = OpenSet(gg);
    EXPECT_EQ(set->CboLevel->currentIndex(), kDefaultComputerLevel + 1);
}

// The author's message, opened the way the player opens it.
struct Author : GuiGame {
    Author()
    {
        main = forms.LoadMain();
        main->show();
        QPointer<FrmMenu> menu = forms.OpenMenu();
        QTest::mouseClick(menu->Cmd[3], Qt::LeftButton);
        gui::FlushDeletes();
        EXPECT_TRUE(menu.isNull());
        avtor = qobject_cast<FrmAvtor*>(forms.author.data());
    }
    FrmMain* main = nullptr;
    QPointer<FrmAvtor> avtor;
};

TEST(FrmAvtor, FillsTheScreenFromTheMenuAndScrollsWhileTheBattlefieldRuns)
{
    Author a;
    ASSERT_NE(a.avtor, nullptr);
    FrmAvtor& w = *a.avtor;
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("От автора"));
    EXPECT_EQ(w.geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w.cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(w.font().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(w.font().pointSizeF(), 18);
    const float height = static_cast<float>(w.height() * kTwipsPerPixel);
    EXPECT_FLOAT_EQ(w.ScrollY, height);
    EXPECT_FLOAT_EQ(w.CenterY, height / 2);
    EXPECT_FLOAT_EQ(w.TextLeft, 1200);
    EXPECT_EQ(w.ScrollSpeed, 30);
    EXPECT_TRUE(w.Tmr->isActive());
    EXPECT_LE(w.Tmr->interval(), 16);

    // Its own timer moves the text; the battlefield's timers keep firing.
    int fired = 0;
    a.g.timers.SetHandler(TimerId::Tmr4, [&] { ++fired; });
    a.g.timers.SetInterval(TimerId::Tmr4, 1);
    a.g.timers.SetEnabled(TimerId::Tmr4, true);
    TickDriver driver(a.g.timers, {});
    driver.Start();
    // Until both have moved on, however slowly a busy machine ticks.
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 3 && w.ScrollY < height; }, 120000))
        << "battlefield ticks " << fired << ", text at " << w.ScrollY << " of " << height;
    EXPECT_GT(fired, 3);
    EXPECT_LT(w.ScrollY, height);
    EXPECT_FLOAT_EQ(std::fmod(height - w.ScrollY, 30.0f), 0.0f);
    driver.Stop();

    // The wrap, through the window's own tick.
    w.Tmr->stop();
    w.ScrollY = -20000;
    w.TmrTick();
    EXPECT_FLOAT_EQ(w.ScrollY, height);
    w.TmrTick();
    EXPECT_FLOAT_EQ(w.ScrollY, height - 30);
}

TEST(FrmAvtor, PlusAndMinusChangeTheSpeedAndClickOrEscapeClose)
{
    Author a;
    ASSERT_NE(a.avtor, nullptr);
    FrmAvtor& w = *a.avtor;
    w.Tmr->stop();
    const Qt::Key minus[] = {Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus,
                             Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus};
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(&w, minus[i], i % 2 ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(w.ScrollSpeed, 0);
    QTest::keyClick(&w, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(w.ScrollSpeed, 0);
    const float stopped = w.ScrollY;
    w.TmrTick();
    EXPECT_FLOAT_EQ(w.ScrollY, stopped);

    QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(w.ScrollSpeed, 5);
    QTest::keyClick(&w, Qt::Key_Equal);
    EXPECT_EQ(w.ScrollSpeed, 10);
    QTest::keyClick(&w, Qt::Key_A);
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_EQ(w.ScrollSpeed, 10);
    w.TmrTick();
    EXPECT_FLOAT_EQ(w.ScrollY, stopped - 10);
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(&w, Qt::Key_Plus);
    EXPECT_EQ(w.ScrollSpeed, 200);

    QTest::keyClick(&w, Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_TRUE(a.avtor.isNull());

    // A new opening starts over; a click anywhere sends it away.
    a.forms.OpenAuthor();
    QPointer<FrmAvtor> again = qobject_cast<FrmAvtor*>(a.forms.author.data());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ScrollSpeed, 30);
    a.forms.OpenAuthor();
    EXPECT_EQ(a.forms.author.data(), again.data());
    QTest::mouseClick(again, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    gui::FlushDeletes();
    EXPECT_TRUE(again.isNull());
}

// The brightest grey in a band of the picture, one line's height tall.
int BrightestIn(const QImage& img, int top, int bottom, int left = 0, int right = -1)
{
    if (right < 0)
        right = img.width();
    int best = 0;
    for (int y = std::max(0, top); y < std::min(bottom, img.height()); ++y)
        for (int x = left; x < right; ++x)
            best = std::max(best, qRed(img.pixel(x, y)));
    return best;
}

TEST(FrmAvtor, LinesStand480TwipsApartBrightestInTheMiddle)
{
    Author a;
    ASSERT_NE(a.avtor, nullptr);
    FrmAvtor& w = *a.avtor;
    w.Tmr->stop();
    // Line 0 two thousand twips above the middle, line 4 eighty twips above it.
    w.ScrollY = w.CenterY - 2000;
    const QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(img.size(), w.size());
    EXPECT_TRUE(img.save(gui::ShotPath(QStringLiteral("frmavtor.png"))));
    const auto top = [&](int line) { return TwipsToPixels(w.ScrollY + line * 480); };
    const int step = TwipsToPixels(480);
    EXPECT_EQ(BrightestIn(img, top(0), top(0) + step), 128);
    EXPECT_EQ(BrightestIn(img, top(4), top(4) + step), 255);
    EXPECT_EQ(BrightestIn(img, top(1), top(3)), 0); // the two blank lines
    EXPECT_EQ(BrightestIn(img, 0, img.height(), 0, TwipsToPixels(1200) - 1), 0);
    // ShowText leaves its members at the end of the last line.
    EXPECT_EQ(w.LineNo, 40);
    EXPECT_FLOAT_EQ(w.LineY, w.ScrollY + 40 * 480);
    EXPECT_EQ(w.LineText, QStringLiteral("                              — команда Grimhollow"));
    EXPECT_EQ(w.Brightness, 15); // line 39 sits 16720 twips below the middle
}

} // namespace
} // namespace gh
