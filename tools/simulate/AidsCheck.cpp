#include "AidsCheck.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "engine/Aids.h"
#include "engine/Engine.h"
#include "engine/Order.h"
#include "engine/Placement.h"
#include "platform/Numbers.h"
#include "world/Units.h"

namespace gh::sim {

namespace {

constexpr int kLast = kPlannedCells - 1;
constexpr int kTickCap = 20000;

bool OwnUnit(const Game& g, int i)
{
    return g.U(i).Owner == g.ActiveHero || i == g.ActiveHero;
}

// A unit the side to move can fight.
bool LivingFoe(const Game& g, int i)
{
    return i > 0 && Game::ValidUnit(i) && g.U(i).OnField && g.U(i).Hp >= 1 && !OwnUnit(g, i);
}

// One copy of the match serves every order tried at a position: before each
// it is set back to the position, its timers staying bound to it.
struct Trial {
    explicit Trial(const Game& g) : work(g) { BindTimers(work); }

    void Reset(const Game& g)
    {
        static_cast<MatchState&>(work) = g;
        static_cast<Moment&>(work) = g;
        static_cast<FieldControls&>(work) = g;
        // The order is a person's: nothing is handed to the computer when the
        // walk ends, and the computer's own timer does not act meanwhile.
        work.HeroIsHuman[static_cast<std::size_t>(work.ActiveHero)] = true;
        work.timers.SetEnabled(TimerId::TmrEnemy, false);
    }

    // The pointer rests on the cell, then the click orders the unit there.
    bool Order(int who, float x, float y)
    {
        IsCellFree(work, x, y);
        return GiveOrder(work, {OrderKind::Walk, who, x, y}) == Refusal::None;
    }

    bool Walking() const { return work.InputMode == kModeWalk || work.timers.Enabled(TimerId::Tmr1); }
    bool Fighting() const
    {
        return work.ReturnBlowDue || work.timers.Enabled(TimerId::Tmr3) ||
               work.timers.Enabled(TimerId::Tmr2) || work.InputMode == kModeResult;
    }

    void TickWhile(bool (Trial::*busy)() const)
    {
        for (int n = 0; n < kTickCap && (this->*busy)(); ++n)
            work.timers.Tick();
    }

    Game work;
};

void Note(AidsTally& t, const Game& g, const std::string& what)
{
    if (!t.firstMismatch.empty())
        return;
    std::ostringstream out;
    out << "day " << g.Day << ", side " << g.ActiveHero << ": " << what;
    t.firstMismatch = out.str();
}

} // namespace

double AidsTally::ForecastErrorPercent() const
{
    double worst = 0;
    for (int side = 0; side < 2; ++side) {
        if (lifeAtStake[side] > 0)
            worst = std::max(worst, 100.0 * std::fabs(lossGap[side]) / lifeAtStake[side]);
        if (exchanges > 0)
            worst = std::max(worst, 100.0 * std::fabs(deathGap[side]) / static_cast<double>(exchanges));
    }
    return worst;
}

void AidsTally::Add(const AidsTally& o)
{
    positions += o.positions;
    walks += o.walks;
    reachMismatches += o.reachMismatches;
    costMismatches += o.costMismatches;
    exchanges += o.exchanges;
    for (int s = 0; s < 2; ++s) {
        lossGap[s] += o.lossGap[s];
        lifeAtStake[s] += o.lifeAtStake[s];
        deathGap[s] += o.deathGap[s];
    }
    if (firstMismatch.empty())
        firstMismatch = o.firstMismatch;
}

void CheckAidsAt(const Game& g, const AidsCheckOptions& options, std::uint64_t seed, AidsTally& tally,
                 const ReachOf& reachOf)
{
    tally.positions += 1;
    Trial trial(g);
    std::vector<std::pair<int, int>> fights; // opener, opponent
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);

    for (int u = 1; u <= last; ++u) {
        const Unit& walker = g.U(u);
        if (!walker.OnField || walker.Hp < 1 || walker.Kind == kKindRemains || !OwnUnit(g, u))
            continue;
        const Reach reach = reachOf ? reachOf(g, u) : ComputeReach(g, u);
        for (int col = 1; col <= kLast; ++col)
            for (int row = 1; row <= kLast; ++row) {
                const float x = static_cast<float>(col * kCell), y = static_cast<float>(row * kCell);
                const int there = OccupantAt(g, x, y);
                if (there != 0 && OwnUnit(g, there))
                    continue; // a click there selects it
                const WalkPreview preview = PreviewWalk(g, u, x, y);

                trial.Reset(g);
                tally.walks += 1;
                const std::int32_t before = trial.work.U(u).Actions;
                const bool started = trial.Order(u, x, y) && trial.Walking();
                trial.TickWhile(&Trial::Walking);
                const Unit& after = trial.work.U(u);
                const bool fought = trial.work.ReturnBlowDue && trial.work.Attacker == u;
                const int foe = fought ? trial.work.Defender : 0;
                const bool reached = !fought && after.PosX == x && after.PosY == y;

                std::ostringstream where;
                where << "unit " << u << " to cell " << col << "," << row;
                if (reached != reach.Reaches(col, row)) {
                    tally.reachMismatches += 1;
                    Note(tally, g, where.str() + (reached ? ": reached, not shown" : ": shown, not reached"));
                } else if (reached &&
                           before - after.Actions !=
                               reach.cost[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)]) {
                    tally.costMismatches += 1;
                    Note(tally, g, where.str() + ": a different cost");
                }
                if (LivingFoe(g, there) && (foe == there) != reach.Opposes(there)) {
                    tally.reachMismatches += 1;
                    Note(tally, g,
                         where.str() + (foe == there ? ": fought, not marked" : ": marked, not fought"));
                }
                // Every walk, reaching or not: where the preview says it
                // ends, with what is left, and whom it fights.
                const int previewFoe = LivingFoe(g, preview.exchangeWith) ? preview.exchangeWith : 0;
                if (started != preview.starts ||
                    (started && (preview.endX != after.PosX || preview.endY != after.PosY ||
                                 preview.actionsLeft != after.Actions || foe != previewFoe))) {
                    tally.costMismatches += 1;
                    Note(tally, g, where.str() + ": the walk does not end as previewed");
                }
                if (foe != 0 && foe == there && static_cast<int>(fights.size()) < 1000)
                    fights.emplace_back(u, foe);
            }
    }

    // The forecasts: some of the exchanges found, fought many times.
    if (fights.empty())
        return;
    for (int k = 0; k < options.exchangesPerPosition; ++k) {
        const auto [u, foe] =
            fights[static_cast<std::size_t>((seed + static_cast<std::uint64_t>(k) * 7919) % fights.size())];
        const Unit& foeUnit = g.U(foe);
        const WalkPreview walk = PreviewWalk(g, u, foeUnit.PosX, foeUnit.PosY);
        const ExchangeOdds odds = ForecastOpening(g, u, walk);
        const std::int32_t hp[2] = {g.U(u).Hp, foeUnit.Hp};
        for (int s = 0; s < options.seedsPerExchange; ++s) {
            trial.Reset(g);
            trial.work.Generator.Pin(seed * 1000003ull + static_cast<std::uint64_t>(k) * 1009 +
                                     static_cast<std::uint64_t>(s));
            trial.Order(u, foeUnit.PosX, foeUnit.PosY);
            trial.TickWhile(&Trial::Walking);
            trial.TickWhile(&Trial::Fighting);
            const std::int32_t left[2] = {trial.work.U(u).Hp, trial.work.U(foe).Hp};
            const double expectedLoss[2] = {odds.openerLoss, odds.otherLoss};
            const double expectedDeath[2] = {odds.openerDies, odds.otherDies};
            for (int side = 0; side < 2; ++side) {
                tally.lossGap[side] += (hp[side] - left[side]) - expectedLoss[side];
                tally.lifeAtStake[side] += hp[side];
                tally.deathGap[side] += (left[side] < 1 ? 1.0 : 0.0) - expectedDeath[side];
            }
            tally.exchanges += 1;
        }
    }
}

AidsTally CheckAidsInMatch(const Options& options, std::uint64_t seed, const AidsCheckOptions& check,
                           MatchResult& result)
{
    AidsTally tally;
    // Positions are taken between two orders of the side to move, spread
    // over the turns: each turn is one of `every`, at the first or a later
    // pause in it, so both fresh units and units with points spent are met.
    // Turns of the heroes and of the neutral side, over the days a match
    // usually lasts before a winner is found.
    const int turns = std::min(options.days, 40) * (options.heroes + 1);
    // Twice as many turns are picked as positions wanted: many matches end
    // well before the days run out.
    const int every = std::max(1, turns / std::max(1, 2 * check.positionsPerMatch));
    int checked = 0;
    std::int64_t turn = -1, pauses = 0;
    auto onTick = [&](Game& g) {
        if (checked >= check.positionsPerMatch || !g.MatchRunning || !FieldAtRest(g) ||
            !g.timers.Enabled(TimerId::TmrEnemy))
            return;
        const std::int64_t now = static_cast<std::int64_t>(g.Day) * 8 + g.ActiveHero;
        if (now != turn) {
            turn = now;
            pauses = 0;
        }
        const std::int64_t pick = static_cast<std::int64_t>((seed + static_cast<std::uint64_t>(now)) % 3);
        if (pauses++ != pick || (now + static_cast<std::int64_t>(seed)) % every != 0)
            return;
        CheckAidsAt(g, check, seed + static_cast<std::uint64_t>(now), tally);
        ++checked;
    };
    result = PlayMatch(options, seed, onTick, SeatLevels(options, 0));
    return tally;
}

} // namespace gh::sim
