// The table from the match's events to sounds, the director that plays them,
// and whole seeded matches heard through a recording sink: every event sounds
// as the table says, the same match sounds the same twice, and listening
// changes nothing in the match.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Simulation.h"
#include "engine/Engine.h"
#include "magic/SpellCatalogue.h"
#include "sound/SoundDirector.h"
#include "sound/SoundPrefs.h"
#include "sound/SoundTable.h"

namespace gh {
namespace {

MatchEvent Event(EventKind kind)
{
    MatchEvent e;
    e.kind = kind;
    return e;
}

std::string Heard(const Game& g, const MatchEvent& e)
{
    const auto cue = CueFor(g, e);
    return cue ? CueName(*cue) : "-";
}

TEST(SoundTable, BlowsKillsAndTheCreaturesSoundAsTheyEnd)
{
    Game g;
    MatchEvent blow = Event(EventKind::Blow);
    blow.amount = -12;
    EXPECT_EQ(Heard(g, blow), "hit");
    blow.amount = 0; // landed without harm: still a blow that landed
    EXPECT_EQ(Heard(g, blow), "hit");
    blow.amount = 7; // a blow that heals
    EXPECT_EQ(Heard(g, blow), "heal");
    blow.outcome = Outcome::Missed;
    EXPECT_EQ(Heard(g, blow), "miss");
    blow.outcome = Outcome::Immune;
    EXPECT_EQ(Heard(g, blow), "miss");

    EXPECT_EQ(Heard(g, Event(EventKind::Kill)), "death");
    EXPECT_EQ(Heard(g, Event(EventKind::Promotion)), "promotion");
    EXPECT_EQ(Heard(g, Event(EventKind::Summoned)), "summon");
    EXPECT_EQ(Heard(g, Event(EventKind::SummonFailed)), "fizzle");
    EXPECT_EQ(Heard(g, Event(EventKind::DayBegins)), "-");
    EXPECT_EQ(Heard(g, Event(EventKind::HeroLeft)), "-");
    EXPECT_EQ(Heard(g, Event(EventKind::MatchStarted)), "music:battle");
}

TEST(SoundTable, EverySpellSoundsOfItsElementAndItsResultAddsOnlyWhatTheCastDoesNotSay)
{
    // Each spell by the character of its element.
    const std::map<int, std::string> expected = {
        {1, "spell-dark"},   {2, "spell-dark"},    {3, "spell-holy"},    {4, "spell-arcane"},
        {5, "spell-holy"},   {6, "spell-arcane"},  {7, "spell-arcane"},  {8, "spell-dark"},
        {9, "spell-arcane"}, {10, "spell-arcane"}, {11, "spell-arcane"}, {12, "spell-cold"},
        {13, "spell-holy"},  {14, "spell-arcane"}, {15, "spell-fire"},   {16, "spell-dark"},
    };
    Game g;
    for (int spell = 1; spell <= kSpellCount; ++spell) {
        SCOPED_TRACE(SpellName(spell));
        MatchEvent cast = Event(EventKind::SpellCast);
        cast.spell = spell;
        EXPECT_EQ(Heard(g, cast), expected.at(spell));
    }
    // "Пламенный шар" is fire, "Слабое лечение" life.
    EXPECT_EQ(SpellSound(15), Sfx::SpellFire);
    EXPECT_EQ(SpellSound(3), Sfx::SpellHoly);
    EXPECT_EQ(SpellSound(0), Sfx::SpellArcane); // no spell at all still makes a cast's sound

    MatchEvent result = Event(EventKind::SpellResult);
    result.spell = 3; // life
    result.amount = 20;
    EXPECT_EQ(Heard(g, result), "heal");
    result.spell = 15;
    result.amount = -30;
    EXPECT_EQ(Heard(g, result), "hit");
    result.spell = 4; // action points: the cast said it all
    result.amount = 5;
    EXPECT_EQ(Heard(g, result), "-");
    result.outcome = Outcome::Missed;
    EXPECT_EQ(Heard(g, result), "miss");
    result.outcome = Outcome::Fizzled;
    EXPECT_EQ(Heard(g, result), "fizzle");
    result.outcome = Outcome::Raised;
    EXPECT_EQ(Heard(g, result), "summon");
    result.outcome = Outcome::Rotted;
    EXPECT_EQ(Heard(g, result), "-");
}

TEST(SoundTable, TheBellRingsForAPersonsTurnAndTheEndIsAVictoryOnlyForThePeopleAtTheMachine)
{
    Game g;
    g.HeroIsHuman[2] = true;
    for (int h = 1; h <= 3; ++h)
        g.Tally.Sides[static_cast<std::size_t>(h)].TookPart = true;
    MatchEvent turn = Event(EventKind::TurnBegins);
    turn.side = 2;
    EXPECT_EQ(Heard(g, turn), "bell");
    turn.side = 1;
    EXPECT_EQ(Heard(g, turn), "-");
    turn.side = 0; // the neutral side
    EXPECT_EQ(Heard(g, turn), "-");

    MatchEvent won = Event(EventKind::Victory);
    won.side = 2;
    EXPECT_EQ(Heard(g, won), "music:victory");
    won.side = 3;
    EXPECT_EQ(Heard(g, won), "music:defeat");
    won.side = 0;
    EXPECT_EQ(Heard(g, won), "music:defeat");
    // A person who sat out does not lose; computers alone end with the victory piece.
    g.Tally.Sides[2].TookPart = false;
    EXPECT_EQ(Heard(g, won), "music:victory");
}

TEST(SoundDirector, PlaysTheTableKeepsTheBellSwitchAndTurnsTheMusicOnlyWhenItChanges)
{
    RecordingSoundSink sink;
    SoundDirector director(sink);
    Game g;
    g.HeroIsHuman[1] = true;
    director.Begin();
    director.Begin();
    MatchEvent turn = Event(EventKind::TurnBegins);
    turn.side = 1;
    director.OnEvent(g, turn);
    director.SetTurnBell(false);
    director.OnEvent(g, turn);
    director.OnEvent(g, Event(EventKind::DayBegins));
    director.OnEvent(g, Event(EventKind::Kill));

    // A save loaded: a match runs that began unheard.
    g.MatchRunning = true;
    director.Observe(g);
    director.Observe(g);
    director.OnEvent(g, Event(EventKind::MatchStarted));
    g.MatchRunning = false;
    MatchEvent won = Event(EventKind::Victory);
    won.side = 1;
    director.OnEvent(g, won);
    director.Observe(g); // the end's piece plays out
    EXPECT_EQ(director.Playing(), Music::Victory);

    std::vector<std::string> names;
    for (const SoundCue& c : sink.heard)
        names.push_back(CueName(c));
    EXPECT_EQ(names,
              (std::vector<std::string>{"music:calm", "bell", "death", "music:battle", "music:victory"}));

    // Back to the menu without a victory: the calm track.
    director.OnEvent(g, Event(EventKind::MatchStarted));
    director.Observe(g);
    EXPECT_EQ(director.Playing(), Music::Calm);
}

TEST(SoundPrefs, VolumesFollowTheEarMuteSilencesAllAndTheBackgroundLowersTheMusicAndSilencesEffects)
{
    SoundPrefs p;
    p.MusicVolume = 100;
    p.EffectsVolume = 50;
    p.InterfaceVolume = 0;
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Music, true), 1.0f);
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Effects, true), 0.25f);
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Interface, true), 0.0f);
    // The background changes nothing unless asked to.
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Effects, false), 0.25f);
    p.QuietInBackground = true;
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Effects, false), 0.0f);
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Music, false), kBackgroundMusic);
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Music, true), 1.0f);
    p.Muted = true;
    for (SoundKind k : {SoundKind::Music, SoundKind::Effects, SoundKind::Interface})
        EXPECT_FLOAT_EQ(GainOf(p, k, true), 0.0f);
    // A value from outside the range plays as the nearest end of it.
    p = SoundPrefs{};
    p.EffectsVolume = 250;
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Effects, true), 1.0f);
    p.EffectsVolume = -3;
    EXPECT_FLOAT_EQ(GainOf(p, SoundKind::Effects, true), 0.0f);
    // Louder is never quieter.
    p = SoundPrefs{};
    float last = -1.0f;
    for (int v = kVolumeMin; v <= kVolumeMax; ++v) {
        p.MusicVolume = v;
        const float gain = GainOf(p, SoundKind::Music, true);
        EXPECT_GE(gain, last);
        last = gain;
    }
}

// Hears a match twice over: through the director into a recorder, and the
// events themselves with what the table says of each.
struct Listener final : EventSink {
    Listener() : director(sink) {}
    void OnEvent(const Game& g, const MatchEvent& e) override
    {
        director.OnEvent(g, e);
        events.push_back(e);
        cues.push_back(CueFor(g, e));
    }
    RecordingSoundSink sink;
    SoundDirector director;
    std::vector<MatchEvent> events;
    std::vector<std::optional<SoundCue>> cues;
};

std::unique_ptr<Game> Play(std::uint64_t seed, EventSink* sink)
{
    auto g = std::make_unique<Game>();
    g->Generator.Pin(seed);
    if (sink)
        g->events = sink;
    g->ComputerLevel[1] = kStrongestLevel; // spells and summons too
    sim::PrepareMatch(*g, 3);
    BindTimers(*g);
    while (g->MatchRunning && g->timers.Ticks() < 300000)
        g->timers.Tick();
    return g;
}

TEST(SoundOfAMatch, EveryEventSoundsAsTheTableSaysTheSameMatchSoundsTheSameAndListeningChangesNothing)
{
    for (std::uint64_t seed : {5u, 12u}) {
        SCOPED_TRACE(seed);
        Listener first, second;
        const auto quiet = Play(seed, nullptr);
        const auto heard = Play(seed, &first);
        Play(seed, &second);
        EXPECT_TRUE(quiet->Match() == heard->Match());
        EXPECT_EQ(quiet->Generator.Drawn(), heard->Generator.Drawn());

        // Played again, the match makes the same sounds in the same order:
        // what a replay of it will sound like.
        ASSERT_FALSE(first.sink.heard.empty());
        EXPECT_EQ(first.sink.heard, second.sink.heard);

        // What the sink heard is exactly the table's cues of the events, in
        // their order, with the music only where it turns.
        std::vector<SoundCue> expected;
        Music music = Music::None;
        std::map<EventKind, int> count;
        std::map<std::string, int> sounds;
        for (std::size_t i = 0; i < first.events.size(); ++i) {
            ++count[first.events[i].kind];
            const auto& cue = first.cues[i];
            if (!cue)
                continue;
            if (cue->type == SoundCue::Type::Music) {
                if (cue->music == music)
                    continue;
                music = cue->music;
            }
            expected.push_back(*cue);
        }
        EXPECT_EQ(first.sink.heard, expected);
        for (const SoundCue& c : first.sink.heard)
            ++sounds[CueName(c)];

        // Each kind of event was heard as its sound: a death for every kill,
        // a spell's sound for every cast, a summons for every creature called.
        EXPECT_GT(count[EventKind::Kill], 0);
        EXPECT_EQ(sounds["death"], count[EventKind::Kill]);
        int spells = 0;
        for (const char* s : {"spell-fire", "spell-holy", "spell-dark", "spell-cold", "spell-arcane"})
            spells += sounds[s];
        EXPECT_EQ(spells, count[EventKind::SpellCast]);
        EXPECT_GE(sounds["summon"], count[EventKind::Summoned]);
        EXPECT_GT(sounds["hit"] + sounds["miss"], 0);
        // Computers only: no person's turn, no bell.
        EXPECT_EQ(sounds["bell"], 0);
        EXPECT_EQ(CueName(first.sink.heard.front()), "music:battle");
        if (!heard->MatchRunning) {
            EXPECT_EQ(CueName(first.sink.heard.back()), "music:victory");
        }
    }
}

} // namespace
} // namespace gh
