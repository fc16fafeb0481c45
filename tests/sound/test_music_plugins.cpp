// Asks GStreamer whether the music player's elements are there, and prints
// the answer; the test passes when it is what the test's environment makes
// it: "" with the system's plugins, a missing element with none.
//   test_music_plugins present|missing
#include <cstdio>
#include <cstring>
#include <string>

#include "sound/qt/MusicPlugins.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string missing = gh::MissingMusicPlugin();
    std::printf("missing: \"%s\"\n", missing.c_str());
    const bool expectPresent = std::strcmp(argv[1], "present") == 0;
    return missing.empty() == expectPresent ? 0 : 1;
}
