#pragma once

#include <cstdint>

#include "world/Game.h"

// The two animation settings as the sliders of the settings dialog see them.
namespace gh {

// Frame skip while walking: slider positions 1..4 stand for AnimSpeed 1, 2, 4, 8.
inline constexpr int kFrameSkipMin = 1;
inline constexpr int kFrameSkipMax = 4;
// Idle animation pace: the slider's value is Tmr's interval in milliseconds.
inline constexpr int kIdlePaceMin = 1;
inline constexpr int kIdlePaceMax = 1001;

std::int32_t AnimSpeedForSlider(int position);
// The slider position that shows animSpeed; 1 for a value no position stands for.
int SliderForAnimSpeed(std::int32_t animSpeed);

void ApplyFrameSkip(Game& g, int position);
void ApplyIdlePace(Game& g, int intervalMs);
int IdlePace(const Game& g);

} // namespace gh
