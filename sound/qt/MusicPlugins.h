#pragma once

#include <string>

namespace gh {

// Qt's music player on this system plays through GStreamer, and takes the
// whole program down (a crash, or a hang) when some of GStreamer's elements
// are missing. Before a player is made, this asks GStreamer itself whether
// every element the player builds, and those an Ogg Vorbis piece needs, are
// there. Answers the first one missing ("" when all are), or what keeps
// GStreamer from being asked at all.
std::string MissingMusicPlugin();

} // namespace gh
