// The program's sound, as the program wires it, fed one match event: a blow
// that lands. The null-sink test runs it under Xvfb with a settings file of
// its choosing and records what reaches the sound server.
//   sound_probe SETTINGS_FILE
// Plays three blows once the effects are loaded, lets them sound out, and ends.
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
    // The effects load in the background: the blow comes once they have,
    // and the program ends when it has sounded out (or after 20 s of waiting).
    QTimer poll;
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (++waited > 200) {
            QApplication::exit(4);
            return;
        }
        if (!speakers.EffectsLoaded())
            return;
        poll.stop();
        // Three blows 0.7 s apart, as an exchange sounds: the loudest of them
        // is what the test compares (a server under load may ease a new
        // stream in, or let its first few milliseconds go).
        for (int i = 0; i < 3; ++i)
            QTimer::singleShot(700 * i, &app, [&] {
                sound.Director().OnEvent(g, blow);
                std::puts("blow");
                std::fflush(stdout);
            });
        QTimer::singleShot(3000, &app, &QApplication::quit);
    });
    poll.start(100);
    return QApplication::exec();
}
