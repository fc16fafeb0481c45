// grimhollow-make-samples DIR: writes the sample saves of the current format
// into DIR. They were made once and committed under tests/data/saves/; they
// are never made again to suit a test. A new format version gets samples of
// its own beside the old ones, which must keep loading.
//
// Each is a match the simulator plays from a fixed seed, caught with its
// field at rest and its generator unpinned, as the program's is. The first
// two are caught at a turn start, the side about to move handed to a person
// as the program would have it; the third mid-turn, the computer about to
// strike the blow that decides the match.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "Invariants.h"
#include "Roundtrip.h"
#include "Simulation.h"
#include "engine/Engine.h"
#include "engine/Journal.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"

namespace {

using gh::Game;

void Unpin(Game& g)
{
    std::string state = g.Generator.State();
    state[0] = '0';
    g.Generator.Restore(state);
}

// A match with its journal of orders and its log kept from the start, as the
// program keeps them (since format 3).
struct Kept {
    std::unique_ptr<Game> g;
    gh::save::Recorder recorder;
    gh::Journal log;
};

// Heroes prepared as the selection dialog does, all the computer's for now.
// The generator is unpinned from the start: a match reseeds only as it is set
// up, so it draws the same numbers either way.
std::unique_ptr<Kept> NewMatch(std::uint64_t seed, int heroes, const gh::sim::Seats& levels)
{
    auto k = std::make_unique<Kept>();
    k->g = std::make_unique<Game>();
    Game& g = *k->g;
    g.Generator.Pin(seed);
    g.ComputerLevel = levels;
    gh::sim::PrepareMatch(g, heroes);
    gh::BindTimers(g);
    Unpin(g);
    g.events = &k->log;
    k->recorder.Begin(g, "0.1", "sample-" + std::to_string(seed));
    return k;
}

gh::save::MatchMemory MemoryOf(Kept& k)
{
    k.recorder.Sync();
    gh::save::MatchMemory m;
    m.journal = gh::save::WriteRecord(k.recorder.Journal());
    m.log.assign(k.log.Entries().begin(), k.log.Entries().end());
    return m;
}

// The side whose turn it is becomes a person's, at the start of its turn.
void GiveToPerson(Game& g)
{
    g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)] = true;
    g.timers.SetEnabled(gh::TimerId::TmrEnemy, false);
}

std::string Title(const Game& g)
{
    std::string names;
    for (int h = 1; h <= gh::kHeroes; ++h)
        if (g.U(h).OnField || g.U(h).Hp < 1)
            names += (names.empty() ? "" : ", ") + g.U(h).Name;
    return names + " — день " + std::to_string(g.Day);
}

// Samples are named after the format they are written in ("v2-..."), so that
// making the samples of a new version never touches an older version's.
bool Write(const std::string& dir, const std::string& stem, const Game& g,
           const gh::save::MatchMemory& memory)
{
    const std::string path = dir + "/v" + std::to_string(gh::save::kFormatVersion) + "-" + stem + ".ghsave";
    if (std::filesystem::exists(path)) {
        std::fprintf(stderr, "%s: already there; committed samples are never made again\n", path.c_str());
        return false;
    }
    if (std::string why = gh::save::CheckMatch(g); !why.empty()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), why.c_str());
        return false;
    }
    gh::save::SaveSummary s;
    s.title = Title(g);
    s.savedAt = "2026-12-09T10:15:00";
    s.gameVersion = "0.1";
    std::ofstream out(path, std::ios::binary);
    out << gh::save::WriteSave(g, s, &memory);
    std::printf("%s: day %d, side %d\n", path.c_str(), g.Day, g.ActiveHero);
    return static_cast<bool>(out);
}

int AliveHeroes(const Game& g)
{
    int n = 0;
    for (int h = 1; h <= gh::kHeroes; ++h)
        n += g.U(h).OnField && g.U(h).Hp >= 1 && g.U(h).Owner == h;
    return n;
}

// Plays until `wanted` says a turn start at rest is the moment.
bool PlayToTurn(Game& g, int days, const std::function<bool(const Game&)>& wanted)
{
    std::int32_t day = g.Day, side = g.ActiveHero;
    while (g.MatchRunning && g.Day <= days) {
        g.timers.Tick();
        if (!gh::sim::CheckInvariants(g).empty())
            return false;
        if (g.Day == day && g.ActiveHero == side)
            continue;
        day = g.Day;
        side = g.ActiveHero;
        if (gh::sim::AtRest(g) && wanted(g))
            return true;
    }
    return false;
}

bool SummonedCreatureAlive(const Game& g)
{
    for (int i = 11; i <= g.UnitCount; ++i)
        if (g.U(i).OnField && g.U(i).Hp >= 1)
            return true;
    return false;
}

bool RemainsOnField(const Game& g)
{
    for (int i = 1; i <= g.UnitCount; ++i)
        if (g.U(i).OnField && g.U(i).Kind == gh::kKindRemains)
            return true;
    return false;
}

bool SpentPages(const Game& g)
{
    for (int h = 1; h <= gh::kHeroes; ++h)
        for (int s = 0; s <= 20; ++s)
            if (g.Spellbook[h][s] == 0)
                return true;
    return false;
}

bool FirstTurn(const std::string& dir)
{
    gh::sim::Seats strong{};
    auto k = NewMatch(2, 2, strong);
    Game* g = k->g.get();
    if (g->ActiveHero != 1)
        return false;
    GiveToPerson(*g);
    return Write(dir, "two-heroes-first-turn", *g, MemoryOf(*k));
}

bool ThirtyDays(const std::string& dir)
{
    // Only the strong player calls creatures; one strong seat, moving round
    // the table from seed to seed, lets a match last a month.
    for (std::uint64_t seed = 1; seed < 5000; ++seed) {
        gh::sim::Seats strong{};
        strong[seed % gh::kHeroes + 1] = gh::kStrongestLevel;
        auto k = NewMatch(seed, 5, strong);
        Game* g = k->g.get();
        const bool found = PlayToTurn(*g, 40, [](const Game& m) {
            return m.Day >= 30 && m.ActiveHero >= 1 && AliveHeroes(m) >= 2 && SummonedCreatureAlive(m) &&
                   RemainsOnField(m) && SpentPages(m);
        });
        if (!found)
            continue;
        GiveToPerson(*g);
        return Write(dir, "five-heroes-day-30", *g, MemoryOf(*k));
    }
    return false;
}

// The last moment at rest before the blow that leaves one hero alive: the
// computer side is about to strike it.
bool OneBlowFromTheEnd(const std::string& dir)
{
    const gh::sim::Seats strong{};
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        auto k = NewMatch(seed, 3, strong);
        Game* g = k->g.get();
        std::unique_ptr<Game> atRest;
        gh::save::MatchMemory memoryAtRest;
        bool wasAtRest = false;
        while (g->MatchRunning && g->Day <= 200) {
            const bool rest = gh::sim::AtRest(*g) && AliveHeroes(*g) == 2;
            if (rest && !wasAtRest) {
                atRest = std::make_unique<Game>(*g);
                memoryAtRest = MemoryOf(*k);
            }
            wasAtRest = rest;
            g->timers.Tick();
            if (!gh::sim::CheckInvariants(*g).empty())
                break;
            if (AliveHeroes(*g) == 1 && g->MatchRunning) {
                // A field that stayed at rest for days before the blow is
                // not one blow from the end.
                if (!atRest || atRest->ActiveHero < 1 || g->Day > atRest->Day + 1)
                    break;
                return Write(dir, "one-blow-from-the-end", *atRest, memoryAtRest);
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '-' || !std::filesystem::is_directory(argv[1])) {
        std::fprintf(stderr, "usage: grimhollow-make-samples DIR   (an existing folder)\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = FirstTurn(dir);
    ok = ThirtyDays(dir) && ok;
    ok = OneBlowFromTheEnd(dir) && ok;
    return ok ? 0 : 1;
}
