#include "music/engine.h"

#include <dlfcn.h>

#include <type_traits>

#include "audio_engine/vimo_audio.h"
#include "core/unicode.h"
#include "platform/paths.h"
#include "platform/program_files.h"
#include "platform/services.h"

namespace music {

namespace {

// The entry points are called through the types the library declares.
using Entries = EngineEntries;
static_assert(std::is_same_v<decltype(Entries::system_create), decltype(&FMOD_System_Create)>);
static_assert(std::is_same_v<decltype(Entries::system_init), decltype(&FMOD_System_Init)>);
static_assert(std::is_same_v<decltype(Entries::system_create_stream), decltype(&FMOD_System_CreateStream)>);
static_assert(std::is_same_v<decltype(Entries::system_play_sound), decltype(&FMOD_System_PlaySound)>);
static_assert(std::is_same_v<decltype(Entries::channel_set_volume), decltype(&FMOD_Channel_SetVolume)>);
static_assert(std::is_same_v<decltype(Entries::channel_stop), decltype(&FMOD_Channel_Stop)>);
static_assert(std::is_same_v<decltype(Entries::system_release), decltype(&FMOD_System_Release)>);
static_assert(std::is_same_v<decltype(Entries::channel_get_title), decltype(&VIMO_Channel_GetTitle)>);
static_assert(engine_stream_mode == VIMO_AUDIO_MODE_STREAM);

template <typename Function>
void resolve(void* library, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(library, name));
}

}  // namespace

void bind_audio_engine(core::State& s) {
    if (s.music.engine_bind_tried) return;
    s.music.engine_bind_tried = true;
    s.music.engine = {};
    // Beside the program, or in an installation's library folder.
    const std::string folder = platform::program_files(platform::environment()).library_folder;
    // Without a folder the loader would search its own paths.
    if (folder.empty() || folder.front() != platform::path_separator) return;
    const std::string path = folder + engine_library_name;
    s.Audio_Library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!s.Audio_Library) return;
    EngineEntries& e = s.music.engine;
    resolve(s.Audio_Library, "FMOD_System_Create", e.system_create);
    resolve(s.Audio_Library, "FMOD_System_Init", e.system_init);
    resolve(s.Audio_Library, "FMOD_System_CreateStream", e.system_create_stream);
    resolve(s.Audio_Library, "FMOD_System_PlaySound", e.system_play_sound);
    resolve(s.Audio_Library, "FMOD_Channel_SetVolume", e.channel_set_volume);
    resolve(s.Audio_Library, "FMOD_Channel_Stop", e.channel_stop);
    resolve(s.Audio_Library, "FMOD_System_Release", e.system_release);
    resolve(s.Audio_Library, "VIMO_Channel_GetTitle", e.channel_get_title);
}

bool radio_engine_usable(core::State& s) {
    if (s.Audio_Available != 1) return false;
    bind_audio_engine(s);
    return s.Audio_Library != nullptr;
}

void start_radio_stream(core::State& s, const std::string& address, float volume) {
    stop_radio_stream(s);
    if (!radio_engine_usable(s)) return;
    const EngineEntries& e = s.music.engine;
    if (e.system_create) e.system_create(&s.Radio_System);
    if (!s.Radio_System) return;
    if (e.system_init) e.system_init(s.Radio_System, engine_channels, 0, nullptr);
    if (e.system_create_stream)
        e.system_create_stream(s.Radio_System, address.c_str(), engine_stream_mode, nullptr, &s.Radio_Sound);
    if (e.system_play_sound && s.Radio_Sound)
        e.system_play_sound(s.Radio_System, engine_channel_index, s.Radio_Sound, 0, &s.Radio_Channel);
    set_radio_volume(s, volume);
}

void stop_radio_stream(core::State& s) {
    const EngineEntries& e = s.music.engine;
    if (s.Radio_Channel && e.channel_stop) e.channel_stop(s.Radio_Channel);
    if (s.Radio_System && e.system_release) e.system_release(s.Radio_System);
    s.Radio_System = nullptr;
    s.Radio_Sound = nullptr;
    s.Radio_Channel = nullptr;
}

std::string radio_stream_title(const core::State& s) {
    if (!s.Radio_Channel || !s.music.engine.channel_get_title) return {};
    char bytes[max_station_title_bytes + 1] = {};
    if (s.music.engine.channel_get_title(s.Radio_Channel, bytes, sizeof bytes) != 0) return {};
    // Stations send UTF-8 or, the older ones, Latin-1.
    const std::string_view sent(bytes);
    std::string title = core::is_valid_utf8(sent) ? std::string(sent) : core::latin1_to_utf8(sent);
    for (char& c : title)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    const auto first = title.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return title.substr(first, title.find_last_not_of(' ') - first + 1);
}

void set_radio_volume(core::State& s, float volume) {
    if (s.Radio_Channel && s.music.engine.channel_set_volume)
        s.music.engine.channel_set_volume(s.Radio_Channel, volume);
}

}  // namespace music
