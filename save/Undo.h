#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/Order.h"
#include "platform/Random.h"
#include "world/Game.h"

namespace gh::save {

class Recorder;

// Why «Отменить» cannot take a walk back now; None when it can.
enum class UndoBar {
    None,
    NoMatch, // no match runs (or its journal has ended)
    NotPersonsTurn,
    Busy,          // something walks, strikes, casts or rises
    NothingWalked, // no walk of this turn is left to take back
    Exchanged,     // blows were exchanged since the walk
    Magic,         // a page was read, a summon or spell given since
    Chance,        // a number was drawn since, other than the idle animation's
    Settings,      // the walking speed, the idle pace, the computer's level or
                   // a side's player changed since
};

// A short Russian line for the greyed button's tool tip.
std::string UndoBarText(UndoBar bar);

// Taking back a person's walks. Just before a walk order of the person
// whose turn it is goes through the door, the whole match is kept (the match
// value, the moment and the field's controls) together with the length of
// the journal of orders. Taking it back puts that match back exactly, the
// generator's state and the clock's tick included, and cuts the journal
// back to that length: the journal then reads as if the walk had never been
// given, and a replay of it stays exact.
//
// The idle animation draws a number for every living unit on its step, so
// time passing at rest draws numbers all the time. Those draws are taken back
// with the walk, ticks and all: they decided nothing a person could have
// seen, only which way a unit at rest faces. Any other number drawn (a blow,
// a summon's roll, a speech) decides something and closes undo, as does any
// order other than a walk or a selection that goes through, a change of the
// settings the match shares, and the end of the turn. Walks are kept in a
// stack: one after another, they come back one at a time.
//
// The journal tells this of every order (Recorder::undo); it stands between
// the match and its generator while the journal runs, to see the draws.
class WalkUndo final : public OrderWatcher {
public:
    explicit WalkUndo(Recorder& recorder);
    ~WalkUndo() override;
    WalkUndo(const WalkUndo&) = delete;
    WalkUndo& operator=(const WalkUndo&) = delete;

    // The journal began or went on for g: nothing to take back yet.
    void Begin(Game& g);
    // The journal stopped: nothing to take back, the generator as it was.
    void End();

    // Why not now (UndoBar::None when a walk can be taken back).
    UndoBar Why() const;
    bool Available() const { return Why() == UndoBar::None; }
    // Walks that could be taken back one after another, were nothing else
    // to stand in the way.
    std::size_t Kept() const { return steps_.size(); }
    // Takes the last walk back. False (and nothing changes) when Why() says no.
    bool Undo();
    // How many walks have been taken back since the program started.
    std::size_t Undone() const { return undone_; }

    void Giving(Game& g, const Order& order) override;
    void Given(Game& g, const Order& order, Refusal why) override;

private:
    class DrawTap;
    struct Step;
    void Close(UndoBar why);
    bool SettingsChanged(const Game& now, const Game& then) const;

    Recorder& recorder_;
    Game* g_ = nullptr;
    std::unique_ptr<DrawTap> tap_;
    std::vector<std::unique_ptr<Step>> steps_;
    UndoBar closed_ = UndoBar::NothingWalked;
    int depth_ = 0;
    bool walkPushed_ = false;
    std::size_t undone_ = 0;
};

} // namespace gh::save
