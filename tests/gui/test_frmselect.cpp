// The hero selection dialog: its controls and initial states, stepping and
// drawing classes, names, starting a match and going back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <set>

#include "GuiGame.h"
#include "SavesGame.h"
#include "app/QtShell.h"
#include "battlefield/FrmMain.h"
#include "engine/Order.h"
#include "platform/qt/ImageLists.h"
#include "platform/qt/Twips.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

using gui::GuiGame;

struct Selection : GuiGame {
    Selection() { Open(); }
    void Open()
    {
        dlg = forms.OpenSelect();
        ASSERT_NE(dlg, nullptr);
    }
    // Clicks a button the way a player would.
    static void Press(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    QPointer<FrmSelect> dlg;
};

TEST(FrmSelect, OpensWithTwoHeroesProposedAndEveryControlInPlace)
{
    Selection s;
    FrmSelect& d = *s.dlg;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Выбор участников"));
    EXPECT_EQ(d.size(), TwipsSize(7530, 6150));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_FALSE(d.isModal());
    EXPECT_TRUE(d.testAttribute(Qt::WA_DeleteOnClose));

    for (int i = 0; i < 5; ++i) {
        const int dy = 1200 * i;
        EXPECT_EQ(d.Iss[i]->isChecked(), i < 2) << i;
        EXPECT_EQ(d.Ai[i]->isChecked(), i == 1) << i;
        EXPECT_EQ(d.Iss[i]->text(), QString::number(i + 1));
        // The number fits beside the box.
        EXPECT_LE(d.Iss[i]->sizeHint().width(), d.Iss[i]->width()) << i;
        EXPECT_EQ(d.Ai[i]->text(), QStringLiteral("AI"));
        EXPECT_EQ(d.CmdD[i]->text(), QStringLiteral("<"));
        EXPECT_EQ(d.CmdU[i]->text(), QStringLiteral(">"));
        EXPECT_EQ(d.Cmd[i]->text(), QStringLiteral("?"));
        EXPECT_EQ(d.Iss[i]->geometry(), TwipsRect(240, 120 + dy, 375, 1095));
        EXPECT_EQ(d.Img[i]->geometry(), TwipsRect(840, 120 + dy, 735, 735));
        EXPECT_EQ(d.CmdD[i]->geometry(), TwipsRect(840, 840 + dy, 375, 285));
        EXPECT_EQ(d.CmdU[i]->geometry(), TwipsRect(1200, 840 + dy, 375, 285));
        EXPECT_EQ(d.Txt[i]->geometry(), TwipsRect(1800, 240 + dy, 2895, 375));
        // The «AI» tick gives the rest of its line to the computer's level,
        // which starts at the default and counts only for a computer hero.
        EXPECT_EQ(d.Ai[i]->geometry(), TwipsRect(1800, 720 + dy, 900, 375));
        EXPECT_LE(d.Ai[i]->sizeHint().width(), d.Ai[i]->width()) << i;
        EXPECT_EQ(d.CboLevel[i]->geometry(), TwipsRect(2700, 705 + dy, 1995, 405));
        EXPECT_FALSE(d.CboLevel[i]->geometry().intersects(d.Ai[i]->geometry())) << i;
        EXPECT_LE(d.CboLevel[i]->geometry().right(), d.Txt[i]->geometry().right()) << i;
        EXPECT_EQ(d.CboLevel[i]->currentText(), QStringLiteral("Обычный")) << i;
        EXPECT_EQ(d.CboLevel[i]->isEnabled(), i == 1) << i;
        EXPECT_EQ(d.Cmd[i]->geometry(), TwipsRect(4920, 360 + dy, 615, 615));
        EXPECT_EQ(d.Iss[i]->toolTip(), QStringLiteral("Нажмите для участия данного героя"));
        EXPECT_EQ(d.Img[i]->toolTip(), QStringLiteral("П-клик для информации"));
        EXPECT_EQ(d.CmdD[i]->toolTip(), QStringLiteral("Предыдущий герой"));
        EXPECT_EQ(d.CmdU[i]->toolTip(), QStringLiteral("Следующий герой"));
        EXPECT_EQ(d.Txt[i]->toolTip(), QStringLiteral("Имя героя"));
        EXPECT_EQ(d.Ai[i]->toolTip(), QStringLiteral("Нажмите, чтобы герой управлялся компом"));
        EXPECT_EQ(d.Cmd[i]->toolTip(), QStringLiteral("Случайный герой"));
        // The row's colour is the one its units wear on the field.
        EXPECT_EQ(d.SideColour[i]->palette().color(QPalette::Window), ImageLists::TeamColour(i + 1));
    }
    EXPECT_EQ(d.CmdOK->text(), QStringLiteral("Начать"));
    EXPECT_EQ(d.CmdCancel->text(), QStringLiteral("Назад"));
    EXPECT_EQ(d.CmdOK->geometry(), TwipsRect(5880, 5520, 1455, 375));
    EXPECT_EQ(d.CmdCancel->geometry(), TwipsRect(5880, 120, 1455, 375));
}

TEST(FrmSelect, RowControlsFollowTheirTakePartBox)
{
    Selection s;
    FrmSelect& d = *s.dlg;
    auto rowEnabled = [&](int i) {
        std::set<bool> states;
        for (QWidget* w :
             std::initializer_list<QWidget*>{d.Img[i], d.Txt[i], d.CmdD[i], d.CmdU[i], d.Ai[i], d.Cmd[i]})
            states.insert(w->isEnabled());
        EXPECT_EQ(states.size(), 1u) << "row " << i << " is half enabled";
        return *states.begin();
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(rowEnabled(i), i < 2) << i;
    Selection::Press(d.Iss[3]);
    Selection::Press(d.Iss[0]);
    EXPECT_TRUE(rowEnabled(3));
    EXPECT_FALSE(rowEnabled(0));
    EXPECT_TRUE(d.Iss[0]->isEnabled());
    // A disabled row reacts to nothing.
    const std::string name = s.g.U(1).Name;
    Selection::Press(d.Cmd[0]);
    Selection::Press(d.CmdU[0]);
    EXPECT_EQ(s.g.U(1).Name, name);
}

TEST(FrmSelect, EveryOpeningDrawsFiveHeroesWithDifferentNames)
{
    GuiGame gg;
    for (int round = 0; round < 15; ++round) {
        QPointer<FrmSelect> d = gg.forms.OpenSelect();
        std::set<std::string> names;
        for (int h = 1; h <= 5; ++h) {
            const Unit& u = gg.g.U(h);
            EXPECT_GE(ClassOfHeroType(u.UnitType), 1);
            EXPECT_EQ(u.Owner, h);
            EXPECT_FALSE(u.Name.empty());
            EXPECT_EQ(d->Txt[h - 1]->text().toStdString(), u.Name);
            EXPECT_FALSE(d->Img[h - 1]->pixmap().isNull());
            names.insert(u.Name);
        }
        EXPECT_EQ(names.size(), 5u) << "round " << round;
        d->close();
        gui::FlushDeletes();
    }
}

TEST(FrmSelect, StepsThroughTheClassesAndStopsAtTheEnds)
{
    Selection s;
    FrmSelect& d = *s.dlg;
    // Two steps back from anything reach the Маг.
    Selection::Press(d.CmdD[0]);
    Selection::Press(d.CmdD[0]);
    ASSERT_EQ(s.g.U(1).UnitType, kMage);
    const std::string mageName = s.g.U(1).Name;
    const std::size_t drawn = s.g.rnd->Drawn();
    Selection::Press(d.CmdD[0]);
    EXPECT_EQ(s.g.U(1).UnitType, kMage);
    EXPECT_EQ(s.g.U(1).Name, mageName);
    EXPECT_EQ(s.g.rnd->Drawn(), drawn) << "\"<\" on a Маг drew a new hero";

    Selection::Press(d.CmdU[0]);
    EXPECT_EQ(s.g.U(1).UnitType, kNecromancer);
    Selection::Press(d.CmdU[0]);
    ASSERT_EQ(s.g.U(1).UnitType, kArcheress);
    EXPECT_EQ(d.Txt[0]->text().toStdString(), s.g.U(1).Name);
    const std::string archerName = s.g.U(1).Name;
    const std::size_t drawn2 = s.g.rnd->Drawn();
    Selection::Press(d.CmdU[0]);
    EXPECT_EQ(s.g.U(1).UnitType, kArcheress);
    EXPECT_EQ(s.g.U(1).Name, archerName);
    EXPECT_EQ(s.g.rnd->Drawn(), drawn2) << "\">\" on a Лучница drew a new hero";
}

TEST(FrmSelect, NamesFollowEveryEditAndAClassChangeReplacesThem)
{
    Selection s;
    FrmSelect& d = *s.dlg;
    d.Txt[1]->clear();
    EXPECT_EQ(s.g.U(2).Name, "");
    QTest::keyClicks(d.Txt[1], QStringLiteral("<b>Zo"));
    EXPECT_EQ(s.g.U(2).Name, "<b>Zo");
    d.Txt[1]->insert(QStringLiteral("я"));
    EXPECT_EQ(s.g.U(2).Name, "<b>Zoя");
    QTest::keyClick(d.Txt[1], Qt::Key_Backspace);
    EXPECT_EQ(s.g.U(2).Name, "<b>Zo");

    Selection::Press(d.Cmd[1]);
    EXPECT_NE(s.g.U(2).Name, "<b>Zo");
    EXPECT_EQ(d.Txt[1]->text().toStdString(), s.g.U(2).Name);
    EXPECT_EQ(s.g.U(2).Hp, s.g.U(2).HpMax);
}

TEST(FrmSelect, OneHeroIsNotEnoughButTwoStartTheMatch)
{
    Selection s;
    FrmSelect& d = *s.dlg;
    Selection::Press(d.Iss[1]);
    Selection::Press(d.CmdOK);
    ASSERT_EQ(s.shell.boxes.size(), 1u);
    const MessageBoxRequest& box = s.shell.boxes[0];
    EXPECT_EQ(box.title, "Выбор участников");
    EXPECT_EQ(box.text, "Минимум два героя должны быть выбраны.");
    EXPECT_EQ(box.icon, BoxIcon::Exclamation);
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(s.g.MatchRunning);

    Selection::Press(d.Iss[3]);
    Selection::Press(d.Ai[3]);
    Selection::Press(d.CmdOK);
    gui::FlushDeletes();
    EXPECT_TRUE(s.dlg.isNull());
    EXPECT_TRUE(s.g.MatchRunning);
    for (int h = 1; h <= 5; ++h)
        EXPECT_EQ(s.g.U(h).OnField, h == 1 || h == 4) << h;
    EXPECT_TRUE(s.g.HeroIsHuman[1]);
    EXPECT_FALSE(s.g.HeroIsHuman[4]);
    EXPECT_EQ(s.g.ActiveHero, 1);
    // The opening announcement came after the message.
    ASSERT_GE(s.shell.boxes.size(), 2u);
    EXPECT_EQ(s.shell.boxes[1].title, "День 1");
}

TEST(FrmSelect, EnterStartsAndEscapeGoesBackToTheMenu)
{
    {
        // Enter where the keyboard focus is when the dialog opens.
        Selection s;
        QWidget* focused = s.dlg->focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Return);
        gui::FlushDeletes();
        EXPECT_TRUE(s.dlg.isNull());
        EXPECT_TRUE(s.g.MatchRunning);
    }
    {
        Selection s;
        QTest::keyClick(s.dlg, Qt::Key_Escape);
        gui::FlushDeletes();
        EXPECT_TRUE(s.dlg.isNull());
        EXPECT_FALSE(s.g.MatchRunning);
        ASSERT_NE(s.forms.Menu(), nullptr);
        EXPECT_TRUE(s.forms.Menu()->isVisible());
    }
    {
        // Enter on a button the player tabbed to presses that button.
        Selection s;
        s.dlg->CmdCancel->setFocus();
        QTest::keyClick(s.dlg->CmdCancel, Qt::Key_Return);
        gui::FlushDeletes();
        EXPECT_TRUE(s.dlg.isNull());
        EXPECT_FALSE(s.g.MatchRunning);
    }
}

// Going back leaves the match exactly as it was when the dialog opened:
// every record, the generator the dialog drew its heroes from, who plays and
// whose turn it is. Its record then replays without knowing of the dialog.
TEST(FrmSelect, GoingBackDuringAMatchLeavesItExactlyAsItWas)
{
    Selection s;
    Selection::Press(s.dlg->CmdOK);
    gui::FlushDeletes();
    ASSERT_TRUE(s.g.MatchRunning);
    s.g.U(1).Hp -= 3;
    s.g.U(2).Name = "Старый";
    s.g.ActiveHero = 2;
    const MatchState before = s.g.Match();

    // Open it again, fiddle, even fail to start, then go back.
    s.Open();
    FrmSelect& d = *s.dlg;
    EXPECT_NE(s.g.Generator, before.Generator) << "the dialog draws its heroes";
    Selection::Press(d.Iss[1]);
    Selection::Press(d.Ai[0]);
    Selection::Press(d.CmdOK); // one hero: refused, but it set its flags
    EXPECT_EQ(s.g.ActiveHero, 2) << "a refused start passed the turn";
    Selection::Press(d.Cmd[0]);
    Selection::Press(d.CmdU[2]);
    Selection::Press(d.CmdCancel);
    gui::FlushDeletes();

    EXPECT_TRUE(s.dlg.isNull());
    EXPECT_TRUE(s.g.Match() == before);
    EXPECT_EQ(s.g.U(2).Name, "Старый");
    ASSERT_NE(s.forms.Menu(), nullptr);
}

// The match waits while the dialog is open over it: no tick passes, a click
// on the field or «Закончить ход» gives no order, and it goes on as the
// dialog closes.
TEST(FrmSelect, TheMatchWaitsWhileTheDialogIsOpenOverIt)
{
    GuiGame s;
    FrmMain* main = s.ShowMain();
    s.StartFromSelection();
    ASSERT_EQ(s.g.ActiveHero, 1);
    ASSERT_TRUE(s.g.HeroIsHuman[1]);
    for (int i = 0; i < 2000 && !FieldTakesOrders(s.g); ++i)
        s.g.timers.Tick();
    ASSERT_TRUE(FieldTakesOrders(s.g)); // every order would be taken now
    const std::uint64_t ticks = s.g.timers.Ticks();

    QPointer<FrmSelect> dlg = s.forms.OpenSelect();
    EXPECT_TRUE(s.g.timers.Held());
    for (int i = 0; i < 50; ++i)
        s.g.timers.Tick();
    EXPECT_EQ(s.g.timers.Ticks(), ticks);
    const std::size_t given = s.forms.recorder.Journal().lines.size();
    main->ToolbarButton(QStringLiteral("Закончить ход"))->trigger();
    const Unit& hero = s.g.U(1);
    const double zoom = main->Zoom();
    const QPoint onHero(static_cast<int>((hero.PosX - s.g.ViewX + 360) / 15 * zoom),
                        static_cast<int>((hero.PosY - s.g.ViewY + 360) / 15 * zoom));
    QTest::mouseClick(main, Qt::LeftButton, Qt::NoModifier, onHero);
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_EQ(s.forms.recorder.Journal().lines.size(), given);
    EXPECT_EQ(s.g.ActiveHero, 1);
    EXPECT_EQ(s.g.Selected, 0);
    // Nor is the match saved with the selection's heroes in it.
    EXPECT_FALSE(s.forms.OpenMenu()->Cmd[1]->isEnabled());

    Selection::Press(dlg->CmdCancel);
    gui::FlushDeletes();
    EXPECT_FALSE(s.g.timers.Held());
    EXPECT_TRUE(s.forms.Menu()->Cmd[1]->isEnabled());
    s.g.timers.Tick();
    EXPECT_EQ(s.g.timers.Ticks(), ticks + 1);
    QTest::mouseClick(main, Qt::LeftButton, Qt::NoModifier, onHero);
    EXPECT_EQ(s.g.Selected, 1); // the same click, now taken
}

// «Начать» over a running match asks first, as loading a save does, and
// offers to save the match before it goes.
TEST(FrmSelect, StartingOverARunningMatchAsksAndOffersToSaveItFirst)
{
    gui::SavesGame s;
    s.StartMatch();
    Game& g = s.g;
    g.U(1).Hp -= 3;
    g.U(1).Name = "Старый Гэндальф";
    const Unit mine = g.U(1);
    const auto human = g.HeroIsHuman;

    // Stay: nothing changes, the dialog stays open with its own heroes.
    QPointer<FrmSelect> d = s.forms.OpenSelect();
    const std::string proposed = d->Txt[0]->text().toStdString();
    s.shell.answers = {BoxAnswer::Cancel};
    QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    ASSERT_EQ(s.shell.boxes.size(), 1u);
    const MessageBoxRequest& ask = s.shell.boxes[0];
    EXPECT_EQ(ask.title, "Новая партия");
    EXPECT_EQ(ask.buttons, BoxButtons::YesNoCancel);
    EXPECT_EQ(ask.icon, BoxIcon::Question);
    EXPECT_EQ(ask.yesCaption, "Сохранить и начать");
    EXPECT_EQ(ask.noCaption, "Не сохранять");
    EXPECT_NE(ask.text.find("Идущая партия будет заменена новой. Её несохранённые ходы пропадут."),
              std::string::npos)
        << ask.text;
    ASSERT_FALSE(d.isNull());
    EXPECT_TRUE(g.MatchRunning);
    EXPECT_EQ(g.Day, 1);
    EXPECT_EQ(g.U(1).Name, proposed); // the dialog's hero again, while it is open
    EXPECT_TRUE(s.files.List().isEmpty());

    // Save and start: the save holds the old match, by its own heroes' names.
    s.shell.answers = {BoxAnswer::Yes};
    QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(d.isNull());
    const QList<SaveEntry> saved = s.files.List();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_NE(saved[0].summary.title.find("Старый Гэндальф"), std::string::npos) << saved[0].summary.title;
    EXPECT_TRUE(g.MatchRunning);
    EXPECT_EQ(g.U(1).Name, proposed);
    EXPECT_EQ(g.U(1).Hp, g.U(1).HpMax);
    // It loads as the match it was.
    ASSERT_TRUE(s.forms.LoadFile(saved[0].path));
    EXPECT_EQ(g.U(1).Name, mine.Name);
    EXPECT_EQ(g.U(1).Hp, mine.Hp);
    EXPECT_EQ(g.HeroIsHuman, human);

    // Start without saving: no new file.
    s.shell.boxes.clear();
    d = s.forms.OpenSelect();
    s.shell.answers = {BoxAnswer::No};
    QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(d.isNull());
    EXPECT_EQ(s.files.List().size(), 1);
    EXPECT_EQ(g.U(1).Hp, g.U(1).HpMax);

    // On the computer's turn the match cannot be saved: the question says
    // so, and its default keeps the match.
    s.shell.boxes.clear();
    g.ActiveHero = 2;
    ASSERT_FALSE(g.HeroIsHuman[2]);
    d = s.forms.OpenSelect();
    s.shell.answers = {BoxAnswer::No};
    QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    ASSERT_EQ(s.shell.boxes.size(), 1u);
    EXPECT_EQ(s.shell.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(s.shell.boxes[0].defaultNo);
    EXPECT_NE(s.shell.boxes[0].text.find("Сохранить её сейчас нельзя. Ходит компьютер"), std::string::npos)
        << s.shell.boxes[0].text;
    EXPECT_FALSE(d.isNull());
    EXPECT_EQ(g.ActiveHero, 2);
    s.shell.answers = {BoxAnswer::Yes};
    QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(d.isNull());
    EXPECT_EQ(g.ActiveHero, 1);

    // With no match running (it was won) nothing is asked.
    g.MatchRunning = false;
    s.shell.boxes.clear();
    d = s.forms.OpenSelect();
    QTest::mouseClick(d->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_TRUE(g.MatchRunning);
    for (const MessageBoxRequest& box : s.shell.boxes)
        EXPECT_NE(box.title, "Новая партия");
}

// The question as the player sees it: three buttons that say what they do,
// and Esc takes nothing.
TEST(FrmSelect, TheStartQuestionNamesItsButtonsAndEscStays)
{
    GuiGame gg;
    QtShell shell(gg.forms);
    MessageBoxRequest ask;
    ask.title = "Новая партия";
    ask.text = "Идущая партия будет заменена новой. Её несохранённые ходы пропадут.\n\n"
               "Сохранить её, прежде чем начать новую?";
    ask.buttons = BoxButtons::YesNoCancel;
    ask.icon = BoxIcon::Question;
    ask.yesCaption = "Сохранить и начать";
    ask.noCaption = "Не сохранять";
    QStringList captions;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        EXPECT_TRUE(box->grab().save(gui::ShotPath(QStringLiteral("start-question.png"))));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(shell.MessageBox(ask), BoxAnswer::Cancel);
    captions.sort();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Не сохранять"), QStringLiteral("Отмена"),
                                     QStringLiteral("Сохранить и начать")}));
}

TEST(FrmSelect, RightClickOnAPortraitKeepsTheSelection)
{
    Selection s;
    s.g.Selected = 7;
    QTest::mouseClick(s.dlg->Img[0], Qt::RightButton);
    QTest::mouseClick(s.dlg->Img[0], Qt::LeftButton);
    EXPECT_EQ(s.g.Selected, 7);
}

TEST(FrmSelect, Screenshot)
{
    Selection s;
    s.dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.dlg));
    EXPECT_TRUE(s.dlg->grab().save(gui::ShotPath(QStringLiteral("frmselect.png"))));
}

} // namespace
} // namespace gh
