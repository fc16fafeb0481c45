#include "battlefield/GroundPattern.h"

#include <algorithm>
#include <cmath>

namespace gh {

namespace {

std::uint64_t Mix(std::uint64_t x)
{
    // splitmix64's finaliser: every input bit reaches every output bit.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t At(std::uint64_t pattern, std::uint64_t salt, int column, int row)
{
    return Mix(pattern ^ Mix(salt ^ Mix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32 |
                                        static_cast<std::uint32_t>(row))));
}

// A number in [0, 1) from a hash.
double Fraction(std::uint64_t h)
{
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

// Smooth noise: random values on a lattice, eased between; near points get
// near values.
double Noise(std::uint64_t pattern, std::uint64_t salt, double x, double y)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    auto ease = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = ease(x - fx), ty = ease(y - fy);
    auto v = [&](int dx, int dy) { return Fraction(At(pattern, salt, ix + dx, iy + dy)); };
    const double top = v(0, 0) + (v(1, 0) - v(0, 0)) * tx;
    const double bottom = v(0, 1) + (v(1, 1) - v(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

// Two octaves, so that the lattice does not show in the patches' outlines.
double Patches(std::uint64_t pattern, std::uint64_t salt, double x, double y, double span)
{
    return 0.7 * Noise(pattern, salt, x / span, y / span) +
           0.3 * Noise(pattern, salt + 100, x / (span * 0.4) + 17.3, y / (span * 0.4) + 5.1);
}

double SmoothStep(double from, double to, double v)
{
    const double t = std::clamp((v - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

} // namespace

std::uint64_t GroundPattern(const MatchState& m)
{
    // FNV-1a over the heroes' names and sexes and how they regard each other.
    std::uint64_t h = 14695981039346656037ull;
    auto add = [&](unsigned char b) {
        h ^= b;
        h *= 1099511628211ull;
    };
    for (int i = 1; i <= kHeroes; ++i) {
        const Unit& hero = m.Units[static_cast<std::size_t>(i)];
        for (char c : hero.Name)
            add(static_cast<unsigned char>(c));
        add(0);
        add(hero.IsMale ? 1 : 2);
        for (int j = 1; j <= kHeroes; ++j) {
            const auto a = static_cast<std::uint16_t>(m.Attitude[i][j]);
            add(static_cast<unsigned char>(a & 0xFF));
            add(static_cast<unsigned char>(a >> 8));
        }
    }
    return Mix(h);
}

GroundMix GroundMixAt(std::uint64_t pattern, double x, double y)
{
    GroundMix mix;
    mix.dry = SmoothStep(0.60, 0.75, Patches(pattern, 1, x, y, 4.0));
    mix.earth = SmoothStep(0.66, 0.78, Patches(pattern, 2, x, y, 2.6));
    return mix;
}

GroundHex GroundHexAt(std::uint64_t pattern, int column, int row, GroundMix mix)
{
    GroundHex hex;
    const std::uint64_t pick = At(pattern, 3, column, row);
    const double chance = Fraction(At(pattern, 4, column, row));
    // The plain grass is the commonest; its variants have tufts that would
    // pattern the field if every hex had one.
    hex.grass = (pick & 3) != 0 ? 1 : 1 + static_cast<int>((pick >> 8) % kGroundGrass);
    hex.dry = kGroundGrass + 1 + static_cast<int>((pick >> 16) % kGroundDry);
    hex.earth = kGroundGrass + kGroundDry + 1 + static_cast<int>((pick >> 24) % kGroundEarth);
    const bool grassy = mix.earth < 0.3;
    if (grassy && chance < 0.06)
        hex.bit = 1 + static_cast<int>((pick >> 32) % kGroundFlowers);
    else if (chance < (grassy ? 0.10 : 0.18))
        hex.bit = 1 + kGroundFlowers + static_cast<int>((pick >> 40) % kGroundStones);
    return hex;
}

} // namespace gh
