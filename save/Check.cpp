// What a loaded match must be before it may replace the live one: every
// number within what the rules can produce, every index pointing at a record,
// and the field at rest, so the rules pick it up as if it had never left.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "magic/SpellCatalogue.h"
#include "platform/ImageListId.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "save/Layout.h"
#include "save/SaveFormat.h"
#include "save/Text.h"
#include "world/Catalogue.h"

namespace gh::save {

namespace {

// Nothing in the rules counts days past this; a match played a second a day
// would need eleven days and nights to get there.
constexpr std::int32_t kMaxDay = 1'000'000;
// Remains rot a point of life a day, long after they have left the field,
// and a hero can spend mana it no longer has while a page is being aimed.
// Far below anything a match reaches, far above what could overflow.
constexpr std::int32_t kLowest = -10'000'000;
// A record's worth, and so its experience, stays far within this.
constexpr std::int32_t kMaxWorth = 10'000'000;
// Window points (frames, labels, the last click) stay within a screen or two.
constexpr double kMaxWindowTwips = 10'000'000.0;
constexpr int kLastCell = kPlannedCells - 1;
// The slowest idle pace the settings dialog offers (kIdlePaceMax in
// windows/Settings.h, which a test holds this to).
constexpr int kMaxIdlePace = 1001;
// The strong player stops casting after a few dozen pages in a turn.
constexpr std::int32_t kMaxCasts = 1000;
constexpr std::size_t kMaxCaptionBytes = 256;
constexpr int kMaxBarValue = 1'000'000;
// The virtual clock of a match played for years still fits many times over.
constexpr std::uint64_t kMaxTicks = std::uint64_t{1} << 40;
// Attitudes are drawn once per match from -50..49.
constexpr std::int16_t kAttitudeLow = -50;
constexpr std::int16_t kAttitudeHigh = 49;

std::string Num(long long v)
{
    return std::to_string(v);
}

class Checker {
public:
    bool Ok() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    void Fail(const std::string& text)
    {
        if (problem_.empty())
            problem_ = text;
    }

    template <class P> void Range(long long v, long long lo, long long hi, const P& path)
    {
        if (Ok() && (v < lo || v > hi))
            Fail(Fill(GH_TR("Check", "Поле «%1» равно %2, а допустимо от %3 до %4."),
                      {path(), Num(v), Num(lo), Num(hi)}));
    }
    template <class P> void WindowPoint(float v, const P& path)
    {
        if (Ok() && !(std::isfinite(v) && std::fabs(static_cast<double>(v)) <= kMaxWindowTwips))
            Fail(Fill(GH_TR("Check", "Поле «%1» содержит точку далеко за пределами окна."), {path()}));
    }
    template <class P> void Caption(const std::string& text, const P& path)
    {
        if (!Ok())
            return;
        const TextCheck t = CheckText(text);
        if (!t.valid || t.hasControl || text.size() > kMaxCaptionBytes)
            Fail(Fill(GH_TR("Check", "Надпись «%1» испорчена."), {path()}));
    }

private:
    std::string problem_;
};

std::string UnitPath(int i, const char* field)
{
    return "match.Units[" + Num(i) + "]." + field;
}

struct IntField {
    const char* name;
    std::int32_t Unit::*field;
    std::int32_t lo, hi;
};

// The caps are those promotion holds the statistics to (world/Experience.cpp).
constexpr IntField kUnitFields[] = {
    {"CellsWide", &Unit::CellsWide, 0, 1},
    {"CellsHigh", &Unit::CellsHigh, 0, 1},
    {"Facing", &Unit::Facing, 0, 1},
    {"AnimFrame", &Unit::AnimFrame, 0, 4},
    {"UnitType", &Unit::UnitType, 0, kTypeCount},
    {"AnimTick", &Unit::AnimTick, 0, 7},
    {"AnimDelay", &Unit::AnimDelay, 0, 7},
    {"Kind", &Unit::Kind, 0, kKindRemains},
    {"Hp", &Unit::Hp, kLowest, 99999},
    {"HpMax", &Unit::HpMax, 0, 99999},
    {"Actions", &Unit::Actions, 0, 99},
    {"ActionsMax", &Unit::ActionsMax, 0, 99},
    {"AttackElement", &Unit::AttackElement, 0, kElements - 1},
    {"Strength", &Unit::Strength, 0, 9999},
    {"Magic", &Unit::Magic, 0, 9999},
    {"Reason", &Unit::Reason, 0, 9999},
    {"Speed", &Unit::Speed, 0, 999},
    {"Exp", &Unit::Exp, -kMaxWorth, kMaxWorth},
    {"ExpNext", &Unit::ExpNext, -kMaxWorth, kMaxWorth},
    {"Leadership", &Unit::Leadership, 0, 99},
    {"LeadershipMax", &Unit::LeadershipMax, 0, 99},
    {"Level", &Unit::Level, 0, 99},
    {"ImageBase", &Unit::ImageBase, 0, kUnitPictures},
    {"Portrait", &Unit::Portrait, 0, kFacePictures},
    {"Owner", &Unit::Owner, 0, kHeroes},
    {"Will", &Unit::Will, 0, 9999},
    {"Mana", &Unit::Mana, kLowest, 9999},
    {"ManaMax", &Unit::ManaMax, 0, 9999},
    {"HitChance", &Unit::HitChance, 0, 99},
    {"AttackRange", &Unit::AttackRange, 0, kLastCell},
};

// A cell corner of the battlefield: whole cells, columns and rows 0..20.
bool CellCoordinate(float v, int& cell)
{
    if (!std::isfinite(v))
        return false;
    const double c = static_cast<double>(v) / kCell;
    if (c != std::floor(c) || c < 0 || c > kLastCell)
        return false;
    cell = static_cast<int>(c);
    return true;
}

void CheckUnit(const Unit& u, int i, Checker& c)
{
    for (const IntField& f : kUnitFields)
        c.Range(u.*f.field, f.lo, f.hi, [&] { return UnitPath(i, f.name); });
    for (int e = 0; e < kElements; ++e)
        c.Range(u.Protection[static_cast<std::size_t>(e)], 0, 999,
                [&] { return UnitPath(i, "Protection") + "[" + Num(e) + "]"; });
    if (!c.Ok())
        return;
    if (u.Leadership > u.LeadershipMax)
        c.Fail(Fill(GH_TR("Check", "Запись %1 ведёт больше существ (%2), чем может (%3)."),
                    {Num(i), Num(u.Leadership), Num(u.LeadershipMax)}));

    const TextCheck name = CheckText(u.Name);
    if (!name.valid)
        c.Fail(Fill(GH_TR("Check", "Имя в записи %1 не в кодировке UTF-8."), {Num(i)}));
    else if (name.utf16Units > kMaxNameUnits)
        c.Fail(Fill(GH_TR("Check", "Имя в записи %1 длиннее %2 знаков."), {Num(i), Num(kMaxNameUnits)}));
    else if (name.hasLineBreakOrTab || u.Name.find('\0') != std::string::npos)
        c.Fail(Fill(GH_TR("Check", "Имя в записи %1 содержит перевод строки, табуляцию или нулевой знак."),
                    {Num(i)}));

    int col = 0, row = 0;
    if (c.Ok() && !(CellCoordinate(u.PosX, col) && CellCoordinate(u.PosY, row)))
        c.Fail(Fill(GH_TR("Check", "Запись %1 стоит не в углу клетки поля (столбцы и строки от 0 до %2)."),
                    {Num(i), Num(kLastCell)}));
}

// Where the rules read CurrentSpell, its fields come from the spell table or
// are zeroed by a cast that came to nothing; a creature's page only sets the
// reason it needs.
struct SpellBounds {
    SpellRecord lo, hi;
};

const SpellBounds& TableBounds()
{
    static const SpellBounds bounds = [] {
        SpellBounds b;
        for (int n = 1; n <= kSpellCount; ++n) {
            const SpellRecord s = SpellOf(n);
            auto widen = [](std::int32_t v, std::int32_t& lo, std::int32_t& hi) {
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            };
            widen(s.Range, b.lo.Range, b.hi.Range);
            widen(s.Effect, b.lo.Effect, b.hi.Effect);
            widen(s.StatKind, b.lo.StatKind, b.hi.StatKind);
            widen(s.Element, b.lo.Element, b.hi.Element);
            widen(s.ManaCost, b.lo.ManaCost, b.hi.ManaCost);
            widen(s.AnimFirstFrame, b.lo.AnimFirstFrame, b.hi.AnimFirstFrame);
            widen(s.AnimCycles, b.lo.AnimCycles, b.hi.AnimCycles);
        }
        return b;
    }();
    return bounds;
}

void CheckSpell(const SpellRecord& s, Checker& c)
{
    const SpellBounds& b = TableBounds();
    auto path = [](const char* f) { return [f] { return std::string("match.CurrentSpell.") + f; }; };
    c.Range(s.SpellNo, 0, kSpellCount, path("SpellNo"));
    c.Range(s.Range, b.lo.Range, b.hi.Range, path("Range"));
    c.Range(s.Effect, b.lo.Effect, b.hi.Effect, path("Effect"));
    c.Range(s.StatKind, b.lo.StatKind, b.hi.StatKind, path("StatKind"));
    c.Range(s.Element, b.lo.Element, b.hi.Element, path("Element"));
    c.Range(s.Chance, 0, 100, path("Chance"));
    c.Range(s.ReasonNeeded, 0, 9999, path("ReasonNeeded"));
    c.Range(s.ManaCost, b.lo.ManaCost, b.hi.ManaCost, path("ManaCost"));
    c.Range(s.AnimFirstFrame, b.lo.AnimFirstFrame, b.hi.AnimFirstFrame, path("AnimFirstFrame"));
    c.Range(s.AnimCycles, b.lo.AnimCycles, b.hi.AnimCycles, path("AnimCycles"));
}

// The intervals the rules give each timer, and that the field is at rest: no
// walk (Tmr1), effect (Tmr2) or blow (Tmr3) under way.
void CheckTimers(const Game& g, Checker& c)
{
    const Scheduler::State& st = g.timers.Saved();
    auto path = [](int t, const char* f) {
        return [t, f] { return std::string("match.timers.") + kTimerNames[t] + "." + f; };
    };
    if (st.ticks > kMaxTicks || st.now != static_cast<std::int64_t>(st.ticks) * Scheduler::kTickMs) {
        c.Fail(GH_TR("Check", "Часы таймеров (match.timers.now и ticks) не согласуются друг с другом."));
        return;
    }
    for (int t = 0; t < kTimerCount; ++t) {
        const Scheduler::TimerState& s = st.timers[static_cast<std::size_t>(t)];
        c.Range(s.since, 0, st.now, path(t, "since"));
        switch (static_cast<TimerId>(t)) {
        case TimerId::Tmr: c.Range(s.interval, 1, kMaxIdlePace, path(t, "interval")); break;
        case TimerId::Tmr2:
            if (c.Ok() && s.interval != 1 && s.interval != 20)
                c.Fail(Fill(GH_TR("Check", "Поле «match.timers.Tmr2.interval» равно %1, а бывает 1 или 20."),
                            {Num(s.interval)}));
            break;
        case TimerId::Tmr1:
        case TimerId::TmrEnemy: c.Range(s.interval, 1, 1, path(t, "interval")); break;
        case TimerId::Tmr3: c.Range(s.interval, 15, 15, path(t, "interval")); break;
        case TimerId::Tmr4: c.Range(s.interval, 200, 200, path(t, "interval")); break;
        }
    }
    if (!c.Ok())
        return;
    for (TimerId busy : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3})
        if (g.timers.Enabled(busy)) {
            c.Fail(Fill(
                GH_TR("Check", "Партия сохранена посреди хода, удара или заклинания (включён таймер %1)."),
                {std::string(kTimerNames[static_cast<int>(busy)])}));
            return;
        }
}

void CheckMatchValues(const Game& g, Checker& c)
{
    auto path = [](const char* f) { return [f] { return std::string("match.") + f; }; };
    if (!g.MatchRunning) {
        c.Fail(GH_TR("Check", "В сохранении нет идущей партии."));
        return;
    }
    c.Range(g.UnitCount, 0, kMaxUnit, path("UnitCount"));
    c.Range(g.Selected, 0, kMaxUnit, path("Selected"));
    c.Range(g.Target, 0, kMaxUnit, path("Target"));
    c.Range(g.Attacker, 0, kMaxUnit, path("Attacker"));
    c.Range(g.Defender, 0, kMaxUnit, path("Defender"));
    c.Range(g.ActiveHero, 0, kHeroes, path("ActiveHero"));
    c.Range(g.AiCursor, 0, kMaxUnit, path("AiCursor"));
    c.Range(g.Day, 1, kMaxDay, path("Day"));
    c.Range(g.LoopI, -kMaxUnit, kMaxUnit, path("LoopI"));
    c.Range(g.LoopJ, -kMaxUnit, kMaxUnit, path("LoopJ"));
    c.Range(g.ChosenSlot, 0, kSpellSlots - 1, path("ChosenSlot"));
    c.Range(g.CastChance, 0, 100, path("CastChance"));
    c.Range(g.CastMana, 0, 9999, path("CastMana"));
    if (c.Ok() && g.AnimSpeed != 1 && g.AnimSpeed != 2 && g.AnimSpeed != 4 && g.AnimSpeed != 8)
        c.Fail(Fill(GH_TR("Check", "Поле «match.AnimSpeed» равно %1, а бывает 1, 2, 4 или 8."),
                    {Num(g.AnimSpeed)}));
    if (c.Ok() && g.InputMode != kModeOrders)
        c.Fail(Fill(GH_TR("Check", "Партия сохранена, когда поле ждало не приказа (InputMode %1)."),
                    {Num(g.InputMode)}));
    c.WindowPoint(g.TargetCellX, path("TargetCellX"));
    c.WindowPoint(g.TargetCellY, path("TargetCellY"));
    if (c.Ok() && (g.HeroIsHuman[0] || g.ComputerLevel[0] != kGameLevel))
        c.Fail(GH_TR("Check", "Нейтральной стороной не может играть человек или сильный компьютер."));
    for (int h = 1; h <= kHeroes && c.Ok(); ++h)
        c.Range(g.ComputerLevel[static_cast<std::size_t>(h)], kGameLevel, kStrongestLevel,
                [&] { return "match.ComputerLevel[" + Num(h) + "]"; });

    for (int h = 0; h <= kHeroes && c.Ok(); ++h) {
        for (int s = 0; s < kSpellSlots; ++s)
            c.Range(g.Spellbook[h][s], -kSpellCount, kTypeCount,
                    [&] { return "match.Spellbook[" + Num(h) + "][" + Num(s) + "]"; });
        for (int t = 0; t <= kHeroes; ++t)
            c.Range(g.Attitude[h][t], kAttitudeLow, kAttitudeHigh,
                    [&] { return "match.Attitude[" + Num(h) + "][" + Num(t) + "]"; });
    }
    CheckSpell(g.CurrentSpell, c);
    // The notes may be an earlier match's, from a later day than this one's.
    c.Range(g.Strong.Day, -1, kMaxDay, path("Strong.Day"));
    c.Range(g.Strong.Side, -1, kHeroes, path("Strong.Side"));
    c.Range(g.Strong.Casts, 0, kMaxCasts, path("Strong.Casts"));
}

void CheckField(const Game& g, Checker& c)
{
    for (int i = 0; i <= kMaxUnit && c.Ok(); ++i)
        CheckUnit(g.U(i), i, c);
    if (!c.Ok())
        return;
    if (g.U(0).OnField) {
        c.Fail(GH_TR("Check", "Служебная запись 0 стоит на поле."));
        return;
    }
    // Every record on the field is one the rules look at, on a cell of its
    // own inside the border, and within its maxima.
    std::array<std::array<int, kPlannedCells>, kPlannedCells> taken{};
    for (int i = 1; i <= kMaxUnit; ++i) {
        const Unit& u = g.U(i);
        if (!u.OnField)
            continue;
        if (i > g.UnitCount) {
            c.Fail(Fill(GH_TR("Check", "Запись %1 стоит на поле, но UnitCount равно %2."),
                        {Num(i), Num(g.UnitCount)}));
            return;
        }
        const int col = static_cast<int>(u.PosX / kCell);
        const int row = static_cast<int>(u.PosY / kCell);
        if (col < 1 || row < 1) {
            c.Fail(Fill(GH_TR("Check", "Запись %1 стоит на краю поля, куда никто не ходит."), {Num(i)}));
            return;
        }
        int& other = taken[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
        if (other != 0) {
            c.Fail(Fill(GH_TR("Check", "Записи %1 и %2 стоят на одной клетке."), {Num(other), Num(i)}));
            return;
        }
        other = i;
        if (u.Hp > u.HpMax || u.Mana > u.ManaMax || u.Actions > u.ActionsMax) {
            c.Fail(
                Fill(GH_TR("Check", "У записи %1 жизни, маны или очков хода больше наибольшего."), {Num(i)}));
            return;
        }
    }
    const int side = g.ActiveHero;
    if (side >= 1 && !g.U(side).OnField) {
        c.Fail(Fill(GH_TR("Check", "Ходит герой %1, которого нет на поле."), {Num(side)}));
        return;
    }
    // On a side the computer plays, its player carries the turn on.
    if (!g.HeroIsHuman[static_cast<std::size_t>(side)] && !g.timers.Enabled(TimerId::TmrEnemy))
        c.Fail(GH_TR("Check", "Ходит компьютер, но его таймер (TmrEnemy) выключен: партия бы встала."));
}

void CheckControls(const Game& g, Checker& c)
{
    c.WindowPoint(g.ShpSel.Left, [] { return std::string("controls.ShpSel.Left"); });
    c.WindowPoint(g.ShpSel.Top, [] { return std::string("controls.ShpSel.Top"); });
    c.WindowPoint(g.ShpAt.Left, [] { return std::string("controls.ShpAt.Left"); });
    c.WindowPoint(g.ShpAt.Top, [] { return std::string("controls.ShpAt.Top"); });
    for (const auto& [name, label] : {std::pair{"LblUdar", &g.LblUdar}, std::pair{"LblXP", &g.LblXP}}) {
        const std::string base = std::string("controls.") + name;
        c.Caption(label->Caption, [&] { return base + ".Caption"; });
        c.WindowPoint(label->Left, [&] { return base + ".Left"; });
        c.WindowPoint(label->Top, [&] { return base + ".Top"; });
    }
    for (const auto& [name, bar] : {std::pair{"HorBar", &g.HorBar}, std::pair{"VertBar", &g.VertBar}}) {
        const std::string base = std::string("controls.") + name;
        // The view may stand above the field's top, so that the toolbar
        // does not cover its first row.
        c.Range(bar->Min, -kMaxBarValue, kMaxBarValue, [&] { return base + ".Min"; });
        c.Range(bar->Max, bar->Min, kMaxBarValue, [&] { return base + ".Max"; });
        c.Range(bar->Value, bar->Min, bar->Max, [&] { return base + ".Value"; });
        c.Range(bar->SmallChange, 1, kMaxBarValue, [&] { return base + ".SmallChange"; });
        c.Range(bar->LargeChange, 1, kMaxBarValue, [&] { return base + ".LargeChange"; });
    }
    if (!c.Ok())
        return;
    // The view is where the scroll bars put it.
    auto within = [](float v, const ScrollBarControl& bar) {
        return std::isfinite(v) && v >= static_cast<float>(bar.Min) && v <= static_cast<float>(bar.Max);
    };
    if (!within(g.ViewX, g.HorBar) || !within(g.ViewY, g.VertBar))
        c.Fail(GH_TR("Check", "Вид на поле (match.ViewX, match.ViewY) за пределами полос прокрутки."));
}

// Each side's tally: counts never below nothing, and no hero has seen more
// days begin than the match has had.
void CheckTally(const Game& g, Checker& c)
{
    constexpr std::int32_t kMaxCount = 100000000;
    for (int side = 0; side <= kHeroes && c.Ok(); ++side) {
        const SideTally& t = g.Tally.Sides[static_cast<std::size_t>(side)];
        const std::string base = "match.Tally.Sides[" + Num(side) + "]";
        c.Range(t.Kills, 0, kMaxCount, [&] { return base + ".Kills"; });
        c.Range(t.Losses, 0, kMaxCount, [&] { return base + ".Losses"; });
        c.Range(t.Summoned, 0, kMaxCount, [&] { return base + ".Summoned"; });
        c.Range(t.SpellsCast, 0, kMaxCount, [&] { return base + ".SpellsCast"; });
        c.Range(t.DaysSurvived, 0, g.Day < 0 ? 0 : g.Day, [&] { return base + ".DaysSurvived"; });
    }
}

} // namespace

std::string CheckMatch(const Game& g)
{
    Checker c;
    CheckMatchValues(g, c);
    if (c.Ok())
        CheckTally(g, c);
    if (c.Ok())
        CheckTimers(g, c);
    if (c.Ok())
        CheckControls(g, c);
    if (c.Ok())
        CheckField(g, c);
    return c.Problem();
}

} // namespace gh::save
