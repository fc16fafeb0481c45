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

// Every format version has its samples, made as the same three moments:
// the sample of another version made as the same moment as `v1Name`.
inline std::string SampleOfVersion(const char* v1Name, int version)
{
    // One digit of version; built in place, as GCC 12 warns falsely
    // (-Wrestrict) on joining the pieces at -O3.
    std::string name(v1Name);
    name[1] = static_cast<char>('0' + version);
    return name;
}

} // namespace gh::testing
