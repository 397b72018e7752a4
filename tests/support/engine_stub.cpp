// A stand-in for the radio's engine library: it exports the engine's entry
// points (all of them, or all but FMOD_Channel_Stop when built with
// VD_STUB_WITHOUT_STOP), plays nothing, and writes every call it gets into a
// log that the test reads through vd_stub_log().
#include <cstdint>
#include <cstdio>
#include <string>

#include "vimo_audio.h"

namespace {

std::string g_log;
std::uintptr_t g_last_handle = 0x1000;

void note(const std::string& line) { g_log += line + "\n"; }

std::string handle(const void* p) { return std::to_string(reinterpret_cast<std::uintptr_t>(p)); }

template <class Opaque>
Opaque* new_handle() {
    return reinterpret_cast<Opaque*>(++g_last_handle);
}

}  // namespace

extern "C" {

VIMO_AUDIO_API const char* vd_stub_log() { return g_log.c_str(); }

VIMO_AUDIO_API int FMOD_System_Create(FMOD_SYSTEM** system) {
    *system = new_handle<FMOD_SYSTEM>();
    note("create " + handle(*system));
    return VIMO_AUDIO_OK;
}

VIMO_AUDIO_API int FMOD_System_Init(FMOD_SYSTEM* system, int max_channels, unsigned int flags, void* extra) {
    note("init " + handle(system) + " " + std::to_string(max_channels) + " " + std::to_string(flags) + " " +
         (extra ? "data" : "none"));
    return VIMO_AUDIO_OK;
}

VIMO_AUDIO_API int FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* address, unsigned int mode, void* extra,
                                            FMOD_SOUND** sound) {
    *sound = new_handle<FMOD_SOUND>();
    note("stream " + handle(system) + " " + address + " " + std::to_string(mode) + " " + (extra ? "info" : "none") +
         " -> " + handle(*sound));
    return VIMO_AUDIO_OK;
}

VIMO_AUDIO_API int FMOD_System_PlaySound(FMOD_SYSTEM* system, int index, FMOD_SOUND* sound, int paused,
                                         FMOD_CHANNEL** channel) {
    *channel = new_handle<FMOD_CHANNEL>();
    note("play " + handle(system) + " " + std::to_string(index) + " " + handle(sound) + " " + std::to_string(paused) +
         " -> " + handle(*channel));
    return VIMO_AUDIO_OK;
}

VIMO_AUDIO_API int FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume) {
    char value[32];
    std::snprintf(value, sizeof value, "%.2f", double(volume));
    note("volume " + handle(channel) + " " + value);
    return VIMO_AUDIO_OK;
}

#ifndef VD_STUB_WITHOUT_STOP
VIMO_AUDIO_API int FMOD_Channel_Stop(FMOD_CHANNEL* channel) {
    note("stop " + handle(channel));
    return VIMO_AUDIO_OK;
}
#endif

VIMO_AUDIO_API int FMOD_System_Release(FMOD_SYSTEM* system) {
    note("release " + handle(system));
    return VIMO_AUDIO_OK;
}

}  // extern "C"
