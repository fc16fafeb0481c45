// grimhollow-sim: computer-only matches on the virtual clock.
//   --matches N  --heroes N or LO-HI (2..5)  --seed S  --days D
// With a range of heroes, match m takes LO + (seed + m) mod (HI - LO + 1)
// heroes, so a soak covers every size and each match still replays from its
// seed alone.
//   --strong 1,3   the strong computer player plays these hero slots at full
//                  strength (the same as --level 1=4,3=4)
//   --level 1=2,2=1  the computer's level in these hero slots (0 the game's
//                  own player .. 4 full strength); the rest keep the game's own
//   --ladder       plays each level against the one below it and each level
//                  against the game's own player, --matches matches of two
//                  heroes for every pair, the seats alternating, and prints
//                  a line a pair and the ladder's summary (Ladder.h)
//   --alternate    match m moves the seats' levels m slots on, round the heroes
//   --check-aids   checks the play aids at positions of every match instead
//                  (AidsCheck.h) and prints one line:
//                  aids: P positions, R reach mismatches, C cost mismatches, forecast error E %
//                  failing on any mismatch or a forecast error above 2 %
//   --roundtrip    save and load at every turn start instead of only playing:
//                  prints "roundtrip: M matches, S saves, D differences"
//   --fuzz-saves N load N damaged copies of the sample saves (--samples DIR,
//                  by default the committed ones): prints
//                  "save fuzz: N files, R refused, A accepted, F faults"
//   --verify-replays  plays the matches keeping their journals, writes each
//                  record (into --records DIR when given), reads it back and
//                  replays it, comparing the hash after every line: prints
//                  "replays: M matches, O orders, D mismatches"
//   --check-records DIR  reads and replays every record in DIR (records
//                  written by another build: the committed samples, or those
//                  another compiler's simulator wrote), comparing the hash
//                  after every line: prints "records: N files, L lines, D mismatches"
//   --fuzz-replays N  reads and replays N damaged copies of the sample
//                  records (--replay-samples DIR, by default the committed
//                  ones): prints "replay fuzz: N files, R refused, A accepted, F faults"
//   --network      network matches on a simulated network (Network.h): a host
//                  and a peer for every person, the people bots giving random
//                  orders the rules take; --faults adds stalls and cut
//                  connections. --days defaults to 3 here. Prints
//                  "network: M matches, O orders, D desyncs, L lost, X duplicated"
//                  and fails unless the last three are 0
//   --fuzz-network N  throws N damaged and hostile messages at a host: prints
//                  "net fuzz: N messages, R refused, F faults"
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "AidsCheck.h"
#include "Ladder.h"
#include "Network.h"
#include "Replays.h"
#include "Roundtrip.h"
#include "SaveFuzz.h"
#include "Simulation.h"
#include "ai/Levels.h"

namespace {

// A comma-separated list of hero slots 1..5.
bool ParseSlots(const char* text, std::array<bool, gh::kHeroes + 1>& slots)
{
    std::string list(text);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, end - start);
        if (item.size() != 1 || item[0] < '1' || item[0] > '5')
            return false;
        slots[static_cast<std::size_t>(item[0] - '0')] = true;
        start = end + 1;
    }
    return true;
}

// A comma-separated list of SLOT=LEVEL, slots 1..5 and levels 0..4.
bool ParseLevels(const char* text, gh::sim::Seats& levels)
{
    std::string list(text);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, end - start);
        if (item.size() != 3 || item[0] < '1' || item[0] > '5' || item[1] != '=' || item[2] < '0' ||
            item[2] > '0' + gh::kStrongestLevel)
            return false;
        levels[static_cast<std::size_t>(item[0] - '0')] = item[2] - '0';
        start = end + 1;
    }
    return true;
}

bool ParseNumber(const char* text, long long lo, long long hi, long long& out)
{
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (!end || *end != '\0' || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

// "N" or "LO-HI", within 2..5.
bool ParseHeroes(const char* text, int& lo, int& hi)
{
    const std::string s(text);
    const auto dash = s.find('-');
    long long a = 0, b = 0;
    if (dash == std::string::npos) {
        if (!ParseNumber(text, 2, 5, a))
            return false;
        lo = hi = static_cast<int>(a);
        return true;
    }
    if (!ParseNumber(s.substr(0, dash).c_str(), 2, 5, a) ||
        !ParseNumber(s.substr(dash + 1).c_str(), 2, 5, b) || a > b)
        return false;
    lo = static_cast<int>(a);
    hi = static_cast<int>(b);
    return true;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: grimhollow-sim [--matches N] [--heroes 2..5 | LO-HI] [--seed S] [--days D] "
                 "[--strong SLOT,SLOT...] [--level SLOT=L,...] [--alternate] [--ladder] [--roundtrip] "
                 "[--fuzz-saves N [--samples DIR]] [--check-aids] [--verify-replays [--records DIR]] "
                 "[--check-records DIR] [--fuzz-replays N [--replay-samples DIR]] [--network [--faults]] "
                 "[--fuzz-network N]\n");
    return 2;
}

constexpr double kMostForecastError = 2.0; // percent

int CheckAids(const gh::sim::Options& options, int heroesLo, int heroesHi)
{
    gh::sim::AidsTally total;
    const gh::sim::AidsCheckOptions check;
    for (int m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(m);
        gh::sim::Options match = options;
        match.heroes =
            heroesLo + static_cast<int>(seed % static_cast<std::uint64_t>(heroesHi - heroesLo + 1));
        gh::sim::MatchResult r;
        total.Add(gh::sim::CheckAidsInMatch(match, seed, check, r));
        if (!r.violation.empty()) {
            std::fprintf(stderr, "match %d (%d heroes): invariant broken: %s\n", m + 1, match.heroes,
                         r.violation.c_str());
            return 1;
        }
    }
    const double error = total.ForecastErrorPercent();
    std::printf("aids: %ld positions, %ld reach mismatches, %ld cost mismatches, forecast error %.2f %%\n",
                total.positions, total.reachMismatches, total.costMismatches, error);
    std::fflush(stdout);
    if (!total.firstMismatch.empty())
        std::fprintf(stderr, "first mismatch: %s\n", total.firstMismatch.c_str());
    std::fprintf(stderr,
                 "(%ld walks ordered; %ld exchanges fought for the forecast: life lost %+.2f %% / %+.2f %%, "
                 "deaths %+.2f / %+.2f points)\n",
                 total.walks, total.exchanges, 100.0 * total.lossGap[0] / std::max(1.0, total.lifeAtStake[0]),
                 100.0 * total.lossGap[1] / std::max(1.0, total.lifeAtStake[1]),
                 100.0 * total.deathGap[0] / std::max(1L, total.exchanges),
                 100.0 * total.deathGap[1] / std::max(1L, total.exchanges));
    const bool ok = total.reachMismatches == 0 && total.costMismatches == 0 && error <= kMostForecastError &&
                    total.positions > 0;
    return ok ? 0 : 1;
}

int Roundtrip(const gh::sim::Options& options, int heroesLo, int heroesHi)
{
    long long saves = 0, differences = 0;
    for (int m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(m);
        gh::sim::Options match = options;
        match.heroes =
            heroesLo + static_cast<int>(seed % static_cast<std::uint64_t>(heroesHi - heroesLo + 1));
        const gh::sim::RoundtripResult r = gh::sim::PlayRoundtrip(match, seed, gh::sim::SeatLevels(match, m));
        saves += r.saves;
        differences += r.differences;
        if (r.differences > 0)
            std::fprintf(stderr, "match %d (%d heroes): %d differences, the first: %s\n", m + 1, match.heroes,
                         r.differences, r.firstDifference.c_str());
        if (!r.violation.empty()) {
            std::fprintf(stderr, "match %d (%d heroes): invariant broken: %s\n", m + 1, match.heroes,
                         r.violation.c_str());
            ++differences;
        }
    }
    std::printf("roundtrip: %d matches, %lld saves, %lld differences\n", options.matches, saves, differences);
    return differences == 0 ? 0 : 1;
}

int FuzzSaves(long long files, std::uint64_t seed, const std::string& dir)
{
    const std::vector<std::string> samples = gh::sim::ReadSampleSaves(dir);
    if (samples.empty()) {
        std::fprintf(stderr, "no sample saves in %s\n", dir.c_str());
        return 2;
    }
    const gh::sim::FuzzResult r = gh::sim::FuzzSaves(samples, files, seed);
    for (const std::string& note : r.faultNotes)
        std::fprintf(stderr, "fault: %s\n", note.c_str());
    std::printf("save fuzz: %lld files, %lld refused, %lld accepted, %lld faults\n", r.files, r.refused,
                r.accepted, r.faults);
    return r.faults == 0 && r.files == files ? 0 : 1;
}

int VerifyReplays(const gh::sim::Options& options, int heroesLo, int heroesHi, const std::string& dir)
{
    long long orders = 0, mismatches = 0;
    for (int m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(m);
        gh::sim::Options match = options;
        match.heroes =
            heroesLo + static_cast<int>(seed % static_cast<std::uint64_t>(heroesHi - heroesLo + 1));
        const gh::sim::ReplayCheck r = gh::sim::VerifyReplay(match, seed, gh::sim::SeatLevels(match, m));
        if (!r.violation.empty()) {
            std::fprintf(stderr, "match %d (%d heroes): invariant broken: %s\n", m + 1, match.heroes,
                         r.violation.c_str());
            ++mismatches;
            continue;
        }
        orders += r.orders;
        mismatches += r.mismatches;
        if (r.mismatches > 0)
            std::fprintf(stderr, "match %d (%d heroes): %s\n", m + 1, match.heroes, r.firstMismatch.c_str());
        if (!dir.empty()) {
            const std::string name =
                dir + "/seed-" + std::to_string(seed) + std::string(gh::save::kRecordExtension);
            std::ofstream out(name, std::ios::binary);
            out << r.text;
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", name.c_str());
                return 2;
            }
        }
    }
    std::printf("replays: %d matches, %lld orders, %lld mismatches\n", options.matches, orders, mismatches);
    return mismatches == 0 ? 0 : 1;
}

int CheckRecords(const std::string& dir)
{
    const gh::sim::RecordFilesCheck r = gh::sim::CheckRecordFiles(dir);
    for (const std::string& note : r.notes)
        std::fprintf(stderr, "mismatch: %s\n", note.c_str());
    std::printf("records: %lld files, %lld lines, %lld mismatches\n", r.files, r.lines, r.mismatches);
    return r.mismatches == 0 && r.files > 0 ? 0 : 1;
}

int FuzzReplays(long long files, std::uint64_t seed, const std::string& dir)
{
    const std::vector<std::string> samples = gh::sim::ReadSampleRecords(dir);
    if (samples.empty()) {
        std::fprintf(stderr, "no sample records in %s\n", dir.c_str());
        return 2;
    }
    const gh::sim::ReplayFuzzResult r = gh::sim::FuzzReplays(samples, files, seed);
    for (const std::string& note : r.faultNotes)
        std::fprintf(stderr, "fault: %s\n", note.c_str());
    std::printf("replay fuzz: %lld files, %lld refused, %lld accepted, %lld faults\n", r.files, r.refused,
                r.accepted, r.faults);
    return r.faults == 0 && r.files == files ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    gh::sim::Options options;
    options.matches = 10;
    int heroesLo = options.heroes, heroesHi = options.heroes;
    bool roundtrip = false;
    bool verifyReplays = false;
    long long fuzzRecords = 0;
    std::string records;
    std::string checkRecords;
    std::string replaySamples = GH_SAMPLE_RECORDS;
    bool checkAids = false;
    bool ladder = false;
    bool network = false, faults = false, daysGiven = false;
    long long fuzzNetwork = 0;
    long long fuzzFiles = 0;
    std::string samples = GH_SAMPLE_SAVES;
    std::array<bool, gh::kHeroes + 1> strong{};
    for (int i = 1; i < argc; ++i) {
        const char* flag = argv[i];
        if (!std::strcmp(flag, "--alternate")) {
            options.alternate = true;
            continue;
        }
        if (!std::strcmp(flag, "--ladder")) {
            ladder = true;
            continue;
        }
        if (!std::strcmp(flag, "--check-aids")) {
            checkAids = true;
            continue;
        }
        if (!std::strcmp(flag, "--verify-replays")) {
            verifyReplays = true;
            continue;
        }
        if (!std::strcmp(flag, "--network")) {
            network = true;
            continue;
        }
        if (!std::strcmp(flag, "--faults")) {
            faults = true;
            continue;
        }
        if (!std::strcmp(flag, "--roundtrip")) {
            roundtrip = true;
            continue;
        }
        if (i + 1 >= argc)
            return Usage();
        long long v = 0;
        const char* value = argv[++i];
        if (!std::strcmp(flag, "--matches") && ParseNumber(value, 1, 1000000, v))
            options.matches = static_cast<int>(v);
        else if (!std::strcmp(flag, "--heroes") && ParseHeroes(value, heroesLo, heroesHi))
            options.heroes = heroesLo;
        else if (!std::strcmp(flag, "--seed") && ParseNumber(value, 0, 1LL << 62, v))
            options.seed = static_cast<std::uint64_t>(v);
        else if (!std::strcmp(flag, "--days") && ParseNumber(value, 1, 1000000, v)) {
            options.days = static_cast<int>(v);
            daysGiven = true;
        } else if (!std::strcmp(flag, "--fuzz-network") && ParseNumber(value, 1, 1LL << 40, v))
            fuzzNetwork = v;
        else if (!std::strcmp(flag, "--strong") && ParseSlots(value, strong)) {
        } else if (!std::strcmp(flag, "--level") && ParseLevels(value, options.level)) {
        } else if (!std::strcmp(flag, "--fuzz-saves") && ParseNumber(value, 1, 1LL << 40, v))
            fuzzFiles = v;
        else if (!std::strcmp(flag, "--samples"))
            samples = value;
        else if (!std::strcmp(flag, "--fuzz-replays") && ParseNumber(value, 1, 1LL << 40, v))
            fuzzRecords = v;
        else if (!std::strcmp(flag, "--records"))
            records = value;
        else if (!std::strcmp(flag, "--replay-samples"))
            replaySamples = value;
        else if (!std::strcmp(flag, "--check-records"))
            checkRecords = value;
        else
            return Usage();
    }
    for (int h = 1; h <= gh::kHeroes; ++h)
        if (strong[static_cast<std::size_t>(h)])
            options.level[static_cast<std::size_t>(h)] = gh::kStrongestLevel;
    if (ladder)
        return gh::sim::RunLadder(options) ? 0 : 1;
    if (fuzzNetwork > 0) {
        const gh::sim::NetFuzzResult r = gh::sim::FuzzNetwork(fuzzNetwork, options.seed);
        for (const std::string& n : r.notes)
            std::fprintf(stderr, "%s\n", n.c_str());
        std::printf("net fuzz: %lld messages, %lld refused, %lld faults\n", r.messages, r.refused, r.faults);
        return r.faults == 0 ? 0 : 1;
    }
    if (network) {
        gh::sim::NetworkOptions net;
        net.heroesLo = heroesLo;
        net.heroesHi = heroesHi;
        net.faults = faults;
        if (daysGiven)
            net.days = options.days;
        const gh::sim::NetworkResult r = gh::sim::PlayNetworkMatches(options, net);
        for (const std::string& n : r.notes)
            std::fprintf(stderr, "%s\n", n.c_str());
        std::printf("network: %lld matches, %lld orders, %lld desyncs, %lld lost, %lld duplicated\n", r.matches,
                    r.orders, r.desyncs, r.lost, r.duplicated);
        std::printf("  %lld proposals (%lld refused), %lld cuts, %lld stalls, %lld resyncs\n", r.proposals,
                    r.refused, r.cuts, r.stalls, r.resyncs);
        return r.desyncs == 0 && r.lost == 0 && r.duplicated == 0 && r.notes.empty() ? 0 : 1;
    }
    if (!checkRecords.empty())
        return CheckRecords(checkRecords);
    if (fuzzRecords > 0)
        return FuzzReplays(fuzzRecords, options.seed, replaySamples);
    if (verifyReplays)
        return VerifyReplays(options, heroesLo, heroesHi, records);
    if (fuzzFiles > 0)
        return FuzzSaves(fuzzFiles, options.seed, samples);
    if (checkAids)
        return CheckAids(options, heroesLo, heroesHi);
    if (roundtrip)
        return Roundtrip(options, heroesLo, heroesHi);

    const auto start = std::chrono::steady_clock::now();
    long long days = 0, ticks = 0;
    int bySize[6] = {};
    int won = 0, neutral = 0, fallen = 0, strongWon = 0;
    bool anyStrong = false, anyLevel = false;
    for (std::int32_t l : options.level) {
        anyStrong = anyStrong || l == gh::kStrongestLevel;
        anyLevel = anyLevel || (l != gh::kGameLevel && l != gh::kStrongestLevel);
    }
    std::array<int, gh::kStrongestLevel + 1> wonAt{};
    for (int m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(m);
        gh::sim::Options match = options;
        match.heroes =
            heroesLo + static_cast<int>(seed % static_cast<std::uint64_t>(heroesHi - heroesLo + 1));
        ++bySize[match.heroes];
        const auto seats = gh::sim::SeatLevels(match, m);
        const gh::sim::MatchResult r = gh::sim::PlayMatch(match, seed, nullptr, seats);
        days += r.days;
        ticks += static_cast<long long>(r.ticks);
        if (!r.violation.empty()) {
            std::fprintf(stderr, "match %d (%d heroes): invariant broken: %s\n", m + 1, match.heroes,
                         r.violation.c_str());
            return 1;
        }
        if (r.winner >= 0)
            ++won;
        if (r.winner == 0)
            ++neutral;
        if (r.winner > 0 && !r.winnerAlive)
            ++fallen;
        if (r.strongWinner)
            ++strongWon;
        if (r.winnerLevel >= 0)
            ++wonAt[static_cast<std::size_t>(r.winnerLevel)];
        std::string strongSeats, levelSeats;
        for (int h = 1; h <= gh::kHeroes; ++h) {
            const std::int32_t l = seats[static_cast<std::size_t>(h)];
            if (l == gh::kStrongestLevel) {
                if (!strongSeats.empty())
                    strongSeats += ',';
                strongSeats += std::to_string(h);
            }
            if (h <= match.heroes) {
                if (!levelSeats.empty())
                    levelSeats += ',';
                levelSeats += std::to_string(h) + "=" + std::to_string(l);
            }
        }
        // Runs with only the game's own and the full-strength player print
        // their lines as they always have.
        std::string seatsNote;
        if (anyLevel)
            seatsNote = ", levels " + levelSeats;
        else if (anyStrong)
            seatsNote = ", strong seats " + strongSeats;
        std::printf("match %d (seed %llu, %d heroes): %d days, winner: %s%s%s\n", m + 1,
                    static_cast<unsigned long long>(seed), match.heroes, r.days, r.winnerName.c_str(),
                    !anyLevel && anyStrong ? (r.strongWinner ? " (strong)" : "") : "", seatsNote.c_str());
        std::fflush(stdout);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("total: %d matches, %d won (%d by the neutral side, %d by a fallen hero), %d without a "
                "winner, %lld days (%.1f per match), %lld ticks, %.2f s, %.1f simulated days/s\n",
                options.matches, won, neutral, fallen, options.matches - won, days,
                static_cast<double>(days) / options.matches, ticks, seconds,
                seconds > 0 ? static_cast<double>(days) / seconds : 0.0);
    std::printf("matches by heroes: 2: %d, 3: %d, 4: %d, 5: %d\n", bySize[2], bySize[3], bySize[4],
                bySize[5]);
    if (anyStrong)
        std::printf("strong: won %d of %d matches with a winner (%.1f %%)\n", strongWon, won,
                    won > 0 ? 100.0 * strongWon / won : 0.0);
    if (anyLevel)
        for (int l = gh::kGameLevel; l <= gh::kStrongestLevel; ++l)
            std::printf("level %d (%s): won %d of %d matches with a winner (%.1f %%)\n", l,
                        gh::LevelName(l).c_str(), wonAt[static_cast<std::size_t>(l)], won,
                        won > 0 ? 100.0 * wonAt[static_cast<std::size_t>(l)] / won : 0.0);
    return 0;
}
