#pragma once

#include <cmath>
#include <cstdint>

// The game's number semantics in one place. Whole numbers round the way the
// rules were tuned: Int() always towards minus infinity, CInt()/CLng() to the
// nearest whole number with halves going to the even neighbour.
namespace gh {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kCell = 720; // one battlefield cell, in twips

inline double RoundHalfEven(double x)
{
    double f = std::floor(x);
    double diff = x - f;
    if (diff < 0.5)
        return f;
    if (diff > 0.5)
        return f + 1.0;
    // exactly half: go to the even neighbour
    return (std::fmod(f, 2.0) == 0.0) ? f : f + 1.0;
}

inline std::int32_t Int(double x)
{
    return static_cast<std::int32_t>(std::floor(x));
}

inline std::int32_t CLng(double x)
{
    double r = RoundHalfEven(x);
    if (r > 2147483647.0)
        return 2147483647;
    if (r < -2147483648.0)
        return -2147483647 - 1;
    return static_cast<std::int32_t>(r);
}

// 16-bit like the game's Integer; out-of-range values saturate instead of
// overflowing (the rules never produce them for units made by CreateUnit).
inline std::int16_t CInt(double x)
{
    double r = RoundHalfEven(x);
    if (r > 32767.0)
        return 32767;
    if (r < -32768.0)
        return -32768;
    return static_cast<std::int16_t>(r);
}

inline int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace gh
