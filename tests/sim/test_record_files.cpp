// Records written by another build, read and replayed by this one: the
// committed samples verify, and a folder with a tampered, a cut or a foreign
// file says which record failed and why.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Replays.h"

namespace gh {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
}

// A folder of this test's own under the system's temporary folder, removed
// when the test ends.
struct ScratchDir {
    fs::path path;
    ScratchDir()
    {
        std::random_device seed;
        path = fs::temp_directory_path() / ("gh-record-files-" + std::to_string(seed()));
        fs::create_directories(path);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

std::vector<fs::path> Samples()
{
    std::vector<fs::path> out;
    for (const std::string& n : sim::RecordFileNames(GH_SAMPLE_RECORDS))
        out.emplace_back(n);
    return out;
}

// The count of order lines a record's closing line states.
long long StatedOrders(const std::string& text)
{
    const std::size_t last = text.find_last_of('\n', text.size() - 2);
    return nlohmann::json::parse(text.substr(last + 1)).at("orders").get<long long>();
}

TEST(RecordFiles, CommittedSamplesReplayToTheirOwnHashes)
{
    const std::vector<fs::path> samples = Samples();
    ASSERT_GE(samples.size(), 2u);
    long long stated = 0;
    for (const fs::path& p : samples)
        stated += StatedOrders(ReadText(p));

    const sim::RecordFilesCheck r = sim::CheckRecordFiles(GH_SAMPLE_RECORDS);
    EXPECT_EQ(r.files, static_cast<long long>(samples.size()));
    EXPECT_EQ(r.lines, stated);
    EXPECT_EQ(r.mismatches, 0);
    EXPECT_TRUE(r.notes.empty()) << r.notes.front();
}

TEST(RecordFiles, NamesEachRecordThatDoesNotVerify)
{
    const std::vector<fs::path> samples = Samples();
    ASSERT_GE(samples.size(), 1u);
    const std::string text = ReadText(samples.front());
    ScratchDir dir;

    // a: untouched; b: one order's hash changed halfway; c: cut in its
    // middle line; notes.txt: not a record at all, left alone.
    WriteText(dir.path / "a.ghrec", text);
    std::string tampered = text;
    const std::size_t middle = tampered.find("\"hash\":\"", tampered.size() / 2) + 8;
    ASSERT_LT(middle, tampered.size());
    tampered[middle] = tampered[middle] == '0' ? '1' : '0';
    WriteText(dir.path / "b.ghrec", tampered);
    WriteText(dir.path / "c.ghrec", text.substr(0, text.size() / 2));
    WriteText(dir.path / "notes.txt", "not a record");

    const sim::RecordFilesCheck r = sim::CheckRecordFiles(dir.path.string());
    EXPECT_EQ(r.files, 3);
    EXPECT_EQ(r.mismatches, 2);
    ASSERT_EQ(r.notes.size(), 2u);
    EXPECT_EQ(r.notes[0].rfind("b.ghrec: ", 0), 0u) << r.notes[0];
    EXPECT_EQ(r.notes[1].rfind("c.ghrec: ", 0), 0u) << r.notes[1];
    // The untouched copy still counts all its lines.
    EXPECT_GE(r.lines, StatedOrders(text));
}

TEST(RecordFiles, AnEmptyOrMissingFolderHasNoRecords)
{
    ScratchDir dir;
    const sim::RecordFilesCheck empty = sim::CheckRecordFiles(dir.path.string());
    EXPECT_EQ(empty.files, 0);
    EXPECT_EQ(empty.mismatches, 0);
    const sim::RecordFilesCheck missing = sim::CheckRecordFiles((dir.path / "nowhere").string());
    EXPECT_EQ(missing.files, 0);
}

} // namespace
} // namespace gh
