// Writing a save: the match laid out by save/Layout.h, the summary beside it.
#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "save/Layout.h"
#include "save/SaveFormat.h"
#include "save/Text.h"

namespace gh::save {

namespace {

// Keys keep the order they are written in, so every save of a match reads
// the same from top to bottom.
using Json = nlohmann::ordered_json;

class Writer {
public:
    explicit Writer(Json& object) : object_(object) {}

    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(const char* key, const T& value) { Put(key, Leaf(value)); }
    void operator()(const char* key, const std::string& value) { Put(key, Json(value)); }
    void operator()(const char* key, const Rgb& c) { Put(key, Json::array({c.r, c.g, c.b})); }
    template <class T, std::size_t N> void operator()(const char* key, const std::array<T, N>& values)
    {
        Json a = Json::array();
        for (const T& v : values)
            a.push_back(Leaf(v));
        Put(key, std::move(a));
    }
    template <class T, std::size_t R, std::size_t C> void operator()(const char* key, const T (&rows)[R][C])
    {
        Json a = Json::array();
        for (const auto& row : rows) {
            Json r = Json::array();
            for (const T& v : row)
                r.push_back(Leaf(v));
            a.push_back(std::move(r));
        }
        Put(key, std::move(a));
    }

    template <class T, class F> void Object(const char* key, const T& value, F visit)
    {
        Json sub = Json::object();
        Writer w(sub);
        visit(value, w);
        Put(key, std::move(sub));
    }
    template <class T, std::size_t N, class F>
    void Records(const char* key, const std::array<T, N>& records, F visit)
    {
        Json a = Json::array();
        for (const T& r : records) {
            Json sub = Json::object();
            Writer w(sub);
            visit(r, w);
            a.push_back(std::move(sub));
        }
        Put(key, std::move(a));
    }

    void Timers(const char* key, const Scheduler& s)
    {
        const Scheduler::State& st = s.Saved();
        Json sub = Json::object();
        Writer w(sub);
        w("now", st.now);
        w("ticks", st.ticks);
        for (int i = 0; i < kTimerCount; ++i) {
            const Scheduler::TimerState& t = st.timers[static_cast<std::size_t>(i)];
            Json one = Json::object();
            Writer tw(one);
            tw("interval", t.interval);
            tw("enabled", t.enabled);
            tw("since", t.since);
            w.Put(kTimerNames[i], std::move(one));
        }
        Put(key, std::move(sub));
    }
    void Generator(const char* key, const ClockRandom& r) { Put(key, Json(r.State())); }

    void Put(const char* key, Json value)
    {
        // The layout names every key once, so there is nothing to look up.
        object_.get_ref<Json::object_t&>().emplace_back(key, std::move(value));
    }

private:
    template <class T> static Json Leaf(const T& v)
    {
        if constexpr (std::is_same_v<T, bool>)
            return Json(v);
        else if constexpr (std::is_floating_point_v<T>)
            // Widened exactly; the shortest text of the double reads back
            // as this double, and so as this float, to the last bit.
            return Json(static_cast<double>(v));
        else if constexpr (std::is_signed_v<T>)
            return Json(static_cast<std::int64_t>(v));
        else
            return Json(static_cast<std::uint64_t>(v));
    }

    Json& object_;
};

// Objects and arrays of objects near the top get a line per member; the rest
// (a unit record, a row of the spellbook, a timer) stays on one line, so a
// save reads well and two saves compare line by line.
constexpr int kExpandedLevels = 3;

std::string Dump(const Json& j)
{
    // Texts were checked before saving; should a bad byte slip through it is
    // replaced rather than failing the save.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void Emit(const Json& j, int depth, std::string& out)
{
    const bool expand = depth < kExpandedLevels && !j.empty() &&
                        (j.is_object() || (j.is_array() && j.front().is_structured()));
    if (!expand) {
        out += Dump(j);
        return;
    }
    const bool object = j.is_object();
    out += object ? '{' : '[';
    bool first = true;
    for (auto it = j.begin(); it != j.end(); ++it) {
        out += first ? "\n" : ",\n";
        first = false;
        out.append(static_cast<std::size_t>(depth + 1), ' ');
        if (object) {
            out += Dump(Json(it.key()));
            out += ": ";
        }
        Emit(it.value(), depth + 1, out);
    }
    out += '\n';
    out.append(static_cast<std::size_t>(depth), ' ');
    out += object ? '}' : ']';
}

Json SummaryJson(const SaveSummary& s)
{
    Json j = Json::object();
    Writer w(j);
    w("gameVersion", CutAtCharacter(s.gameVersion, kMaxLabelBytes));
    w("savedAt", CutAtCharacter(s.savedAt, kMaxLabelBytes));
    w("title", CutAtCharacter(s.title, kMaxTitleBytes));
    w("autosave", s.autosave);
    w("day", s.day);
    w("activeHero", s.activeHero);
    Json heroes = Json::array();
    for (const SaveSummary::Hero& h : s.heroes) {
        Json one = Json::object();
        Writer hw(one);
        hw("slot", h.slot);
        hw("name", h.name);
        hw("unitType", h.unitType);
        hw("human", h.human);
        hw("alive", h.alive);
        heroes.push_back(std::move(one));
    }
    w.Put("heroes", std::move(heroes));
    return j;
}

} // namespace

std::string WriteSave(const Game& g, const SaveSummary& summary)
{
    // What the list shows of the match is taken from the match itself, so
    // the two can never disagree; the caller names the save and the moment.
    const SaveSummary s = SummaryOf(g, summary.title, summary.autosave, summary.savedAt, summary.gameVersion);

    Json root = Json::object();
    Writer w(root);
    w("format", std::string(kFormatName));
    w("version", kFormatVersion);
    w.Put("summary", SummaryJson(s));
    Json match = Json::object();
    Writer mw(match);
    VisitMatch(g.Match(), mw);
    w.Put("match", std::move(match));
    Json controls = Json::object();
    Writer cw(controls);
    VisitControls(static_cast<const FieldControls&>(g), cw);
    w.Put("controls", std::move(controls));

    std::string out;
    out.reserve(96 * 1024);
    Emit(root, 0, out);
    out += '\n';
    return out;
}

} // namespace gh::save
