#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gh::sim {

// Damaged saves: each is a sample save mutated once (flipped bytes, a cut,
// a key deleted or repeated, a value of the wrong type, a huge or negative
// number, deep nesting, invalid UTF-8, a very long text, or a plausible
// change of one value) and loaded the way the program loads a file over a
// live match. A fault is a refused file that changed the live match or gave
// no reason, or an accepted one that the list of saves cannot read, that
// breaks an invariant, does not save and load back to itself, or does not
// play on for a day.
struct FuzzResult {
    long long files = 0, refused = 0, accepted = 0, faults = 0;
    std::vector<std::string> faultNotes; // the first few faults, described
};

// The samples are the texts of saves that load.
FuzzResult FuzzSaves(const std::vector<std::string>& samples, long long files, std::uint64_t seed);

// The texts of every file in `dir` whose name ends with the save extension,
// in name order.
std::vector<std::string> ReadSampleSaves(const std::string& dir);

} // namespace gh::sim
