// Writing a save: the match laid out by save/Layout.h, the summary beside it.
#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "save/Layout.h"
#include "save/SaveFormat.h"
#include "save/Text.h"

namespace gh::save {

namespace {

// Objects, and arrays of objects or arrays, near the top get a line per
// member; the rest (a unit record, a row of the spellbook, a timer) stays on
// one line, so a save reads well and two saves compare line by line.
constexpr int kExpandedLevels = 3;

void Indent(std::string& out, int depth)
{
    out += '\n';
    out.append(static_cast<std::size_t>(depth), ' ');
}

// Writes the text straight out, in the order the layout visits the fields:
// a save is written at every person's turn and must cost little.
class Writer {
public:
    // Opens an object at `depth` (the file's own object is at 0).
    Writer(std::string& out, int depth) : out_(out), depth_(depth), expanded_(depth < kExpandedLevels)
    {
        out_ += '{';
    }
    void Close()
    {
        if (expanded_ && !first_)
            Indent(out_, depth_);
        out_ += '}';
    }

    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(const char* key, const T& value)
    {
        Key(key);
        Leaf(value);
    }
    void operator()(const char* key, const std::string& value)
    {
        Key(key);
        Text(value);
    }
    void operator()(const char* key, const Rgb& c)
    {
        Key(key);
        const std::array<std::uint8_t, 3> parts{c.r, c.g, c.b};
        Row(parts);
    }
    template <class T, std::size_t N> void operator()(const char* key, const std::array<T, N>& values)
    {
        Key(key);
        Row(values);
    }
    template <class T, std::size_t R, std::size_t C> void operator()(const char* key, const T (&rows)[R][C])
    {
        Key(key);
        List(R, [&](std::size_t r) { Row(rows[r]); });
    }

    template <class T, class F> void Object(const char* key, const T& value, F visit)
    {
        Key(key);
        Writer w(out_, depth_ + 1);
        visit(value, w);
        w.Close();
    }
    template <class T, std::size_t N, class F>
    void Records(const char* key, const std::array<T, N>& records, F visit)
    {
        Key(key);
        List(N, [&](std::size_t i) {
            Writer w(out_, depth_ + 2);
            visit(records[i], w);
            w.Close();
        });
    }
    template <class T, class F> void Records(const char* key, const std::vector<T>& records, F visit)
    {
        Key(key);
        List(records.size(), [&](std::size_t i) {
            Writer w(out_, depth_ + 2);
            visit(records[i], w);
            w.Close();
        });
    }

    void Timers(const char* key, const Scheduler& s)
    {
        const Scheduler::State& st = s.Saved();
        Key(key);
        Writer w(out_, depth_ + 1);
        w("now", st.now);
        w("ticks", st.ticks);
        for (int i = 0; i < kTimerCount; ++i)
            w.Object(kTimerNames[i], st.timers[static_cast<std::size_t>(i)],
                     [](const Scheduler::TimerState& t, Writer& tw) {
                         tw("interval", t.interval);
                         tw("enabled", t.enabled);
                         tw("since", t.since);
                     });
        w.Close();
    }
    void Generator(const char* key, const ClockRandom& r)
    {
        Key(key);
        Text(r.State());
    }

private:
    void Key(const char* key)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        if (expanded_)
            Indent(out_, depth_ + 1);
        out_ += '"';
        out_ += key; // the layout's names need no escapes
        out_ += expanded_ ? "\": " : "\":";
    }

    // An array of n objects or arrays, a line each when it lies near the top.
    template <class F> void List(std::size_t n, F element)
    {
        const bool expanded = depth_ + 1 < kExpandedLevels && n > 0;
        out_ += '[';
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0)
                out_ += ',';
            if (expanded)
                Indent(out_, depth_ + 2);
            element(i);
        }
        if (expanded)
            Indent(out_, depth_ + 1);
        out_ += ']';
    }

    template <class Range> void Row(const Range& values)
    {
        out_ += '[';
        bool first = true;
        for (const auto& v : values) {
            if (!first)
                out_ += ',';
            first = false;
            Leaf(v);
        }
        out_ += ']';
    }

    template <class T> void Leaf(const T& v)
    {
        if constexpr (std::is_same_v<T, bool>) {
            out_ += v ? "true" : "false";
        } else if constexpr (std::is_floating_point_v<T>) {
            // Widened exactly; the shortest text of the double reads back as
            // this double, and so as this float, to the last bit. A whole
            // number keeps a decimal point, marking the field as a float.
            char buffer[32];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(v));
            const std::string_view text(buffer, static_cast<std::size_t>(r.ptr - buffer));
            out_ += text;
            if (text.find_first_of(".en") == std::string_view::npos)
                out_ += ".0";
        } else {
            char buffer[24];
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
            out_.append(buffer, r.ptr);
        }
    }

    void Text(const std::string& text)
    {
        // Texts were checked before saving; should a bad byte slip through it
        // is replaced rather than failing the save.
        out_ += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    std::string& out_;
    int depth_;
    bool expanded_;
    bool first_ = true;
};

void WriteSummary(const SaveSummary& s, Writer& w)
{
    w("gameVersion", CutAtCharacter(s.gameVersion, kMaxLabelBytes));
    w("savedAt", CutAtCharacter(s.savedAt, kMaxLabelBytes));
    w("title", CutAtCharacter(s.title, kMaxTitleBytes));
    w("autosave", s.autosave);
    w("day", s.day);
    w("activeHero", s.activeHero);
    w.Records("heroes", s.heroes, [](const SaveSummary::Hero& h, Writer& hw) {
        hw("slot", h.slot);
        hw("name", h.name);
        hw("unitType", h.unitType);
        hw("human", h.human);
        hw("alive", h.alive);
    });
}

} // namespace

std::string WriteSave(const Game& g, const SaveSummary& summary, const MatchMemory* memory)
{
    // What the list shows of the match is taken from the match itself, so
    // the two can never disagree; the caller names the save and the moment.
    const SaveSummary s = SummaryOf(g, summary.title, summary.autosave, summary.savedAt, summary.gameVersion);

    std::string out;
    out.reserve(96 * 1024);
    Writer w(out, 0);
    w("format", std::string(kFormatName));
    w("version", kFormatVersion);
    w.Object("summary", s, [](const SaveSummary& sum, Writer& sw) { WriteSummary(sum, sw); });
    w.Object("match", g.Match(), [](const MatchState& m, Writer& mw) { VisitMatch(m, mw); });
    w.Object("controls", static_cast<const FieldControls&>(g),
             [](const FieldControls& f, Writer& cw) { VisitControls(f, cw); });
    // Since format 3.
    static const MatchMemory kNone;
    const MatchMemory& m = memory ? *memory : kNone;
    std::vector<JournalEntry> log;
    const std::size_t from = m.log.size() > kMaxLogLines ? m.log.size() - kMaxLogLines : 0;
    for (std::size_t i = from; i < m.log.size(); ++i) {
        JournalEntry e = m.log[i];
        e.Text = CutAtCharacter(e.Text, kMaxLogLineBytes);
        log.push_back(std::move(e));
    }
    w.Records("log", log, [](const JournalEntry& e, Writer& lw) {
        lw("Day", e.Day);
        lw("Side", e.Side);
        lw("Turn", e.Turn);
        lw("Text", e.Text);
    });
    w("journal", m.journal);
    w.Close();
    out += '\n';
    return out;
}

} // namespace gh::save
