#pragma once

#include <random>

#include "engine/Order.h"
#include "world/Game.h"

namespace gh::net {

// What the network's tests, the simulator and the headless tools play with.

// The heroes set up as the selection dialog sets them (classes drawn from
// the match's generator, default names), the first `heroes` taking part and
// the first `persons` of them played by people.
void PrepareNetworkMatch(Game& g, int heroes, int persons);

// A random order the rules take now for `side`, as a person might give it: a
// walk or an exchange of one of its units (given as the strong hand gives
// them: the order points for itself), or, after `ordersThisTurn` reaches six
// or when nothing else is taken, the end of its turn.
Order BotOrder(const Game& g, int side, int ordersThisTurn, std::mt19937_64& rng);

} // namespace gh::net
