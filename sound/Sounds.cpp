#include "sound/Sounds.h"

namespace gh {

std::string SfxName(Sfx s)
{
    switch (s) {
    case Sfx::Hit: return "hit";
    case Sfx::Miss: return "miss";
    case Sfx::Death: return "death";
    case Sfx::Heal: return "heal";
    case Sfx::Fizzle: return "fizzle";
    case Sfx::SpellFire: return "spell-fire";
    case Sfx::SpellHoly: return "spell-holy";
    case Sfx::SpellDark: return "spell-dark";
    case Sfx::SpellCold: return "spell-cold";
    case Sfx::SpellArcane: return "spell-arcane";
    case Sfx::Summon: return "summon";
    case Sfx::Promotion: return "promotion";
    case Sfx::Bell: return "bell";
    case Sfx::Click: return "click";
    case Sfx::Check: return "check";
    }
    return {};
}

std::string MusicName(Music m)
{
    switch (m) {
    case Music::None: return "none";
    case Music::Calm: return "calm";
    case Music::Battle: return "battle";
    case Music::Victory: return "victory";
    case Music::Defeat: return "defeat";
    }
    return {};
}

SoundKind KindOf(Sfx s)
{
    return s == Sfx::Click || s == Sfx::Check ? SoundKind::Interface : SoundKind::Effects;
}

std::string CueName(const SoundCue& c)
{
    return c.type == SoundCue::Type::Effect ? SfxName(c.sfx) : "music:" + MusicName(c.music);
}

} // namespace gh
