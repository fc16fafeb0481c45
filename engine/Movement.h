#pragma once

#include <array>
#include <cstdint>

#include "world/Game.h"

namespace gh {

// Plans a path for Selected to (TargetCellX, TargetCellY) and starts the walk.
void PlanPath(Game& g);

// Tmr1's tick: one step of the walk.
void WalkTick(Game& g);

// Whether the cell with corner (x, y), field twips, lies where paths are
// planned (columns and rows 1..20): only there can a unit walk, and only
// there can anything walk up to it.
bool InWalkArea(float x, float y);

// What a walk would do, taken apart so that the walk itself and the
// computer's forecasts share one planner and one choice of step.

using PathCells = std::uint8_t[kGridSize][kGridSize]; // [column][row], like PathGrid

// Lays the distance grid PlanPath lays for `walker` towards point (tx, ty)
// and runs the wave. Returns the wave number at which it reached the walker
// (what PathSteps starts the walk with), or -1 when there is no path.
std::int32_t LayPath(const Game& g, const Unit& walker, float tx, float ty, PathCells& grid);

// The field as every plan on it starts: the border and every cell a record
// on the field covers blocked, the rest free. Many plans on one field (the
// play aids ask one per cell) lay it once and plan from it.
struct PathBoard {
    PathCells cells;
    // The free planned cells: bit b of entry j for cell (j, b).
    std::array<std::uint32_t, kPlannedCells + 1> free;
};
void LayBoard(const Game& g, PathBoard& board);
// LayPath from a board laid for the same field.
std::int32_t LayPath(const PathBoard& board, const Unit& walker, float tx, float ty, PathCells& grid);

// What the walker does at the start of a step, standing on a cell with
// action points left. `target` is what Target holds as the tick begins.
struct WalkDecision {
    enum Kind {
        ExchangeInReach, // the unit at the target point is within its range
        ExchangeOnStep,  // the next cell is taken (by itself, too, when no step is better)
        Step,            // a free cell: the walker moves on
    } kind = Step;
    int dx = 0, dy = 0;      // the chosen step in cells (none for an exchange in reach)
    std::uint8_t min = 254;  // the lowest grid value the choice saw
    std::int32_t target = 0; // Target after the looks the step takes
};
// Record `walkerIndex` is taken to stand as `walker` says.
WalkDecision DecideStep(const Game& g, const PathCells& grid, int walkerIndex, const Unit& walker,
                        std::int32_t target, float tx, float ty);

// Where an order to point (tx, ty) would take record `walker`, cell by cell,
// when nothing else moves meanwhile and Target holds `target` as it starts.
struct WalkForecast {
    bool starts = false;          // the planner found a path
    int exchangeWith = 0;         // the unit the walk opens an exchange against; 0 none
    float endX = 0, endY = 0;     // where the walker then stands
    std::int32_t actionsLeft = 0; // its action points then
};
// The cells a walk enters, in order. Every step costs a point and a unit
// has at most 99, so a walk never takes more steps than this holds.
struct WalkSteps {
    static constexpr int kMost = 128;
    int count = 0;
    std::array<std::array<std::int8_t, 2>, kMost> cell{}; // column, row
};
WalkForecast ForecastWalk(const Game& g, int walker, float tx, float ty, std::int32_t target);
// The same on a board laid for this field, noting the cells entered in
// `steps` when given.
WalkForecast ForecastWalk(const Game& g, const PathBoard& board, int walker, float tx, float ty,
                          std::int32_t target, WalkSteps* steps = nullptr);

} // namespace gh
