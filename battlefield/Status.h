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
    std::string unit; // "Лучница Арвен — жизнь 12/20, мана 5/10, очки действия 3/5"
    std::string awaiting; // what waits for its cell, and how to call it off
    friend bool operator==(const StatusLines&, const StatusLines&) = default;
};

StatusLines StatusOf(const Game& g);

} // namespace gh
