// Names a player may type (nothing, a novel, markup, control characters,
// emoji, right-to-left script) everywhere a name is shown, and storms of keys
// on every window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "GuiGame.h"
#include "Invariants.h"
#include "app/QtShell.h"
#include "battlefield/FrmMain.h"
#include "battlefield/Toolbar.h"
#include "engine/TurnCycle.h"
#include "windows/FrmCast.h"
#include "windows/FrmInfo.h"
#include "windows/FrmMenu.h"
#include "windows/FrmMes.h"
#include "windows/FrmObj.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

struct Hostile {
    const char* what;
    std::string name;
};

std::vector<Hostile> HostileNames()
{
    return {
        {"empty", ""},
        {"a thousand letters", QString(1000, QChar(0x0429)).toStdString()},
        {"a thousand letters in words", QString::fromUtf8("Ыш ").repeated(334).left(1000).toStdString()},
        {"line break", "Вася\nПетя"},
        {"tab", "Вася\tПетя"},
        {"bold markup", "<b>x</b>"},
        {"entity", "&amp;"},
        {"image markup", "<img src=x>"},
        {"emoji", "\xF0\x9F\xA7\x99\xE2\x80\x8D\xE2\x99\x82\xEF\xB8\x8F\xF0\x9F\x94\xA5"},
        {"right to left", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7"},
    };
}

// A name as the windows hold it: a name is one line, so the selection
// dialog turns line breaks and tabs into blanks as they are typed.
std::string OneLine(std::string s)
{
    for (char& c : s)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return s;
}

// The window keeps its fixed size; every label is plain text, lies inside
// the window and overlaps no other label, and a label that does not wrap
// has room for all it shows.
void ExpectContained(QWidget* window, QSize fixed, const char* what)
{
    SCOPED_TRACE(what);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), fixed);
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (QLabel* l : labels) {
        if (!l->isVisible())
            continue;
        if (!l->text().isEmpty()) { // pictures hold no text
            EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->text().toStdString();
        }
        EXPECT_TRUE(window->rect().contains(l->geometry())) << l->text().left(40).toStdString();
        if (!l->wordWrap() && !l->text().isEmpty()) {
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
        }
        for (QLabel* other : labels) {
            if (other != l && other->isVisible()) {
                EXPECT_FALSE(l->geometry().intersects(other->geometry()))
                    << l->text().left(30).toStdString() << " / " << other->text().left(30).toStdString();
            }
        }
    }
}

struct Field : gui::GuiGame {
    Field()
    {
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        Put(1, kMage, 1, 2);
        Put(2, kNecromancer, 2, 6);
        Put(6, kDemon, 2, 8);
        Put(7, kSkeleton, 1, 10);
        Put(3, kArcheress, 3, 12);
        g.U(3).Kind = kKindRemains;
        g.U(3).Hp = -1;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        g.MatchRunning = true;
    }
    void Put(int i, int type, int owner, int col)
    {
        CreateUnit(g, i, type, owner);
        g.U(i).PosX = static_cast<float>(col * 720);
        g.U(i).PosY = 4 * 720;
        g.UnitCount = std::max(g.UnitCount, i);
    }
    void Name(const std::string& name)
    {
        for (int h = 1; h <= 3; ++h)
            g.U(h).Name = name;
    }
    template <class W> W* OpenedOn(int unit, InfoWindow kind)
    {
        forms.OpenInfo({unit, kind});
        W* w = nullptr;
        for (QObject* child : main->children())
            if (auto* candidate = qobject_cast<W*>(child); candidate && candidate->isVisible())
                w = candidate;
        return w;
    }
    FrmMain* main = nullptr;
};

TEST(HostileNames, TheNameBoxKeepsItsSizeAndTheHeroGetsTheNameOnOneLine)
{
    gui::GuiGame game;
    FrmSelect* sel = game.forms.OpenSelect();
    const QSize fixed = sel->size();
    const QRect box = sel->Txt[0]->geometry();
    for (const Hostile& h : HostileNames()) {
        SCOPED_TRACE(h.what);
        sel->Txt[0]->selectAll();
        sel->Txt[0]->insert(QString::fromStdString(h.name)); // as pasted
        EXPECT_EQ(game.g.U(1).Name, OneLine(h.name));
        EXPECT_EQ(sel->Txt[0]->text().toStdString(), OneLine(h.name));
        EXPECT_EQ(sel->size(), fixed);
        EXPECT_EQ(sel->Txt[0]->geometry(), box);
    }
    // Typed a key at a time.
    sel->Txt[1]->setFocus();
    sel->Txt[1]->clear();
    QTest::keyClicks(sel->Txt[1], QStringLiteral("<i>Zoya</i>"));
    EXPECT_EQ(game.g.U(2).Name, "<i>Zoya</i>");
    sel->close();
}

TEST(HostileNames, InformationWindowsShowTheNameLiterallyInsideTheirLabels)
{
    for (const Hostile& h : HostileNames()) {
        Field f;
        f.Name(h.name);
        const QString name = QString::fromStdString(h.name);

        FrmInfo* own = f.OpenedOn<FrmInfo>(1, InfoWindow::Creature);
        ASSERT_NE(own, nullptr);
        EXPECT_TRUE(own->LblInfo->text().contains(name)) << h.what;
        ExpectContained(own, QSize(429, 480), h.what);
        own->close();

        FrmInfo* creature = f.OpenedOn<FrmInfo>(7, InfoWindow::Creature);
        ASSERT_NE(creature, nullptr);
        EXPECT_TRUE(creature->Lbl1->text().contains(name)) << h.what; // "Хозяин: "
        ExpectContained(creature, QSize(429, 480), h.what);
        creature->close();

        for (int unit : {2, 6, 3}) { // a rival hero, his creature, a hero's corpse
            FrmObj* obj = f.OpenedOn<FrmObj>(unit, InfoWindow::Object);
            ASSERT_NE(obj, nullptr);
            ExpectContained(obj, QSize(407, 237), h.what);
            if (unit != 6)
                EXPECT_TRUE(obj->LblInfo->text().contains(name)) << h.what << " unit " << unit;
            else
                EXPECT_TRUE(obj->LblMaster->text().startsWith(QStringLiteral("Хозяин: "))) << h.what;
            obj->close();
        }
        gui::FlushDeletes();
    }
}

TEST(HostileNames, TheSpeechWindowShowsTheNameLiterallyInsideItsLabel)
{
    for (const Hostile& h : HostileNames()) {
        Field f;
        f.Name(h.name);
        f.g.ActiveHero = 2;
        FrmMes* mes = f.forms.OpenSpeech();
        ASSERT_NE(mes, nullptr);
        EXPECT_TRUE(mes->LblMes->text().contains(QString::fromStdString(h.name))) << h.what;
        ExpectContained(mes, QSize(408, 200), h.what);
        mes->close();
    }
}

// Runs `inspect` on the next modal box, then presses its first button. Looks
// for the box until it comes, however busy the machine; the limit only
// catches a box that never opens.
void WhenBoxOpens(std::function<void(QMessageBox&)> inspect)
{
    auto* poll = new QTimer(qApp);
    auto* since = new QElapsedTimer;
    since->start();
    QObject::connect(poll, &QTimer::timeout, [poll, since, inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (since->elapsed() < 120000)
                return;
            ADD_FAILURE() << "no message box opened within 120 s";
        } else {
            inspect(*box);
            box->buttons().first()->click();
        }
        poll->stop();
        poll->deleteLater();
        delete since;
    });
    poll->start(10);
}

TEST(HostileNames, MessageBoxesShowTheNameLiterallyAndStayOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const Hostile& h : HostileNames()) {
        SCOPED_TRACE(h.what);
        Field f;
        QtShell shell(f.forms);
        shell.leaveEventLoop = [] {};
        f.g.shell = &shell;
        f.Name(h.name);
        const QString name = QString::fromStdString(h.name);
        auto check = [&](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_TRUE(box.text().contains(name));
            EXPECT_LE(box.width(), screen.width());
            EXPECT_LE(box.height(), screen.height());
            // The title is read whole, not cut off by a narrow box.
            EXPECT_GE(box.width(), box.fontMetrics().horizontalAdvance(box.windowTitle()));
        };

        // A turn's box: a short text under a title that must not be cut.
        WhenBoxOpens(check);
        PassTurn(f.g, 1);
        // A dead hero cannot cast.
        f.g.ActiveHero = 1;
        f.g.U(1).Hp = 0;
        WhenBoxOpens(check);
        ToolbarCommand(f.g, "Магия");
        // The victory box names the winner.
        f.g.U(1).Hp = 10;
        f.g.ActiveHero = 1;
        WhenBoxOpens(check);
        AnnounceVictory(f.g, 1);
        EXPECT_FALSE(f.g.MatchRunning);
        f.g.shell = &f.shell;
    }
}

// --- keyboard storms ----------------------------------------------------------

struct Storm : Field {
    explicit Storm(std::uint32_t seed) : pick(seed)
    {
        static ClockRandom rnd(7);
        g.rnd = &rnd;
    }
    int Roll(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(pick); }

    // One key as the player presses it: to whatever holds the focus in the
    // window. Alt+F4 is the window manager's: it asks the window to close.
    void Key(QWidget* window)
    {
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                                       Qt::Key_Plus,   Qt::Key_Minus,  Qt::Key_Left,  Qt::Key_Right,
                                       Qt::Key_Up,     Qt::Key_Down,   Qt::Key_F4};
        const Qt::Key key = keys[Roll(0, 10)];
        if (key == Qt::Key_F4) {
            window->close();
            return;
        }
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, key);
    }

    // Every window but the battlefield, whatever the storm left open.
    std::vector<QWidget*> Dialogs()
    {
        std::vector<QWidget*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != main && w->isWindow() && !qobject_cast<QMenu*>(w) &&
                w->windowTitle() != QStringLiteral("FrmImg"))
                open.push_back(w);
        return open;
    }

    std::mt19937 pick;
};

TEST(KeyboardStorms, NoWindowCrashesOrTrapsThePlayer)
{
    using Opener = std::function<QWidget*(Storm&)>;
    const std::vector<std::pair<const char*, Opener>> windows = {
        {"battlefield", [](Storm& s) -> QWidget* { return s.main; }},
        {"menu", [](Storm& s) -> QWidget* { return s.forms.OpenMenu(); }},
        {"selection", [](Storm& s) -> QWidget* { return s.forms.OpenSelect(); }},
        {"magic",
         [](Storm& s) -> QWidget* {
             s.forms.OpenCast();
             return s.forms.cast;
         }},
        {"settings",
         [](Storm& s) -> QWidget* {
             s.forms.OpenSettings();
             return s.forms.settings;
         }},
        {"information", [](Storm& s) -> QWidget* { return s.OpenedOn<FrmInfo>(1, InfoWindow::Creature); }},
        {"object", [](Storm& s) -> QWidget* { return s.OpenedOn<FrmObj>(2, InfoWindow::Object); }},
        {"speech", [](Storm& s) -> QWidget* { return s.forms.OpenSpeech(); }},
        {"author",
         [](Storm& s) -> QWidget* {
             s.forms.OpenAuthor();
             return s.forms.author;
         }},
    };
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        for (const auto& [what, open] : windows) {
            SCOPED_TRACE(std::string(what) + ", seed " + std::to_string(seed));
            Storm s(seed);
            s.shell.answers.assign(1000, BoxAnswer::No); // every exit question: stay
            QPointer<QWidget> w = open(s);
            ASSERT_FALSE(w.isNull());
            int keys = 0;
            for (int i = 0; i < 300; ++i, ++keys) {
                // A window the storm sent away is opened again: the storm
                // goes on until every key has landed somewhere.
                if (!w)
                    w = open(s);
                if (!w)
                    break; // the window refuses to open now (a match ended)
                // The storm follows the focus to whatever window it opens.
                QWidget* active = QApplication::activeWindow();
                s.Key(active && s.Roll(0, 1) == 1 ? active : w.data());
                gui::FlushDeletes();
                ASSERT_EQ(sim::CheckIndices(s.g), "");
                ASSERT_EQ(sim::CheckStatistics(s.g), "");
            }
            EXPECT_GE(keys, 100);
            EXPECT_EQ(s.shell.quits, 0);
            EXPECT_TRUE(s.main->isVisible());
            // Whatever is left open goes with a few Esc presses or a close.
            // Enter presses the menu's buttons, so a storm in the menu can
            // leave every window it opens up at once (the selection's
            // «Назад» brings the menu back once more).
            for (int round = 0; round < 12 && !s.Dialogs().empty(); ++round) {
                QWidget* d = s.Dialogs().front();
                QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Escape);
                gui::FlushDeletes();
            }
            for (QWidget* d : s.Dialogs())
                ADD_FAILURE() << "Esc does not send away " << d->windowTitle().toStdString();
            for (QWidget* d : s.Dialogs())
                d->close();
            gui::FlushDeletes();
        }
    }
}

} // namespace
} // namespace gh
