// The audio engine library through its exported entry points: a station's
// connection follows play, stop and release; refused handles change nothing;
// stations that fail never hold the caller; only streams are opened.
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <filesystem>

#include <arpa/inet.h>
#include <netinet/in.h>

#include "engine_fixture.h"
#include "platform/loopback_server.h"

namespace engine_test {
namespace {

using test_support::http_response;
using test_support::LoopbackServer;
using namespace std::chrono_literals;

// Far above what a prompt call takes (a few milliseconds) and below the
// engine's 10-second network time-out, so a call that waits for the station
// is caught while a slow machine is not.
constexpr Milliseconds hang_bound = 5s;

LoopbackServer station_server() { return LoopbackServer({{"/station", station_head, station_body()}}, 120s); }

TEST(AudioEngine, ExportsEveryEntryPoint) {
    const AudioLibrary& engine = audio_library();
    ASSERT_NE(engine.handle, nullptr) << dlerror();
    EXPECT_TRUE(engine.complete());
}

TEST(AudioEngine, StationConnectionFollowsPlayStopAndRelease) {
    ASSERT_TRUE(audio_library().complete());
    const AudioLibrary& engine = audio_library();
    LoopbackServer server = station_server();
    auto requests_and_open = [&](std::size_t requests, int open) {
        return eventually([&] { return server.requests().size() == requests && server.open_connections() == open; });
    };
    {
        RadioStart radio(server.url("/station"), 0.0f);
        ASSERT_TRUE(radio.all_ok()) << radio.create << radio.init << radio.stream << radio.play << radio.volume;
        ASSERT_NE(radio.channel, nullptr);
        ASSERT_TRUE(requests_and_open(1, 1)) << "the station was not asked for its stream";
        EXPECT_EQ(server.requests()[0].rfind("GET /station HTTP/1.", 0), 0u) << server.requests()[0];

        EXPECT_EQ(engine.channel_stop(radio.channel), VIMO_AUDIO_OK);
        EXPECT_TRUE(requests_and_open(1, 0)) << "stop left the connection open";

        // Played again on the same instance: a fresh request, on the same channel.
        FMOD_CHANNEL* again = nullptr;
        EXPECT_EQ(engine.system_play_sound(radio.system, radio_channel_index, radio.sound, 0, &again), VIMO_AUDIO_OK);
        EXPECT_EQ(again, radio.channel);
        EXPECT_TRUE(requests_and_open(2, 1)) << "playing after stop did not reconnect";

        // Released while playing, without a stop first.
        int released = -1;
        const Milliseconds release_took = timed([&] { released = radio.release(); });
        EXPECT_EQ(released, VIMO_AUDIO_OK);
        EXPECT_TRUE(requests_and_open(2, 0)) << "release left the connection open";
        EXPECT_LT(release_took, hang_bound);
        std::printf("[ timing   ] release while playing: %.1f ms\n", release_took.count());
    }
    // The radio's next station: a new instance and a fresh request.
    RadioStart next(server.url("/station"), 0.0f);
    ASSERT_TRUE(next.all_ok());
    EXPECT_TRUE(requests_and_open(3, 1));
    EXPECT_EQ(next.release(), VIMO_AUDIO_OK);
    EXPECT_TRUE(requests_and_open(3, 0));
}

// Calls on handles that are null, stale, of another kind or never given out
// are refused and leave a playing instance alone, even one that may reuse the
// memory of the instance released before it.
TEST(AudioEngine, RefusedHandlesChangeNothing) {
    ASSERT_TRUE(audio_library().complete());
    const AudioLibrary& engine = audio_library();
    LoopbackServer server = station_server();

    FMOD_SYSTEM* stale_system = nullptr;
    FMOD_SOUND* stale_sound = nullptr;
    FMOD_CHANNEL* stale_channel = nullptr;
    {
        RadioStart earlier(server.url("/station"), 0.0f);
        ASSERT_TRUE(earlier.all_ok());
        stale_system = earlier.system;
        stale_sound = earlier.sound;
        stale_channel = earlier.channel;
        // Heard before it is released, so the count below does not race it.
        ASSERT_TRUE(eventually([&] { return server.requests().size() == 1; }));
    }
    ASSERT_TRUE(eventually([&] { return server.open_connections() == 0; }));

    RadioStart playing(server.url("/station"), 0.0f);
    ASSERT_TRUE(playing.all_ok());
    ASSERT_TRUE(eventually([&] { return server.requests().size() == 2 && server.open_connections() == 1; }));

    FMOD_SYSTEM* uninitialised = nullptr;
    ASSERT_EQ(engine.system_create(&uninitialised), VIMO_AUDIO_OK);

    int unrelated = 0;
    auto* foreign_system = reinterpret_cast<FMOD_SYSTEM*>(&unrelated);
    auto* foreign_sound = reinterpret_cast<FMOD_SOUND*>(&unrelated);
    auto* foreign_channel = reinterpret_cast<FMOD_CHANNEL*>(&unrelated);
    const std::string address = server.url("/station");
    FMOD_SOUND* sound_out = nullptr;
    FMOD_CHANNEL* channel_out = nullptr;

    // Refused stream and play calls also clear the handle they would give.
    enum class Gives { Nothing, Sound, Channel };
    struct Call {
        const char* name;
        std::function<int()> call;
        int expected;
        Gives gives = Gives::Nothing;
    };
    const Call calls[] = {
        {"create without a place for the handle", [&] { return engine.system_create(nullptr); },
         VIMO_AUDIO_BAD_ARGUMENT},
        {"init null", [&] { return engine.system_init(nullptr, radio_channels, 0, nullptr); }, VIMO_AUDIO_BAD_HANDLE},
        {"init stale", [&] { return engine.system_init(stale_system, radio_channels, 0, nullptr); },
         VIMO_AUDIO_BAD_HANDLE},
        {"init twice", [&] { return engine.system_init(playing.system, radio_channels, 0, nullptr); },
         VIMO_AUDIO_ENGINE_FAILED},
        {"stream on null",
         [&] {
             return engine.system_create_stream(nullptr, address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr, &sound_out);
         },
         VIMO_AUDIO_BAD_HANDLE, Gives::Sound},
        {"stream on stale",
         [&] {
             return engine.system_create_stream(stale_system, address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr,
                                                &sound_out);
         },
         VIMO_AUDIO_BAD_HANDLE, Gives::Sound},
        {"stream on foreign",
         [&] {
             return engine.system_create_stream(foreign_system, address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr,
                                                &sound_out);
         },
         VIMO_AUDIO_BAD_HANDLE, Gives::Sound},
        {"stream before init",
         [&] {
             return engine.system_create_stream(uninitialised, address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr,
                                                &sound_out);
         },
         VIMO_AUDIO_NOT_INITIALISED, Gives::Sound},
        {"stream without an address",
         [&] {
             return engine.system_create_stream(playing.system, nullptr, VIMO_AUDIO_MODE_STREAM, nullptr, &sound_out);
         },
         VIMO_AUDIO_BAD_ARGUMENT, Gives::Sound},
        {"stream without a place for the handle",
         [&] {
             return engine.system_create_stream(playing.system, address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr,
                                                nullptr);
         },
         VIMO_AUDIO_BAD_ARGUMENT},
        {"play null system", [&] { return engine.system_play_sound(nullptr, 1, playing.sound, 0, &channel_out); },
         VIMO_AUDIO_BAD_HANDLE, Gives::Channel},
        {"play null sound", [&] { return engine.system_play_sound(playing.system, 1, nullptr, 0, &channel_out); },
         VIMO_AUDIO_BAD_HANDLE, Gives::Channel},
        {"play stale sound", [&] { return engine.system_play_sound(playing.system, 1, stale_sound, 0, &channel_out); },
         VIMO_AUDIO_BAD_HANDLE, Gives::Channel},
        {"play on stale system",
         [&] { return engine.system_play_sound(stale_system, 1, stale_sound, 0, &channel_out); }, VIMO_AUDIO_BAD_HANDLE,
         Gives::Channel},
        {"play another instance's sound",
         [&] { return engine.system_play_sound(uninitialised, 1, playing.sound, 0, &channel_out); },
         VIMO_AUDIO_BAD_HANDLE, Gives::Channel},
        {"play foreign sound",
         [&] { return engine.system_play_sound(playing.system, 1, foreign_sound, 0, &channel_out); },
         VIMO_AUDIO_BAD_HANDLE, Gives::Channel},
        {"volume null", [&] { return engine.channel_set_volume(nullptr, 1.0f); }, VIMO_AUDIO_BAD_HANDLE},
        {"volume stale", [&] { return engine.channel_set_volume(stale_channel, 1.0f); }, VIMO_AUDIO_BAD_HANDLE},
        {"volume foreign", [&] { return engine.channel_set_volume(foreign_channel, 1.0f); }, VIMO_AUDIO_BAD_HANDLE},
        {"volume on a system handle",
         [&] { return engine.channel_set_volume(reinterpret_cast<FMOD_CHANNEL*>(playing.system), 1.0f); },
         VIMO_AUDIO_BAD_HANDLE},
        {"stop null", [&] { return engine.channel_stop(nullptr); }, VIMO_AUDIO_BAD_HANDLE},
        {"stop stale", [&] { return engine.channel_stop(stale_channel); }, VIMO_AUDIO_BAD_HANDLE},
        {"stop foreign", [&] { return engine.channel_stop(foreign_channel); }, VIMO_AUDIO_BAD_HANDLE},
        {"stop on a sound handle", [&] { return engine.channel_stop(reinterpret_cast<FMOD_CHANNEL*>(playing.sound)); },
         VIMO_AUDIO_BAD_HANDLE},
        {"release null", [&] { return engine.system_release(nullptr); }, VIMO_AUDIO_BAD_HANDLE},
        {"release stale", [&] { return engine.system_release(stale_system); }, VIMO_AUDIO_BAD_HANDLE},
        {"release foreign", [&] { return engine.system_release(foreign_system); }, VIMO_AUDIO_BAD_HANDLE},
        {"release on a channel handle",
         [&] { return engine.system_release(reinterpret_cast<FMOD_SYSTEM*>(playing.channel)); }, VIMO_AUDIO_BAD_HANDLE},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.name);
        sound_out = reinterpret_cast<FMOD_SOUND*>(&unrelated);
        channel_out = reinterpret_cast<FMOD_CHANNEL*>(&unrelated);
        EXPECT_EQ(c.call(), c.expected);
        if (c.gives == Gives::Sound) {
            EXPECT_EQ(sound_out, nullptr) << "a refused stream left a handle behind";
        }
        if (c.gives == Gives::Channel) {
            EXPECT_EQ(channel_out, nullptr) << "a refused play left a handle behind";
        }
    }
    EXPECT_EQ(engine.system_release(uninitialised), VIMO_AUDIO_OK);

    // The playing instance still streams from its one connection.
    EXPECT_FALSE(eventually([&] { return server.requests().size() != 2 || server.open_connections() != 1; }, 1s))
        << "a refused call reached the playing instance";
    EXPECT_EQ(engine.channel_stop(playing.channel), VIMO_AUDIO_OK);
    EXPECT_TRUE(eventually([&] { return server.open_connections() == 0; }));
}

int unused_port() {
    const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);  // nothing listens there any more
    return ntohs(address.sin_port);
}

// A station that fails is only silence: every call returns at once, and the
// connection ends with the instance.
TEST(AudioEngine, FailingStationsNeverHoldTheCaller) {
    ASSERT_TRUE(audio_library().complete());
    LoopbackServer server({
        {"/silent", ""},
        {"/page", http_response(200, "OK", "<!DOCTYPE html><html><body>Now playing</body></html>",
                                "Content-Type: text/html\r\n")},
        {.path = "/hang-up", .close_at_once = true},
        {.path = "/stalls", .response = station_head, .hold_open = true},
    });
    struct Case {
        const char* name;
        std::string address;
        bool reaches_server;
        bool stays_connected;  // until the engine lets go
    };
    const Case cases[] = {
        {"never answers", server.url("/silent"), true, true},
        {"answers with a web page", server.url("/page"), true, false},
        {"hangs up at once", server.url("/hang-up"), true, false},
        {"stalls after its head", server.url("/stalls"), true, true},
        {"refuses connections", "http://127.0.0.1:" + std::to_string(unused_port()) + "/", false, false},
    };
    const AudioLibrary& engine = audio_library();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t requests_before = server.requests().size();
        RadioStart radio(c.address, 0.0f);
        EXPECT_TRUE(radio.all_ok()) << radio.create << radio.init << radio.stream << radio.play << radio.volume;
        if (c.stays_connected) {
            // Play returned while the station was still connected and silent:
            // it did not wait for the station, nor for the engine to give up.
            EXPECT_TRUE(eventually(
                [&] { return server.requests().size() == requests_before + 1 && server.open_connections() == 1; }));
        } else if (c.reaches_server) {
            EXPECT_TRUE(eventually([&] { return server.requests().size() == requests_before + 1; }));
        }
        int stopped = -1, released = -1;
        const Milliseconds stop_took = timed([&] { stopped = engine.channel_stop(radio.channel); });
        const Milliseconds release_took = timed([&] { released = radio.release(); });
        EXPECT_EQ(stopped, VIMO_AUDIO_OK);
        EXPECT_EQ(released, VIMO_AUDIO_OK);
        EXPECT_LT(radio.play_took, hang_bound);
        EXPECT_LT(stop_took, hang_bound);
        EXPECT_LT(release_took, hang_bound);
        EXPECT_TRUE(eventually([&] { return server.open_connections() == 0; }))
            << "the connection outlived the instance";
        std::printf("[ timing   ] %s: play %.1f ms, stop %.1f ms, release %.1f ms\n", c.name, radio.play_took.count(),
                    stop_took.count(), release_took.count());
    }
}

// Only network streams and regular files are opened; anything that could
// stall the player or reach one of its other protocols is refused.
TEST(AudioEngine, OpensOnlyStreamsAndRegularFiles) {
    ASSERT_TRUE(audio_library().complete());
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vd-engine-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string fifo = (folder / "fifo.mp3").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string tone = std::string(VD_FIXTURES) + "/tone_440hz.mp3";

    struct Case {
        const char* name;
        std::string address;
        bool opened;
    };
    const Case cases[] = {
        {"http", "http://127.0.0.1:9/stream", true},
        {"https in capitals", "HTTPS://radio.example/live.mp3", true},
        {"regular file", tone, true},
        {"empty", "", false},
        {"ftp", "ftp://127.0.0.1/stream.mp3", false},
        {"file address", "file://" + tone, false},
        {"player protocol", "av://lavfi:sine", false},
        {"descriptor", "fd://0", false},
        {"standard input", "-", false},
        {"missing file", (folder / "missing.mp3").string(), false},
        {"folder", folder.string(), false},
        {"fifo", fifo, false},
        {"device", "/dev/zero", false},
        {"line break in the address", "http://127.0.0.1:9/a\r\nX-Injected: 1", false},
        {"address too long", "http://radio.example/" + std::string(9000, 'a'), false},
    };
    const AudioLibrary& engine = audio_library();
    FMOD_SYSTEM* system = nullptr;
    ASSERT_EQ(engine.system_create(&system), VIMO_AUDIO_OK);
    ASSERT_EQ(engine.system_init(system, radio_channels, 0, nullptr), VIMO_AUDIO_OK);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FMOD_SOUND* sound = nullptr;
        const int result =
            engine.system_create_stream(system, c.address.c_str(), VIMO_AUDIO_MODE_STREAM, nullptr, &sound);
        EXPECT_EQ(result, c.opened ? VIMO_AUDIO_OK : VIMO_AUDIO_BAD_ARGUMENT);
        EXPECT_EQ(sound != nullptr, c.opened);
    }
    EXPECT_EQ(engine.system_release(system), VIMO_AUDIO_OK);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

// libmpv refuses to start under a numeric locale other than "C"; the engine
// then fails to create, and leaves the process's locale as it found it.
TEST(AudioEngine, CreateFailsCleanlyUnderAnotherNumericLocale) {
    ASSERT_TRUE(audio_library().complete());
    struct RestoreNumericLocale {
        ~RestoreNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }
    } restore;
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "the French locale is not installed (tools/install-deps.sh makes it)";
    FMOD_SYSTEM* system = reinterpret_cast<FMOD_SYSTEM*>(&restore);
    EXPECT_EQ(audio_library().system_create(&system), VIMO_AUDIO_ENGINE_FAILED);
    EXPECT_EQ(system, nullptr);
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "fr_FR.UTF-8");
}

}  // namespace
}  // namespace engine_test
