// Reading a save: the text is measured before it is parsed, parsed with
// every key checked for repeats, brought up to the current format step by
// step, read field by field into a fresh match, and only then checked as a
// whole (save/Check.cpp).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/Texts.h"
#include "save/Layout.h"
#include "save/Record.h"
#include "save/SaveFormat.h"
#include "save/Text.h"
#include "save/Upgrades.h"
#include "world/Catalogue.h"

namespace gh::save {

namespace {

using Json = nlohmann::json;

constexpr std::size_t kMaxGeneratorText = 16 * 1024;

std::string Num(long long v)
{
    return std::to_string(v);
}

// The first thing found wrong; later findings are not looked for.
struct Problem {
    std::string text;
    bool Ok() const { return text.empty(); }
    void Fail(std::string t)
    {
        if (text.empty())
            text = std::move(t);
    }
};

std::string Field(const std::string& path)
{
    return "«" + path + "»";
}

// `path` gives the field's name in the file, asked for only when it is wrong.
template <class T, class P> bool ReadLeaf(const Json& j, const P& path, T& out, Problem& p)
{
    if constexpr (std::is_same_v<T, bool>) {
        if (!j.is_boolean()) {
            p.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть значением true или false."), {Field(path())}));
            return false;
        }
        out = j.get<bool>();
    } else if constexpr (std::is_floating_point_v<T>) {
        if (!j.is_number()) {
            p.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть числом."), {Field(path())}));
            return false;
        }
        const double d = j.get<double>();
        if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<T>::max()) {
            p.Fail(Fill(GH_TR("Decode", "Число в поле %1 слишком велико."), {Field(path())}));
            return false;
        }
        out = static_cast<T>(d);
    } else if constexpr (std::is_integral_v<T>) {
        if (!j.is_number_integer()) {
            p.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть целым числом."), {Field(path())}));
            return false;
        }
        bool fits;
        if (j.is_number_unsigned()) {
            const std::uint64_t u = j.get<std::uint64_t>();
            fits = u <= static_cast<std::uint64_t>(std::numeric_limits<T>::max());
            if (fits)
                out = static_cast<T>(u);
        } else {
            const std::int64_t s = j.get<std::int64_t>();
            if constexpr (std::is_signed_v<T>)
                fits = s >= std::numeric_limits<T>::min() && s <= std::numeric_limits<T>::max();
            else
                fits = s >= 0 && static_cast<std::uint64_t>(s) <= std::numeric_limits<T>::max();
            if (fits)
                out = static_cast<T>(s);
        }
        if (!fits) {
            p.Fail(Fill(GH_TR("Decode", "Число в поле %1 вне допустимых пределов."), {Field(path())}));
            return false;
        }
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (!j.is_string()) {
            p.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть строкой."), {Field(path())}));
            return false;
        }
        out = j.get_ref<const std::string&>();
    } else {
        static_assert(sizeof(T) == 0, "no reader for this field type");
    }
    return true;
}

template <class P> bool ExpectArray(const Json& j, std::size_t n, const P& path, Problem& p)
{
    if (!j.is_array() || j.size() != n) {
        p.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть массивом из %2 элементов."),
                    {Field(path()), Num(static_cast<long long>(n))}));
        return false;
    }
    return true;
}

std::string At(const std::string& path, std::size_t i)
{
    return path + "[" + std::to_string(i) + "]";
}

// Reads the members of one object in the order a layout names them, and
// refuses a member the layout does not name.
class Reader {
public:
    Reader(const Json& object, std::string path, Problem& problem)
        : object_(object), path_(std::move(path)), p_(problem)
    {
    }

    bool Ok() const { return p_.Ok(); }

    template <class T> void operator()(const char* key, T& out)
    {
        if (const Json* j = Find(key))
            ReadValue(
                *j, [this, key] { return Path(key); }, out);
    }

    template <class T, class F> void Object(const char* key, T& value, F visit)
    {
        const Json* j = Find(key);
        if (!j)
            return;
        if (!j->is_object()) {
            p_.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть объектом."), {Field(Path(key))}));
            return;
        }
        Reader sub(*j, Path(key), p_);
        visit(value, sub);
        sub.Finish();
    }

    template <class T, std::size_t N, class F>
    void Records(const char* key, std::array<T, N>& records, F visit)
    {
        const Json* j = Find(key);
        if (!j || !ExpectArray(
                      *j, N, [this, key] { return Path(key); }, p_))
            return;
        for (std::size_t i = 0; i < N && Ok(); ++i) {
            const Json& one = (*j)[i];
            const std::string path = At(Path(key), i);
            if (!one.is_object()) {
                p_.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть объектом."), {Field(path)}));
                return;
            }
            Reader sub(one, path, p_);
            visit(records[i], sub);
            sub.Finish();
        }
    }

    // A list of objects of any length up to `most`.
    template <class T, class F> void List(const char* key, std::vector<T>& out, std::size_t most, F visit)
    {
        const Json* j = Find(key);
        if (!j)
            return;
        if (!j->is_array() || j->size() > most) {
            p_.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть массивом не более чем из %2 элементов."),
                         {Field(Path(key)), Num(static_cast<long long>(most))}));
            return;
        }
        out.assign(j->size(), T{});
        for (std::size_t i = 0; i < j->size() && Ok(); ++i) {
            const std::string path = At(Path(key), i);
            if (!(*j)[i].is_object()) {
                p_.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть объектом."), {Field(path)}));
                return;
            }
            Reader sub((*j)[i], path, p_);
            visit(out[i], sub);
            sub.Finish();
        }
    }

    void Timers(const char* key, Scheduler& s)
    {
        const Json* j = Find(key);
        if (!j)
            return;
        if (!j->is_object()) {
            p_.Fail(Fill(GH_TR("Decode", "Поле %1 должно быть объектом."), {Field(Path(key))}));
            return;
        }
        Scheduler::State st;
        Reader r(*j, Path(key), p_);
        r("now", st.now);
        r("ticks", st.ticks);
        for (int i = 0; i < kTimerCount; ++i) {
            Scheduler::TimerState& t = st.timers[static_cast<std::size_t>(i)];
            r.Object(kTimerNames[i], t, [](Scheduler::TimerState& one, Reader& timer) {
                timer("interval", one.interval);
                timer("enabled", one.enabled);
                timer("since", one.since);
            });
        }
        r.Finish();
        if (Ok())
            s.Restore(st);
    }

    void Generator(const char* key, ClockRandom& r)
    {
        std::string text;
        (*this)(key, text);
        if (!Ok())
            return;
        if (text.size() > kMaxGeneratorText || !r.Restore(text))
            p_.Fail(Fill(GH_TR("Decode", "Состояние генератора случайных чисел (%1) повреждено."),
                         {Field(Path(key))}));
    }

    // Every member has been read: anything left is not part of the format.
    void Finish()
    {
        if (!Ok() || read_.size() == object_.size())
            return;
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            bool known = false;
            for (const char* k : read_)
                known = known || it.key() == k;
            if (!known) {
                p_.Fail(Fill(GH_TR("Decode", "В сохранении лишнее поле «%1.%2»."),
                             {path_, CutAtCharacter(it.key(), 60)}));
                return;
            }
        }
    }

private:
    std::string Path(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

    const Json* Find(const char* key)
    {
        if (!Ok())
            return nullptr;
        read_.push_back(key);
        const auto it = object_.find(key);
        if (it == object_.end()) {
            p_.Fail(Fill(GH_TR("Decode", "В сохранении нет поля %1."), {Field(Path(key))}));
            return nullptr;
        }
        return &*it;
    }

    template <class T, class P> void ReadValue(const Json& j, const P& path, T& out)
    {
        ReadLeaf(j, path, out, p_);
    }
    template <class P> void ReadValue(const Json& j, const P& path, Rgb& c)
    {
        std::array<std::uint8_t, 3> v{};
        ReadValue(j, path, v);
        c = {v[0], v[1], v[2]};
    }
    template <class T, std::size_t N, class P>
    void ReadValue(const Json& j, const P& path, std::array<T, N>& out)
    {
        if (!ExpectArray(j, N, path, p_))
            return;
        for (std::size_t i = 0; i < N && Ok(); ++i)
            ReadLeaf(
                j[i], [&] { return At(path(), i); }, out[i], p_);
    }
    template <class T, std::size_t R, std::size_t C, class P>
    void ReadValue(const Json& j, const P& path, T (&rows)[R][C])
    {
        if (!ExpectArray(j, R, path, p_))
            return;
        for (std::size_t r = 0; r < R && Ok(); ++r) {
            auto rowPath = [&] { return At(path(), r); };
            if (!ExpectArray(j[r], C, rowPath, p_))
                return;
            for (std::size_t c = 0; c < C && Ok(); ++c)
                ReadLeaf(
                    j[r][c], [&] { return At(rowPath(), c); }, rows[r][c], p_);
        }
    }

    const Json& object_;
    std::string path_;
    Problem& p_;
    std::vector<const char*> read_;
};

// ---- the text before it is parsed --------------------------------------

std::string CheckEnvelope(std::string_view text)
{
    if (text.empty())
        return GH_TR("Decode", "Файл пуст.");
    if (text.size() > kMaxSaveBytes)
        return Fill(GH_TR("Decode",
                          "Файл слишком велик для сохранения: %1 байт, а сохранение бывает не больше %2 МБ."),
                    {Num(static_cast<long long>(text.size())),
                     Num(static_cast<long long>(kMaxSaveBytes / 1024 / 1024))});
    const TextCheck t = CheckText(text);
    if (!t.valid)
        return Fill(GH_TR("Decode", "Файл не в кодировке UTF-8 (ошибка в байте %1)."),
                    {Num(static_cast<long long>(t.badAt))});
    if (NestingDepth(text, kMaxNesting) > kMaxNesting)
        return GH_TR("Decode", "Данные в файле вложены глубже, чем бывает в сохранении.");
    return {};
}

// Parses the text, refusing a key repeated within one object (a JSON reader
// would keep only one of them silently). With `summaryOnly` the match and the
// controls are parsed but not kept.
std::string Parse(std::string_view text, Json& out, bool summaryOnly)
{
    // The keys seen so far in the object open at each depth. The parser
    // gives the depth of every event, also inside parts it does not keep,
    // where it reports no ends.
    std::vector<std::vector<std::string>> keys(static_cast<std::size_t>(kMaxNesting) + 2);
    std::string repeated;
    auto callback = [&](int depth, Json::parse_event_t event, Json& parsed) -> bool {
        const auto d = static_cast<std::size_t>(depth);
        if (d + 1 >= keys.size())
            return true; // deeper than the format goes: refused before parsing
        if (event == Json::parse_event_t::object_start) {
            keys[d + 1].clear();
        } else if (event == Json::parse_event_t::key) {
            const std::string& k = parsed.get_ref<const std::string&>();
            std::vector<std::string>& seen = keys[d];
            if (repeated.empty())
                for (const std::string& other : seen)
                    if (other == k)
                        repeated = k;
            seen.push_back(k);
            return !(summaryOnly && depth == 1 &&
                     (k == "match" || k == "controls" || k == "log" || k == "journal"));
        }
        return true;
    };
    try {
        out = Json::parse(text.begin(), text.end(), callback);
    } catch (const Json::parse_error& e) {
        return Fill(GH_TR("Decode", "Файл повреждён: это не JSON или он оборван (ошибка около байта %1)."),
                    {Num(static_cast<long long>(e.byte))});
    } catch (const Json::exception&) {
        return GH_TR("Decode", "Файл повреждён: его не удалось разобрать.");
    }
    if (!repeated.empty())
        return Fill(GH_TR("Decode", "Поле «%1» встречается в одном объекте дважды."),
                    {CutAtCharacter(repeated, 60)});
    return {};
}

// The format's name and version, and the steps up to the current version.
std::string CheckFormat(Json& doc, int& version, bool& newer)
{
    if (!doc.is_object())
        return GH_TR("Decode", "Файл не похож на сохранение игры.");
    const auto name = doc.find("format");
    if (name == doc.end() || !name->is_string() || name->get_ref<const std::string&>() != kFormatName)
        return GH_TR("Decode", "Файл не является сохранением этой игры.");
    const auto v = doc.find("version");
    if (v == doc.end() || !v->is_number_integer() ||
        (v->is_number_unsigned() && v->get<std::uint64_t>() > 1000000) || v->get<std::int64_t>() < 1 ||
        v->get<std::int64_t>() > 1000000)
        return GH_TR("Decode", "Версия формата сохранения не указана или повреждена.");
    version = static_cast<int>(v->get<std::int64_t>());
    if (version > kFormatVersion) {
        newer = true;
        return Fill(GH_TR("Decode", "Сохранение сделано более новой версией игры (формат %1, а эта версия "
                                    "читает форматы до %2). Обновите игру, чтобы открыть его."),
                    {Num(version), Num(kFormatVersion)});
    }
    for (int from = version; from < kFormatVersion; ++from) {
        const Upgrade step = UpgradeFrom(from);
        if (!step)
            return Fill(GH_TR("Decode", "Сохранение формата %1 этой версией игры не читается."), {Num(from)});
        if (std::string why = step(doc); !why.empty())
            return why;
        doc["version"] = from + 1;
    }
    return {};
}

void ReadSummaryFields(Reader& r, SaveSummary& s)
{
    r("gameVersion", s.gameVersion);
    r("savedAt", s.savedAt);
    r("title", s.title);
    r("autosave", s.autosave);
    r("day", s.day);
    r("activeHero", s.activeHero);
    r.List("heroes", s.heroes, kHeroes, [](SaveSummary::Hero& h, Reader& hr) {
        hr("slot", h.slot);
        hr("name", h.name);
        hr("unitType", h.unitType);
        hr("human", h.human);
        hr("alive", h.alive);
    });
}

std::string CheckSummary(const SaveSummary& s)
{
    for (const std::string* label : {&s.gameVersion, &s.savedAt})
        if (label->size() > kMaxLabelBytes || CheckText(*label).hasControl)
            return GH_TR("Decode", "Версия игры или время сохранения в файле испорчены.");
    if (s.title.size() > kMaxTitleBytes || CheckText(s.title).hasControl)
        return GH_TR("Decode", "Название сохранения слишком длинное или содержит управляющие знаки.");
    if (s.day < 0 || s.activeHero < 0 || s.activeHero > kHeroes)
        return GH_TR("Decode", "День или ходящий герой в сводке сохранения вне допустимых пределов.");
    int last = 0;
    for (const SaveSummary::Hero& h : s.heroes) {
        if (h.slot <= last || h.slot > kHeroes)
            return GH_TR("Decode", "Герои в сводке сохранения перечислены не по порядку мест.");
        last = h.slot;
        if (CheckText(h.name).utf16Units > kMaxNameUnits)
            return GH_TR("Decode", "Имя героя в сводке сохранения слишком длинное.");
        if (h.unitType < 0 || h.unitType > kTypeCount)
            return GH_TR("Decode", "Класс героя в сводке сохранения неизвестен.");
    }
    return {};
}

std::string CheckLog(const std::vector<JournalEntry>& log)
{
    for (const JournalEntry& e : log) {
        if (e.Day < 0 || e.Side < -1 || e.Side > kHeroes)
            return GH_TR("Decode", "Строка журнала в сохранении: день или сторона вне допустимых пределов.");
        if (e.Text.size() > kMaxLogLineBytes || CheckText(e.Text).hasControl)
            return GH_TR("Decode",
                         "Строка журнала в сохранении слишком длинная или содержит управляющие знаки.");
    }
    return {};
}

bool SameHeroes(const SaveSummary& a, const SaveSummary& b)
{
    if (a.heroes.size() != b.heroes.size())
        return false;
    for (std::size_t i = 0; i < a.heroes.size(); ++i) {
        const SaveSummary::Hero &x = a.heroes[i], &y = b.heroes[i];
        if (x.slot != y.slot || x.name != y.name || x.unitType != y.unitType || x.human != y.human ||
            x.alive != y.alive)
            return false;
    }
    return true;
}

} // namespace

LoadResult ReadSave(std::string_view text)
{
    LoadResult result;
    if (std::string why = CheckEnvelope(text); !why.empty()) {
        result.error = why;
        return result;
    }
    Json doc;
    if (std::string why = Parse(text, doc, false); !why.empty()) {
        result.error = why;
        return result;
    }
    int version = 0;
    if (std::string why = CheckFormat(doc, version, result.newerVersion); !why.empty()) {
        result.summary.version = version;
        result.error = why;
        return result;
    }

    auto game = std::make_unique<Game>();
    Problem p;
    Reader top(doc, "", p);
    std::string format;
    int fileVersion = 0;
    top("format", format);
    top("version", fileVersion);
    SaveSummary summary;
    top.Object("summary", summary, [](SaveSummary& s, Reader& r) { ReadSummaryFields(r, s); });
    top.Object("match", game->Match(), [](MatchState& m, Reader& r) { VisitMatch(m, r); });
    top.Object("controls", static_cast<FieldControls&>(*game),
               [](FieldControls& f, Reader& r) { VisitControls(f, r); });
    top.List("log", result.memory.log, kMaxLogLines, [](JournalEntry& e, Reader& r) {
        r("Day", e.Day);
        r("Side", e.Side);
        r("Turn", e.Turn);
        r("Text", e.Text);
    });
    top("journal", result.memory.journal);
    top.Finish();
    if (p.Ok())
        p.Fail(CheckLog(result.memory.log));
    if (p.Ok())
        p.Fail(CheckSummary(summary));
    if (p.Ok())
        p.Fail(CheckMatch(*game));
    if (p.Ok()) {
        const SaveSummary own =
            SummaryOf(*game, summary.title, summary.autosave, summary.savedAt, summary.gameVersion);
        if (own.day != summary.day || own.activeHero != summary.activeHero || !SameHeroes(own, summary))
            p.Fail(GH_TR("Decode", "Сводка сохранения (день, герои) не совпадает с самой партией."));
    }
    if (p.Ok() && !result.memory.journal.empty()) {
        const RecordReadResult journal = ReadRecord(result.memory.journal, false);
        if (journal.otherRules)
            result.memory.journal.clear();
        else if (!journal)
            p.Fail(Fill(GH_TR("Decode", "Журнал приказов в сохранении повреждён: %1"), {journal.error}));
        else if (journal.record.closed)
            p.Fail(GH_TR("Decode", "Журнал приказов в сохранении закрыт, хотя партия продолжается."));
        else if (!journal.record.lines.empty() && journal.record.lines.back().tick > game->timers.Ticks())
            p.Fail(GH_TR("Decode", "Журнал приказов в сохранении уходит дальше самой партии."));
        else if (journal.start->timers.Ticks() > game->timers.Ticks())
            p.Fail(GH_TR("Decode", "Журнал приказов в сохранении начинается позже самой партии."));
    }
    if (!p.Ok()) {
        result.error = p.text;
        result.memory = {};
        return result;
    }
    summary.version = version;
    result.summary = std::move(summary);
    result.game = std::move(game);
    return result;
}

bool ReadSummary(std::string_view text, SaveSummary& out, std::string& error)
{
    error = CheckEnvelope(text);
    Json doc;
    if (error.empty())
        error = Parse(text, doc, true);
    int version = 0;
    bool newer = false;
    if (error.empty()) {
        error = CheckFormat(doc, version, newer);
        if (newer)
            out.version = version;
    }
    if (!error.empty())
        return false;

    Problem p;
    SaveSummary s;
    const auto it = doc.find("summary");
    if (it == doc.end() || !it->is_object()) {
        p.Fail(GH_TR("Decode", "В сохранении нет сводки («summary»)."));
    } else {
        Reader r(*it, "summary", p);
        ReadSummaryFields(r, s);
        r.Finish();
    }
    if (p.Ok())
        p.Fail(CheckSummary(s));
    if (!p.Ok()) {
        error = p.text;
        return false;
    }
    s.version = version;
    out = std::move(s);
    return true;
}

} // namespace gh::save
