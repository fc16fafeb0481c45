#include "platform/Random.h"

#include <chrono>

namespace gh {

namespace {
std::uint64_t ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : gen_(ClockSeed()) {}
ClockRandom::ClockRandom(std::uint64_t seed) : gen_(seed), pinned_(true) {}

float ClockRandom::Rnd()
{
    ++drawn_;
    // 24 random bits make every single-precision step in [0, 1) reachable
    // and never produce 1.0 by rounding.
    return static_cast<float>(gen_() >> 40) * (1.0f / 16777216.0f);
}

void ClockRandom::Reseed()
{
    if (!pinned_)
        gen_.seed(ClockSeed());
}

void ClockRandom::Pin(std::uint64_t seed)
{
    gen_.seed(seed);
    pinned_ = true;
}

float ScriptedRandom::Rnd()
{
    float v = 0.0f;
    if (drawn_ < values_.size())
        v = values_[drawn_];
    else if (!values_.empty())
        v = values_.back();
    ++drawn_;
    return v;
}

} // namespace gh
