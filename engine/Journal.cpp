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
    return Fill(GH_TR("Journal", "(жизнь %1/%2)"),
                {std::to_string(u.Hp < 0 ? 0 : u.Hp), std::to_string(u.HpMax)});
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
        text += Fill(GH_TR("Journal", "урон %1"), {std::to_string(-static_cast<std::int64_t>(e.amount))});
    else if (e.amount > 0)
        text += Fill(GH_TR("Journal", "лечение %1"), {std::to_string(e.amount)});
    else
        text += GH_TR("Journal", "без вреда");
    return struck.Hp >= 1 ? text + " " + LifeOf(struck) : text;
}

std::string KillText(const Game& g, const MatchEvent& e)
{
    const std::string victim = UnitLabel(g, e.whom);
    if (e.spell != 0)
        return Fill(GH_TR("Journal", "%1 гибнет от заклинания %2"), {victim, Quoted(e.spell)});
    const bool male = Game::ValidUnit(e.who) ? g.U(e.who).IsMale : true;
    return Fill(male ? GH_TR("Journal", "%1 гибнет; сразил %2") : GH_TR("Journal", "%1 гибнет; сразила %2"),
                {victim, UnitLabel(g, e.who)});
}

std::string SpellResultText(const Game& g, const MatchEvent& e)
{
    if (e.whom == 0)
        return Fill(GH_TR("Journal", "%1: на клетке никого нет"), {Quoted(e.spell)});
    const std::string text = Quoted(e.spell) + " \u2192 " + UnitLabel(g, e.whom) + ": ";
    switch (e.outcome) {
    case Outcome::Missed: return text + GH_TR("Journal", "мимо");
    case Outcome::Immune: return text + GH_TR("Journal", "иммунитет");
    case Outcome::Fizzled: return text + GH_TR("Journal", "без действия");
    case Outcome::Raised:
        return text + Fill(GH_TR("Journal", "восстаёт из мёртвых %1"), {LifeOf(g.U(e.whom))});
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
    case EventKind::DayBegins: return Fill(GH_TR("Journal", "Наступает день %1"), {std::to_string(g.Day)});
    case EventKind::TurnBegins:
        return e.side == 0 ? Fill(GH_TR("Journal", "Ходят %1"), {UnitTypeName(0)})
                           : Fill(GH_TR("Journal", "Ходит %1"), {HeroLabel(g, e.side)});
    case EventKind::Blow: return BlowText(g, e);
    case EventKind::Kill: return KillText(g, e);
    case EventKind::Promotion:
        return Fill(GH_TR("Journal", "%1: повышение до уровня %2"),
                    {UnitLabel(g, e.who), std::to_string(e.amount)});
    case EventKind::Summoned: {
        const std::string who = HeroLabel(g, e.who);
        const std::string what = UnitTypeName(g.U(e.whom).UnitType);
        if (e.outcome == Outcome::Unruly)
            return Fill(GH_TR("Journal", "%1 призывает: %2 (никому не подчиняется)"), {who, what});
        return Fill(GH_TR("Journal", "%1 призывает: %2"), {who, what});
    }
    case EventKind::SummonFailed:
        if (e.outcome == Outcome::NoRoom)
            return Fill(GH_TR("Journal", "%1: не удалось призвать %2, слишком много живности"),
                        {HeroLabel(g, e.who), UnitTypeName(e.amount)});
        return Fill(GH_TR("Journal", "%1: заклинание провалено, %2 призвать не удалось"),
                    {HeroLabel(g, e.who), UnitTypeName(e.amount)});
    case EventKind::SpellCast:
        return Fill(GH_TR("Journal", "%1 творит %2"), {HeroLabel(g, e.who), Quoted(e.spell)});
    case EventKind::SpellResult: return SpellResultText(g, e);
    case EventKind::HeroLeft:
        return Fill(GH_TR("Journal", "%1 сдаётся и покидает поле боя"), {HeroLabel(g, e.who)});
    case EventKind::Victory:
        if (e.side == 0)
            return Fill(GH_TR("Journal", "В битве победили %1"), {UnitTypeName(0)});
        return Fill(g.U(e.side).IsMale ? GH_TR("Journal", "В битве победил %1")
                                       : GH_TR("Journal", "В битве победила %1"),
                    {HeroLabel(g, e.side)});
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
    return Fill(GH_TR("Journal", "День %1. %2"), {std::to_string(e.Day), e.Displayed()});
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
    // A save keeps the line in the game's own language, so that it loads the
    // same in every language; the player reads it in theirs.
    if (dynamic_cast<const RussianTexts*>(&CurrentTexts())) {
        entry.Text = Text(g, e);
    } else {
        entry.Shown = Text(g, e);
        const RussianTexts russian;
        const TextsInUse inRussian(russian);
        entry.Text = Text(g, e);
    }
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
