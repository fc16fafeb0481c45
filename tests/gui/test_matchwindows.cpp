// The windows that follow a match: the status strip, the log, the keys of
// the battlefield, the toolbar's «Помощь» and «Сдаться», the switch between
// full screen and a framed window, and the figures at the end of a match.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "GuiGame.h"
#include "app/QtShell.h"
#include "battlefield/FrmMain.h"
#include "battlefield/qt/StatusStrip.h"
#include "platform/qt/ImageLists.h"
#include "windows/FrmHelp.h"
#include "windows/FrmLog.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/FrmStats.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

struct Field : gui::GuiGame {
    Field()
    {
        g.Generator.Pin(77);
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1920, 1080);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    // The selection dialog's proposal: hero 1 a person, hero 2 the computer.
    void StartMatch()
    {
        forms.OpenSelect()->CmdOK->click();
        gui::FlushDeletes();
        shell.boxes.clear();
        ASSERT_TRUE(g.MatchRunning);
        ASSERT_EQ(g.ActiveHero, 1);
        main->RenderControls();
    }

    // A creature of the person's hero on cell (col, row), ready to act.
    int Creature(int record, int type, int col, int row)
    {
        CreateUnit(g, record, type, 1);
        g.U(record).PosX = static_cast<float>(col * 720);
        g.U(record).PosY = static_cast<float>(row * 720);
        if (record > g.UnitCount)
            g.UnitCount = record;
        return record;
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(main, key, mods); }

    void Shot(QWidget* w, const char* name)
    {
        EXPECT_TRUE(w->grab().save(gui::ShotPath(QString::fromUtf8(name))));
    }

    FrmMain* main = nullptr;
};

template <typename Test> int CountPixels(const QImage& image, const QRect& area, Test test)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                ++n;
    return n;
}

std::string Text(const QLabel* l)
{
    return l->text().toStdString();
}

TEST(StatusStrip, ShowsWhoseTurnInTheSideColourTheDayTheUnitAndWhatWaits)
{
    Field f;
    StatusStrip* strip = f.main->Strip;
    EXPECT_EQ(Text(strip->LblTurn), "Игра не начата");
    f.StartMatch();
    const Unit& hero = f.g.U(1);
    EXPECT_EQ(Text(strip->LblTurn), "Ходит " + UnitTypeName(hero.UnitType) + " " + hero.Name);
    EXPECT_EQ(Text(strip->LblDay), "День 1");
    EXPECT_TRUE(strip->ShpSide->isVisibleTo(strip));
    EXPECT_EQ(strip->ShpSide->palette().color(QPalette::Window), ImageLists::TeamColour(1));
    EXPECT_EQ(strip->LblUnit->text(), QString());
    // As drawn: the square wears the side's red, and so does the name.
    const QImage drawn = strip->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(CountPixels(drawn, strip->ShpSide->geometry(),
                          [](QColor c) { return c == ImageLists::TeamColour(1); }),
              64);
    EXPECT_GE(CountPixels(drawn, strip->LblTurn->geometry(),
                          [](QColor c) { return c.red() - c.green() > 80 && c.red() - c.blue() > 80; }),
              20);
    EXPECT_EQ(
        CountPixels(drawn, strip->LblDay->geometry(), [](QColor c) { return c.red() - c.green() > 80; }), 0);

    // A left click on the hero selects it: its life, mana and points show.
    QTest::mouseClick(f.main, Qt::LeftButton, {},
                      QPoint(static_cast<int>((hero.PosX - f.g.ViewX) / 15) + 24,
                             static_cast<int>((hero.PosY - f.g.ViewY) / 15) + 24));
    ASSERT_EQ(f.g.Selected, 1);
    EXPECT_EQ(Text(strip->LblUnit), UnitTypeName(hero.UnitType) + " " + hero.Name + " — жизнь " +
                                        std::to_string(hero.Hp) + "/" + std::to_string(hero.HpMax) +
                                        ", мана " + std::to_string(hero.Mana) + "/" +
                                        std::to_string(hero.ManaMax) + ", очки действия " +
                                        std::to_string(hero.Actions) + "/" + std::to_string(hero.ActionsMax));

    // A summons read from the book waits for its cell; a right click calls it off.
    f.g.U(0).UnitType = kDemon;
    f.g.InputMode = kModeSummon;
    f.main->RenderControls();
    EXPECT_EQ(Text(strip->LblAwaiting), "Призыв: Демон ждёт клетку. Правый клик или Esc — отмена");
    f.Shot(f.main, "strip-summon.png");
    QTest::mouseClick(f.main, Qt::RightButton, {}, QPoint(900, 600));
    EXPECT_EQ(f.g.InputMode, kModeOrders);
    EXPECT_EQ(strip->LblAwaiting->text(), QString());

    // The strip sits in the toolbar, right of the buttons, clear of them.
    const QRect stripArea = strip->geometry();
    for (int i = 0; i < f.main->Toolbar1->actions().size(); ++i) {
        QWidget* button = f.main->Toolbar1->widgetForAction(f.main->Toolbar1->actions()[i]);
        EXPECT_FALSE(stripArea.intersects(button->geometry())) << i;
    }
    EXPECT_GE(stripArea.width(), 900);

    // The computer's turn shows in the computer's colour.
    f.main->ToolbarButton(QStringLiteral("Закончить ход"))->trigger();
    EXPECT_EQ(f.g.ActiveHero, 2);
    EXPECT_EQ(Text(strip->LblTurn).rfind("Ходит ", 0), 0u);
    EXPECT_EQ(strip->ShpSide->palette().color(QPalette::Window), ImageLists::TeamColour(2));
}

TEST(FrmLog, ListsTheEventsAsTheyHappenAndShowsAndHidesWithoutTakingTheKeyboard)
{
    Field f;
    f.StartMatch();
    EXPECT_EQ(f.forms.Log(), nullptr);
    f.main->activateWindow();
    f.main->setFocus();
    f.Key(Qt::Key_F2);
    FrmLog* log = f.forms.Log();
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isVisible());
    EXPECT_TRUE(f.main->Strip->CmdLog->isChecked());
    // What happened before it opened is there: the match began, hero 1 moves.
    ASSERT_GE(log->LstLog->count(), 2);
    EXPECT_EQ(log->LstLog->item(0)->text(), QStringLiteral("День 1. Битва начинается"));
    const Unit& hero = f.g.U(1);
    EXPECT_EQ(log->LstLog->item(1)->text().toStdString(),
              "День 1. Ходит " + UnitTypeName(hero.UnitType) + " " + hero.Name);

    // New lines come in as the match goes, newest last, in the side's colour.
    const int before = log->LstLog->count();
    f.main->ToolbarButton(QStringLiteral("Закончить ход"))->trigger();
    ASSERT_GT(log->LstLog->count(), before);
    QListWidgetItem* last = log->LstLog->item(before);
    const Unit& rival = f.g.U(2);
    EXPECT_EQ(last->text().toStdString(), "День 1. Ходит " + UnitTypeName(rival.UnitType) + " " + rival.Name);
    EXPECT_NE(last->foreground().color(), log->LstLog->item(1)->foreground().color());
    f.Shot(log, "frmlog.png");

    // The strip's «Журнал» hides it, and F2 brings it back, with every line.
    QTest::mouseClick(f.main->Strip->CmdLog, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_EQ(f.forms.Log(), nullptr);
    EXPECT_FALSE(f.main->Strip->CmdLog->isChecked());
    f.Key(Qt::Key_F2);
    ASSERT_NE(f.forms.Log(), nullptr);
    EXPECT_EQ(f.forms.Log()->LstLog->count(), static_cast<int>(f.forms.journal.Entries().size()));
    // Esc in the log closes it.
    QTest::keyClick(f.forms.Log(), Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_EQ(f.forms.Log(), nullptr);
}

TEST(FieldKeys, TabWalksThroughTheUnitsThatCanStillActAndEscLetsGo)
{
    Field f;
    f.StartMatch();
    Game& g = f.g;
    // Two creatures of the person's hero; the second has spent its points.
    // The field is scrolled away from all of them.
    const int far = f.Creature(11, kDemon, 19, 19);
    const int spent = f.Creature(12, kSkeleton, 3, 3);
    g.U(spent).Actions = 0;
    f.main->HorBar->setValue(10000);
    f.main->VertBar->setValue(10000);
    auto inSight = [&](int unit) {
        const float x = g.U(unit).PosX - g.ViewX, y = g.U(unit).PosY - g.ViewY;
        return x >= 0 && x + 720 <= f.main->width() * 15.0f - 375 && y >= 870 &&
               y + 720 <= f.main->height() * 15.0f - 375;
    };
    ASSERT_FALSE(inSight(1));

    f.Key(Qt::Key_Tab);
    EXPECT_EQ(g.Selected, 1);
    // It was out of sight: the field scrolls to it.
    EXPECT_TRUE(inSight(1));
    EXPECT_TRUE(g.ShpSel.Visible);
    const float viewX = g.ViewX, viewY = g.ViewY;
    f.Key(Qt::Key_Tab);
    EXPECT_EQ(g.Selected, far);
    EXPECT_TRUE(inSight(far));
    // In sight already, it leaves the view where it was.
    EXPECT_EQ(g.ViewX, viewX);
    EXPECT_EQ(g.ViewY, viewY);
    f.Key(Qt::Key_Tab); // round to the hero, the spent skeleton passed over
    EXPECT_EQ(g.Selected, 1);
    f.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(g.Selected, far);
    f.Key(Qt::Key_Tab, Qt::ShiftModifier); // Shift+Tab as some keyboards send it
    EXPECT_EQ(g.Selected, 1);

    // Esc calls off a pending summons first, and lets go of the unit next.
    g.InputMode = kModeSummon;
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.Selected, 1);
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(g.Selected, 0);
    EXPECT_FALSE(g.ShpSel.Visible);

    // While a unit walks the keys give no orders.
    g.timers.SetEnabled(TimerId::Tmr1, true);
    g.InputMode = kModeWalk;
    f.Key(Qt::Key_Tab);
    EXPECT_EQ(g.Selected, 0);
    g.Selected = 1;
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(g.Selected, 1);
    f.Key(Qt::Key_Return);
    EXPECT_EQ(g.ActiveHero, 1);
    EXPECT_TRUE(f.shell.boxes.empty());
}

TEST(FieldKeys, HomeFindsTheHeroEnterEndsTheTurnAndTheyKeepOffTheComputersTurn)
{
    Field f;
    f.StartMatch();
    Game& g = f.g;
    // Scrolled away from everything, Home brings the hero back to the middle.
    f.main->HorBar->setValue(10000);
    f.main->VertBar->setValue(10000);
    ASSERT_EQ(g.ViewX, 10000.0f);
    f.Key(Qt::Key_Home);
    const Unit& hero = g.U(1);
    const float cx = hero.PosX + 360 - g.ViewX, cy = hero.PosY + 360 - g.ViewY;
    // As near the middle as the bars go (the hero stands near the top left).
    EXPECT_LT(g.ViewX, 10000.0f);
    EXPECT_GT(cx, 0.0f);
    EXPECT_GT(cy, 870.0f);
    EXPECT_TRUE(g.HorBar.Value == 0 || std::abs(cx - (f.main->width() * 15.0f - 375) / 2) < 2);

    f.Key(Qt::Key_Return);
    EXPECT_EQ(g.ActiveHero, 2);
    ASSERT_EQ(f.shell.boxes.size(), 1u);
    EXPECT_EQ(f.shell.boxes[0].text.rfind("Ходит ", 0), 0u);
    // The computer's turn: Enter ends nothing, Tab selects nothing.
    const int selected = g.Selected;
    f.Key(Qt::Key_Return);
    f.Key(Qt::Key_Tab);
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_EQ(g.Selected, selected);
    EXPECT_EQ(f.shell.boxes.size(), 1u);

    // A held key repeats; a repeat never ends a turn.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    g.ActiveHero = 1;
    QApplication::sendEvent(f.main, &repeat);
    EXPECT_EQ(g.ActiveHero, 1);
}

TEST(FieldKeys, F1HelpsAndF11SwitchesBetweenFullScreenAndAFramedWindow)
{
    Field f;
    f.Key(Qt::Key_F1);
    ASSERT_FALSE(f.forms.help.isNull());
    auto* help = qobject_cast<FrmHelp*>(f.forms.help.data());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString page = help->TxtHelp->toPlainText();
    for (const char* word : {"Tab", "Esc", "F11", "Enter", "Ctrl", "Досягаемость", "Путь и цена",
                             "Прогноз схватки", "Как играть"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(word))) << word;
    f.Shot(help, "frmhelp.png");
    QTest::keyClick(help, Qt::Key_F1);
    gui::FlushDeletes();
    EXPECT_TRUE(f.forms.help.isNull());

    EXPECT_TRUE(f.forms.prefs.FullScreen);
    EXPECT_TRUE(f.main->windowFlags().testFlag(Qt::FramelessWindowHint));
    f.Key(Qt::Key_F11);
    EXPECT_FALSE(f.forms.prefs.FullScreen);
    EXPECT_FALSE(f.main->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(f.main->isVisible());
    EXPECT_FALSE(f.main->isFullScreen());
    // The canvas and the bars follow the window's new size.
    EXPECT_EQ(f.main->canvas.Image().size() / f.main->canvas.Image().devicePixelRatio(), f.main->size());
    EXPECT_EQ(f.main->HorBar->geometry().bottom(), f.main->height() - 1);
    f.Key(Qt::Key_F11);
    EXPECT_TRUE(f.forms.prefs.FullScreen);
    EXPECT_TRUE(f.main->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(f.main->isVisible());
}

TEST(Toolbar, GivingUpOnYesEndsTheMatchAndTheFiguresFollowTheVictoryBox)
{
    Field f;
    f.StartMatch();
    Game& g = f.g;
    // Hero 1 has done a few things this match.
    g.Tally.Sides[1].Kills = 3;
    g.Tally.Sides[1].Summoned = 2;
    g.Tally.Sides[2].SpellsCast = 4;
    g.Tally.Sides[2].Losses = 3;

    f.shell.answers = {BoxAnswer::No};
    f.main->ToolbarButton(QStringLiteral("Сдаться"))->trigger();
    ASSERT_EQ(f.shell.boxes.size(), 1u);
    EXPECT_EQ(f.shell.boxes[0].text, "Признать себя побежденным?");
    EXPECT_TRUE(g.MatchRunning);
    EXPECT_EQ(f.forms.Stats(), nullptr);

    f.main->ToolbarButton(QStringLiteral("Сдаться"))->trigger(); // yes
    EXPECT_FALSE(g.MatchRunning);
    ASSERT_EQ(f.shell.boxes.size(), 3u);
    const Unit& rival = g.U(2);
    EXPECT_EQ(f.shell.boxes[2].text, std::string(rival.IsMale ? "В битве победил " : "В битве победила ") +
                                         UnitTypeName(rival.UnitType) + " " + rival.Name);
    FrmStats* stats = f.forms.Stats();
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(stats->isVisible());
    QTableWidget* t = stats->TblStats;
    ASSERT_EQ(t->rowCount(), 2);
    ASSERT_EQ(t->columnCount(), 7);
    EXPECT_EQ(t->horizontalHeaderItem(2)->text(), QStringLiteral("Убито"));
    const Unit& hero = g.U(1);
    EXPECT_EQ(t->item(0, 0)->text().toStdString(), UnitTypeName(hero.UnitType) + " " + hero.Name);
    EXPECT_EQ(t->item(0, 1)->text(), hero.IsMale ? QStringLiteral("сдался") : QStringLiteral("сдалась"));
    EXPECT_EQ(t->item(0, 2)->text(), QStringLiteral("3"));
    EXPECT_EQ(t->item(0, 4)->text(), QStringLiteral("2"));
    EXPECT_EQ(t->item(0, 6)->text(), QStringLiteral("1"));
    EXPECT_EQ(t->item(1, 1)->text(),
              rival.IsMale ? QStringLiteral("победитель") : QStringLiteral("победительница"));
    EXPECT_EQ(t->item(1, 3)->text(), QStringLiteral("3"));
    EXPECT_EQ(t->item(1, 5)->text(), QStringLiteral("4"));
    EXPECT_EQ(stats->LblWinner->text().toStdString(),
              std::string(rival.IsMale ? "В битве победил " : "В битве победила ") +
                  UnitTypeName(rival.UnitType) + " " + rival.Name + ", день 1");
    // Every figure can be read whole.
    for (int c = 0; c < t->columnCount(); ++c)
        EXPECT_GE(t->columnWidth(c), t->horizontalHeader()->sectionSizeHint(c) - 1) << c;
    f.Shot(stats, "frmstats.png");
    f.Shot(f.main, "battlefield-after-victory.png");
    QTest::keyClick(stats, Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_EQ(f.forms.Stats(), nullptr);
}

TEST(FrmSet, AnnouncingTheComputersTurnsIsOnUntilUnticked)
{
    gui::GuiGame gg;
    gg.forms.OpenSettings();
    auto* set = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    QCheckBox* box = set->ChkAnnounce;
    EXPECT_EQ(box->text(), QStringLiteral("Объявлять ходы компьютера"));
    EXPECT_TRUE(box->isChecked());
    const QRect r = box->geometry();
    EXPECT_TRUE(set->rect().contains(r));
    for (QWidget* other : std::initializer_list<QWidget*>{set->SldSpeed[1], set->CboLevel, set->CmdCancel})
        EXPECT_FALSE(r.intersects(other->geometry()));
    EXPECT_GE(r.width(), box->sizeHint().width());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, r.height() / 2));
    EXPECT_FALSE(gg.forms.prefs.AnnounceComputerTurns);
    EXPECT_TRUE(set->grab().save(gui::ShotPath(QStringLiteral("frmset-announce.png"))));
    set->close();
    gui::FlushDeletes();
    // Opened again, it shows what was set.
    gg.forms.OpenSettings();
    set = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_FALSE(set->ChkAnnounce->isChecked());
}

TEST(QtShell, AnnouncesTheComputersTurnsOnlyWhileThePlayerWantsThem)
{
    gui::GuiGame gg;
    QtShell shell(gg.forms);
    // Whatever box comes up is read and answered, so a wrong one cannot hang the test.
    std::vector<QString> shown;
    auto answerBoxes = [&] {
        QTimer::singleShot(50, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.push_back(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
    };
    MessageBoxRequest turn{"День 2", "Ходит Некромант Морг"};

    answerBoxes();
    shell.AnnounceComputerTurn(turn);
    EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("Ходит Некромант Морг")});

    gg.forms.prefs.AnnounceComputerTurns = false;
    answerBoxes();
    shell.AnnounceComputerTurn(turn);
    QTest::qWait(100); // the answering timer runs and finds no box
    EXPECT_EQ(shown.size(), 1u);
}

} // namespace
} // namespace gh
