#pragma once

#include <array>
#include <cstdint>

#include "platform/Canvas.h"
#include "platform/Random.h"
#include "platform/Scheduler.h"
#include "platform/Shell.h"
#include "world/Controls.h"
#include "world/Events.h"
#include "world/Tally.h"
#include "world/Unit.h"

namespace gh {

class OrderWatcher; // engine/Order.h

inline constexpr int kMaxUnit = 100;     // Units 0..100
inline constexpr int kHeroes = 5;        // heroes are records 1..5
inline constexpr int kSpellSlots = 51;   // Spellbook slots 0..50
inline constexpr int kGridSize = 31;     // PathGrid columns and rows 0..30
inline constexpr int kPlannedCells = 21; // the planner fills columns and rows 0..20

// The computer's levels: the game's own player, then the strong player from
// the most held back to full strength.
inline constexpr std::int32_t kGameLevel = 0;
inline constexpr std::int32_t kStrongestLevel = 5;
// The level a computer hero gets unless the player chooses another (the
// settings window's «Уровень компьютера», or the hero selection's row):
// «Обычный», an opponent a new player can beat and learn from.
inline constexpr std::int32_t kDefaultComputerLevel = 2;

// Input modes of the battlefield.
inline constexpr std::int32_t kModeOrders = 0;
inline constexpr std::int32_t kModeSummon = 1;
inline constexpr std::int32_t kModeSpell = 2;
inline constexpr std::int32_t kModeResult = 3;
inline constexpr std::int32_t kModeWalk = 4;

// The spell loaded by the casting dialog.
struct SpellRecord {
    std::int32_t SpellNo = 0;
    std::int32_t Range = 0;
    std::int32_t Effect = 0;
    bool IsPercent = false;
    std::int32_t StatKind = 0;
    std::int32_t Element = 0;
    std::int32_t Chance = 0;
    std::int32_t ReasonNeeded = 0;
    std::int32_t ManaCost = 0;
    std::int32_t AnimFirstFrame = 0;
    std::int32_t AnimCycles = 0;
    friend bool operator==(const SpellRecord&, const SpellRecord&) = default;
};

// What the strong computer player notes about the turn it is playing: whose
// turn of which day, and how many orders each record has had in it.
struct StrongTurnNotes {
    std::int32_t Day = -1;
    std::int32_t Side = -1;
    std::array<std::uint8_t, kMaxUnit + 1> Orders{};
    std::int32_t Casts = 0;
    friend bool operator==(const StrongTurnNotes&, const StrongTurnNotes&) = default;
};

static_assert(std::tuple_size_v<decltype(MatchTally::Sides)> == kHeroes + 1, "a tally for every side");

// What a match is between two orders: the records, the globals the rules
// and windows read, the generator, the timers and the strong player's notes.
// It is a plain value: a save writes it, a load builds a fresh one, and a
// preview copies it and plays on the copy. Every field here is saved.
//
// Shared and per seat. Every seat watching or playing a match must hold the
// same rules' state; each may have its own view of it. The state hash
// (save/StateHash.h) covers exactly the shared fields, and the test
// StateHash.CoversTheSharedFieldsOnly holds this list to the code:
//   per seat (the view): ViewX, ViewY, the scroll position. No rule's outcome
//     depends on them: the rules read them only to paint, to place labels and
//     the cell frame (FieldControls, all per seat too), and to put the
//     aiming frame's first cell into TargetCellX/Y when a page is read, which
//     the placement order overwrites with its own cell before anything reads it.
//   shared (the rules' state): every other field. Some of them are written
//     by the windows between two orders as well as by the rules: Target (the
//     unit the pointer rests on, which the first tick of a walk reaches for),
//     TargetCellX/Y (the clicked cell), Selected (right clicks point it at
//     each unit whose window opens, then put it back), the page picked in the
//     casting dialog (ChosenSlot, CastChance, CastMana, CurrentSpell), the
//     walking speed (AnimSpeed) and the idle pace (the idle timer's interval).
//     A match's journal carries them: a
//     change between two ticks is written down as a line of its own at the
//     tick it was made (save/Recorder.h), so a replay makes the same change
//     at the same moment.
struct MatchState {
    std::array<Unit, kMaxUnit + 1> Units{};
    float ViewX = 0;
    float ViewY = 0;
    std::int32_t UnitCount = 0;
    std::int32_t Selected = 0;
    std::int32_t Target = 0;
    std::int32_t Attacker = 0;
    std::int32_t Defender = 0;
    std::int32_t ActiveHero = 0;
    std::int32_t Day = 0;
    std::array<bool, kHeroes + 1> HeroIsHuman{};
    std::int16_t Spellbook[kHeroes + 1][kSpellSlots]{}; // [hero 1..5][slot 0..50]
    std::int16_t Attitude[kHeroes + 1][kHeroes + 1]{};  // [hero 1..5][hero 1..5]
    bool MatchRunning = false;
    std::int32_t AnimSpeed = 0; // every match sets 4; zero like every global until then
    std::int16_t LoopI = 0;
    std::int16_t LoopJ = 0;
    float TargetCellX = 0;
    float TargetCellY = 0;
    std::int32_t InputMode = kModeOrders;

    // casting
    std::int16_t ChosenSlot = 0;
    std::int32_t CastChance = 0;
    std::int32_t CastMana = 0;
    SpellRecord CurrentSpell;

    // computer player
    std::int32_t AiCursor = 0;
    // How well the computer plays each hero it plays: kGameLevel is the
    // game's own player, the levels above it the strong player held back
    // less and less (ai/Levels.h). Entry 0, the neutral side, always keeps
    // the game's own player.
    std::array<std::int32_t, kHeroes + 1> ComputerLevel{};
    StrongTurnNotes Strong;

    // What each side has done so far: kills, losses, summons, spells, days.
    MatchTally Tally;

    // The six battlefield timers (their state; the handlers are bound to the
    // live match and never copied) and the match's own random numbers.
    Scheduler timers;
    ClockRandom Generator;

    friend bool operator==(const MatchState&, const MatchState&) = default;
};

// What lives only while a walk, a blow or an effect is under way. Each of
// them sets these before it reads them, so a field at rest never depends on
// what they hold: a saved match leaves them out and a loaded one starts them
// at these values.
struct Moment {
    // movement
    std::uint8_t PathGrid[kGridSize][kGridSize]{}; // [column][row]
    std::int32_t PathSteps = 0;
    float dx = 0;
    float dy = 0;
    std::uint8_t Moving = 0;
    std::uint8_t Min = 0;
    // Ticks the step under way takes, fixed with dx/dy when it starts: a new
    // walking speed only applies from the next step.
    std::int32_t StepTicks = 0;

    // blows
    bool ReturnBlowDue = false;
    std::int32_t StrikeFrame = 0;

    // effects
    float EffectX = 0;
    float EffectY = 0;
    std::int32_t EffectFirstImage = 0;
    std::int32_t EffectFrame = 0;
    std::int32_t EffectTick = 0;
    std::int32_t EffectTicks = 0;

    friend bool operator==(const Moment&, const Moment&) = default;
};

// What the match is played with: random numbers, the battlefield's canvas,
// the shell for boxes and windows and the listener to its events. A fresh
// match paints nowhere, agrees to every box, tells nobody of its events and
// draws from its own generator; the program, the simulator
// and the tests point these elsewhere.
struct Services {
    Services() = default;
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    Random* rnd = nullptr;
    Canvas* canvas = &ownCanvas_;
    Shell* shell = &ownShell_;
    // Who hears of the match's events (world/Events.h); nobody by default.
    EventSink* events = &ownEvents_;
    // Who is told of every order as it goes through the door (engine/Order.h):
    // the match's journal, or a replay checking it. Nobody by default, and a
    // copy of the match (a preview, the strong player's look ahead) never.
    OrderWatcher* orders = nullptr;

private:
    NullCanvas ownCanvas_;
    AgreeingShell ownShell_;
    NullEventSink ownEvents_;
};

// A running match: services, the match value, the moment and the battlefield
// controls, each field under the name the rules know it by. A test makes a
// fresh one with `Game g;` and swaps in scripted services. Nothing may be
// added here outside the four parts: a field outside MatchState would be
// left out of every save.
struct Game : Services, MatchState, Moment, FieldControls {
    Game();
    // A copy of the match, the moment and the controls with services of its
    // own: it paints nowhere, agrees to every box and draws from its copy of
    // the generator. Its timers keep their state but have no handlers until
    // they are bound (BindTimers), so the copy only moves when asked to.
    Game(const Game& other);
    Game& operator=(const Game&) = delete;

    MatchState& Match() { return *this; }
    const MatchState& Match() const { return *this; }

    // Helpers for the names rules use most.
    Unit& U(int i) { return Units[static_cast<std::size_t>(i)]; }
    const Unit& U(int i) const { return Units[static_cast<std::size_t>(i)]; }
    static bool ValidUnit(int i) { return i >= 0 && i <= kMaxUnit; }
};

} // namespace gh
