#include "engine/Movement.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "engine/Blows.h"
#include "platform/Numbers.h"
#include "world/FieldView.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr std::uint8_t kGoal = 253;             // the walker's own cell: where the wave stops
constexpr std::uint8_t kFree = 254;             // not reached yet
constexpr std::uint8_t kBlocked = 255;          // a record stands there, or the border column/row 0
constexpr int kLastPlanned = kPlannedCells - 1; // the planner works on columns and rows 0..20
constexpr std::int32_t kMaxWaves = 99;

// The cell a field coordinate stands on, when it is the corner of a planned
// cell; -1 otherwise. Units can stand far outside the planned area (a summon
// may be placed at column 40) and their positions are floats of any size, so
// nothing is converted before it is known to be small.
int PlannedCell(double twips)
{
    const double c = twips / kCell;
    if (!(c >= 0.0 && c <= kLastPlanned) || c != std::floor(c))
        return -1;
    return static_cast<int>(c);
}

// Same as PlannedCell but rounding down, as the target point is (it need not
// be a corner: the computer player aims 24 twips inside a cell).
int PlannedCellFloor(double twips)
{
    const double c = std::floor(twips / kCell);
    if (!(c >= 0.0 && c <= kLastPlanned))
        return -1;
    return static_cast<int>(c);
}

std::uint8_t GridAt(const PathCells& grid, double col, double row)
{
    // Anything outside the planned area is blocked, whatever PathGrid holds there.
    if (!(col >= 0.0 && col <= kLastPlanned && row >= 0.0 && row <= kLastPlanned))
        return kBlocked;
    if (col != std::floor(col) || row != std::floor(row))
        return kBlocked;
    return grid[static_cast<int>(col)][static_cast<int>(row)];
}

int LastUnit(const Game& g)
{
    return g.UnitCount < kMaxUnit ? g.UnitCount : kMaxUnit;
}

bool ComputerSide(const Game& g)
{
    return g.ActiveHero < 0 || g.ActiveHero > kHeroes ||
           !g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

bool ValidWalker(const Game& g)
{
    return g.Selected >= 1 && g.Selected <= kMaxUnit;
}

// Ticks a step takes are Int(720 / (AnimSpeed x 90)); the settings slider only
// offers 1, 2, 4 and 8, anything else is held to that range.
std::int32_t StepSpeed(const Game& g)
{
    if (g.AnimSpeed < 1)
        return 1;
    if (g.AnimSpeed > 8)
        return 8;
    return g.AnimSpeed;
}

void FillBoard(const Game& g, PathCells& grid)
{
    // The order of writes in the game's planner makes the last rule win:
    // border over walker over target over occupied over free. The board
    // holds the free and occupied cells; MarkEnds writes the rest.
    for (int i = 0; i <= kLastPlanned; ++i)
        for (int a = 0; a <= kLastPlanned; ++a)
            grid[i][a] = kFree;

    for (int u = 1; u <= LastUnit(g); ++u) {
        const Unit& r = g.U(u);
        if (!r.OnField)
            continue;
        // A unit partly outside still blocks the part that lies inside, so
        // the footprint is walked cell by cell from its corner.
        const double c0 = static_cast<double>(r.PosX) / kCell;
        const double r0 = static_cast<double>(r.PosY) / kCell;
        if (c0 != std::floor(c0) || r0 != std::floor(r0))
            continue;
        for (std::int32_t j = 0; j < r.CellsWide && j <= kLastPlanned; ++j)
            for (std::int32_t k = 0; k < r.CellsHigh && k <= kLastPlanned; ++k) {
                const int cj = PlannedCell((c0 + j) * kCell);
                const int ck = PlannedCell((r0 + k) * kCell);
                if (cj >= 0 && ck >= 0)
                    grid[cj][ck] = kBlocked;
            }
    }
}

void MarkEnds(const Unit& walker, float tx, float ty, PathCells& grid)
{
    const int tc = PlannedCellFloor(tx);
    const int tr = PlannedCellFloor(ty);
    if (tc >= 0 && tr >= 0)
        grid[tc][tr] = 0;

    const int wc = PlannedCellFloor(walker.PosX);
    const int wr = PlannedCellFloor(walker.PosY);
    if (wc >= 0 && wr >= 0)
        grid[wc][wr] = kGoal;

    for (int a = 0; a <= kLastPlanned; ++a) {
        grid[0][a] = kBlocked;
        grid[a][0] = kBlocked;
    }
}

// Breadth-first wave from the target cell; the first wave that touches the
// walker's cell decides the number of steps. The game's planner scans the
// grid for the wave's number column by column, and row by row within a
// column, numbering the free neighbours of each cell it finds, and stops the
// moment one of them is the walker's cell. Which cells a whole wave numbers
// does not depend on that order, so here every wave but the last is worked
// out at once on bit masks, one bit per row in each column; only the wave
// that reaches the walker goes cell by cell in the planner's order, so that
// it stops at the same cell and leaves the same numbers behind.
using Rows = std::array<std::uint32_t, kPlannedCells + 1>;                // bit b of column j: cell (j, b)
constexpr std::uint32_t kPlannedRows = ((1u << kPlannedCells) - 1) & ~1u; // rows 1..20

std::uint32_t Bit(int row)
{
    return 1u << row;
}

// Every cell next to a cell of `wave` in column j, within the planned rows.
std::uint32_t Near(const Rows& wave, int j)
{
    const std::uint32_t near = wave[static_cast<std::size_t>(j - 1)] | wave[static_cast<std::size_t>(j)] |
                               wave[static_cast<std::size_t>(j + 1)];
    return (near | near << 1 | near >> 1) & kPlannedRows;
}

void Number(PathCells& grid, int j, std::uint32_t rows, std::uint8_t value)
{
    for (; rows != 0; rows &= rows - 1)
        grid[j][std::countr_zero(rows)] = value;
}

// The wave that reaches the walker's cell (wc, wr). The planner numbers the
// free neighbours of the wave's cells in its order until it comes to the
// first cell next to the walker, and there its neighbours in their order
// until the walker's: exactly those are numbered here.
std::int32_t LastWave(PathCells& grid, const Rows& wave, const Rows& free, std::int32_t number, int wc,
                      int wr)
{
    static constexpr int kNeighbour[8][2] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                             {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
    const auto value = static_cast<std::uint8_t>(number + 1);
    // The first cell of the wave next to the walker, in the planner's order.
    int sj = 0, sb = 0;
    for (int j = std::max(1, wc - 1); j <= std::min(kLastPlanned, wc + 1) && sj == 0; ++j) {
        const std::uint32_t beside =
            wave[static_cast<std::size_t>(j)] & (Bit(wr - 1) | Bit(wr) | Bit(wr + 1));
        if (beside != 0) {
            sj = j;
            sb = std::countr_zero(beside);
        }
    }
    if (sj == 0)
        return number; // the masks said the wave touches the walker
    // The cells before it are done in full.
    Rows before{};
    for (int j = 1; j < sj; ++j)
        before[static_cast<std::size_t>(j)] = wave[static_cast<std::size_t>(j)];
    before[static_cast<std::size_t>(sj)] = wave[static_cast<std::size_t>(sj)] & (Bit(sb) - 1);
    for (int j = 1; j <= kLastPlanned; ++j)
        Number(grid, j, Near(before, j) & free[static_cast<std::size_t>(j)], value);
    // That cell's own neighbours up to the walker.
    for (const auto& d : kNeighbour) {
        const int nj = sj + d[0];
        const int nb = sb + d[1];
        if (nj > kLastPlanned || nb > kLastPlanned)
            continue;
        std::uint8_t& cell = grid[nj][nb];
        if (cell == kGoal)
            break;
        if (cell == kFree)
            cell = value;
    }
    return number;
}

// The free planned cells of a grid as masks.
Rows FreeRows(const PathCells& grid)
{
    Rows free{};
    for (int j = 1; j <= kLastPlanned; ++j) {
        std::uint32_t rows = 0;
        for (int b = 1; b <= kLastPlanned; ++b)
            rows |= static_cast<std::uint32_t>(grid[j][b] == kFree) << b;
        free[static_cast<std::size_t>(j)] = rows;
    }
    return free;
}

// `free` holds the grid's free planned cells.
std::int32_t RunWave(PathCells& grid, Rows free, int tc, int tr, int wc, int wr)
{
    // Wave 0 is the target cell alone: no other cell ever holds 0.
    if (tc < 1 || tr < 1 || grid[tc][tr] != 0)
        return -1;
    const bool goal = wc >= 1 && wr >= 1 && grid[wc][wr] == kGoal;
    Rows wave{}, next{};
    wave[static_cast<std::size_t>(tc)] = 1u << tr;
    // The columns the wave spans; the next one spans at most one more on
    // either side.
    int first = tc, last = tc;

    for (std::int32_t number = 0; number <= kMaxWaves; ++number) {
        const int from = std::max(1, first - 1), to = std::min(kLastPlanned, last + 1);
        first = kPlannedCells;
        last = 0;
        for (int j = from; j <= to; ++j) {
            const std::uint32_t reach = Near(wave, j);
            if (goal && j == wc && (reach >> wr & 1u))
                return LastWave(grid, wave, free, number, wc, wr);
            const std::uint32_t found = reach & free[static_cast<std::size_t>(j)];
            next[static_cast<std::size_t>(j)] = found;
            if (found != 0) {
                first = std::min(first, j);
                last = j;
            }
        }
        // A wave that numbered no cell has died out: the later ones could
        // find nothing either.
        if (last == 0)
            return -1;
        const auto value = static_cast<std::uint8_t>(number + 1);
        wave.fill(0);
        for (int j = first; j <= last; ++j) {
            const std::uint32_t rows = next[static_cast<std::size_t>(j)];
            wave[static_cast<std::size_t>(j)] = rows;
            free[static_cast<std::size_t>(j)] &= ~rows;
            Number(grid, j, rows, value);
        }
    }
    return -1;
}

void EndWalk(Game& g)
{
    g.Moving = 0;
    g.timers.SetEnabled(TimerId::Tmr1, false);
    g.shell->DefaultPointer();
    g.InputMode = kModeOrders;
    DrawUnits(g);
    if (ComputerSide(g))
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

// The walker has run into a unit (or reached one within range): the exchange
// takes over from the walk.
void OpenExchange(Game& g)
{
    const int walker = g.Selected;
    g.ReturnBlowDue = true;
    g.timers.SetEnabled(TimerId::TmrEnemy, false);
    StartBlow(g);
    // StartBlow may have handed the first blow to the defender and with it
    // Selected; the no-target point belongs to the walker.
    const Unit& w = g.U(walker);
    g.dx = 0;
    g.dy = 0;
    g.TargetCellX = w.PosX - 120;
    g.TargetCellY = w.PosY - 120;
    g.Moving = 0;
    g.InputMode = kModeOrders;
    g.timers.SetEnabled(TimerId::Tmr1, false);
}

} // namespace

bool InWalkArea(float x, float y)
{
    const int col = PlannedCell(x);
    const int row = PlannedCell(y);
    return col >= 1 && row >= 1;
}

void LayBoard(const Game& g, PathBoard& board)
{
    FillBoard(g, board.cells);
    board.free = FreeRows(board.cells);
}

std::int32_t LayPath(const PathBoard& board, const Unit& walker, float tx, float ty, PathCells& grid)
{
    // Only the planned columns and rows are written, as the planner always did.
    for (int i = 0; i <= kLastPlanned; ++i)
        std::memcpy(grid[i], board.cells[i], kPlannedCells);
    MarkEnds(walker, tx, ty, grid);
    // Marking the ends only takes cells that were free.
    Rows free = board.free;
    const int tc = PlannedCellFloor(tx), tr = PlannedCellFloor(ty);
    const int wc = PlannedCellFloor(walker.PosX), wr = PlannedCellFloor(walker.PosY);
    if (tc >= 0 && tr >= 0)
        free[static_cast<std::size_t>(tc)] &= ~Bit(tr);
    if (wc >= 0 && wr >= 0)
        free[static_cast<std::size_t>(wc)] &= ~Bit(wr);
    return RunWave(grid, free, tc, tr, wc, wr);
}

std::int32_t LayPath(const Game& g, const Unit& walker, float tx, float ty, PathCells& grid)
{
    FillBoard(g, grid);
    MarkEnds(walker, tx, ty, grid);
    return RunWave(grid, FreeRows(grid), PlannedCellFloor(tx), PlannedCellFloor(ty),
                   PlannedCellFloor(walker.PosX), PlannedCellFloor(walker.PosY));
}

void PlanPath(Game& g)
{
    // Orders are only given to a selected unit; with nothing selected there is
    // no walker to plan for.
    if (!ValidWalker(g))
        return;
    const Unit& walker = g.U(g.Selected);
    const std::int32_t steps = LayPath(g, walker, g.TargetCellX, g.TargetCellY, g.PathGrid);
    if (steps >= 0) {
        // A walk starts on a cell: whatever step an earlier walk broke off
        // in the middle is not this one's.
        g.Moving = 0;
        g.PathSteps = steps;
        g.InputMode = kModeWalk;
        g.timers.SetEnabled(TimerId::Tmr1, true);
        return;
    }
    // The count ends where running all the waves leaves it.
    g.PathSteps = kMaxWaves + 1;

    // No path: forget the target so no later exact-position test matches it.
    g.TargetCellX = walker.PosX - 120;
    g.TargetCellY = walker.PosY - 120;
    DrawUnits(g);
    g.shell->DefaultPointer();
    if (ComputerSide(g))
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

void WalkTick(Game& g)
{
    if (g.InputMode != kModeWalk)
        return;

    if (g.Moving == 0) {
        if (!ValidWalker(g) || g.U(g.Selected).Actions == 0) {
            // Nothing left to walk with. Tmr1 is switched off here as well,
            // not left idling: then "Tmr1 on" always means a walk is under way.
            g.shell->DefaultPointer();
            g.InputMode = kModeOrders;
            g.timers.SetEnabled(TimerId::Tmr1, false);
            if (ComputerSide(g))
                g.timers.SetEnabled(TimerId::TmrEnemy, true);
            return;
        }
        Unit& w = g.U(g.Selected);

        const WalkDecision d =
            DecideStep(g, g.PathGrid, g.Selected, w, g.Target, g.TargetCellX, g.TargetCellY);
        g.Target = d.target;
        if (d.kind == WalkDecision::ExchangeInReach) {
            OpenExchange(g);
            return;
        }
        g.Min = d.min;
        // Twips per tick and ticks per step are both taken now, so the
        // settings slider moved mid-step cannot stretch or shorten it: the
        // walker always comes to rest on a cell corner.
        const std::int32_t speed = StepSpeed(g);
        const float stride = static_cast<float>(90 * speed);
        g.dx = static_cast<float>(d.dx) * stride;
        g.dy = static_cast<float>(d.dy) * stride;
        g.StepTicks = Int(720.0 / (speed * 90.0));
        w.Facing = g.dx > 0 ? 0 : 1;

        g.Moving = 1;
        if (d.kind == WalkDecision::ExchangeOnStep) {
            OpenExchange(g);
            return;
        }
    }

    if (!ValidWalker(g)) {
        EndWalk(g);
        return;
    }
    Unit& w = g.U(g.Selected);
    w.PosX += g.dx;
    w.PosY += g.dy;
    g.canvas->Clear();
    DrawUnits(g);

    if (g.Moving != 0)
        g.Moving = static_cast<std::uint8_t>(g.Moving + 1);

    if (g.StepTicks < g.Moving) {
        g.Moving = 0;
        g.PathSteps -= 1;
        w.Actions -= (g.dx == 0 || g.dy == 0) ? 1 : 2;
    }

    if (g.PathSteps >= 0 && w.Actions != 0)
        return;
    EndWalk(g);
}

WalkDecision DecideStep(const Game& g, const PathCells& grid, int walkerIndex, const Unit& w,
                        std::int32_t target, float tx, float ty)
{
    WalkDecision d;
    d.target = target;

    // Reach test against the unit Target named when the tick began, then
    // the look at the target point, which may name another.
    bool inX = false, inY = false;
    if (Game::ValidUnit(target)) {
        const Unit& t = target == walkerIndex ? w : g.U(target);
        const double reach = static_cast<double>(w.AttackRange) * kCell;
        inX = std::fabs(static_cast<double>(t.PosX) - w.PosX) <= reach;
        inY = std::fabs(static_cast<double>(t.PosY) - w.PosY) <= reach;
    }
    if (const int there = OccupantAt(g, tx, ty, walkerIndex, &w); there != 0) {
        d.target = there;
        if (inX && inY) {
            d.kind = WalkDecision::ExchangeInReach;
            return d;
        }
    }

    // The lowest neighbour wins; on equal values the earlier one does.
    // Diagonals cost two points, so a walker with one point left keeps to
    // the straight neighbours even when that leads it astray.
    const double col = static_cast<double>(w.PosX) / kCell;
    const double row = static_cast<double>(w.PosY) / kCell;
    auto consider = [&](int cx, int cy) {
        const std::uint8_t v = GridAt(grid, col + cx, row + cy);
        if (v < d.min) {
            d.dx = cx;
            d.dy = cy;
            d.min = v;
        }
    };
    consider(0, -1);
    consider(-1, 0);
    consider(1, 0);
    consider(0, 1);
    if (w.Actions >= 2) {
        consider(1, -1);
        consider(1, 1);
        consider(-1, 1);
        consider(-1, -1);
    }

    // With no step at all the next cell is the walker's own, which it
    // occupies itself: the exchange with itself is refused.
    const int next = OccupantAt(g, w.PosX + static_cast<float>(d.dx * kCell),
                                w.PosY + static_cast<float>(d.dy * kCell), walkerIndex, &w);
    if (next != 0) {
        d.target = next;
        d.kind = WalkDecision::ExchangeOnStep;
    }
    return d;
}

WalkForecast ForecastWalk(const Game& g, int walker, float tx, float ty, std::int32_t target)
{
    if (walker < 1 || walker > kMaxUnit)
        return {};
    PathBoard board;
    LayBoard(g, board);
    return ForecastWalk(g, board, walker, tx, ty, target);
}

WalkForecast ForecastWalk(const Game& g, const PathBoard& board, int walker, float tx, float ty,
                          std::int32_t target, WalkSteps* steps)
{
    WalkForecast f;
    if (steps)
        steps->count = 0;
    if (walker < 1 || walker > kMaxUnit)
        return f;
    Unit w = g.U(walker);
    PathCells grid;
    std::int32_t left = LayPath(board, w, tx, ty, grid);
    f.starts = left >= 0;
    // Every step costs a point, so a walk is over within ActionsMax steps; the
    // bound only guards against a record whose points were never set.
    for (int guard = 0; f.starts && guard < 256; ++guard) {
        if (w.Actions == 0)
            break;
        const WalkDecision d = DecideStep(g, grid, walker, w, target, tx, ty);
        target = d.target;
        if (d.kind != WalkDecision::Step) {
            f.exchangeWith = d.target;
            break;
        }
        w.PosX += static_cast<float>(d.dx * kCell);
        w.PosY += static_cast<float>(d.dy * kCell);
        if (steps && steps->count < WalkSteps::kMost) {
            auto& cell = steps->cell[static_cast<std::size_t>(steps->count++)];
            cell[0] = static_cast<std::int8_t>(PlannedCell(w.PosX));
            cell[1] = static_cast<std::int8_t>(PlannedCell(w.PosY));
        }
        left -= 1;
        w.Actions -= (d.dx == 0 || d.dy == 0) ? 1 : 2;
        if (!(left >= 0 && w.Actions != 0))
            break;
    }
    f.endX = w.PosX;
    f.endY = w.PosY;
    f.actionsLeft = w.Actions;
    return f;
}

} // namespace gh
