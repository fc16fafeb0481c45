#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "world/Game.h"

namespace gh::save {

// The state hash: 64 bits over the match's shared fields (world/Game.h says
// which those are) in a canonical form. Every field is fed under its name, in
// the order save/Layout.h lists them: integers as eight little-endian bytes,
// flags as one, floats as the four bytes of their IEEE-754 pattern, texts as
// their length and UTF-8 bytes, the generator as its state line and the
// timers as their numbers. The mix is FNV-1a (64-bit). Nothing in it depends
// on the compiler, the platform or where anything sits in memory; the suite
// holds it to fixed vectors.
std::uint64_t StateHash(const MatchState& m);

// FNV-1a, 64-bit, of raw bytes: the mix the state hash is made of.
std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t basis = 0xcbf29ce484222325ULL);

// Whether MatchState's field of this name (save/Layout.h) is part of the
// shared state; false for a seat's own view.
bool IsSharedField(std::string_view name);

// Sixteen lowercase hexadecimal digits, and back (false unless exactly that).
std::string HashText(std::uint64_t h);
bool ParseHashText(std::string_view text, std::uint64_t& out);

// A fingerprint of the rules: the tables of creatures and spells, the tick,
// the timers' paces and a revision number raised whenever a rule changes how
// a match plays. A record of a match played under other rules is refused.
std::uint64_t RulesFingerprint();

} // namespace gh::save
