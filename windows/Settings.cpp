#include "windows/Settings.h"

#include <algorithm>

namespace gh {

std::int32_t AnimSpeedForSlider(int position)
{
    // Each position doubles the step: 90, 180, 360 or 720 twips a tick.
    position = std::clamp(position, kFrameSkipMin, kFrameSkipMax);
    return std::int32_t{1} << (position - 1);
}

int SliderForAnimSpeed(std::int32_t animSpeed)
{
    for (int position = kFrameSkipMin; position <= kFrameSkipMax; ++position)
        if (AnimSpeedForSlider(position) == animSpeed)
            return position;
    return kFrameSkipMin;
}

void ApplyFrameSkip(Game& g, int position)
{
    g.AnimSpeed = AnimSpeedForSlider(position);
}

void ApplyIdlePace(Game& g, int intervalMs)
{
    g.timers.SetInterval(TimerId::Tmr, std::clamp(intervalMs, kIdlePaceMin, kIdlePaceMax));
}

int IdlePace(const Game& g)
{
    return g.timers.Interval(TimerId::Tmr);
}

} // namespace gh
