#pragma once

#include <cstdint>

#include "world/Game.h"

namespace gh {

// The ground under a match is a picture only: nothing of the match reads it.
// Its pattern comes from what the heroes are (their names and sexes) and how
// they regard each other (Attitude, dealt once when the match is set up),
// which a match keeps from its first day to its last and a save keeps with
// it: the same match always lies on the same ground, loaded or not, and
// another match, even of the same heroes, most likely on other ground. It
// reads no random number and changes nothing. Should attitudes ever change
// during a match, the pattern must stop reading them.
std::uint64_t GroundPattern(const MatchState& m);

// The pictures, in tools/import-art's order: grass, dry grass, earth; then
// the bits: flowers, stones.
inline constexpr int kGroundGrass = 8;
inline constexpr int kGroundDry = 6;
inline constexpr int kGroundEarth = 7;
inline constexpr int kGroundPictures = kGroundGrass + kGroundDry + kGroundEarth;
inline constexpr int kGroundFlowers = 2;
inline constexpr int kGroundStones = 6;
inline constexpr int kGroundBits = kGroundFlowers + kGroundStones;

// One hex of the ground: which picture of each kind lies there and which
// small thing (a flower, a stone) lies on it. Hexes are counted in Wesnoth's
// layout: columns three quarters of a cell apart, the odd ones half a cell
// lower.
struct GroundHex {
    int grass = 1; // pictures 1..kGroundPictures, one of each kind
    int dry = kGroundGrass + 1;
    int earth = kGroundGrass + kGroundDry + 1;
    int bit = 0; // 0 none, 1..kGroundBits
};

// How much dry grass and bare earth show at a point of the field (in cells,
// fractions allowed), each 0 to 1: patches several cells across with soft
// edges, mostly none, so that the field reads as one meadow with worn
// places rather than a board of tiles.
struct GroundMix {
    double dry = 0;
    double earth = 0;
};
GroundMix GroundMixAt(std::uint64_t pattern, double x, double y);

// What lies on hex (column, row) of the ground of `pattern`; `mix` is the
// mix at the hex's centre (flowers grow on grass, not on earth).
GroundHex GroundHexAt(std::uint64_t pattern, int column, int row, GroundMix mix);

} // namespace gh
