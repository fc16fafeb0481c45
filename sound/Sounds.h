#pragma once

#include <cstdint>
#include <string>

namespace gh {

// Every effect the game plays. Each has one file (assets/sound/effects/) and
// belongs to one kind whose volume the player sets: the field's effects or
// the interface's clicks.
enum class Sfx : std::uint8_t {
    Hit,         // a blow that lands
    Miss,        // a blow or a spell that misses, or finds the target immune
    Death,       // a unit dies
    Heal,        // life given back
    Fizzle,      // a summons or a spell that came to nothing
    SpellFire,   // a spell of fire or lightning is cast
    SpellHoly,   // of life or light
    SpellDark,   // of death, darkness, poison or the mind
    SpellCold,   // of water or air
    SpellArcane, // any other spell
    Summon,      // a creature answers its hero's call
    Promotion,   // a unit rises a level
    Bell,        // a person's turn begins
    Click,       // a button is pressed
    Check,       // a check box is ticked or cleared
};
inline constexpr int kSfxCount = static_cast<int>(Sfx::Check) + 1;

// What the music plays: the calm track in the menu and before a match, the
// battle during one, and the short piece at its end.
enum class Music : std::uint8_t { None, Calm, Battle, Victory, Defeat };

enum class SoundKind : std::uint8_t { Effects, Interface, Music };

// The file's name without folder or extension ("hit", "spell-fire").
std::string SfxName(Sfx s);
std::string MusicName(Music m);
SoundKind KindOf(Sfx s);

// One thing to hear: an effect, or the music turning to a piece.
struct SoundCue {
    enum class Type : std::uint8_t { Effect, Music } type = Type::Effect;
    Sfx sfx = Sfx::Hit;
    Music music = Music::None;

    static SoundCue Effect(Sfx s) { return {Type::Effect, s, Music::None}; }
    static SoundCue Turn(Music m) { return {Type::Music, Sfx::Hit, m}; }
    friend bool operator==(const SoundCue&, const SoundCue&) = default;
};

// "hit", "music:battle": how a test and a failure name a cue.
std::string CueName(const SoundCue& c);

// Where sounds go. The game's is Qt Multimedia (sound/qt/QtSound); a test
// records what it is told. Playing never waits and never fails loudly: a sink
// that cannot sound simply stays quiet.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void Play(Sfx s) = 0;
    // Starts the piece unless it already plays; Music::None falls silent.
    virtual void PlayMusic(Music m) = 0;
};

} // namespace gh
