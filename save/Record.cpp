// Writing and reading records of matches (save/Record.h, docs/replays.md).
#include "save/Record.h"
#include "platform/Texts.h"
#include "save/StateHash.h"
#include "save/Text.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include <nlohmann/json.hpp>

namespace gh::save {

using Json = nlohmann::json;

namespace {

const char* KindName(OrderKind k)
{
    switch (k) {
    case OrderKind::Select: return "select";
    case OrderKind::Walk: return "walk";
    case OrderKind::Exchange: return "exchange";
    case OrderKind::ReadPage: return "read";
    case OrderKind::Summon: return "summon";
    case OrderKind::Cast: return "cast";
    case OrderKind::Cancel: return "cancel";
    case OrderKind::EndTurn: return "end-turn";
    case OrderKind::Concede: return "concede";
    case OrderKind::PickPage: return "pick";
    }
    return "";
}

bool KindOfName(const std::string& s, OrderKind& out)
{
    for (OrderKind k :
         {OrderKind::Select, OrderKind::Walk, OrderKind::Exchange, OrderKind::ReadPage, OrderKind::Summon,
          OrderKind::Cast, OrderKind::Cancel, OrderKind::EndTurn, OrderKind::Concede, OrderKind::PickPage})
        if (s == KindName(k)) {
            out = k;
            return true;
        }
    return false;
}

Json SpellJson(const SpellRecord& s)
{
    return Json::array({s.SpellNo, s.Range, s.Effect, s.IsPercent ? 1 : 0, s.StatKind, s.Element, s.Chance,
                        s.ReasonNeeded, s.ManaCost, s.AnimFirstFrame, s.AnimCycles});
}

Json SeatJson(const SeatInputs& s)
{
    Json timers = Json::array();
    for (const Scheduler::TimerState& t : s.timers.timers) {
        timers.push_back(t.interval);
        timers.push_back(t.enabled ? 1 : 0);
        timers.push_back(t.since);
    }
    Json levels = Json::array();
    for (std::int32_t l : s.ComputerLevel)
        levels.push_back(l);
    Json human = Json::array();
    for (bool b : s.HeroIsHuman)
        human.push_back(b);
    return Json{{"ViewX", s.ViewX},
                {"ViewY", s.ViewY},
                {"Target", s.Target},
                {"TargetCellX", s.TargetCellX},
                {"TargetCellY", s.TargetCellY},
                {"Selected", s.Selected},
                {"ChosenSlot", s.ChosenSlot},
                {"CastChance", s.CastChance},
                {"CastMana", s.CastMana},
                {"CurrentSpell", SpellJson(s.CurrentSpell)},
                {"AnimSpeed", s.AnimSpeed},
                {"ComputerLevel", std::move(levels)},
                {"HeroIsHuman", std::move(human)},
                {"timers", std::move(timers)},
                {"now", s.timers.now},
                {"ticks", s.timers.ticks}};
}

std::string Dump(const Json& j)
{
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// ---- reading ---------------------------------------------------------------

// Reads the fields of one JSON object, each checked, and refuses keys the
// format lacks. The first problem found is kept.
class Fields {
public:
    Fields(const Json& j, std::string where, std::string& problem)
        : j_(j), where_(std::move(where)), p_(problem)
    {
        if (!j_.is_object())
            Fail(GH_TR("Record", "не объект"));
    }
    bool Ok() const { return p_.empty(); }
    void Fail(const std::string& what)
    {
        if (p_.empty())
            p_ = where_ + ": " + what + ".";
    }
    const Json* Get(const char* key)
    {
        seen_.push_back(key);
        if (!Ok() || !j_.is_object())
            return nullptr;
        const auto it = j_.find(key);
        if (it == j_.end()) {
            Fail(std::string(GH_TR("Record", "нет поля «")) + key + "»");
            return nullptr;
        }
        return &*it;
    }
    bool Has(const char* key) const { return j_.is_object() && j_.contains(key); }
    template <class T> void Int(const char* key, T& out, long long lo, long long hi)
    {
        const Json* v = Get(key);
        if (!v)
            return;
        if (!v->is_number_integer() || (v->is_number_unsigned() && v->get<std::uint64_t>() > 1ULL << 62) ||
            v->get<long long>() < lo || v->get<long long>() > hi) {
            Fail(std::string(GH_TR("Record", "поле «")) + key +
                 Fill(GH_TR("Record", "» не целое число в пределах %1..%2"),
                      {std::to_string(lo), std::to_string(hi)}));
            return;
        }
        out = static_cast<T>(v->get<long long>());
    }
    void Flag(const char* key, bool& out)
    {
        const Json* v = Get(key);
        if (!v)
            return;
        if (!v->is_boolean())
            return Fail(std::string(GH_TR("Record", "поле «")) + key + GH_TR("Record", "» не да/нет"));
        out = v->get<bool>();
    }
    void Real(const char* key, float& out, double limit)
    {
        const Json* v = Get(key);
        if (!v)
            return;
        if (!v->is_number() || !std::isfinite(v->get<double>()) || std::fabs(v->get<double>()) > limit)
            return Fail(std::string(GH_TR("Record", "поле «")) + key +
                        GH_TR("Record", "» не число в допустимых пределах"));
        const double d = v->get<double>();
        out = static_cast<float>(d);
        if (static_cast<double>(out) != d)
            Fail(std::string(GH_TR("Record", "поле «")) + key +
                 GH_TR("Record", "» не записывается числом одинарной точности"));
    }
    void Text(const char* key, std::string& out, std::size_t maxBytes)
    {
        const Json* v = Get(key);
        if (!v)
            return;
        if (!v->is_string() || v->get_ref<const std::string&>().size() > maxBytes)
            return Fail(std::string(GH_TR("Record", "поле «")) + key +
                        GH_TR("Record", "» не текст или слишком длинное"));
        out = v->get<std::string>();
    }
    void Hash(const char* key, std::uint64_t& out)
    {
        const Json* v = Get(key);
        if (!v)
            return;
        if (!v->is_string() || !ParseHashText(v->get_ref<const std::string&>(), out))
            Fail(std::string(GH_TR("Record", "поле «")) + key +
                 GH_TR("Record", "» не хеш из 16 шестнадцатеричных цифр"));
    }
    const Json* Array(const char* key, std::size_t n)
    {
        const Json* v = Get(key);
        if (v && (!v->is_array() || (n != 0 && v->size() != n))) {
            Fail(std::string(GH_TR("Record", "поле «")) + key +
                 Fill(GH_TR("Record", "» не список%1"),
                      {(n ? GH_TR("Record", " из ") + std::to_string(n) + GH_TR("Record", " чисел") : "")}));
            return nullptr;
        }
        return v;
    }
    // No key beyond those asked for.
    void Finish()
    {
        if (!Ok() || !j_.is_object())
            return;
        for (auto it = j_.begin(); it != j_.end(); ++it) {
            bool known = false;
            for (const char* k : seen_)
                known = known || it.key() == k;
            if (!known)
                return Fail(Fill(GH_TR("Record", "лишнее поле «%1»"), {CutAtCharacter(it.key(), 40)}));
        }
    }

private:
    const Json& j_;
    std::string where_;
    std::string& p_;
    std::vector<const char*> seen_;
};

bool ArrayInts(const Json& a, std::vector<long long>& out, long long lo, long long hi)
{
    out.clear();
    for (const Json& v : a) {
        if (!v.is_number_integer() || (v.is_number_unsigned() && v.get<std::uint64_t>() > 1ULL << 62))
            return false;
        const long long x = v.get<long long>();
        if (x < lo || x > hi)
            return false;
        out.push_back(x);
    }
    return true;
}

constexpr double kFieldLimit = 1e7; // twips: far past any field or view
constexpr long long kTickLimit = 1LL << 40;

void ReadSeat(Fields& f, SeatInputs& s)
{
    f.Real("ViewX", s.ViewX, kFieldLimit);
    f.Real("ViewY", s.ViewY, kFieldLimit);
    f.Int("Target", s.Target, 0, kMaxUnit);
    f.Real("TargetCellX", s.TargetCellX, kFieldLimit);
    f.Real("TargetCellY", s.TargetCellY, kFieldLimit);
    f.Int("Selected", s.Selected, 0, kMaxUnit);
    f.Int("ChosenSlot", s.ChosenSlot, -1, kSpellSlots - 1);
    f.Int("CastChance", s.CastChance, -1000000, 1000000);
    f.Int("CastMana", s.CastMana, -1000000, 1000000);
    std::vector<long long> v;
    if (const Json* a = f.Array("CurrentSpell", 11)) {
        if (!ArrayInts(*a, v, -1000000, 1000000) || v[3] < 0 || v[3] > 1)
            f.Fail(GH_TR("Record", "поле «CurrentSpell» испорчено"));
        else {
            SpellRecord& c = s.CurrentSpell;
            c.SpellNo = static_cast<std::int32_t>(v[0]);
            c.Range = static_cast<std::int32_t>(v[1]);
            c.Effect = static_cast<std::int32_t>(v[2]);
            c.IsPercent = v[3] != 0;
            c.StatKind = static_cast<std::int32_t>(v[4]);
            c.Element = static_cast<std::int32_t>(v[5]);
            c.Chance = static_cast<std::int32_t>(v[6]);
            c.ReasonNeeded = static_cast<std::int32_t>(v[7]);
            c.ManaCost = static_cast<std::int32_t>(v[8]);
            c.AnimFirstFrame = static_cast<std::int32_t>(v[9]);
            c.AnimCycles = static_cast<std::int32_t>(v[10]);
        }
    }
    f.Int("AnimSpeed", s.AnimSpeed, 0, 1024);
    if (const Json* a = f.Array("ComputerLevel", kHeroes + 1)) {
        if (!ArrayInts(*a, v, kGameLevel, kStrongestLevel) || v[0] != kGameLevel)
            return f.Fail(GH_TR("Record", "поле «ComputerLevel» испорчено"));
        for (std::size_t i = 0; i < a->size(); ++i)
            s.ComputerLevel[i] = static_cast<std::int32_t>(v[i]);
    }
    for (auto [key, flags] : {std::pair{"HeroIsHuman", &s.HeroIsHuman}})
        if (const Json* a = f.Array(key, kHeroes + 1)) {
            for (std::size_t i = 0; i < a->size(); ++i) {
                if (!(*a)[i].is_boolean())
                    return f.Fail(std::string(GH_TR("Record", "поле «")) + key +
                                  GH_TR("Record", "» не список да/нет"));
                (*flags)[i] = (*a)[i].get<bool>();
            }
        }
    if (const Json* a = f.Array("timers", 3 * kTimerCount)) {
        if (!ArrayInts(*a, v, 0, kTickLimit * Scheduler::kTickMs))
            return f.Fail(GH_TR("Record", "поле «timers» испорчено"));
        for (std::size_t i = 0; i < kTimerCount; ++i) {
            Scheduler::TimerState& t = s.timers.timers[i];
            if (v[3 * i] < 1 || v[3 * i] > 100000 || v[3 * i + 1] > 1)
                return f.Fail(GH_TR("Record", "поле «timers» испорчено"));
            t.interval = static_cast<int>(v[3 * i]);
            t.enabled = v[3 * i + 1] != 0;
            t.since = v[3 * i + 2];
        }
    }
    f.Int("now", s.timers.now, 0, kTickLimit * Scheduler::kTickMs);
    f.Int("ticks", s.timers.ticks, 0, kTickLimit);
    f.Finish();
}

void ReadOrder(Fields& f, Order& o, int version)
{
    std::string kind;
    f.Text("kind", kind, 16);
    // The casting dialog's pick became an order of its own in version 2.
    if (f.Ok() && (!KindOfName(kind, o.kind) || (o.kind == OrderKind::PickPage && version < 2)))
        f.Fail(Fill(GH_TR("Record", "неизвестный приказ «%1»"), {CutAtCharacter(kind, 16)}));
    f.Int("who", o.who, 0, kMaxUnit);
    f.Real("x", o.x, kFieldLimit);
    f.Real("y", o.y, kFieldLimit);
    f.Int("slot", o.slot, -1, kSpellSlots - 1);
    std::string hand;
    f.Text("hand", hand, 16);
    if (f.Ok()) {
        if (hand == "pointer")
            o.hand = Hand::Pointer;
        else if (hand == "strong")
            o.hand = Hand::Strong;
        else
            f.Fail(Fill(GH_TR("Record", "неизвестная рука «%1»"), {CutAtCharacter(hand, 16)}));
    }
    f.Finish();
}

std::string ParseLine(std::string_view text, Json& out)
{
    if (NestingDepth(text, 4) > 3)
        return GH_TR("Record", "данные вложены глубже, чем бывает в записи");
    try {
        out = Json::parse(text.begin(), text.end());
    } catch (const Json::exception&) {
        return GH_TR("Record", "строка не JSON или оборвана");
    }
    return {};
}

std::string ReadHeader(std::string_view text, RecordReadResult& r)
{
    Json j;
    if (NestingDepth(text, 2) > 1)
        return GH_TR("Record", "Первая строка не похожа на заголовок записи.");
    try {
        j = Json::parse(text.begin(), text.end());
    } catch (const Json::exception&) {
        return GH_TR("Record", "Первая строка повреждена: это не JSON или она оборвана.");
    }
    if (!j.is_object() || !j.contains("format") || j["format"] != kRecordFormatName)
        return GH_TR("Record", "Файл не является записью партии этой игры.");
    std::string problem;
    Fields f(j, GH_TR("Record", "Заголовок записи"), problem);
    std::string format;
    f.Text("format", format, 64);
    f.Int("version", r.record.header.version, 1, 1000000);
    if (!f.Ok())
        return problem;
    if (r.record.header.version > kRecordFormatVersion) {
        r.newerVersion = true;
        return Fill(GH_TR("Record", "Запись сделана более новой версией игры (формат %1, а эта версия читает "
                                    "форматы до %2). Обновите игру, чтобы посмотреть её."),
                    {std::to_string(r.record.header.version), std::to_string(kRecordFormatVersion)});
    }
    RecordHeader& h = r.record.header;
    f.Text("gameVersion", h.gameVersion, kMaxLabelBytes);
    f.Hash("rules", h.rules);
    f.Text("match", h.matchId, 64);
    f.Text("recordedAt", h.recordedAt, kMaxLabelBytes);
    f.Text("start", h.start, kMaxMatchBytes);
    f.Finish();
    if (!f.Ok())
        return problem;
    for (const std::string* label : {&h.gameVersion, &h.matchId, &h.recordedAt})
        if (CheckText(*label).hasControl)
            return GH_TR("Record", "Заголовок записи: версия игры, имя партии или время испорчены.");
    if (h.rules != RulesFingerprint()) {
        r.otherRules = true;
        return Fill(GH_TR("Record", "Партия записана по другим правилам игры (версия %1): эта версия не "
                                    "может воспроизвести её точно."),
                    {CutAtCharacter(h.gameVersion, 32)});
    }
    LoadResult start = ReadSave(h.start);
    if (!start)
        return Fill(GH_TR("Record", "Начальная позиция записи повреждена: %1"), {start.error});
    r.summary = start.summary;
    r.start = std::move(start.game);
    return {};
}

std::string ReadOrderLine(const Json& j, std::size_t seq, int version, RecordLine& line)
{
    std::string problem;
    Fields f(j, Fill(GH_TR("Record", "Строка %1"), {std::to_string(seq + 2)}), problem);
    std::uint64_t n = 0;
    f.Int("seq", n, 0, static_cast<long long>(kMaxRecordLines));
    if (f.Ok() && n != seq)
        f.Fail(Fill(GH_TR("Record", "номер %1 не по порядку"), {std::to_string(n)}));
    f.Int("tick", line.tick, 0, kTickLimit);
    f.Int("side", line.side, 0, kHeroes);
    f.Flag("input", line.input);
    if (f.Has("order")) {
        line.kind = RecordLine::Kind::Order;
        if (const Json* o = f.Get("order")) {
            Fields of(*o, Fill(GH_TR("Record", "Строка %1, приказ"), {std::to_string(seq + 2)}), problem);
            ReadOrder(of, line.order, version);
        }
        if (f.Has("answers")) {
            if (const Json* a = f.Array("answers", 0)) {
                if (a->size() > kMaxAnswers || !line.input)
                    f.Fail(GH_TR("Record", "ответов больше, чем бывает"));
                for (const Json& v : *a) {
                    if (v == "yes")
                        line.answers.push_back(BoxAnswer::Yes);
                    else if (v == "no")
                        line.answers.push_back(BoxAnswer::No);
                    else
                        f.Fail(GH_TR("Record", "ответ не «yes» и не «no»"));
                }
            }
        }
    } else {
        line.kind = RecordLine::Kind::Seat;
        if (const Json* s = f.Get("seat")) {
            Fields sf(*s, Fill(GH_TR("Record", "Строка %1, вид"), {std::to_string(seq + 2)}), problem);
            ReadSeat(sf, line.seat);
        }
        if (f.Ok() && !line.input)
            f.Fail(GH_TR("Record", "изменение вида бывает только между тиками"));
        if (f.Ok() && line.seat.timers.ticks != line.tick)
            f.Fail(GH_TR("Record", "часы вида не совпадают с тиком строки"));
    }
    f.Hash("hash", line.hash);
    f.Finish();
    return problem;
}

std::string ReadEnd(const Json& j, std::size_t lines, RecordEnd& e)
{
    std::string problem;
    Fields f(j, GH_TR("Record", "Последняя строка"), problem);
    std::uint64_t n = 0;
    f.Int("orders", n, 0, static_cast<long long>(kMaxRecordLines));
    if (f.Ok() && n != lines)
        f.Fail(Fill(GH_TR("Record", "в записи %1 строк приказов, а названо %2"),
                    {std::to_string(lines), std::to_string(n)}));
    if (const Json* end = f.Get("end")) {
        Fields ef(*end, GH_TR("Record", "Итог записи"), problem);
        ef.Int("tick", e.tick, 0, kTickLimit);
        ef.Flag("running", e.running);
        ef.Int("day", e.day, 0, 1000000000);
        ef.Int("winner", e.winner, -1, kHeroes);
        ef.Finish();
    }
    f.Hash("hash", e.hash);
    f.Finish();
    return problem;
}

} // namespace

bool operator==(const RecordLine& a, const RecordLine& b)
{
    const auto sameOrder = [](const Order& x, const Order& y) {
        return x.kind == y.kind && x.who == y.who && x.x == y.x && x.y == y.y && x.slot == y.slot &&
               x.hand == y.hand;
    };
    return a.kind == b.kind && a.tick == b.tick && a.side == b.side && a.input == b.input &&
           (a.kind == RecordLine::Kind::Order ? sameOrder(a.order, b.order) && a.answers == b.answers
                                              : a.seat == b.seat) &&
           a.hash == b.hash;
}

SeatInputs SeatInputsOf(const Game& g)
{
    SeatInputs s;
    s.ViewX = g.ViewX;
    s.ViewY = g.ViewY;
    s.Target = g.Target;
    s.TargetCellX = g.TargetCellX;
    s.TargetCellY = g.TargetCellY;
    s.Selected = g.Selected;
    s.ChosenSlot = g.ChosenSlot;
    s.CastChance = g.CastChance;
    s.CastMana = g.CastMana;
    s.CurrentSpell = g.CurrentSpell;
    s.AnimSpeed = g.AnimSpeed;
    s.ComputerLevel = g.ComputerLevel;
    s.HeroIsHuman = g.HeroIsHuman;
    s.timers = g.timers.Saved();
    return s;
}

void ApplySeatInputs(Game& g, const SeatInputs& s)
{
    g.ViewX = s.ViewX;
    g.ViewY = s.ViewY;
    g.Target = s.Target;
    g.TargetCellX = s.TargetCellX;
    g.TargetCellY = s.TargetCellY;
    g.Selected = s.Selected;
    g.ChosenSlot = s.ChosenSlot;
    g.CastChance = s.CastChance;
    g.CastMana = s.CastMana;
    g.CurrentSpell = s.CurrentSpell;
    g.AnimSpeed = s.AnimSpeed;
    g.ComputerLevel = s.ComputerLevel;
    g.HeroIsHuman = s.HeroIsHuman;
    g.timers.Restore(s.timers);
}

std::string HeaderLine(const RecordHeader& h)
{
    // Keys in a fixed order, the start last: the list of records reads the
    // short fields without going through the whole save.
    std::string out = "{\"format\":" + Dump(Json(std::string(kRecordFormatName))) +
                      ",\"version\":" + std::to_string(kRecordFormatVersion);
    out += ",\"gameVersion\":" + Dump(Json(CutAtCharacter(h.gameVersion, kMaxLabelBytes)));
    out += ",\"rules\":\"" + HashText(h.rules) + "\"";
    out += ",\"match\":" + Dump(Json(CutAtCharacter(h.matchId, 64)));
    out += ",\"recordedAt\":" + Dump(Json(CutAtCharacter(h.recordedAt, kMaxLabelBytes)));
    out += ",\"start\":" + Dump(Json(h.start)) + "}";
    return out;
}

std::string OrderLine(const RecordLine& line, std::size_t seq)
{
    Json j = Json::object();
    // nlohmann keeps keys sorted; the line is small and read by key.
    j["seq"] = seq;
    j["tick"] = line.tick;
    j["side"] = line.side;
    j["input"] = line.input;
    if (line.kind == RecordLine::Kind::Order) {
        const Order& o = line.order;
        j["order"] = {{"kind", KindName(o.kind)},
                      {"who", o.who},
                      {"x", o.x},
                      {"y", o.y},
                      {"slot", o.slot},
                      {"hand", o.hand == Hand::Strong ? "strong" : "pointer"}};
        if (!line.answers.empty()) {
            Json a = Json::array();
            for (BoxAnswer b : line.answers)
                a.push_back(b == BoxAnswer::Yes ? "yes" : "no");
            j["answers"] = std::move(a);
        }
    } else {
        j["seat"] = SeatJson(line.seat);
    }
    j["hash"] = HashText(line.hash);
    return Dump(j);
}

std::string WriteRecord(const Record& r)
{
    std::string out = HeaderLine(r.header);
    out += '\n';
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        out += OrderLine(r.lines[i], i);
        out += '\n';
    }
    if (r.closed) {
        const Json j = {{"end",
                         {{"tick", r.end.tick},
                          {"running", r.end.running},
                          {"day", r.end.day},
                          {"winner", r.end.winner}}},
                        {"orders", r.lines.size()},
                        {"hash", HashText(r.end.hash)}};
        out += Dump(j);
        out += '\n';
    }
    return out;
}

RecordReadResult ReadRecord(std::string_view text, bool requireEnd)
{
    RecordReadResult r;
    auto fail = [&](std::string why) {
        r.start.reset();
        r.error = std::move(why);
        return std::move(r);
    };
    if (text.empty())
        return fail(GH_TR("Record", "Файл пуст."));
    if (text.size() > kMaxRecordBytes)
        return fail(
            Fill(GH_TR("Record",
                       "Файл слишком велик для записи партии: %1 байт, а запись бывает не больше %2 МБ."),
                 {std::to_string(text.size()), std::to_string(kMaxRecordBytes / 1024 / 1024)}));
    const TextCheck t = CheckText(text);
    if (!t.valid)
        return fail(Fill(GH_TR("Record", "Файл не в кодировке UTF-8 (ошибка в байте %1)."),
                         {std::to_string(t.badAt)}));

    // The lines, each within its limit, before any is parsed.
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        const std::size_t limit = lines.empty() ? kMaxHeaderBytes : kMaxLineBytes;
        if (line.size() > limit)
            return fail(Fill(GH_TR("Record", "Строка %1 длиннее, чем бывает в записи."),
                             {std::to_string(lines.size() + 1)}));
        if (lines.size() > kMaxRecordLines + 1)
            return fail(GH_TR("Record", "В записи больше строк, чем бывает."));
        lines.push_back(line);
        at = end + 1;
    }
    if (std::string why = ReadHeader(lines.front(), r); !why.empty())
        return fail(why);

    std::size_t orders = lines.size() - 1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        Json j;
        if (std::string why = ParseLine(lines[i], j); !why.empty())
            return fail(Fill(GH_TR("Record", "Строка %1: %2."), {std::to_string(i + 1), why}));
        if (j.is_object() && j.contains("end")) {
            if (i + 1 != lines.size())
                return fail(Fill(GH_TR("Record", "Строка %1: итог записи стоит не в конце."),
                                 {std::to_string(i + 1)}));
            orders = i - 1;
            if (std::string why = ReadEnd(j, orders, r.record.end); !why.empty())
                return fail(why);
            r.record.closed = true;
            break;
        }
        RecordLine line;
        if (std::string why = ReadOrderLine(j, i - 1, r.record.header.version, line); !why.empty())
            return fail(why);
        const std::uint64_t before = r.record.lines.empty() ? 0 : r.record.lines.back().tick;
        if (line.tick < before)
            return fail(Fill(GH_TR("Record", "Строка %1: тик меньше, чем у строки перед ней."),
                             {std::to_string(i + 1)}));
        r.record.lines.push_back(std::move(line));
    }
    if (requireEnd && !r.record.closed)
        return fail(GH_TR("Record", "Запись оборвана: в ней нет итога партии."));
    // The clock of the start and of every line go forward together.
    const std::uint64_t startTick = r.start->timers.Ticks();
    if (!r.record.lines.empty() && r.record.lines.front().tick < startTick)
        return fail(GH_TR("Record", "Строка 2: тик раньше начала записи."));
    if (r.record.closed &&
        r.record.end.tick < (r.record.lines.empty() ? startTick : r.record.lines.back().tick))
        return fail(GH_TR("Record", "Последняя строка: партия кончается раньше последнего приказа."));
    return r;
}

std::int32_t WinnerOf(const Game& g)
{
    if (g.MatchRunning)
        return -1;
    return g.LoopJ < 0 ? -g.LoopJ : g.LoopJ;
}

} // namespace gh::save

namespace gh::save {

std::string ReadOrderLineText(std::string_view text, std::size_t seq, RecordLine& line)
{
    if (text.size() > kMaxLineBytes)
        return GH_TR("Record", "строка не JSON или оборвана");
    Json j;
    if (std::string why = ParseLine(text, j); !why.empty())
        return why;
    if (!j.is_object() || j.contains("format") || j.contains("end"))
        return GH_TR("Record", "строка не JSON или оборвана");
    RecordLine read;
    if (std::string why = ReadOrderLine(j, seq, kRecordFormatVersion, read); !why.empty())
        return why;
    line = std::move(read);
    return {};
}

} // namespace gh::save
