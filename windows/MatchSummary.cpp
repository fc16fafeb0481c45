#include "windows/MatchSummary.h"

#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

std::string Fate(const Game& g, int h, int winner)
{
    const Unit& u = g.U(h);
    const bool male = u.IsMale;
    if (h == winner && HeroAlive(g, h))
        return male ? GH_TR("MatchSummary", "победитель") : GH_TR("MatchSummary", "победительница");
    // A hero that gave up left the field with its life; one that fell and
    // rotted away left it with none.
    if (!u.OnField && u.Hp >= 1)
        return male ? GH_TR("MatchSummary", "сдался") : GH_TR("MatchSummary", "сдалась");
    if (!HeroAlive(g, h))
        return male ? GH_TR("MatchSummary", "пал в бою") : GH_TR("MatchSummary", "пала в бою");
    return GH_TR("MatchSummary", "в строю");
}

} // namespace

std::vector<SummaryRow> MatchSummary(const Game& g, int winner)
{
    std::vector<SummaryRow> rows;
    for (int h = 1; h <= kHeroes; ++h) {
        const SideTally& t = g.Tally.Sides[static_cast<std::size_t>(h)];
        if (!t.TookPart)
            continue;
        const Unit& u = g.U(h);
        SummaryRow row;
        row.side = h;
        row.name = u.Name.empty() ? UnitTypeName(u.UnitType) : UnitTypeName(u.UnitType) + " " + u.Name;
        row.fate = Fate(g, h, winner);
        row.tally = t;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SummaryHeadline(const Game& g, int winner)
{
    const std::string day = std::to_string(g.Day);
    if (winner == 0)
        return Fill(GH_TR("MatchSummary", "В битве победили %1, день %2"), {UnitTypeName(0), day});
    if (winner < 0 || winner > kHeroes)
        return Fill(GH_TR("MatchSummary", "Битва идёт, день %1"), {day});
    const Unit& w = g.U(winner);
    const std::string who =
        w.Name.empty() ? UnitTypeName(w.UnitType) : UnitTypeName(w.UnitType) + " " + w.Name;
    return Fill(w.IsMale ? GH_TR("MatchSummary", "В битве победил %1, день %2")
                         : GH_TR("MatchSummary", "В битве победила %1, день %2"),
                {who, day});
}

} // namespace gh
