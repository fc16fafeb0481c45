#include "save/SaveFormat.h"

namespace gh::save {

namespace {

// A hero takes part from the start of the match: it stands on the field,
// or it has fallen (its remains may have rotted away since). Heroes left out
// by the selection stay off the field with their life untouched, and a
// record never filled has no type.
bool TookPart(const Unit& h)
{
    return h.UnitType != 0 && (h.OnField || h.Hp < 1);
}

// Alive as the turn cycle counts it: on the field, with life, its own master
// (a rival may have raised its bones as a skeleton of his own).
bool Alive(const Unit& h, int slot)
{
    return h.OnField && h.Hp >= 1 && h.Owner == slot;
}

} // namespace

SaveSummary SummaryOf(const Game& g, std::string title, bool autosave, std::string savedAt,
                      std::string gameVersion)
{
    SaveSummary s;
    s.gameVersion = std::move(gameVersion);
    s.savedAt = std::move(savedAt);
    s.title = std::move(title);
    s.autosave = autosave;
    s.day = g.Day;
    s.activeHero = g.ActiveHero;
    for (int h = 1; h <= kHeroes; ++h) {
        const Unit& u = g.U(h);
        if (!TookPart(u))
            continue;
        SaveSummary::Hero hero;
        hero.slot = h;
        hero.name = u.Name;
        hero.unitType = u.UnitType;
        hero.human = g.HeroIsHuman[static_cast<std::size_t>(h)];
        hero.alive = Alive(u, h);
        s.heroes.push_back(std::move(hero));
    }
    return s;
}

void AdoptMatch(Game& live, const Game& loaded)
{
    // The scheduler's assignment keeps the live handlers and tells the
    // program's driver that the timers changed; the generator the live
    // services draw from is the live match's own, now the loaded state.
    live.Match() = loaded.Match();
    static_cast<FieldControls&>(live) = loaded;
    static_cast<Moment&>(live) = Moment{};
}

} // namespace gh::save
