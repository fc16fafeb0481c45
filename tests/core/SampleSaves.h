// The committed sample saves, read as the tests find them.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace gh::testing {

inline std::string SampleSaveText(const std::string& name)
{
    std::ifstream in(std::string(GH_SAMPLE_SAVES) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline constexpr const char* kFirstTurnSample = "v1-two-heroes-first-turn.ghsave";
inline constexpr const char* kThirtyDaysSample = "v1-five-heroes-day-30.ghsave";
inline constexpr const char* kEndgameSample = "v1-one-blow-from-the-end.ghsave";

} // namespace gh::testing
