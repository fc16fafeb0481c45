#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

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

private:
    std::mt19937_64 gen_;
    std::size_t drawn_ = 0;
    bool pinned_ = false;
};

// Plays back a fixed sequence; after its end it repeats the last value
// (or 0 when empty) so a test that under-scripts still runs.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void Push(float v) { values_.push_back(v); }
    void Push(std::initializer_list<float> vs) { values_.insert(values_.end(), vs); }
    float Rnd() override;
    void Reseed() override { ++reseeds_; }
    std::size_t Drawn() const override { return drawn_; }
    std::size_t Reseeds() const { return reseeds_; }
    std::size_t Left() const { return drawn_ < values_.size() ? values_.size() - drawn_ : 0; }

private:
    std::vector<float> values_;
    std::size_t drawn_ = 0;
    std::size_t reseeds_ = 0;
};

} // namespace gh
