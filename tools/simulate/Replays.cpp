#include "Replays.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

#include "Invariants.h"
#include "engine/Engine.h"
#include "save/Recorder.h"
#include "save/StateHash.h"

namespace gh::sim {

ReplayCheck VerifyReplay(const Options& options, std::uint64_t seed,
                         const Seats& levels)
{
    ReplayCheck result;
    auto game = std::make_unique<Game>();
    Game& g = *game;
    g.Generator.Pin(seed);
    g.ComputerLevel = levels;
    PrepareMatch(g, options.heroes);
    BindTimers(g);

    save::Recorder recorder;
    recorder.Begin(g, "sim", "sim-" + std::to_string(seed));
    std::int32_t day = g.Day;
    std::uint64_t dayStart = 0;
    while (g.MatchRunning && g.Day <= options.days) {
        g.timers.Tick();
        if (std::string broken = CheckInvariants(g); !broken.empty()) {
            result.violation = "seed " + std::to_string(seed) + ": " + broken;
            return result;
        }
        if (g.Day != day) {
            day = g.Day;
            dayStart = g.timers.Ticks();
        } else if (g.timers.Ticks() - dayStart > options.ticksPerDayCap) {
            result.violation = "seed " + std::to_string(seed) + ": stalled";
            return result;
        }
    }
    const save::Record record = recorder.Closed();
    recorder.Detach();
    result.text = save::WriteRecord(record);
    long long lines = 0;
    result.firstMismatch = VerifyRecordText(result.text, &lines);
    result.orders = lines;
    if (!result.firstMismatch.empty()) {
        result.firstMismatch = "seed " + std::to_string(seed) + ": " + result.firstMismatch;
        result.mismatches = 1;
    } else if (lines != static_cast<long long>(record.lines.size())) {
        result.firstMismatch = "seed " + std::to_string(seed) + ": the record read back has other lines";
        result.mismatches = 1;
    }
    return result;
}

std::string VerifyRecordText(const std::string& text, long long* lines)
{
    save::RecordReadResult read = save::ReadRecord(text, true);
    if (!read)
        return "the record does not read back: " + read.error;
    if (lines)
        *lines = static_cast<long long>(read.record.lines.size());
    save::Replayer replay(std::move(read.record), *read.start);
    if (!replay.PlayToEnd())
        return replay.Error();
    return {};
}

std::vector<std::string> RecordFileNames(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec))
        if (e.path().extension() == std::string(save::kRecordExtension))
            names.push_back(e.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

std::string ReadWhole(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::vector<std::string> ReadSampleRecords(const std::string& dir)
{
    std::vector<std::string> texts;
    for (const std::string& n : RecordFileNames(dir))
        texts.push_back(ReadWhole(n));
    return texts;
}

RecordFilesCheck CheckRecordFiles(const std::string& dir)
{
    RecordFilesCheck r;
    for (const std::string& n : RecordFileNames(dir)) {
        ++r.files;
        long long lines = 0;
        std::string why;
        try {
            why = VerifyRecordText(ReadWhole(n), &lines);
        } catch (const std::exception& e) {
            why = std::string("exception ") + e.what();
        }
        r.lines += lines;
        if (!why.empty()) {
            ++r.mismatches;
            r.notes.push_back(std::filesystem::path(n).filename().string() + ": " + why);
        }
    }
    return r;
}

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        out.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + '\n';
    return out;
}

// One mutation of a record's text.
std::string Mutate(const std::string& sample, std::mt19937_64& rng)
{
    auto pick = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rng() % n); };
    std::vector<std::string> lines = Lines(sample);
    // Mostly the order lines: the header holds a whole save, fuzzed on its own.
    const std::size_t li =
        lines.size() > 1 && rng() % 8 != 0 ? 1 + pick(lines.size() - 1) : pick(lines.size());
    std::string& line = lines[li];
    switch (rng() % 14) {
    case 0: // flipped bytes
        for (int i = 0, n = 1 + static_cast<int>(rng() % 4); i < n && !line.empty(); ++i)
            line[pick(line.size())] ^= static_cast<char>(1 << (rng() % 8));
        return Join(lines);
    case 1: // a cut
        return sample.substr(0, pick(sample.size()));
    case 2: // a line dropped
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(li));
        return Join(lines);
    case 3: // a line repeated
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(li), line);
        return Join(lines);
    case 4: { // two lines swapped
        const std::size_t other = pick(lines.size());
        std::swap(lines[li], lines[other]);
        return Join(lines);
    }
    case 5: { // a digit changed
        std::vector<std::size_t> digits;
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] >= '0' && line[i] <= '9')
                digits.push_back(i);
        if (!digits.empty())
            line[digits[pick(digits.size())]] = static_cast<char>('0' + rng() % 10);
        return Join(lines);
    }
    case 6: { // a field deleted
        const std::size_t comma = line.find(',', pick(line.size()));
        const std::size_t next = comma == std::string::npos ? comma : line.find(',', comma + 1);
        if (next != std::string::npos)
            line.erase(comma, next - comma);
        return Join(lines);
    }
    case 7: { // a huge or negative number
        const std::size_t colon = line.find(':', pick(line.size()));
        if (colon != std::string::npos) {
            static const char* kValues[] = {
                "-1",  "99999999999999999999", "1e308", "-2147483649", "0.5", "null", "\"x\"", "[]", "{}",
                "true"};
            const std::size_t end = line.find_first_of(",}", colon);
            if (end != std::string::npos)
                line.replace(colon + 1, end - colon - 1, kValues[rng() % 10]);
        }
        return Join(lines);
    }
    case 8: // invalid UTF-8
        line.insert(pick(line.size() + 1), std::string(1, static_cast<char>(0xC0 | (rng() % 2))));
        return Join(lines);
    case 9: // a very long line
        line.insert(pick(line.size() + 1), std::string(5000 + rng() % 5000, ' '));
        return Join(lines);
    case 10: // deep nesting
        line.insert(line.size() > 1 ? line.size() - 1 : 0, ",\"x\":[[[[[[1]]]]]]");
        return Join(lines);
    case 11: { // the closing line dropped
        if (lines.size() > 1)
            lines.pop_back();
        return Join(lines);
    }
    case 12: { // an order's cell moved by a cell
        const std::size_t at = line.find("\"x\":");
        if (at != std::string::npos) {
            const std::size_t end = line.find_first_of(",}", at);
            line.replace(at + 4, end - at - 4, std::to_string(720 * (rng() % 12)));
        }
        return Join(lines);
    }
    default: { // a line's hash changed
        const std::size_t h = line.find("\"hash\":\"");
        if (h != std::string::npos && h + 8 < line.size())
            line[h + 8 + pick(16)] = "0123456789abcdef"[rng() % 16];
        return Join(lines);
    }
    }
}

} // namespace

ReplayFuzzResult FuzzReplays(const std::vector<std::string>& samples, long long files, std::uint64_t seed)
{
    ReplayFuzzResult r;
    std::mt19937_64 rng(seed);
    auto fault = [&](std::string note) {
        ++r.faults;
        if (r.faultNotes.size() < 5)
            r.faultNotes.push_back(std::move(note));
    };
    for (long long i = 0; i < files && !samples.empty(); ++i) {
        const std::string& sample = samples[static_cast<std::size_t>(rng() % samples.size())];
        const std::string text = Mutate(sample, rng);
        ++r.files;
        try {
            save::RecordReadResult read = save::ReadRecord(text, true);
            if (!read) {
                ++r.refused;
                if (read.error.empty())
                    fault("file " + std::to_string(i) + ": refused without a reason");
                continue;
            }
            save::Replayer replay(read.record, *read.start);
            if (!replay.PlayToEnd()) {
                // Read, but it stops at a difference: the viewer refuses to go on.
                ++r.refused;
                if (replay.Error().empty())
                    fault("file " + std::to_string(i) + ": stopped without a reason");
                continue;
            }
            ++r.accepted;
            if (save::StateHash(replay.Match()) != read.record.end.hash)
                fault("file " + std::to_string(i) + ": replayed to another end");
        } catch (const std::exception& e) {
            fault("file " + std::to_string(i) + ": exception " + e.what());
        }
    }
    return r;
}

} // namespace gh::sim
