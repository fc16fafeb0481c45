#pragma once

#include <string>
#include <vector>

#include "world/Game.h"

namespace gh {

// One hero's line in the end-of-match window.
struct SummaryRow {
    int side = 0;
    std::string name; // type and name
    std::string fate; // "победитель", "пала в бою", "сдался", "в строю"
    SideTally tally;
};

// Every hero that took part, in slot order. `winner` is the side that won
// (0 the neutral side, -1 while nobody has).
std::vector<SummaryRow> MatchSummary(const Game& g, int winner);

// The line over the table: who won, on which day.
std::string SummaryHeadline(const Game& g, int winner);

} // namespace gh
