#include "sound/qt/MusicPlugins.h"

#include <dlfcn.h>

namespace gh {

namespace {

// The player's own pipeline (source, decoding, volume, conversion, output)
// and what reads an Ogg Vorbis file; without any of the first group Qt's
// player crashes or hangs, without the second it only fails to play.
const char* const kElements[] = {
    "uridecodebin", "decodebin",     "queue",         "identity", "input-selector", "appsrc",    "volume",
    "audioconvert", "audioresample", "autoaudiosink", "typefind", "oggdemux",       "vorbisdec",
};

// GStreamer is reached by name at run time, as Qt's player reaches it: the
// game builds without its headers and starts without it.
using InitCheck = int (*)(int*, char***, void**);
using FactoryFind = void* (*)(const char*);
using Unref = void (*)(void*);

} // namespace

std::string MissingMusicPlugin()
{
    void* lib = dlopen("libgstreamer-1.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return "libgstreamer-1.0.so.0";
    auto init = reinterpret_cast<InitCheck>(dlsym(lib, "gst_init_check"));
    auto find = reinterpret_cast<FactoryFind>(dlsym(lib, "gst_element_factory_find"));
    auto unref = reinterpret_cast<Unref>(dlsym(lib, "gst_object_unref"));
    std::string missing;
    if (!init || !find || !unref) {
        missing = "gst_element_factory_find";
    } else if (!init(nullptr, nullptr, nullptr)) {
        missing = "gst_init";
    } else {
        for (const char* name : kElements) {
            void* factory = find(name);
            if (!factory) {
                missing = name;
                break;
            }
            unref(factory);
        }
    }
    // GStreamer stays loaded (Qt uses it too); only our handle goes.
    dlclose(lib);
    return missing;
}

} // namespace gh
