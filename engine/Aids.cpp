#include "engine/Aids.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Order.h"
#include "platform/Numbers.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr int kLastPlanned = kPlannedCells - 1;

int LastUnit(const Game& g)
{
    return std::clamp(g.UnitCount, 0, kMaxUnit);
}

bool OwnUnit(const Game& g, int i)
{
    return g.U(i).Owner == g.ActiveHero || i == g.ActiveHero;
}

// The cell a coordinate lies in, rounding down; -1 outside the planned area.
int CellOf(float twips)
{
    const double c = std::floor(static_cast<double>(twips) / kCell);
    return c >= 0 && c <= kLastPlanned ? static_cast<int>(c) : -1;
}

float Corner(int cell)
{
    return static_cast<float>(cell * kCell);
}

constexpr std::uint8_t kFreeCell = 254;
constexpr std::uint8_t kTakenCell = 255;
constexpr std::int16_t kNoWay = 32767;

// The fewest steps from the walker's cell to every planned cell, through free
// cells only (a taken cell can be the last one). A walk ordered to a cell
// plans this very distance, from the other end over the same cells: it takes
// that many steps if it gets there at all, and finds no path where there is
// none.
using Steps = std::array<std::array<std::int16_t, kPlannedCells>, kPlannedCells>;
void StepsFrom(const PathBoard& board, int wc, int wr, Steps& steps)
{
    for (auto& column : steps)
        column.fill(kNoWay);
    std::array<std::uint16_t, kPlannedCells * kPlannedCells> queue;
    std::size_t head = 0, tail = 0;
    steps[static_cast<std::size_t>(wc)][static_cast<std::size_t>(wr)] = 0;
    queue[tail++] = static_cast<std::uint16_t>(wc * kPlannedCells + wr);
    while (head < tail) {
        const int c = queue[head] / kPlannedCells, r = queue[head] % kPlannedCells;
        ++head;
        const std::int16_t next =
            static_cast<std::int16_t>(steps[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] + 1);
        for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr) {
                const int nc = c + dc, nr = r + dr;
                if (nc < 1 || nr < 1 || nc > kLastPlanned || nr > kLastPlanned)
                    continue;
                std::int16_t& s = steps[static_cast<std::size_t>(nc)][static_cast<std::size_t>(nr)];
                if (s <= next)
                    continue;
                s = next;
                if (board.cells[nc][nr] == kFreeCell)
                    queue[tail++] = static_cast<std::uint16_t>(nc * kPlannedCells + nr);
            }
    }
}

} // namespace

bool ReachShown(const Game& g)
{
    if (g.ActiveHero < 0 || g.ActiveHero > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)])
        return false;
    const int s = g.Selected;
    if (s < 1 || s > kMaxUnit)
        return false;
    const Unit& u = g.U(s);
    if (!u.OnField || u.Hp < 1 || u.Actions <= 0)
        return false;
    // The door says whether the unit could be sent anywhere now; a walk
    // order is not refused for its cell.
    return CheckOrder(g, {OrderKind::Walk, s, 0, 0}) == Refusal::None;
}

std::int32_t PointerTarget(const Game& g, float x, float y)
{
    const int there = OccupantAt(g, x, y);
    return there != 0 ? there : g.Target;
}

bool Reach::Opposes(int unit) const
{
    return std::find(opponents.begin(), opponents.end(), unit) != opponents.end();
}

Reach ComputeReach(const Game& g, int walker)
{
    Reach r;
    for (auto& column : r.cost)
        column.fill(kOutOfReach);
    r.walker = walker;
    if (walker < 1 || walker > kMaxUnit)
        return r;
    const Unit& w = g.U(walker);
    r.actions = w.Actions;
    const int wc = CellOf(w.PosX);
    const int wr = CellOf(w.PosY);
    if (w.Actions <= 0 || wc < 0 || wr < 0)
        return r; // no step can be taken, or the planner never finds the walker

    PathBoard board;
    LayBoard(g, board);
    Steps steps;
    StepsFrom(board, wc, wr, steps);

    // Every step moves one cell and costs at least a point, so a walk that
    // ends on a cell took no fewer steps than the way there is long, and no
    // more than the walker has points: cells farther than that, or with no
    // way at all, are out of reach without asking. So are taken cells, which
    // a walk never steps onto. Every other cell is asked of the walk itself.
    for (int col = 1; col <= kLastPlanned; ++col)
        for (int row = 1; row <= kLastPlanned; ++row) {
            if (steps[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] > w.Actions ||
                (col == wc && row == wr))
                continue;
            if (board.cells[col][row] == kTakenCell)
                continue;
            const float x = Corner(col), y = Corner(row);
            const WalkForecast f = ForecastWalk(g, board, walker, x, y, PointerTarget(g, x, y));
            if (f.starts && f.exchangeWith == 0 && f.endX == x && f.endY == y)
                r.cost[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] =
                    static_cast<std::int16_t>(w.Actions - f.actionsLeft);
        }

    // An exchange opens at the start of a step, with a point still left:
    // after at most Actions - 1 steps, on a unit next to the walker or within
    // its range.
    const int farthest = w.Actions - 1 + std::max(1, w.AttackRange);
    for (int i = 1; i <= LastUnit(g); ++i) {
        const Unit& u = g.U(i);
        if (i == walker || !u.OnField || u.Hp < 1 || OwnUnit(g, i))
            continue;
        const int col = CellOf(u.PosX), row = CellOf(u.PosY);
        if (col < 1 || row < 1 || u.PosX != Corner(col) || u.PosY != Corner(row))
            continue; // the planner never plans towards it
        if (std::max(std::abs(col - wc), std::abs(row - wr)) > farthest ||
            steps[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] == kNoWay)
            continue;
        const WalkForecast f =
            ForecastWalk(g, board, walker, u.PosX, u.PosY, PointerTarget(g, u.PosX, u.PosY));
        if (f.starts && f.exchangeWith == i)
            r.opponents.push_back(i);
    }
    return r;
}

WalkPreview PreviewWalk(const Game& g, int walker, float x, float y)
{
    WalkPreview p;
    if (walker < 1 || walker > kMaxUnit)
        return p;
    PathBoard board;
    LayBoard(g, board);
    p.actionsBefore = g.U(walker).Actions;
    const WalkForecast f = ForecastWalk(g, board, walker, x, y, PointerTarget(g, x, y), &p.steps);
    p.starts = f.starts;
    p.actionsLeft = f.actionsLeft;
    p.exchangeWith = f.exchangeWith;
    p.endX = f.endX;
    p.endY = f.endY;
    p.arrives = f.starts && f.exchangeWith == 0 && f.endX == x && f.endY == y;
    return p;
}

ExchangeOdds ForecastOpening(const Game& g, int walker, const WalkPreview& walk)
{
    if (walker < 1 || walker > kMaxUnit || !Game::ValidUnit(walk.exchangeWith) || walk.exchangeWith == 0)
        return {};
    Unit opener = g.U(walker);
    opener.PosX = walk.endX;
    opener.PosY = walk.endY;
    return ForecastExchange(opener, g.U(walk.exchangeWith));
}

bool SummonFits(const Game& g, float x, float y)
{
    return CheckOrder(g, {OrderKind::Summon, g.ActiveHero, x, y}) == Refusal::None;
}

} // namespace gh
