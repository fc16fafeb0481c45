#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

// What the status strip over the field says: whose turn on which day, the
// selected unit's life, mana and action points, and what a pending summon
// or spell waits for.
struct StatusLines {
    int side = -1;    // whose turn, for its colour; -1 without a match
    std::string turn; // "Ходит Маг Гэндальф", "Ходят нейтральные юниты"
    std::string day;  // "День 3"
    std::string unit; // "Лучница Арвен" (or a hint when no match runs)
    std::string figures; // "жизнь 12/20, мана 5/10, очки действия 3/5"
    // The same in fewer words, for a strip with little room.
    std::string shortFigures; // "жизнь 12/20 мана 5/10 очки 3/5"
    std::string awaiting;     // what waits for its cell, and how to call it off
    friend bool operator==(const StatusLines&, const StatusLines&) = default;
};

// During a person's turn only that person's own selection shows: a unit the
// computer or the neutral side had in hand when the turn passed is not
// theirs to read as their own.
StatusLines StatusOf(const Game& g);

} // namespace gh
