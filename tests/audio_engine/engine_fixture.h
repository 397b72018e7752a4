// The audio engine library as the program binds it: the built file loaded
// with dlopen and its entry points resolved by name. Plus what the engine
// tests share: a station start made the way the radio makes it, an endless
// MP3 station, and a wait for what a server sees.
#pragma once

#include <dlfcn.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/loopback_server.h"
#include "vimo_audio.h"

namespace engine_test {

struct AudioLibrary {
    void* handle = nullptr;
    decltype(&FMOD_System_Create) system_create = nullptr;
    decltype(&FMOD_System_Init) system_init = nullptr;
    decltype(&FMOD_System_CreateStream) system_create_stream = nullptr;
    decltype(&FMOD_System_PlaySound) system_play_sound = nullptr;
    decltype(&FMOD_Channel_SetVolume) channel_set_volume = nullptr;
    decltype(&FMOD_Channel_Stop) channel_stop = nullptr;
    decltype(&FMOD_System_Release) system_release = nullptr;
    decltype(&VIMO_Channel_GetTitle) channel_get_title = nullptr;

    bool complete() const {
        return system_create && system_init && system_create_stream && system_play_sound && channel_set_volume &&
               channel_stop && system_release;
    }
};

template <class Function>
void resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
}

// Loaded once for the whole run and never unloaded, as in the program.
inline const AudioLibrary& audio_library() {
    static const AudioLibrary library = [] {
        AudioLibrary l;
        l.handle = dlopen(VD_AUDIO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!l.handle) return l;
        resolve(l.handle, "FMOD_System_Create", l.system_create);
        resolve(l.handle, "FMOD_System_Init", l.system_init);
        resolve(l.handle, "FMOD_System_CreateStream", l.system_create_stream);
        resolve(l.handle, "FMOD_System_PlaySound", l.system_play_sound);
        resolve(l.handle, "FMOD_Channel_SetVolume", l.channel_set_volume);
        resolve(l.handle, "FMOD_Channel_Stop", l.channel_stop);
        resolve(l.handle, "FMOD_System_Release", l.system_release);
        resolve(l.handle, "VIMO_Channel_GetTitle", l.channel_get_title);
        return l;
    }();
    return library;
}

// The radio's argument values.
inline constexpr int radio_channels = 32;
inline constexpr int radio_channel_index = 1;

using Milliseconds = std::chrono::duration<double, std::milli>;

template <class Call>
Milliseconds timed(Call call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::steady_clock::now() - start;
}

// Create, Init, CreateStream, PlaySound and SetVolume, in the radio's order
// and with its arguments; the instance is released at the end of the scope.
struct RadioStart {
    const AudioLibrary& engine = audio_library();
    FMOD_SYSTEM* system = nullptr;
    FMOD_SOUND* sound = nullptr;
    FMOD_CHANNEL* channel = nullptr;
    int create = -1, init = -1, stream = -1, play = -1, volume = -1;
    Milliseconds play_took{};

    // Tests that do not listen pass 0.0, so that a developer's speakers stay quiet.
    RadioStart(const std::string& address, float loudness) {
        create = engine.system_create(&system);
        init = engine.system_init(system, radio_channels, 0, nullptr);
        stream = engine.system_create_stream(system, address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr, &sound);
        play_took = timed([&] { play = engine.system_play_sound(system, radio_channel_index, sound, 0, &channel); });
        volume = engine.channel_set_volume(channel, loudness);
    }
    ~RadioStart() { release(); }
    RadioStart(const RadioStart&) = delete;
    RadioStart& operator=(const RadioStart&) = delete;

    bool all_ok() const { return create == 0 && init == 0 && stream == 0 && play == 0 && volume == 0; }

    int release() {
        const int result = engine.system_release(system);
        system = nullptr;
        return result;
    }
};

// Whether `condition` comes true within `limit`, looked at every 20 ms.
inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

inline std::string read_fixture(const std::string& name) {
    std::ifstream in(std::string(VD_FIXTURES) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The head of an endless MP3 station; the body is the tone fixture, looped.
inline const char* const station_head = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-name: Test FM\r\n\r\n";
inline std::string station_body() { return read_fixture("tone_440hz.mp3"); }

inline constexpr std::size_t metadata_interval = 8192;

// `title` as a station announces it between two blocks of sound: a length
// byte counting 16-byte units, then the text padded with NULs.
inline std::string metadata_block(const std::string& title) {
    std::string text = title.empty() ? std::string() : "StreamTitle='" + title + "';";
    const std::size_t units = (text.size() + 15) / 16;
    text.resize(units * 16, '\0');
    return char(units) + text;
}

// An endless station that announces `first` for three blocks of sound (about
// three seconds at the tone's 64 kbit/s), then `second` for three, and again.
inline test_support::ScriptedReply titled_station(const std::string& path, const std::string& first,
                                                  const std::string& second) {
    const std::string tone = station_body();
    std::string body;
    std::size_t at = 0;
    for (int block = 0; block < 6; ++block) {
        for (std::size_t i = 0; i < metadata_interval; ++i) body += tone[at++ % tone.size()];
        body += metadata_block(block < 3 ? first : second);
    }
    return {.path = path,
            .response = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-metaint: " +
                        std::to_string(metadata_interval) + "\r\n\r\n",
            .endless_body = body};
}

}  // namespace engine_test
