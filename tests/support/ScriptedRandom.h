#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "platform/Random.h"

namespace gh {

// Plays back a fixed sequence; after its end it repeats the last value
// (or 0 when empty) so a test that under-scripts still runs.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void Push(float v) { values_.push_back(v); }
    void Push(std::initializer_list<float> vs) { values_.insert(values_.end(), vs); }
    float Rnd() override
    {
        float v = 0.0f;
        if (drawn_ < values_.size())
            v = values_[drawn_];
        else if (!values_.empty())
            v = values_.back();
        ++drawn_;
        return v;
    }
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
