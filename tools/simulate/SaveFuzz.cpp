#include "SaveFuzz.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <sstream>

#include <nlohmann/json.hpp>

#include "Invariants.h"
#include "Roundtrip.h"
#include "engine/Engine.h"
#include "save/SaveFormat.h"

namespace gh::sim {

namespace {

using Json = nlohmann::json;
using Pointer = Json::json_pointer;

// One sample, parsed once, with the path to every value in it.
struct Sample {
    std::string text;
    Json doc;
    std::vector<Pointer> all;     // every value, the root aside
    std::vector<Pointer> objects; // every object with at least one member
    std::vector<Pointer> numbers;
    std::vector<Pointer> strings;
    std::vector<Pointer> leaves; // in the match and the controls only
};

void Index(const Json& j, const Pointer& at, Sample& s)
{
    if (!at.empty())
        s.all.push_back(at);
    if (j.is_object()) {
        if (!j.empty())
            s.objects.push_back(at);
        for (auto it = j.begin(); it != j.end(); ++it)
            Index(it.value(), at / it.key(), s);
    } else if (j.is_array()) {
        for (std::size_t i = 0; i < j.size(); ++i)
            Index(j[i], at / i, s);
    } else {
        if (j.is_number())
            s.numbers.push_back(at);
        if (j.is_string())
            s.strings.push_back(at);
        const std::string top = at.empty() ? "" : Pointer(at).to_string().substr(1, 5);
        if (top == "match" || top == "contr")
            s.leaves.push_back(at);
    }
}

class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : rng_(seed) {}

    std::uint64_t Below(std::uint64_t n)
    {
        return n == 0 ? 0 : std::uniform_int_distribution<std::uint64_t>(0, n - 1)(rng_);
    }
    template <class T> const T& Pick(const std::vector<T>& v) { return v[Below(v.size())]; }

    // A mutated text and a word for what was done.
    std::string Mutate(Sample& s, std::string& what)
    {
        switch (Below(10)) {
        case 0: return FlipBytes(s.text, what);
        case 1: what = "truncated"; return s.text.substr(0, Below(s.text.size()));
        case 2: return DeleteKey(s, what);
        case 3: return DuplicateKey(s, what);
        case 4: return WrongType(s, what);
        case 5: return OddNumber(s, what);
        case 6: return DeepNesting(s, what);
        case 7: return BadUtf8(s, what);
        case 8: return LongString(s, what);
        default: return Plausible(s, what);
        }
    }

private:
    static std::string Dump(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); }

    std::string FlipBytes(std::string text, std::string& what)
    {
        const std::uint64_t n = 1 + Below(8);
        for (std::uint64_t i = 0; i < n && !text.empty(); ++i)
            text[Below(text.size())] ^= static_cast<char>(1 + Below(255));
        what = "flipped " + std::to_string(n) + " bytes";
        return text;
    }

    // The sample's own tree is changed for one dump and put back: copying
    // it for every file would cost more than loading the file.
    template <class F> static std::string WithValue(Json& slot, Json value, const F& text)
    {
        std::swap(slot, value);
        std::string out = text();
        std::swap(slot, value);
        return out;
    }

    std::string DeleteKey(Sample& s, std::string& what)
    {
        const Pointer& at = Pick(s.objects);
        Json& object = s.doc[at];
        auto it = object.begin();
        std::advance(it, static_cast<long>(Below(object.size())));
        const std::string key = it.key();
        Json value = std::move(it.value());
        object.erase(it);
        what = "deleted " + at.to_string() + "/" + key;
        std::string text = Dump(s.doc);
        object[key] = std::move(value);
        return text;
    }

    std::string DuplicateKey(Sample& s, std::string& what)
    {
        const Pointer& at = Pick(s.objects);
        Json& object = s.doc[at];
        auto it = object.begin();
        std::advance(it, static_cast<long>(Below(object.size())));
        const std::string key = it.key();
        Json value = it.value();
        if (Below(2) == 0 && value.is_number_integer())
            value = value.get<std::int64_t>() / 2 + 1; // the repeat differs from the first
        const std::string marker = "\x01repeat\x01";
        object[marker] = std::move(value);
        std::string text = Dump(s.doc);
        object.erase(marker);
        const std::string dumpedMarker = Dump(Json(marker));
        text.replace(text.find(dumpedMarker), dumpedMarker.size(), Dump(Json(key)));
        what = "repeated " + at.to_string() + "/" + key;
        return text;
    }

    Json OtherType(const Json& old)
    {
        switch (Below(7)) {
        case 0: return old.is_string() ? Json(12) : Json("12");
        case 1: return old.is_boolean() ? Json(1) : Json(true);
        case 2: return nullptr;
        case 3: return Json::array({old});
        case 4: return Json::object({{"value", old}});
        case 5: return old.is_number_float() ? Json("1.5") : Json(1.5);
        default: return old.is_number() ? Json(old.dump()) : Json(-3);
        }
    }

    std::string WrongType(Sample& s, std::string& what)
    {
        const Pointer& at = Pick(s.all);
        Json& slot = s.doc[at];
        what = "wrong type at " + at.to_string();
        return WithValue(slot, OtherType(slot), [&] { return Dump(s.doc); });
    }

    std::string OddNumber(Sample& s, std::string& what)
    {
        const Pointer& at = Pick(s.numbers);
        Json& slot = s.doc[at];
        // The samples' numbers are small: the arithmetic below cannot overflow.
        const std::int64_t old = static_cast<std::int64_t>(std::clamp(slot.get<double>(), -1e12, 1e12));
        Json v;
        switch (Below(12)) {
        case 0: v = std::numeric_limits<std::int64_t>::max(); break;
        case 1: v = std::numeric_limits<std::int64_t>::min(); break;
        case 2: v = std::numeric_limits<std::uint64_t>::max(); break;
        case 3: v = std::int64_t{1} << 31; break;
        case 4: v = -(std::int64_t{1} << 31) - 1; break;
        case 5: v = -1; break;
        case 6: v = 1e300; break;
        case 7: v = -1e-300; break;
        case 8: v = old * 1000 + 7; break;
        case 9: v = -old - 1; break;
        case 10: v = 32768; break;
        default: v = static_cast<std::int64_t>(Below(2000001)) - 1000000; break;
        }
        what = "number " + v.dump() + " at " + at.to_string();
        return WithValue(slot, std::move(v), [&] { return Dump(s.doc); });
    }

    std::string DeepNesting(Sample& s, std::string& what)
    {
        static constexpr std::uint64_t kDepths[] = {1, 2, 3, 6, 50, 10000, 1000000};
        const std::uint64_t depth = kDepths[Below(std::size(kDepths))];
        const bool objects = Below(2) == 0;
        std::string nest;
        for (std::uint64_t i = 0; i < depth; ++i)
            nest += objects ? "{\"a\":" : "[";
        nest += "1";
        for (std::uint64_t i = 0; i < depth; ++i)
            nest += objects ? "}" : "]";
        const Pointer& at = Pick(s.all);
        const std::string marker = "\x01nest\x01";
        std::string text = WithValue(s.doc[at], Json(marker), [&] { return Dump(s.doc); });
        const std::string dumpedMarker = Dump(Json(marker));
        text.replace(text.find(dumpedMarker), dumpedMarker.size(), nest);
        what = "nested " + std::to_string(depth) + " deep at " + at.to_string();
        return text;
    }

    std::string BadUtf8(const Sample& s, std::string& what)
    {
        static const char* const kBad[] = {"\xff",
                                           "\xc3\x28",
                                           "\xc0\xaf",
                                           "\xe0\x80\xaf",
                                           "\xed\xa0\x80",
                                           "\xf4\x90\x80\x80",
                                           "\xf8\x88\x80\x80\x80",
                                           "\x80",
                                           "\xe2\x82"};
        const std::string bad = kBad[Below(std::size(kBad))];
        std::string text = s.text;
        std::size_t at;
        if (Below(2) == 0 && !s.strings.empty()) {
            // Inside a text, where a reader that skipped the check would take it.
            const Json& value = s.doc[Pick(s.strings)];
            const std::string dumped = Dump(value);
            at = text.find(dumped);
            at = at == std::string::npos ? Below(text.size()) : at + 1;
        } else {
            at = Below(text.size());
        }
        text.insert(at, bad);
        what = "invalid UTF-8 at byte " + std::to_string(at);
        return text;
    }

    std::string LongString(Sample& s, std::string& what)
    {
        // Past the size a save may have once in a while: the rest test the
        // limits on names and captions.
        static constexpr std::size_t kLengths[] = {100, 32767, 32768, 98301, 98304, 200000, 100, 5000000};
        const std::size_t n = kLengths[Below(std::size(kLengths))];
        std::string text;
        const bool cyrillic = Below(2) == 0;
        while (text.size() < n)
            text += cyrillic ? "Ж" : "a";
        const Pointer& at = Pick(s.strings);
        what = "long text (" + std::to_string(n) + " bytes) at " + at.to_string();
        return WithValue(s.doc[at], Json(std::move(text)), [&] { return Dump(s.doc); });
    }

    // A change a careless hand or a bad sector might make that still looks
    // like a save: many of these load, and then must play.
    std::string Plausible(Sample& s, std::string& what)
    {
        const Pointer& at = Pick(s.leaves);
        Json v = s.doc[at];
        if (v.is_boolean())
            v = !v.get<bool>();
        else if (v.is_number_float())
            v = v.get<double>() + (Below(2) == 0 ? 720.0 : -720.0);
        else if (v.is_number_integer())
            v = v.get<std::int64_t>() + static_cast<std::int64_t>(Below(21)) - 10;
        else if (v.is_string())
            v = v.get<std::string>() + "ъ";
        what = "changed " + at.to_string() + " to " + v.dump().substr(0, 40);
        return WithValue(s.doc[at], std::move(v), [&] { return Dump(s.doc); });
    }

    std::mt19937_64 rng_;
};

std::string SaveText(const Game& g)
{
    return save::WriteSave(g, SimSummary());
}

} // namespace

std::vector<std::string> ReadSampleSaves(const std::string& dir)
{
    std::vector<std::filesystem::path> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && entry.path().extension() == std::string(save::kExtension))
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> texts;
    for (const auto& p : paths) {
        std::ifstream in(p, std::ios::binary);
        texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return texts;
}

FuzzResult FuzzSaves(const std::vector<std::string>& samples, long long files, std::uint64_t seed)
{
    FuzzResult result;
    std::vector<Sample> parsed;
    for (const std::string& text : samples) {
        Sample s;
        s.text = text;
        s.doc = Json::parse(text);
        Index(s.doc, Pointer(), s);
        parsed.push_back(std::move(s));
    }
    if (parsed.empty())
        return result;
    auto base = save::ReadSave(samples.front());
    if (!base)
        return result;

    // The match the files are loaded over, as the program keeps it: its
    // timers drive the rules.
    auto live = std::make_unique<Game>();
    BindTimers(*live);
    save::AdoptMatch(*live, *base.game);
    Mutator mutator(seed);

    auto fault = [&](const std::string& what, const std::string& note) {
        ++result.faults;
        if (result.faultNotes.size() < 10)
            result.faultNotes.push_back(what + ": " + note);
    };
    for (long long n = 0; n < files; ++n) {
        Sample& sample = parsed[mutator.Below(parsed.size())];
        std::string what;
        const std::string text = mutator.Mutate(sample, what);
        ++result.files;

        const std::unique_ptr<Game> before = std::make_unique<Game>(*live);
        save::LoadResult loaded = save::ReadSave(text);
        if (!loaded) {
            ++result.refused;
            if (loaded.error.empty())
                fault(what, "refused without a reason");
            if (!(live->Match() == before->Match()) ||
                !(static_cast<const FieldControls&>(*live) == static_cast<const FieldControls&>(*before)))
                fault(what, "a refused file changed the live match");
            continue;
        }
        ++result.accepted;
        // What loads must be listed too: the list of saves reads the summary alone.
        save::SaveSummary listed;
        std::string why;
        if (!save::ReadSummary(text, listed, why))
            fault(what, "accepted, but the list of saves cannot read it: " + why);
        if (std::string broken = CheckInvariants(*loaded.game); !broken.empty()) {
            fault(what, "accepted, breaks an invariant: " + broken);
            continue;
        }
        const std::string again = SaveText(*loaded.game);
        save::LoadResult reloaded = save::ReadSave(again);
        if (!reloaded || SaveText(*reloaded.game) != again) {
            fault(what, "accepted, but its own save does not load back: " + reloaded.error);
            continue;
        }
        save::AdoptMatch(*live, *loaded.game);
        HandToComputer(*live);
        if (std::string broken = PlayOn(*live, 1); !broken.empty())
            fault(what, "accepted, then " + broken);
        save::AdoptMatch(*live, *base.game);
    }
    return result;
}

} // namespace gh::sim
