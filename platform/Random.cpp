#include "platform/Random.h"

#include <chrono>
#include <sstream>

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

std::string ClockRandom::State() const
{
    std::ostringstream out;
    out << (pinned_ ? 1 : 0) << ' ' << drawn_ << ' ' << gen_;
    return out.str();
}

bool ClockRandom::Restore(std::string_view text)
{
    std::istringstream in{std::string(text)};
    int pinned = -1;
    std::size_t drawn = 0;
    std::mt19937_64 gen;
    in >> pinned >> drawn >> gen;
    if (in.fail() || (pinned != 0 && pinned != 1))
        return false;
    in >> std::ws;
    if (!in.eof())
        return false; // something after the engine's state: not one of ours
    gen_ = gen;
    drawn_ = drawn;
    pinned_ = pinned == 1;
    return true;
}

} // namespace gh
