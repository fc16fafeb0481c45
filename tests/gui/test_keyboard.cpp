// Playing without a mouse: the field's cell cursor and the keys that give
// orders at it, a whole match from the main menu to its figures with key
// events alone, and a key fuzz that must never leave the player stuck in a
// window the keys cannot leave.
//
// The fuzz in the suite is short; a longer one:
//   GH_FUZZ_SEEDS=1-10 GH_FUZZ_EVENTS=5000 build-test/tests/test_gui --gtest_filter=KeyFuzz.*
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "battlefield/Keys.h"
#include "engine/Order.h"
#include "platform/Numbers.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "windows/FrmCast.h"
#include "windows/FrmLog.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "windows/FrmStats.h"
#include "windows/qt/RecordFiles.h"
#include "windows/qt/SaveFiles.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

// Counts every mouse event the application sees: a match played by keys
// must see none.
class MouseWatch final : public QObject {
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    int seen = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel: ++seen; break;
        default: break;
        }
        return false;
    }
};

// Where a player's key goes: to the widget with the keyboard focus, or else
// to the active window.
QWidget* KeyTarget()
{
    if (QWidget* w = QApplication::focusWidget())
        return w;
    return QApplication::activeWindow();
}

// Puts a unit on a cell, below.
void Place(Game& g, int unit, int col, int row);

struct Keyboard : gui::GuiGame {
    explicit Keyboard(std::uint32_t seed = 77)
    {
        g.Generator.Pin(seed);
        forms.recordsFolder = records.path();
        main = ShowMain();
        Focus();
    }

    // A match started from the selection dialog, the field with the keyboard.
    void Start()
    {
        StartFromSelection();
        Settled();
        Focus();
    }

    // A match with hero 1 on (3, 5) and, when `enemyCol` is given, hero 2 on
    // (enemyCol, 5), the field showing them.
    Game& StartWithHeroes(int enemyCol = 0)
    {
        Start();
        Place(g, 1, 3, 5);
        if (enemyCol > 0)
            Place(g, 2, enemyCol, 5);
        main->RenderControls();
        return g;
    }

    // The battlefield takes the keyboard, as it does when the program starts.
    void Focus()
    {
        main->activateWindow();
        main->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
    }

    // A key as the player presses it: wherever the focus is.
    void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* to = KeyTarget();
        ASSERT_NE(to, nullptr) << "no window takes the keyboard";
        QTest::keyClick(to, static_cast<Qt::Key>(key), mods);
        Settled();
    }

    // What the window system does between two keys: windows shown become
    // active, closed ones are gone.
    static void Settled()
    {
        QCoreApplication::processEvents();
        gui::FlushDeletes();
        QCoreApplication::processEvents();
    }

    void Tick()
    {
        g.timers.Tick();
        main->RenderControls();
    }

    // Ticks until the field takes orders again (bounded).
    void Settle()
    {
        for (int i = 0; i < 2000 && g.MatchRunning && !FieldTakesOrders(g); ++i)
            Tick();
    }

    // Ticks until a person's turn comes round or the match ends (bounded).
    void UntilPersonsTurn()
    {
        for (int i = 0; i < 40000 && g.MatchRunning; ++i) {
            if (g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)] && FieldTakesOrders(g) &&
                !g.timers.Enabled(TimerId::TmrEnemy))
                return;
            Tick();
        }
    }

    // Arrow presses that bring the cursor onto the cell (col, row).
    void CursorTo(int col, int row)
    {
        for (int i = 0; i < 60 && main->Cursor().col != col; ++i)
            Press(main->Cursor().col < col ? Qt::Key_Right : Qt::Key_Left);
        for (int i = 0; i < 60 && main->Cursor().row != row; ++i)
            Press(main->Cursor().row < row ? Qt::Key_Down : Qt::Key_Up);
    }

    static int Col(const Unit& u) { return static_cast<int>(u.PosX) / kCell; }
    static int Row(const Unit& u) { return static_cast<int>(u.PosY) / kCell; }

    QTemporaryDir records;
    FrmMain* main = nullptr;
};

// Every record written into the folder replays to its end.
std::string RecordsReplay(const QString& folder, int& verified)
{
    std::string broken;
    for (const QString& path : RecordFiles(folder).Records()) {
        std::string text;
        QString error;
        if (!SaveFiles::ReadText(path, text, error))
            return "a record does not read: " + error.toStdString();
        const save::RecordReadResult read = save::ReadRecord(text, true);
        if (!read)
            return "a record does not read: " + read.error;
        save::Replayer replay(read.record, *read.start);
        if (!replay.PlayToEnd())
            broken += "a record stops replaying: " + replay.Error() + "; ";
        else
            ++verified;
    }
    return broken;
}

// --- the cursor -------------------------------------------------------------

TEST(KeyCursor, ArrowsMoveItWithinTheFieldTheViewFollowsAndShiftArrowsScroll)
{
    Keyboard k;
    // No match, no cursor.
    k.Press(Qt::Key_Right);
    EXPECT_FALSE(k.main->Cursor().shown);
    k.Start();
    Game& g = k.g;

    // The first arrow shows the cursor on the hero whose turn it is.
    k.Press(Qt::Key_Down);
    ASSERT_TRUE(k.main->Cursor().shown);
    EXPECT_EQ(k.main->Cursor().col, Keyboard::Col(g.U(1)));
    EXPECT_EQ(k.main->Cursor().row, Keyboard::Row(g.U(1)));
    k.CursorTo(4, 4);
    k.Press(Qt::Key_Right);
    k.Press(Qt::Key_Down);
    k.Press(Qt::Key_Down);
    EXPECT_EQ(k.main->Cursor().col, 5);
    EXPECT_EQ(k.main->Cursor().row, 6);

    // Up against the corner it stays in the field.
    for (int i = 0; i < 30; ++i) {
        k.Press(Qt::Key_Left);
        k.Press(Qt::Key_Up);
    }
    EXPECT_EQ(k.main->Cursor().col, 0);
    EXPECT_EQ(k.main->Cursor().row, 0);
    // The cell under the toolbar has been scrolled into sight.
    const QPointF top =
        QPointF(k.main->Cursor().col * 720.0 - g.ViewX, k.main->Cursor().row * 720.0 - g.ViewY);
    EXPECT_GE(top.y(), 870.0);

    // To the far corner: the view follows, the cell stays whole in sight.
    const int limit = CursorLimit(g);
    for (int i = 0; i < 40; ++i) {
        k.Press(Qt::Key_Right);
        k.Press(Qt::Key_Down);
        const float x = k.main->Cursor().col * 720.0f - g.ViewX, y = k.main->Cursor().row * 720.0f - g.ViewY;
        ASSERT_GE(x, 0.0f);
        ASSERT_GE(y, 870.0f);
        ASSERT_LE(x + 720, k.main->width() * 15.0f - 375);
        ASSERT_LE(y + 720, k.main->height() * 15.0f - 375);
    }
    EXPECT_EQ(k.main->Cursor().col, limit);
    EXPECT_EQ(k.main->Cursor().row, limit);
    EXPECT_GT(g.ViewY, 0.0f);

    // Shift with an arrow scrolls the view as the bars do; the cursor stays.
    const float viewY = g.ViewY;
    k.Press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(g.ViewY, viewY - 250);
    EXPECT_EQ(k.main->Cursor().row, limit);
}

// The same cell clicked with the mouse in one game and ordered with the
// keys in another, from the same match: the two matches must be the same to
// the last field (Target, the clicked cell, the selection included).
struct Twins {
    Keyboard mouse{31}, keys{31};

    Twins()
    {
        mouse.Start();
        keys.Start();
    }

    void Both(const std::function<void(Game&)>& arrange)
    {
        arrange(mouse.g);
        arrange(keys.g);
        mouse.main->RenderControls();
        keys.main->RenderControls();
    }

    QPoint Pixel(const Keyboard& k, int col, int row) const
    {
        return QPoint(static_cast<int>((col * 720 + 360 - k.g.ViewX) / 15),
                      static_cast<int>((row * 720 + 360 - k.g.ViewY) / 15));
    }

    // The pointer rests on the cell and clicks; the cursor goes there and
    // Space (or Shift+Space) is pressed.
    void Order(int col, int row, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseMove(mouse.main, Pixel(mouse, col, row));
        QTest::mouseClick(mouse.main, Qt::LeftButton, Qt::NoModifier, Pixel(mouse, col, row));
        keys.Focus();
        keys.CursorTo(col, row);
        keys.Press(Qt::Key_Space, mods);
    }

    void Settle()
    {
        mouse.Settle();
        keys.Settle();
    }

    bool Same() const { return mouse.g.Match() == keys.g.Match(); }
};

void Place(Game& g, int unit, int col, int row)
{
    g.U(unit).PosX = static_cast<float>(col * kCell);
    g.U(unit).PosY = static_cast<float>(row * kCell);
}

TEST(KeyCursor, SpaceSelectsWalksAndStrikesExactlyAsTheLeftButtonDoes)
{
    Twins t;
    t.Both([](Game& g) {
        Place(g, 1, 3, 5);
        Place(g, 2, 8, 5);
        // The neutrals and anything else far off, out of the way.
        for (int i = 3; i <= std::min(g.UnitCount, kMaxUnit); ++i)
            if (g.U(i).OnField)
                Place(g, i, 1 + i % 19, 15 + i % 5);
        g.U(2).Hp = 1;
    });
    // Ticks on both boards alike before anything, so the idle pictures agree.
    for (int i = 0; i < 3; ++i) {
        t.mouse.Tick();
        t.keys.Tick();
    }
    ASSERT_TRUE(t.Same());

    // Shift+Space on an empty cell selects nothing and orders nothing.
    t.keys.CursorTo(5, 7);
    t.keys.Press(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(t.keys.g.Selected, 0);
    EXPECT_EQ(t.keys.g.InputMode, kModeOrders);

    // Selecting the hero.
    t.Order(3, 5, Qt::ShiftModifier);
    EXPECT_EQ(t.keys.g.Selected, 1);
    EXPECT_TRUE(t.Same()) << "selecting";

    // A walk of one cell down.
    t.Order(3, 6);
    EXPECT_EQ(t.keys.g.InputMode, kModeWalk);
    EXPECT_TRUE(t.Same()) << "walking";
    t.Settle();
    EXPECT_EQ(t.keys.g.U(1).PosY, 6.0f * kCell);
    EXPECT_TRUE(t.Same()) << "after the walk";

    // Space on one's own unit selects it, as the left button does.
    t.Order(3, 6);
    EXPECT_EQ(t.keys.g.Selected, 1);
    EXPECT_TRUE(t.Same());

    // The exchange with the rival hero: the pointer rests on it first, and
    // so does the cursor, naming it Target.
    t.Order(8, 5);
    EXPECT_EQ(t.keys.g.Target, 2);
    EXPECT_EQ(t.keys.g.TargetCellX, 8.0f * kCell);
    EXPECT_EQ(t.keys.g.InputMode, kModeWalk);
    EXPECT_TRUE(t.Same()) << "the exchange ordered";
    t.Settle();
    EXPECT_TRUE(t.Same()) << "after the exchange";
}

TEST(KeyCursor, TheMenuKeyOpensWhatTheRightButtonOpensAndEscCallsOffASummon)
{
    Keyboard k;
    k.StartWithHeroes(5);
    k.CursorTo(5, 5);
    k.Press(Qt::Key_Menu);
    int infos = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        infos += w->isVisible() && QString(w->metaObject()->className()) == QStringLiteral("gh::FrmObj");
    EXPECT_EQ(infos, 1) << "the rival hero's window";
    // Esc sends it away; the keyboard is back on the field.
    k.Press(Qt::Key_Escape);
    gui::FlushDeletes();
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && QString(w->metaObject()->className()) == QStringLiteral("gh::FrmObj"));
}

TEST(KeyCursor, TheSpellbookIsReadByKeysAndTheCursorPlacesWhatItCalls)
{
    Keyboard k;
    k.Start();
    Game& g = k.g;
    Place(g, 1, 5, 5);
    for (int i = 2; i <= std::min(g.UnitCount, kMaxUnit); ++i)
        if (g.U(i).OnField)
            Place(g, i, 1 + i % 19, 14 + i % 5);
    k.main->RenderControls();

    // 2: «Магия»; the list has the keyboard, Down picks the first page,
    // Enter reads it.
    k.Press(Qt::Key_2);
    FrmCast* cast = k.forms.cast ? qobject_cast<FrmCast*>(k.forms.cast.data()) : nullptr;
    ASSERT_NE(cast, nullptr);
    EXPECT_EQ(KeyTarget(), cast->List1);
    ASSERT_GT(cast->List1->count(), 0);
    k.Press(Qt::Key_Down);
    EXPECT_TRUE(cast->CmdCast->isEnabled());
    k.Press(Qt::Key_Return);
    ASSERT_TRUE(g.InputMode == kModeSummon || g.InputMode == kModeSpell) << g.InputMode;
    EXPECT_EQ(KeyTarget(), k.main) << "the field has the keyboard back";

    // Esc calls the waiting page off, as a right click does.
    const std::int32_t waiting = g.InputMode;
    k.Press(Qt::Key_Escape);
    EXPECT_EQ(g.InputMode, kModeOrders);

    // Read again; the cursor goes to the cell beside the hero and Space
    // places the creature there (or aims the spell at the hero himself).
    k.Press(Qt::Key_2);
    k.Press(Qt::Key_Down);
    k.Press(Qt::Key_Return);
    ASSERT_EQ(g.InputMode, waiting);
    const int col = waiting == kModeSummon ? 6 : 5;
    k.CursorTo(col, 5);
    const int before = g.UnitCount;
    k.Press(Qt::Key_Space);
    EXPECT_EQ(g.TargetCellX, col * 720.0f);
    EXPECT_EQ(g.TargetCellY, 5 * 720.0f);
    k.Settle();
    EXPECT_EQ(g.InputMode, kModeOrders);
    if (waiting == kModeSummon) {
        EXPECT_EQ(g.UnitCount, before + 1);
        EXPECT_EQ(g.U(g.UnitCount).PosX, col * 720.0f);
    }
}

TEST(KeyCursor, WhileTheSelectionHoldsTheMatchTheKeysOnlyLook)
{
    Keyboard k;
    Game& g = k.StartWithHeroes();
    k.Press(Qt::Key_Tab);
    ASSERT_EQ(g.Selected, 1);
    // The hero selection opened over the running match holds it.
    k.forms.OpenSelect();
    Keyboard::Settled();
    ASSERT_TRUE(g.timers.Held());
    const MatchState before = g.Match();
    // Straight to the field, wherever the selection keeps the focus: the
    // cursor may look about; Space, Enter and «Закончить ход» order nothing.
    for (const int key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Return, Qt::Key_5, Qt::Key_Menu})
        QTest::keyClick(k.main, static_cast<Qt::Key>(key));
    Keyboard::Settled();
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.ActiveHero, 1);
    EXPECT_EQ(g.Selected, before.Selected);
    EXPECT_TRUE(g.Units == before.Units);
    EXPECT_TRUE(k.shell.boxes.empty());
    // The menu still opens.
    QTest::keyClick(k.main, Qt::Key_1);
    Keyboard::Settled();
    EXPECT_NE(k.forms.Menu(), nullptr);
}

TEST(KeyCursor, DigitsPressTheToolbarsButtonsInTheirOrder)
{
    Keyboard k;
    k.Start();
    Game& g = k.g;
    // 8: «Помощь».
    k.Press(Qt::Key_8);
    ASSERT_NE(k.forms.help, nullptr);
    EXPECT_TRUE(k.forms.help->isVisible());
    k.Press(Qt::Key_Escape);
    // 1: the main menu, Esc back.
    k.Press(Qt::Key_1);
    ASSERT_NE(k.forms.Menu(), nullptr);
    EXPECT_TRUE(k.forms.Menu()->isVisible());
    k.Press(Qt::Key_Escape);
    EXPECT_EQ(k.forms.Menu(), nullptr);
    // 3: «Дипломатия» is greyed out; the key does nothing either.
    k.Press(Qt::Key_3);
    EXPECT_TRUE(k.shell.boxes.empty());
    // 5: «Закончить ход».
    ASSERT_EQ(g.ActiveHero, 1);
    k.Press(Qt::Key_5);
    EXPECT_EQ(g.ActiveHero, 2);
    // 6: «Сдаться» asks first, on the person's turn only.
    k.UntilPersonsTurn();
    ASSERT_TRUE(g.MatchRunning);
    k.shell.boxes.clear();
    k.shell.answers.push_back(BoxAnswer::No);
    k.Press(Qt::Key_6);
    ASSERT_EQ(k.shell.boxes.size(), 1u);
    EXPECT_EQ(k.shell.boxes[0].text, "Признать себя побежденным?");
    EXPECT_TRUE(g.MatchRunning);
}

TEST(KeyCursor, TheAidsBesideTheCursorAreThePointersAndThePictureShowsBoth)
{
    Keyboard k;
    Game& g = k.StartWithHeroes(7);
    k.Press(Qt::Key_Tab);
    ASSERT_EQ(g.Selected, 1);
    // The cursor went with the selection.
    EXPECT_EQ(k.main->Cursor().col, 3);
    EXPECT_EQ(k.main->Cursor().row, 5);

    // Over the rival the aids show an exchange; the pointer over the same
    // cell shows the very same lines and path.
    k.CursorTo(7, 5);
    const std::vector<std::string> keyLines = k.main->Aids().Lines();
    const auto keyPath = k.main->Aids().PathCells();
    ASSERT_FALSE(keyLines.empty());
    EXPECT_FALSE(keyPath.empty());
    const QPoint rival(static_cast<int>((7 * 720 + 360 - g.ViewX) / 15),
                       static_cast<int>((5 * 720 + 360 - g.ViewY) / 15));
    QTest::mouseMove(k.main, rival);
    EXPECT_EQ(k.main->Aids().Lines(), keyLines);
    EXPECT_EQ(k.main->Aids().PathCells(), keyPath);
    // The pointer somewhere else takes the aids with it; the next arrow
    // brings them back to the cursor.
    QTest::mouseMove(k.main, QPoint(rival.x(), rival.y() + 96));
    EXPECT_NE(k.main->Aids().Lines(), keyLines);
    k.Press(Qt::Key_Left);
    k.Press(Qt::Key_Right);
    EXPECT_EQ(k.main->Aids().Lines(), keyLines);

    // The picture: the pointer's red frame on one cell, the cursor's yellow
    // corners on another.
    const QImage shot = k.main->grab().toImage();
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("keys-cursor.png"))));
    // Counted in the cursor's cell: its yellow, and none of the pointer's red.
    const QRect cell(static_cast<int>((7 * 720 - g.ViewX) / 15), static_cast<int>((5 * 720 - g.ViewY) / 15),
                     48, 48);
    int yellow = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            yellow += c.red() > 230 && c.green() > 200 && c.blue() < 60;
        }
    EXPECT_GT(yellow, 40);
    EXPECT_TRUE(g.ShpAt.Visible);
    EXPECT_EQ(g.ShpAt.Top + 120, 7 * 720 - g.ViewY) << "the pointer's frame stays two cells below";
}

// --- a whole match ----------------------------------------------------------

TEST(Keyboard, AWholeMatchFromTheMainMenuToItsFiguresByKeysAlone)
{
    Keyboard k;
    Game& g = k.g;
    MouseWatch mice;

    // The main menu from the toolbar's first key, «Заново», «Начать».
    k.Press(Qt::Key_1);
    ASSERT_NE(k.forms.Menu(), nullptr);
    ASSERT_TRUE(k.forms.Menu()->isAncestorOf(KeyTarget()) || KeyTarget() == k.forms.Menu());
    k.Press(Qt::Key_Return);
    ASSERT_NE(k.forms.Select(), nullptr);
    k.Press(Qt::Key_Return);
    ASSERT_TRUE(g.MatchRunning);
    ASSERT_EQ(k.forms.Select(), nullptr);
    ASSERT_EQ(KeyTarget(), k.main);

    // Turn after turn: Tab picks the hero, the cursor goes onto the nearest
    // foe, Space strikes (walking up to it); Enter ends the turn.
    int walks = 0, strikes = 0, turns = 0;
    for (; turns < 30 && g.MatchRunning; ++turns) {
        k.UntilPersonsTurn();
        if (!g.MatchRunning)
            break;
        k.shell.boxes.clear();
        const int hero = g.ActiveHero;
        if (g.U(hero).Hp >= 1 && g.U(hero).OnField) {
            k.Press(Qt::Key_Home);
            k.Press(Qt::Key_Space, Qt::ShiftModifier);
            EXPECT_EQ(g.Selected, hero);
            // The nearest living rival hero.
            int foe = 0;
            float best = 1e9f;
            for (int h = 1; h <= kHeroes; ++h) {
                const Unit& u = g.U(h);
                if (h == hero || !u.OnField || u.Hp < 1)
                    continue;
                const float d = std::abs(u.PosX - g.U(hero).PosX) + std::abs(u.PosY - g.U(hero).PosY);
                if (d < best)
                    best = d, foe = h;
            }
            ASSERT_NE(foe, 0);
            k.CursorTo(Keyboard::Col(g.U(foe)), Keyboard::Row(g.U(foe)));
            k.Press(Qt::Key_Space);
            if (g.InputMode == kModeWalk) {
                ++walks;
                strikes += g.Target == foe;
            }
            k.Settle();
        }
        if (g.MatchRunning)
            k.Press(Qt::Key_Return);
    }
    k.Settle();
    EXPECT_GT(walks, 0);
    EXPECT_GT(strikes, 0);
    if (g.MatchRunning) {
        // Not decided yet: the person gives up, as «Сдаться» asks.
        k.UntilPersonsTurn();
        k.shell.answers.push_back(BoxAnswer::Yes);
        k.Press(Qt::Key_6);
        k.Settle();
    }
    ASSERT_FALSE(g.MatchRunning);
    // The end of the match: its figures, Enter closes them, the keyboard is
    // back on the field, and the menu comes up from there.
    QCoreApplication::processEvents();
    ASSERT_NE(k.forms.Stats(), nullptr);
    EXPECT_TRUE(k.forms.Stats()->isVisible());
    k.Press(Qt::Key_Return);
    EXPECT_EQ(k.forms.Stats(), nullptr);
    EXPECT_EQ(KeyTarget(), k.main);
    k.Press(Qt::Key_1);
    EXPECT_NE(k.forms.Menu(), nullptr);
    k.Press(Qt::Key_Escape);

    EXPECT_EQ(mice.seen, 0) << "a mouse event reached the game";
    // What the keys did is recorded, and the record replays to its end.
    int verified = 0;
    EXPECT_EQ(RecordsReplay(k.records.path(), verified), "");
    EXPECT_EQ(verified, 1);
}

// --- the key fuzz -------------------------------------------------------------

std::vector<std::uint32_t> FuzzSeeds()
{
    std::vector<std::uint32_t> seeds;
    const char* env = std::getenv("GH_FUZZ_SEEDS");
    if (!env || !*env)
        return {1, 2};
    const std::string s(env);
    const auto dash = s.find('-');
    const std::uint32_t a = static_cast<std::uint32_t>(std::stoul(s.substr(0, dash)));
    const std::uint32_t b =
        dash == std::string::npos ? a : static_cast<std::uint32_t>(std::stoul(s.substr(dash + 1)));
    for (std::uint32_t i = a; i <= b && seeds.size() < 1000; ++i)
        seeds.push_back(i);
    return seeds;
}

int FuzzEvents()
{
    const char* env = std::getenv("GH_FUZZ_EVENTS");
    return env && *env ? std::max(1, std::atoi(env)) : 300;
}

// The keys a player may press anywhere.
struct KeyPress {
    int key;
    Qt::KeyboardModifiers mods;
};
const KeyPress kFuzzKeys[] = {
    {Qt::Key_Left, Qt::NoModifier},       {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Up, Qt::NoModifier},         {Qt::Key_Down, Qt::NoModifier},
    {Qt::Key_Left, Qt::ShiftModifier},    {Qt::Key_Down, Qt::ShiftModifier},
    {Qt::Key_Space, Qt::NoModifier},      {Qt::Key_Space, Qt::ShiftModifier},
    {Qt::Key_Menu, Qt::NoModifier},       {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Enter, Qt::NoModifier},      {Qt::Key_Escape, Qt::NoModifier},
    {Qt::Key_Home, Qt::NoModifier},       {Qt::Key_PageDown, Qt::NoModifier},
    {Qt::Key_F1, Qt::NoModifier},         {Qt::Key_F2, Qt::NoModifier},
    {Qt::Key_1, Qt::NoModifier},          {Qt::Key_2, Qt::NoModifier},
    {Qt::Key_4, Qt::NoModifier},          {Qt::Key_5, Qt::NoModifier},
    {Qt::Key_6, Qt::NoModifier},          {Qt::Key_7, Qt::NoModifier},
    {Qt::Key_8, Qt::NoModifier},          {Qt::Key_Plus, Qt::NoModifier},
    {Qt::Key_Minus, Qt::NoModifier},      {Qt::Key_Z, Qt::ControlModifier},
};

// A box a dialog runs in a loop of its own (the folder dialog asking
// whether to write over a file) holds the key that opened it until it is
// answered; a player answers it from the keyboard, and so does this: Esc,
// while a key is being pressed and such a box has come up under it.
class NestedBoxes final : public QObject {
public:
    NestedBoxes()
    {
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (!pressing)
                return;
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++answered;
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
            }
        });
        timer_.start();
    }
    bool pressing = false;
    int answered = 0;

private:
    QTimer timer_;
};

// A key pressed with the nested boxes answered.
void PressIn(NestedBoxes& boxes, QWidget* to, int key, Qt::KeyboardModifiers mods)
{
    boxes.pressing = true;
    QTest::keyClick(to, static_cast<Qt::Key>(key), mods);
    boxes.pressing = false;
    Keyboard::Settled();
}

// The windows over the field that are shown now, but the portrait holder.
std::vector<QWidget*> OpenWindows(const QWidget* main)
{
    std::vector<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != main && w->windowTitle() != QStringLiteral("FrmImg"))
            open.push_back(w);
    return open;
}

// Esc, at most this many times, from wherever the keyboard is, must bring
// the player back to the field with every window closed but the log (which
// stays beside the field on purpose) or to the main menu.
constexpr int kWayBack = 12;

std::string WayBack(Keyboard& k, NestedBoxes& boxes)
{
    for (int i = 0; i < kWayBack; ++i) {
        QWidget* to = KeyTarget();
        if (!to)
            return "the keyboard reaches no window";
        const QWidget* window = to->window();
        if (window == k.main || window == static_cast<QWidget*>(k.forms.Menu())) {
            bool othersOpen = false;
            for (QWidget* w : OpenWindows(k.main))
                othersOpen |=
                    w != static_cast<QWidget*>(k.forms.Log()) && w != static_cast<QWidget*>(k.forms.Menu());
            if (!othersOpen)
                return {};
        }
        PressIn(boxes, to, Qt::Key_Escape, Qt::NoModifier);
    }
    std::string open;
    for (QWidget* w : OpenWindows(k.main))
        open += std::string(w->metaObject()->className()) + " ";
    QWidget* to = KeyTarget();
    return "Esc does not lead back; the keyboard is in " +
           std::string(to ? to->window()->metaObject()->className() : "nothing") + ", open: " + open;
}

TEST(KeyFuzz, RandomKeysNeverTrapThePlayer)
{
    const auto started = std::chrono::steady_clock::now();
    for (const std::uint32_t seed : FuzzSeeds()) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Keyboard k(seed);
        NestedBoxes boxes;
        std::mt19937 pick(seed);
        auto roll = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(pick); };
        const int events = FuzzEvents();
        std::string last;
        for (int e = 0; e < events; ++e) {
            // The suite's run is bounded in time as well as in count.
            if (std::chrono::steady_clock::now() - started > std::chrono::minutes(2))
                break;
            // Questions (give up? leave?) are answered either way.
            k.shell.boxes.clear();
            k.shell.answers.assign(4, roll(0, 3) == 0 ? BoxAnswer::Yes : BoxAnswer::No);
            const KeyPress& p = kFuzzKeys[roll(0, static_cast<int>(std::size(kFuzzKeys)) - 1)];
            QWidget* to = KeyTarget();
            ASSERT_NE(to, nullptr) << "after " << last << ", no window takes the keyboard";
            last = std::string(to->window()->metaObject()->className()) + " key " + std::to_string(p.key);
            PressIn(boxes, to, p.key, p.mods);
            for (int t = roll(0, 40); t > 0; --t)
                k.Tick();
            if (roll(0, 9) == 0) {
                const std::string stuck = WayBack(k, boxes);
                ASSERT_EQ(stuck, "") << "after " << last;
            }
        }
        ASSERT_EQ(WayBack(k, boxes), "") << "at the end, after " << last;
    }
}

} // namespace
} // namespace gh
