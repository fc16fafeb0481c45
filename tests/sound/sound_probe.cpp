// The program's sound, as the program wires it, fed one match event: a blow
// that lands. The null-sink test runs it under Xvfb with a settings file of
// its choosing and records what reaches the sound server.
//   sound_probe SETTINGS_FILE
// Plays the blow once everything is loaded, lets it sound out, and ends.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "sound/qt/QtSound.h"
#include "sound/qt/SoundControl.h"
#include "world/Game.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: sound_probe SETTINGS_FILE\n", stderr);
        return 2;
    }
    gh::QtSound speakers;
    gh::SoundControl sound(speakers, QString::fromLocal8Bit(argv[1]));
    sound.apply = [&speakers](const gh::SoundPrefs& p, bool active) { speakers.Apply(p, active); };
    speakers.Apply(sound.Prefs(), true);
    if (!speakers.EffectsAvailable())
        return 3;
    gh::Game g;
    gh::MatchEvent blow;
    blow.kind = gh::EventKind::Blow;
    blow.amount = -10;
    // The effects load in the background; a second is plenty.
    QTimer::singleShot(1000, &app, [&] {
        sound.Director().OnEvent(g, blow);
        std::puts("blow");
        std::fflush(stdout);
    });
    QTimer::singleShot(2500, &app, &QApplication::quit);
    return QApplication::exec();
}
