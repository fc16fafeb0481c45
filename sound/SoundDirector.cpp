#include "sound/SoundDirector.h"

namespace gh {

void SoundDirector::Begin()
{
    Turn(Music::Calm);
}

void SoundDirector::Turn(Music m)
{
    if (m == music_)
        return;
    music_ = m;
    sink_.PlayMusic(m);
}

void SoundDirector::OnEvent(const Game& g, const MatchEvent& e)
{
    const std::optional<SoundCue> cue = CueFor(g, e);
    if (!cue)
        return;
    if (cue->type == SoundCue::Type::Music) {
        Turn(cue->music);
        return;
    }
    if (cue->sfx == Sfx::Bell && !turnBell_)
        return;
    sink_.Play(cue->sfx);
}

void SoundDirector::Observe(const Game& g)
{
    if (g.MatchRunning && music_ != Music::Battle)
        Turn(Music::Battle);
    else if (!g.MatchRunning && music_ == Music::Battle)
        Turn(Music::Calm);
}

} // namespace gh
