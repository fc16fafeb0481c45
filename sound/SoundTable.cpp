#include "sound/SoundTable.h"

#include "magic/SpellCatalogue.h"

namespace gh {

namespace {

// The elements, as the vocabulary numbers them.
enum Element {
    kFire = 2,
    kWater = 3,
    kAir = 4,
    kDeath = 6,
    kLife = 7,
    kDarkness = 8,
    kLight = 9,
    kLightning = 10,
    kPoison = 11,
    kMind = 13,
};

bool IsHero(int side)
{
    return side >= 1 && side <= kHeroes;
}

std::optional<SoundCue> BlowCue(const MatchEvent& e)
{
    switch (e.outcome) {
    case Outcome::Missed:
    case Outcome::Immune: return SoundCue::Effect(Sfx::Miss);
    default: break;
    }
    return SoundCue::Effect(e.amount > 0 ? Sfx::Heal : Sfx::Hit);
}

// The spell itself sounded when it was cast; its result adds only what the
// cast does not say: life taken or given, or the dead rising.
std::optional<SoundCue> SpellResultCue(const MatchEvent& e)
{
    switch (e.outcome) {
    case Outcome::Landed:
        if (SpellOf(e.spell).StatKind != 1 || e.amount == 0)
            return std::nullopt;
        return SoundCue::Effect(e.amount > 0 ? Sfx::Heal : Sfx::Hit);
    case Outcome::Missed:
    case Outcome::Immune: return SoundCue::Effect(Sfx::Miss);
    case Outcome::Raised: return SoundCue::Effect(Sfx::Summon);
    case Outcome::Fizzled: return SoundCue::Effect(Sfx::Fizzle);
    default: return std::nullopt;
    }
}

} // namespace

Sfx SpellSound(int spell)
{
    switch (SpellOf(spell).Element) {
    case kFire:
    case kLightning: return Sfx::SpellFire;
    case kLife:
    case kLight: return Sfx::SpellHoly;
    case kDeath:
    case kDarkness:
    case kPoison:
    case kMind: return Sfx::SpellDark;
    case kWater:
    case kAir: return Sfx::SpellCold;
    default: return Sfx::SpellArcane;
    }
}

bool PeopleWon(const Game& g, int winner)
{
    if (IsHero(winner) && g.HeroIsHuman[static_cast<std::size_t>(winner)])
        return true;
    for (int h = 1; h <= kHeroes; ++h)
        if (g.HeroIsHuman[static_cast<std::size_t>(h)] && g.Tally.Sides[static_cast<std::size_t>(h)].TookPart)
            return false;
    return true;
}

std::optional<SoundCue> CueFor(const Game& g, const MatchEvent& e)
{
    switch (e.kind) {
    case EventKind::MatchStarted: return SoundCue::Turn(Music::Battle);
    case EventKind::TurnBegins:
        if (IsHero(e.side) && g.HeroIsHuman[static_cast<std::size_t>(e.side)])
            return SoundCue::Effect(Sfx::Bell);
        return std::nullopt;
    case EventKind::Blow: return BlowCue(e);
    case EventKind::Kill: return SoundCue::Effect(Sfx::Death);
    case EventKind::Promotion: return SoundCue::Effect(Sfx::Promotion);
    case EventKind::Summoned: return SoundCue::Effect(Sfx::Summon);
    case EventKind::SummonFailed: return SoundCue::Effect(Sfx::Fizzle);
    case EventKind::SpellCast: return SoundCue::Effect(SpellSound(e.spell));
    case EventKind::SpellResult: return SpellResultCue(e);
    case EventKind::Victory: return SoundCue::Turn(PeopleWon(g, e.side) ? Music::Victory : Music::Defeat);
    case EventKind::DayBegins:
    case EventKind::HeroLeft: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace gh
