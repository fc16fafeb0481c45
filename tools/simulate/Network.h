#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Simulation.h"

namespace gh::sim {

// Network matches on a simulated network: a host session and a peer session
// for every person, wired through a seeded fake network that delays
// messages (and, with faults, stalls a direction and cuts connections,
// each match at other message indices, the peer coming back with its
// token). Every person is a bot on its peer that proposes random orders the
// rules take (walks, exchanges, the end of its turn); the computer heroes
// and the neutral side play on every machine from the journal.
//
// At the end every peer is brought up to the host and compared: its journal
// line for line and its state hash. A desync is a peer whose replay found a
// difference or whose match ends elsewhere; a lost order is one a bot
// proposed that was never answered, or one the host took that the peer
// never saw taken; a duplicated one was taken twice.
struct NetworkOptions {
    int heroesLo = 2, heroesHi = 5; // match m: lo + (seed + m) mod (hi - lo + 1) heroes
    bool faults = false;
    int days = 3; // a match ends after this many days if no one has won
};

struct NetworkResult {
    long long matches = 0, orders = 0, desyncs = 0, lost = 0, duplicated = 0;
    long long proposals = 0, refused = 0, cuts = 0, stalls = 0, resyncs = 0;
    std::vector<std::string> notes; // what went wrong, a line each
};

NetworkResult PlayNetworkMatches(const Options& options, const NetworkOptions& net);

// Damaged and hostile messages thrown at a host in every state: random
// bytes, frames cut and mutated from real ones, lengths up to 4 GiB, orders
// for other sides, messages out of their state, floods. A fault is an
// exception, a sanitizer's report, a host that stops answering a good peer
// or a match changed by anything the host refused.
struct NetFuzzResult {
    long long messages = 0, refused = 0, faults = 0;
    std::vector<std::string> notes;
};
NetFuzzResult FuzzNetwork(long long messages, std::uint64_t seed);

} // namespace gh::sim
