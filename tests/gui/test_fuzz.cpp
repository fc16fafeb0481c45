// Random mouse, keys and toolbar presses on the real windows, interleaved with
// clock ticks, with the match's invariants checked after every event. Every
// match it plays is recorded and its record replayed on a fresh match, which
// must end exactly where the windows left it; every walk taken back with
// «Отменить» or Ctrl+Z must leave the match exactly as it was before the walk.
//
// The suite runs a bounded fuzz. The long one is the same test with more
// seeds and events, and a failure names the seed that replays it:
//   GH_FUZZ_SEEDS=1-10 GH_FUZZ_EVENTS=20000 build-test/tests/test_gui --gtest_filter=Fuzz.*
//   GH_FUZZ_SEEDS=7 ...   (one seed, to replay a failure)
//   GH_FUZZ_STRICT=1 ...  (the journal replayed after every event: slow, it
//                          names the event after which a record stops replaying)
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QSet>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <memory>

#include "GuiGame.h"
#include "Invariants.h"
#include "battlefield/FrmMain.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "save/StateHash.h"
#include "windows/FrmAvtor.h"
#include "windows/FrmCast.h"
#include "windows/FrmInfo.h"
#include "windows/FrmMenu.h"
#include "windows/FrmMes.h"
#include "windows/FrmObj.h"
#include "windows/FrmRecords.h"
#include "windows/FrmSaveName.h"
#include "windows/FrmSaves.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/qt/RecordFiles.h"

namespace gh {
namespace {

// Stands before the match's journal at the door and keeps, on its own, the
// match as it was just before each walk of a person: what «Отменить» must
// bring back, told apart from what the undo itself keeps.
class WalkWitness final : public OrderWatcher {
public:
    explicit WalkWitness(save::Recorder& journal) : journal_(journal) {}

    void Giving(Game& g, const Order& order) override
    {
        if (depth_++ == 0) {
            pushed_ = false;
            const bool person = g.ActiveHero >= 1 && g.ActiveHero <= kHeroes &&
                                g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
            if (order.kind == OrderKind::Walk && person && !g.timers.InTick() &&
                CheckOrder(g, order) == Refusal::None) {
                before.push_back(std::make_unique<Game>(g));
                pushed_ = true;
            }
        }
        if (journal_.Attached())
            journal_.Giving(g, order);
    }
    void Given(Game& g, const Order& order, Refusal why) override
    {
        if (journal_.Attached())
            journal_.Given(g, order, why);
        if (--depth_ == 0 && pushed_ && why != Refusal::None)
            before.pop_back();
    }

    std::vector<std::unique_ptr<Game>> before;

private:
    save::Recorder& journal_;
    int depth_ = 0;
    bool pushed_ = false;
};

struct Fuzz : gui::GuiGame {
    explicit Fuzz(std::uint32_t seed) : pick(seed), witness(forms.recorder)
    {
        // The match draws from its own generator, pinned, as a record
        // replays it: the same seed plays the same fuzz.
        g.Generator.Pin(seed);
        forms.recordsFolder = records.path();
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    ~Fuzz()
    {
        if (g.orders == &witness)
            g.orders = forms.recorder.Attached() ? &forms.recorder : nullptr;
    }

    // The witness stands before the journal of whichever match runs.
    void Witness()
    {
        if (g.orders == &forms.recorder)
            g.orders = &witness;
    }

    void UndoOnceAtRest()
    {
        for (int i = 0; i < 400 && !FieldTakesOrders(g); ++i) {
            g.timers.Tick();
            main->RenderControls();
        }
        last += ", then undo";
        if (Roll(0, 1))
            QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
        else
            QTest::mouseClick(main->Toolbar1->widgetForAction(main->CmdUndo), Qt::LeftButton);
    }

    // After each event: a walk taken back left the match as it was before
    // the walk; the witness keeps no more walks than the undo does.
    std::string CheckUndo()
    {
        std::string broken;
        const std::size_t undone = forms.undo.Undone();
        for (; undoneSeen < undone; ++undoneSeen) {
            if (witness.before.empty()) {
                broken += "a walk was taken back that the witness never saw; ";
                break;
            }
            const std::unique_ptr<Game> then = std::move(witness.before.back());
            witness.before.pop_back();
            if (undoneSeen + 1 == undone) {
                if (!(g.Match() == then->Match()))
                    broken += "after «Отменить» the match is not as it was before the walk; ";
                ++undosChecked;
            }
        }
        undoneSeen = undone;
        const std::size_t kept = forms.undo.Kept();
        if (witness.before.size() > kept)
            witness.before.erase(witness.before.begin(),
                                 witness.before.end() - static_cast<std::ptrdiff_t>(kept));
        return broken;
    }

    // Replays a record on a fresh match: it must end where the windows left
    // its match. Counts the orders verified.
    std::string Verify(const save::Record& record, const char* which)
    {
        const save::RecordReadResult read = save::ReadRecord(save::WriteRecord(record), true);
        if (!read)
            return std::string(which) + " record does not read: " + read.error + "; ";
        save::Replayer replay(read.record, *read.start);
        if (!replay.PlayToEnd()) {
            const std::size_t at = replay.Done();
            const auto& lines = read.record.lines;
            const std::string line =
                at < lines.size() ? save::OrderLine(lines[at], at) : std::string("the end");
            const std::string before =
                at > 0 && at <= lines.size() ? save::OrderLine(lines[at - 1], at - 1) : "";
            return std::string(which) + " record does not replay: " + replay.Error() + "\n  after " + before +
                   "\n  at " + line + "\n";
        }
        ++recordsVerified;
        for (const save::RecordLine& l : read.record.lines)
            ordersVerified += l.kind == save::RecordLine::Kind::Order;
        return {};
    }

    // GH_FUZZ_STRICT=N: the running match's journal replayed after every
    // event from the N-th on (slow), naming the event after which it stops replaying and what
    // of the match then differs. False when it does not replay.
    bool ReplaysSoFar(int event)
    {
        // The selection lends the waiting match's records to its heroes.
        if (!forms.recorder.Attached() || !g.MatchRunning || forms.Select() != nullptr)
            return true;
        const save::RecordReadResult read =
            save::ReadRecord(save::WriteRecord(forms.recorder.Closed()), true);
        save::Replayer replay(read.record, *read.start);
        if (replay.PlayToEnd())
            return true;
        const MatchState& a = g.Match();
        const MatchState& b = replay.Match().Match();
        std::printf("strict: after event %d (%s): %s; equal: units %d, generator %d, timers %d, Selected %d, "
                    "Target %d, TargetCell %d, InputMode %d\n",
                    event, last.c_str(), replay.Error().c_str(), a.Units == b.Units,
                    a.Generator == b.Generator, a.timers == b.timers, a.Selected == b.Selected,
                    a.Target == b.Target, a.TargetCellX == b.TargetCellX && a.TargetCellY == b.TargetCellY,
                    a.InputMode == b.InputMode);
        for (int i = 0; i <= kMaxUnit; ++i)
            if (!(a.Units[static_cast<std::size_t>(i)] == b.Units[static_cast<std::size_t>(i)]))
                std::printf("strict: record %d differs\n", i);
        ADD_FAILURE() << "the running match's journal stops replaying after event " << event;
        return false;
    }

    // Every record written into the records folder since the last look.
    std::string VerifyWritten()
    {
        std::string broken;
        for (const QString& path : RecordFiles(records.path()).Records()) {
            if (verifiedFiles.contains(path))
                continue;
            verifiedFiles.insert(path);
            std::string text;
            QString error;
            if (!SaveFiles::ReadText(path, text, error)) {
                broken += "a written record does not read: " + error.toStdString() + "; ";
                continue;
            }
            const save::RecordReadResult read = save::ReadRecord(text, true);
            if (!read) {
                broken += "a written record does not read: " + read.error + "; ";
                continue;
            }
            broken += Verify(read.record, "a finished match's");
        }
        return broken;
    }

    int Roll(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(pick); }

    // A click where the player would make it: on whatever child (toolbar
    // button, scroll bar) covers the point, otherwise on the field.
    void ClickAt(QPoint p, Qt::MouseButton button)
    {
        QWidget* target = main->childAt(p);
        if (!target)
            target = main;
        QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(main, p));
    }

    QPoint AnyPoint()
    {
        switch (Roll(0, 3)) {
        case 0: return {Roll(0, 1279), Roll(0, 799)};
        case 1: return {Roll(0, 1279), Roll(0, 60)};     // the toolbar
        case 2: return {Roll(1230, 1279), Roll(0, 799)}; // right edge, vertical bar
        default: return {Roll(0, 1279), Roll(760, 799)}; // bottom edge, horizontal bar
        }
    }

    // A match as the player makes one: menu, "Заново", the rows ticked and
    // given to a person or the computer, "Начать".
    void StartMatch()
    {
        QTest::mouseClick(
            main->Toolbar1->widgetForAction(main->ToolbarButton(QStringLiteral("Главное меню"))),
            Qt::LeftButton);
        ASSERT_NE(forms.Menu(), nullptr);
        QTest::mouseClick(forms.Menu()->Cmd[0], Qt::LeftButton);
        gui::FlushDeletes();
        FrmSelect* sel = forms.Select();
        ASSERT_NE(sel, nullptr);
        const int heroes = Roll(2, 5);
        const int human = Roll(0, heroes - 1);
        for (int i = 0; i < FrmSelect::kSlots; ++i) {
            if (sel->Iss[i]->isChecked() != (i < heroes))
                QTest::mouseClick(sel->Iss[i], Qt::LeftButton);
            // At least one person and, unless alone, one computer.
            const bool ai = i == human ? false : (i == (human + 1) % heroes ? true : Roll(0, 1) == 1);
            if (i < heroes && sel->Ai[i]->isChecked() != ai)
                QTest::mouseClick(sel->Ai[i], Qt::LeftButton);
        }
        QTest::mouseClick(sel->CmdOK, Qt::LeftButton);
        gui::FlushDeletes();
        ASSERT_TRUE(g.MatchRunning);
        Witness();
    }

    // What a player may do to an open dialog: press one of its buttons, type
    // into it, move its sliders, or close it. The menu's "Выход" is answered No.
    void PlayWithDialogs()
    {
        const std::vector<QWidget*> open = OpenDialogs();
        if (open.empty())
            return;
        QWidget* w = open[static_cast<std::size_t>(Roll(0, static_cast<int>(open.size()) - 1))];
        last += std::string(" on ") + w->metaObject()->className();
        if (auto* sel = qobject_cast<FrmSelect*>(w)) {
            QAbstractButton* buttons[] = {sel->Iss[Roll(0, 4)],  sel->Ai[Roll(0, 4)],  sel->CmdD[Roll(0, 4)],
                                          sel->CmdU[Roll(0, 4)], sel->Cmd[Roll(0, 4)], sel->CmdOK,
                                          sel->CmdCancel};
            const int k = Roll(0, 10);
            if (k < 7) {
                QTest::mouseClick(buttons[k], Qt::LeftButton);
            } else if (k < 9) {
                QLineEdit* box = sel->Txt[Roll(0, 4)];
                if (box->isEnabled()) {
                    box->setFocus();
                    if (Roll(0, 1))
                        box->selectAll();
                    QTest::keyClicks(box, RandomText());
                }
            } else if (k == 9) {
                // A right click on a portrait shows that hero.
                QTest::mouseClick(sel->Img[Roll(0, 4)], Qt::RightButton);
            } else {
                sel->close();
            }
        } else if (auto* menu = qobject_cast<FrmMenu*>(w)) {
            const int k = Roll(0, 6);
            if (k < 6)
                QTest::mouseClick(menu->Cmd[k], Qt::LeftButton);
            else
                menu->close();
        } else if (auto* cast = qobject_cast<FrmCast*>(w)) {
            const int k = Roll(0, 4);
            if (k == 0 && cast->List1->count() > 0) {
                // A creature's page draws up what would come: the pick is an
                // order of its own in the record.
                QListWidgetItem* item = cast->List1->item(Roll(0, cast->List1->count() - 1));
                QTest::mouseClick(cast->List1->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  cast->List1->visualItemRect(item).center());
            } else if (k == 1) {
                QTest::mouseClick(cast->CmdCast, Qt::LeftButton);
            } else if (k == 2) {
                QTest::mouseClick(cast->ImgFace, Qt::RightButton);
            } else if (k == 3) {
                QTest::mouseClick(cast->CmdCancel, Qt::LeftButton);
            } else {
                cast->close();
            }
        } else if (auto* name = qobject_cast<FrmSaveName*>(w)) {
            const int k = Roll(0, 3);
            if (k == 0) {
                name->TxtName->setFocus();
                if (Roll(0, 1))
                    name->TxtName->selectAll();
                QTest::keyClicks(name->TxtName, RandomText());
            } else if (k == 1) {
                QTest::mouseClick(name->CmdOK, Qt::LeftButton);
            } else if (k == 2) {
                QTest::mouseClick(name->CmdCancel, Qt::LeftButton);
            } else {
                name->close();
            }
        } else if (auto* saves = qobject_cast<FrmSaves*>(w)) {
            const int k = Roll(0, 5);
            if (k == 0 && saves->LstSaves->topLevelItemCount() > 0) {
                saves->LstSaves->setCurrentItem(
                    saves->LstSaves->topLevelItem(Roll(0, saves->LstSaves->topLevelItemCount() - 1)));
            } else if (k == 1) {
                QTest::mouseClick(saves->CmdLoad, Qt::LeftButton);
            } else if (k == 2) {
                QTest::mouseClick(saves->CmdDelete, Qt::LeftButton);
            } else if (k == 3) {
                QTest::mouseClick(saves->CmdOpen, Qt::LeftButton);
            } else if (k == 4) {
                QTest::mouseClick(saves->CmdCancel, Qt::LeftButton);
            } else {
                saves->close();
            }
        } else if (auto* list = qobject_cast<FrmRecords*>(w)) {
            const int k = Roll(0, 3);
            if (k == 0 && list->LstRecords->topLevelItemCount() > 0) {
                list->LstRecords->setCurrentItem(
                    list->LstRecords->topLevelItem(Roll(0, list->LstRecords->topLevelItemCount() - 1)));
            } else if (k == 1) {
                QTest::mouseClick(list->CmdOpen, Qt::LeftButton);
            } else if (k == 2) {
                QTest::mouseClick(list->CmdWatch, Qt::LeftButton);
            } else {
                list->close();
            }
        } else if (auto* set = qobject_cast<FrmSet*>(w)) {
            const int k = Roll(0, 3);
            if (k < 2) {
                QSlider* slider = set->SldSpeed[k];
                slider->setValue(Roll(slider->minimum(), slider->maximum())); // as dragged
            } else if (k == 2) {
                QTest::keyClick(set->SldSpeed[Roll(0, 1)], Roll(0, 1) ? Qt::Key_Right : Qt::Key_PageDown);
            } else {
                QTest::mouseClick(set->CmdCancel, Qt::LeftButton);
            }
        } else {
            // The information and speech windows and the author's message
            // go with a click; keys first, sometimes, which they must ignore.
            if (Roll(0, 1))
                QTest::keyClick(w, DialogKey());
            else
                QTest::mouseClick(w, Roll(0, 1) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                                  QPoint(Roll(0, w->width() - 1), Roll(0, w->height() - 1)));
        }
        gui::FlushDeletes();
    }

    // The open dialogs in an order that does not depend on where they
    // happen to sit in memory, so that a seed replays exactly.
    std::vector<QWidget*> OpenDialogs() const
    {
        std::vector<QWidget*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != main && w->windowTitle() != QStringLiteral("FrmImg"))
                open.push_back(w);
        std::stable_sort(open.begin(), open.end(), [](QWidget* a, QWidget* b) {
            return std::string(a->metaObject()->className()) < std::string(b->metaObject()->className());
        });
        return open;
    }

    Qt::Key DialogKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab,   Qt::Key_Plus,
                                       Qt::Key_Minus,  Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down,   Qt::Key_Space};
        return keys[Roll(0, 9)];
    }

    // What a player might type as a name, markup and all.
    QString RandomText()
    {
        static const char* pieces[] = {"a", "Z", "<b>", "</b>", "&amp;", " ", "<img src=x>", "%1", "\\", "9"};
        QString text;
        for (int n = Roll(0, 6); n > 0; --n)
            text += QString::fromUtf8(pieces[Roll(0, 9)]);
        return text;
    }

    // A key to whichever window has the focus, as the keyboard sends it.
    void KeyToActiveWindow()
    {
        // The dialog on top has the focus; which that is, the fuzz decides.
        const std::vector<QWidget*> open = OpenDialogs();
        QWidget* active = open.empty() || Roll(0, 3) == 0
                              ? main
                              : open[static_cast<std::size_t>(Roll(0, static_cast<int>(open.size()) - 1))];
        QWidget* target = active->focusWidget() ? active->focusWidget() : active;
        QTest::keyClick(target, DialogKey());
        gui::FlushDeletes();
    }

    void RandomEvent()
    {
        // The standard file dialog is a person's to fill in: its own warnings
        // (no such file) are modal boxes that no script answers. The fuzz
        // sends it away as a player who changed his mind would.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* files = qobject_cast<QFileDialog*>(w); files && files->isVisible())
                files->reject();
        gui::FlushDeletes();
        const int kind = Roll(0, 14);
        last = "event kind " + std::to_string(kind);
        switch (kind) {
        case 12: KeyToActiveWindow(); break;
        case 14:
            // Ctrl+Z, or «Отменить» itself, whenever.
            if (Roll(0, 1))
                QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
            else
                QTest::mouseClick(main->Toolbar1->widgetForAction(main->CmdUndo), Qt::LeftButton);
            break;
        case 13: PlayWithDialogs(); break;
        case 0:
        case 1:
        case 2: ClickAt(AnyPoint(), Qt::LeftButton); break;
        case 3: ClickAt(AnyPoint(), Qt::RightButton); break;
        case 4:
        case 5: QTest::mouseMove(main, AnyPoint()); break;
        case 6: {
            // The scrolling keys, the keys that play (F11 has a test of its own), and one that does nothing.
            static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up, Qt::Key_Down,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A,  Qt::Key_Backtab,
                                           Qt::Key_Home,   Qt::Key_F1,       Qt::Key_F2, Qt::Key_Enter};
            QTest::keyClick(main, keys[Roll(0, 11)]);
            break;
        }
        case 7: {
            const QList<QAction*> actions = main->Toolbar1->actions();
            QAction* a = actions[Roll(0, static_cast<int>(actions.size()) - 1)];
            // The menu and the settings are opened less often than the rest.
            if (a->text() != QStringLiteral("Главное меню") || Roll(0, 3) == 0)
                QTest::mouseClick(main->Toolbar1->widgetForAction(a), Qt::LeftButton);
            break;
        }
        case 8:
            QTest::mouseClick(
                main->Toolbar1->widgetForAction(main->ToolbarButton(QStringLiteral("Закончить ход"))),
                Qt::LeftButton);
            break;
        case 9: PlayWithDialogs(); break;
        default: {
            // The clock runs on; a computer side needs many ticks.
            const int ticks = Roll(1, 60);
            for (int i = 0; i < ticks; ++i) {
                g.timers.Tick();
                main->RenderControls();
            }
            break;
        }
        }
    }

    // Empty when all is well. The simulator's checker looks at everything a
    // match must keep. While the selection dialog is open, though, records
    // 1..5 are its live heroes: heroes that sit the match out stand on the
    // field at their old places (sharing a cell, perhaps) until the dialog
    // starts a match or gives the old heroes back. Then only what must hold
    // whatever the records are is checked.
    std::string Check()
    {
        std::ostringstream out;
        if (forms.Select() == nullptr) {
            out << sim::CheckInvariants(g);
        } else {
            out << sim::CheckIndices(g) << sim::CheckStatistics(g);
        }
        if (g.ViewX != static_cast<float>(g.HorBar.Value) || g.HorBar.Value != main->HorBar->value())
            out << "ViewX " << g.ViewX << ", HorBar " << g.HorBar.Value << ", bar " << main->HorBar->value()
                << "; ";
        if (g.ViewY != static_cast<float>(g.VertBar.Value) || g.VertBar.Value != main->VertBar->value())
            out << "ViewY " << g.ViewY << ", VertBar " << g.VertBar.Value << ", bar "
                << main->VertBar->value() << "; ";
        return out.str();
    }

    std::mt19937 pick;
    QTemporaryDir records;
    WalkWitness witness;
    FrmMain* main = nullptr;
    std::string last; // what the latest event was, for the failure message
    std::size_t undoneSeen = 0, undosChecked = 0;
    std::size_t recordsVerified = 0, ordersVerified = 0;
    QSet<QString> verifiedFiles;
};

// "1-10", "3,7,11" or "7"; the default seeds when unset.
std::vector<std::uint32_t> FuzzSeeds()
{
    const char* text = std::getenv("GH_FUZZ_SEEDS");
    if (!text || !*text)
        return {11u, 2024u, 777u, 5u, 31337u};
    std::vector<std::uint32_t> seeds;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto dash = item.find('-');
        const unsigned long lo = std::stoul(item.substr(0, dash));
        const unsigned long hi = dash == std::string::npos ? lo : std::stoul(item.substr(dash + 1));
        for (unsigned long s = lo; s <= hi; ++s)
            seeds.push_back(static_cast<std::uint32_t>(s));
    }
    return seeds;
}

int FuzzEvents()
{
    const char* text = std::getenv("GH_FUZZ_EVENTS");
    return text && *text ? std::atoi(text) : 4000;
}

TEST(Fuzz, RandomInputNeverBreaksTheMatch)
{
    const int events = FuzzEvents();
    long long total = 0;
    std::size_t orders = 0, undos = 0, records = 0;
    for (std::uint32_t seed : FuzzSeeds()) {
        Fuzz f(seed);
        f.StartMatch();
        if (::testing::Test::HasFatalFailure())
            return;
        int matches = 1;
        // What the run went through, so that a fuzz that only ever clicks
        // the empty field cannot pass for one that shook the match.
        bool walked = false, struck = false, scrolled = false, computerPlayed = false, failed = false;
        for (int event = 0; event < events; ++event) {
            // Whatever asks a question is answered No: the program stays.
            f.shell.answers.assign(4, BoxAnswer::No);
            f.Witness();
            const std::size_t keptBefore = f.forms.undo.Kept();
            f.RandomEvent();
            // A player takes a walk back soon after it, if at all: half the
            // walks are followed, once the field rests, by «Отменить» or Ctrl+Z.
            if (f.forms.undo.Kept() > keptBefore && f.Roll(0, 1) == 0)
                f.UndoOnceAtRest();
            ++total;
            if (std::getenv("GH_FUZZ_TRACE"))
                std::printf("%d: %s; side %d, match %d, InputMode %d, TmrEnemy %d\n", event, f.last.c_str(),
                            f.g.ActiveHero, f.g.MatchRunning, f.g.InputMode,
                            f.g.timers.Enabled(TimerId::TmrEnemy));
            if (const char* strict = std::getenv("GH_FUZZ_STRICT");
                strict && event >= std::atoi(strict) && !f.ReplaysSoFar(event))
                break;
            std::string broken = f.Check() + f.CheckUndo();
            if (!f.g.MatchRunning) {
                // The record of a match that ended is written once the
                // event loop comes round.
                QCoreApplication::sendPostedEvents();
                broken += f.VerifyWritten();
            }
            if (f.shell.quits != 0)
                broken += "the program was ended; ";
            if (!broken.empty()) {
                // The other seeds still run: a long fuzz reports every fault.
                ADD_FAILURE() << broken << "\nseed " << seed << ", event " << event << ", selection open "
                              << (f.forms.Select() != nullptr) << "; replay: GH_FUZZ_SEEDS=" << seed
                              << " GH_FUZZ_EVENTS=" << event + 1 << "; last: " << f.last << ", side "
                              << f.g.ActiveHero;
                failed = true;
                break;
            }
            walked |= f.g.InputMode == kModeWalk;
            struck |= f.g.timers.Enabled(TimerId::Tmr3) || f.g.LblUdar.Visible;
            scrolled |= f.g.ViewX != 0 || f.g.ViewY != 0;
            computerPlayed |= f.g.MatchRunning && !f.g.HeroIsHuman[static_cast<std::size_t>(f.g.ActiveHero)];
            if (!f.g.MatchRunning && f.forms.Select() == nullptr && f.Roll(0, 20) == 0) {
                f.StartMatch();
                ++matches;
            }
            if (event % 100 == 0)
                QCoreApplication::processEvents(); // let the windows paint
        }
        if (failed) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != f.main)
                    w->close();
            gui::FlushDeletes();
            continue;
        }
        // The match the windows leave running replays to where it stands,
        // once a selection open over it has given its heroes back.
        if (QWidget* sel = f.forms.Select())
            sel->close();
        gui::FlushDeletes();
        QCoreApplication::sendPostedEvents();
        std::string unverified = f.VerifyWritten();
        if (f.forms.recorder.Attached())
            unverified += f.Verify(f.forms.recorder.Closed(), "the running match's");
        EXPECT_EQ(unverified, "") << "seed " << seed;
        EXPECT_GE(f.recordsVerified, 1u) << "seed " << seed;
        orders += f.ordersVerified;
        undos += f.undosChecked;
        records += f.recordsVerified;
        EXPECT_TRUE(walked) << "seed " << seed;
        EXPECT_TRUE(struck) << "seed " << seed;
        EXPECT_TRUE(scrolled) << "seed " << seed;
        EXPECT_TRUE(computerPlayed) << "seed " << seed;
        EXPECT_GE(matches, 1);
        std::printf("fuzz seed %u: %d events, %d matches, %zu records verified (%zu orders), %zu undos checked\n",
                    seed, events, matches, f.recordsVerified, f.ordersVerified, f.undosChecked);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != f.main)
                w->close();
        gui::FlushDeletes();
    }
    std::printf("fuzz: %lld events in all; %zu records replayed exactly, %zu orders verified, %zu undos "
                "checked against the match before the walk\n",
                total, records, orders, undos);
    EXPECT_GT(undos, 0u);
}

} // namespace
} // namespace gh
