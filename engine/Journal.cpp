#include "engine/Journal.h"

#include <cstdlib>

#include "magic/SpellCatalogue.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

bool IsSide(int side)
{
    return side >= 0 && side <= kHeroes;
}

std::string HeroLabel(const Game& g, int hero)
{
    if (!IsSide(hero) || hero == 0)
        return UnitTypeName(0);
    const Unit& h = g.U(hero);
    return h.Name.empty() ? UnitTypeName(h.UnitType) : UnitTypeName(h.UnitType) + " " + h.Name;
}

int SideOfUnit(const Game& g, int unit)
{
    if (!Game::ValidUnit(unit))
        return -1;
    const int owner = g.U(unit).Owner;
    return IsSide(owner) ? owner : -1;
}

// Signed, with a true minus: "+5", "−12".
std::string Signed(std::int32_t v)
{
    return (v < 0 ? "\u2212" : "+") + std::to_string(std::abs(static_cast<std::int64_t>(v)));
}

std::string Quoted(int spell)
{
    const std::string name = SpellName(spell);
    return "«" + (name.empty() ? std::string(GH_TR("Journal", "заклинание")) : name) + "»";
}

std::string LifeOf(const Unit& u)
{
    return GH_TR("Journal", "(жизнь ") + std::to_string(u.Hp < 0 ? 0 : u.Hp) + "/" + std::to_string(u.HpMax) + ")";
}

std::string StatName(int statKind)
{
    switch (statKind) {
    case 1: return GH_TR("Journal", "жизнь");
    case 2: return GH_TR("Journal", "очки действия");
    case 3: return GH_TR("Journal", "мана");
    default: return "";
    }
}

std::string BlowText(const Game& g, const MatchEvent& e)
{
    std::string text = UnitLabel(g, e.who) + " \u2192 " + UnitLabel(g, e.whom) + ": ";
    switch (e.outcome) {
    case Outcome::Missed: return text + GH_TR("Journal", "мимо");
    case Outcome::Immune: return text + GH_TR("Journal", "иммунитет");
    default: break;
    }
    const Unit& struck = g.U(e.whom);
    if (e.amount < 0)
        text += GH_TR("Journal", "урон ") + std::to_string(-static_cast<std::int64_t>(e.amount));
    else if (e.amount > 0)
        text += GH_TR("Journal", "лечение ") + std::to_string(e.amount);
    else
        text += GH_TR("Journal", "без вреда");
    return struck.Hp >= 1 ? text + " " + LifeOf(struck) : text;
}

std::string KillText(const Game& g, const MatchEvent& e)
{
    const std::string victim = UnitLabel(g, e.whom) + GH_TR("Journal", " гибнет");
    if (e.spell != 0)
        return victim + GH_TR("Journal", " от заклинания ") + Quoted(e.spell);
    const bool male = Game::ValidUnit(e.who) ? g.U(e.who).IsMale : true;
    return victim + "; " + (male ? GH_TR("Journal", "сразил ") : GH_TR("Journal", "сразила ")) + UnitLabel(g, e.who);
}

std::string SpellResultText(const Game& g, const MatchEvent& e)
{
    if (e.whom == 0)
        return Quoted(e.spell) + GH_TR("Journal", ": на клетке никого нет");
    const std::string text = Quoted(e.spell) + " \u2192 " + UnitLabel(g, e.whom) + ": ";
    switch (e.outcome) {
    case Outcome::Missed: return text + GH_TR("Journal", "мимо");
    case Outcome::Immune: return text + GH_TR("Journal", "иммунитет");
    case Outcome::Fizzled: return text + GH_TR("Journal", "без действия");
    case Outcome::Raised: return text + GH_TR("Journal", "восстаёт из мёртвых ") + LifeOf(g.U(e.whom));
    case Outcome::Rotted: return text + GH_TR("Journal", "труп обращается в кости");
    case Outcome::Controlled: return text + GH_TR("Journal", "разум подчинён");
    default: break;
    }
    const int statKind = SpellOf(e.spell).StatKind;
    std::string said = text + StatName(statKind) + " " + Signed(e.amount);
    if (statKind == 1 && g.U(e.whom).Hp >= 1)
        said.append(" ").append(LifeOf(g.U(e.whom))); // `+= " " + ...` trips a false g++ 12 warning at -O3
    return said;
}

std::string Text(const Game& g, const MatchEvent& e)
{
    switch (e.kind) {
    case EventKind::MatchStarted: return GH_TR("Journal", "Битва начинается");
    case EventKind::DayBegins: return GH_TR("Journal", "Наступает день ") + std::to_string(g.Day);
    case EventKind::TurnBegins:
        return e.side == 0 ? GH_TR("Journal", "Ходят ") + UnitTypeName(0) : GH_TR("Journal", "Ходит ") + HeroLabel(g, e.side);
    case EventKind::Blow: return BlowText(g, e);
    case EventKind::Kill: return KillText(g, e);
    case EventKind::Promotion:
        return UnitLabel(g, e.who) + GH_TR("Journal", ": повышение до уровня ") + std::to_string(e.amount);
    case EventKind::Summoned: {
        std::string text = HeroLabel(g, e.who) + GH_TR("Journal", " призывает: ") + UnitTypeName(g.U(e.whom).UnitType);
        if (e.outcome == Outcome::Unruly)
            text += GH_TR("Journal", " (никому не подчиняется)");
        return text;
    }
    case EventKind::SummonFailed:
        if (e.outcome == Outcome::NoRoom)
            return HeroLabel(g, e.who) + GH_TR("Journal", ": не удалось призвать ") + UnitTypeName(e.amount) +
                   GH_TR("Journal", ", слишком много живности");
        return HeroLabel(g, e.who) + GH_TR("Journal", ": заклинание провалено, ") + UnitTypeName(e.amount) +
               GH_TR("Journal", " призвать не удалось");
    case EventKind::SpellCast: return HeroLabel(g, e.who) + GH_TR("Journal", " творит ") + Quoted(e.spell);
    case EventKind::SpellResult: return SpellResultText(g, e);
    case EventKind::HeroLeft: return HeroLabel(g, e.who) + GH_TR("Journal", " сдаётся и покидает поле боя");
    case EventKind::Victory:
        if (e.side == 0)
            return GH_TR("Journal", "В битве победили ") + UnitTypeName(0);
        return (g.U(e.side).IsMale ? GH_TR("Journal", "В битве победил ") : GH_TR("Journal", "В битве победила ")) + HeroLabel(g, e.side);
    }
    return {};
}

int SideOfEvent(const Game& g, const MatchEvent& e)
{
    switch (e.kind) {
    case EventKind::TurnBegins:
    case EventKind::Victory:
    case EventKind::Kill: return IsSide(e.side) ? e.side : -1;
    case EventKind::Blow:
    case EventKind::Promotion: return SideOfUnit(g, e.who);
    case EventKind::Summoned:
    case EventKind::SummonFailed:
    case EventKind::SpellCast:
    case EventKind::SpellResult:
    case EventKind::HeroLeft: return IsSide(e.who) ? e.who : -1;
    default: return -1;
    }
}

} // namespace

std::string JournalLine(const JournalEntry& e)
{
    return GH_TR("Journal", "День ") + std::to_string(e.Day) + ". " + e.Text;
}

std::string UnitLabel(const Game& g, int unit)
{
    if (!Game::ValidUnit(unit) || unit == 0)
        return "?";
    const Unit& u = g.U(unit);
    const std::string type = UnitTypeName(u.UnitType);
    if (unit <= kHeroes)
        return u.Name.empty() ? type : type + " " + u.Name;
    if (u.Owner >= 1 && u.Owner <= kHeroes && !g.U(u.Owner).Name.empty())
        return type + " (" + g.U(u.Owner).Name + ")";
    return type;
}

JournalEntry DescribeEvent(const Game& g, const MatchEvent& e)
{
    JournalEntry entry;
    entry.Day = g.Day;
    entry.Side = SideOfEvent(g, e);
    entry.Turn = e.kind == EventKind::TurnBegins || e.kind == EventKind::DayBegins ||
                 e.kind == EventKind::MatchStarted || e.kind == EventKind::Victory;
    entry.Text = Text(g, e);
    return entry;
}

void Journal::Restore(const std::vector<JournalEntry>& lines)
{
    entries_.clear();
    const std::size_t from = lines.size() > kKept ? lines.size() - kKept : 0;
    entries_.insert(entries_.end(), lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end());
    written_ = entries_.size();
}

void Journal::OnEvent(const Game& g, const MatchEvent& e)
{
    if (e.kind == EventKind::MatchStarted)
        entries_.clear();
    JournalEntry entry = DescribeEvent(g, e);
    const JournalEntry* written = nullptr;
    if (!entry.Text.empty()) {
        entries_.push_back(std::move(entry));
        ++written_;
        while (entries_.size() > kKept)
            entries_.pop_front();
        written = &entries_.back();
    }
    if (listener)
        listener(g, e, written);
}

} // namespace gh
