#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/Canvas.h"
#include "platform/Random.h"
#include "platform/Scheduler.h"
#include "platform/Shell.h"
#include "world/Controls.h"
#include "world/Unit.h"

namespace gh {

inline constexpr int kMaxUnit = 100;     // Units 0..100
inline constexpr int kHeroes = 5;        // heroes are records 1..5
inline constexpr int kSpellSlots = 51;   // Spellbook slots 0..50
inline constexpr int kGridSize = 31;     // PathGrid columns and rows 0..30
inline constexpr int kPlannedCells = 21; // the planner fills columns and rows 0..20

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
};

// What the strong computer player notes about the turn it is playing: whose
// turn of which day, and how many orders each record has had in it.
struct StrongTurnNotes {
    std::int32_t Day = -1;
    std::int32_t Side = -1;
    std::array<std::uint8_t, kMaxUnit + 1> Orders{};
    std::int32_t Casts = 0;
};

// Everything a match is: the unit records, the globals every rule and window
// reads, the battlefield controls as data and the six timers. A test makes a
// fresh one with `Game g;` and swaps in scripted services.
struct Game {
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- services -------------------------------------------------------
    Random* rnd;
    Canvas* canvas;
    Shell* shell;
    Scheduler timers;

    // --- the records and globals -----------------------------------------
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

    // computer player
    std::int32_t AiCursor = 0;
    // The heroes the strong computer player plays when the computer plays
    // them; entry 0, the neutral side, always keeps the game's own player.
    std::array<bool, kHeroes + 1> StrongComputer{};
    StrongTurnNotes Strong;

    // --- battlefield controls --------------------------------------------
    ShapeControl ShpSel;
    ShapeControl ShpAt;
    LabelControl LblUdar;
    LabelControl LblXP;
    ScrollBarControl HorBar;
    ScrollBarControl VertBar;

    // Helpers for the names rules use most.
    Unit& U(int i) { return Units[static_cast<std::size_t>(i)]; }
    const Unit& U(int i) const { return Units[static_cast<std::size_t>(i)]; }
    static bool ValidUnit(int i) { return i >= 0 && i <= kMaxUnit; }

private:
    std::unique_ptr<ClockRandom> ownRnd_;
    std::unique_ptr<NullCanvas> ownCanvas_;
    std::unique_ptr<ScriptedShell> ownShell_;
};

} // namespace gh
