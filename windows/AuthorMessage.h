#pragma once

#include <string>

#include <cstdint>

// The author's message, apart from its window: the text, how bright a line
// is at a given height, how the speed keys move the speed and how the text
// rises and starts over. All in twips.
namespace gh {

inline constexpr int kAuthorLines = 40;        // lines 0..39
inline constexpr float kAuthorLineStep = 480;  // from one line's top to the next
inline constexpr float kAuthorTextLeft = 1200; // every line starts here
inline constexpr std::int16_t kAuthorStartSpeed = 30;
inline constexpr std::int16_t kAuthorMaxSpeed = 200;
inline constexpr std::int16_t kAuthorSpeedStep = 5;
inline constexpr float kAuthorWrapY = -20000; // the text starts over once it has risen this far

// Line lineNo of the message, UTF-8; empty lines and anything outside 0..39 give "".
const char* AuthorLine(int lineNo);

// Grey level 0..255 of a line whose top is at lineY when the brightest line
// is centerY: white within 1000 twips of the middle, then fading as 1/distance.
std::int32_t LineBrightness(float lineY, float centerY);

enum class SpeedKey { Other, Faster, Slower };

// The speed after one press of a key. The speed always stays in 0..200.
std::int16_t SpeedAfterKey(std::int16_t speed, SpeedKey key);

// The first line's y after one tick: up by the speed, or back under the
// bottom edge once the text has gone far enough above the top.
float ScrollStep(float scrollY, std::int16_t speed, float windowHeight);

} // namespace gh
