#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace gh {

// One source of random numbers for the whole game. The order in which rules
// draw is part of their behaviour, so tests replace it with a fixed sequence.
class Random {
public:
    virtual ~Random() = default;
    // Uniform single-precision value in [0, 1).
    virtual float Rnd() = 0;
    // Reseed from the clock.
    virtual void Reseed() = 0;
    // How many numbers have been drawn so far.
    virtual std::size_t Drawn() const = 0;
};

class ClockRandom final : public Random {
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed);
    float Rnd() override;
    void Reseed() override;
    // Fixed seeds keep simulator runs reproducible; Reseed is then ignored.
    void Pin(std::uint64_t seed);
    std::size_t Drawn() const override { return drawn_; }
    bool Pinned() const { return pinned_; }

    // The generator's whole state as one line of text: whether it is pinned,
    // how many numbers it has drawn, and the engine's own state. Restoring
    // it makes the generator draw exactly what the saved one would have.
    std::string State() const;
    // False, leaving the generator as it was, when `text` is not such a line.
    bool Restore(std::string_view text);

    friend bool operator==(const ClockRandom& a, const ClockRandom& b)
    {
        return a.pinned_ == b.pinned_ && a.drawn_ == b.drawn_ && a.gen_ == b.gen_;
    }

private:
    std::mt19937_64 gen_;
    std::size_t drawn_ = 0;
    bool pinned_ = false;
};

} // namespace gh
