#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/Forecast.h"
#include "engine/Movement.h"
#include "world/Game.h"

namespace gh {

// What the board tells a person before they commit: where the selected unit
// can go and at what cost, whom it can reach, and how an exchange will
// likely end. Every answer comes from the code the real order runs (the
// planner, the step rule, the blows' odds) on the match as it stands; none
// changes the match or draws a random number.

// A person's turn, the field waiting for orders, and one of their own living
// units selected with points left: the board shows that unit's reach.
bool ReachShown(const Game& g);

// The Target a person's order to the cell at (x, y) starts its walk with:
// the pointer resting on a unit names it, an empty cell leaves it as it was.
std::int32_t PointerTarget(const Game& g, float x, float y);

inline constexpr std::int16_t kOutOfReach = -1;

struct Reach {
    int walker = 0;
    std::int32_t actions = 0; // its points as the reach was worked out
    // For every planned cell [column][row]: the points a walk ordered there
    // spends when it ends standing on that very cell, kOutOfReach otherwise.
    std::array<std::array<std::int16_t, kPlannedCells>, kPlannedCells> cost{};
    // The units a walk ordered onto their cell opens an exchange against,
    // lowest record first.
    std::vector<int> opponents;

    bool Reaches(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < kPlannedCells && row < kPlannedCells &&
               cost[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] != kOutOfReach;
    }
    bool Opposes(int unit) const;
};

// The reach of record `walker` on the match as it stands, as if its side
// gave the orders now.
Reach ComputeReach(const Game& g, int walker);

// The walk an order of `walker` to the cell at (x, y) would make.
struct WalkPreview {
    bool starts = false;            // the planner found a path
    WalkSteps steps;                // the cells it enters, in order
    std::int32_t actionsBefore = 0; // the walker's points now
    std::int32_t actionsLeft = 0;   // and when the walk is over
    bool arrives = false;           // it ends standing on that cell
    int exchangeWith = 0;           // the unit it opens an exchange against, 0 none
    float endX = 0, endY = 0;       // where it stands when the walk ends or the exchange opens
};
WalkPreview PreviewWalk(const Game& g, int walker, float x, float y);

// The odds of the exchange the walk opens, the opener standing where the
// walk leaves it (the blows' range is measured from there).
ExchangeOdds ForecastOpening(const Game& g, int walker, const WalkPreview& walk);

// Whether a summon waiting for its cell could be placed on the cell at (x, y)
// (the refusal CheckOrder gives otherwise).
bool SummonFits(const Game& g, float x, float y);

} // namespace gh
