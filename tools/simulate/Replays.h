#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Simulation.h"
#include "save/Record.h"

namespace gh::sim {

// One match played with its journal kept, the record written, read back
// into a fresh match and replayed tick by tick with the hash compared after
// every line and at the end.
struct ReplayCheck {
    long long orders = 0;     // lines of the record (orders and changes of the view)
    long long mismatches = 0; // 0 or 1: a replay stops at its first difference
    std::string firstMismatch;
    std::string violation; // an invariant the match itself broke
    std::string text;      // the record
};

// Plays the match as PlayMatch does (same seed, same draws) with a recorder
// attached, and checks its record.
ReplayCheck VerifyReplay(const Options& options, std::uint64_t seed,
                         const Seats& levels);

// Reads a record's text and replays it to its end: "" when it verifies,
// otherwise why not.
std::string VerifyRecordText(const std::string& text, long long* lines = nullptr);

// Damaged records, as the save fuzz damages saves: each sample mutated once
// (a flipped byte, a cut, a line dropped, repeated or swapped, a field
// deleted, a value changed or of the wrong type, a huge number, invalid
// UTF-8, a very long line) and read as the viewer reads a file. An accepted
// record is replayed to its end. A fault is a refused record without a
// reason, an exception, or an accepted one that replays without stopping at
// a difference yet ends away from its recorded hash.
struct ReplayFuzzResult {
    long long files = 0, refused = 0, accepted = 0, faults = 0;
    std::vector<std::string> faultNotes;
};
ReplayFuzzResult FuzzReplays(const std::vector<std::string>& samples, long long files, std::uint64_t seed);

// The paths of every record in `dir`, in name order, and their texts.
std::vector<std::string> RecordFileNames(const std::string& dir);
std::vector<std::string> ReadSampleRecords(const std::string& dir);

// Every record in `dir` read and replayed to its end, its hashes compared
// after every line: the hashes in the files were made by another build (the
// committed samples by GCC on Linux), so this shows whether this build plays
// the same. A note a record that does not verify ("name: why").
struct RecordFilesCheck {
    long long files = 0, lines = 0, mismatches = 0;
    std::vector<std::string> notes;
};
RecordFilesCheck CheckRecordFiles(const std::string& dir);

} // namespace gh::sim
