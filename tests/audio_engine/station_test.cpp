// What the engine does with a station beyond playing it: the titles it
// announces between its sound, and asking it again when it drops.
#include <string>

#include "engine_fixture.h"
#include "platform/loopback_server.h"

namespace engine_test {
namespace {

using test_support::LoopbackServer;
using test_support::ScriptedReply;
using namespace std::chrono_literals;

constexpr std::size_t metadata_interval = 8192;

// `title` as a station announces it between two blocks of sound: a length
// byte counting 16-byte units, then the text padded with NULs.
std::string metadata_block(const std::string& title) {
    std::string text = title.empty() ? std::string() : "StreamTitle='" + title + "';";
    const std::size_t units = (text.size() + 15) / 16;
    text.resize(units * 16, '\0');
    return char(units) + text;
}

// An endless station that announces `first` for three blocks of sound (about
// three seconds at the tone's 64 kbit/s), then `second` for three, and again.
ScriptedReply titled_station(const std::string& path, const std::string& first, const std::string& second) {
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

std::string title_of(const RadioStart& radio, int size = 256) {
    std::string title(std::size_t(size), 'x');
    if (audio_library().channel_get_title(radio.channel, title.data(), size) != VIMO_AUDIO_OK) return "(refused)";
    return title.c_str();
}

TEST(StationTitle, FollowsWhatTheStationAnnouncesAndEndsWithTheStream) {
    ASSERT_NE(audio_library().channel_get_title, nullptr);
    LoopbackServer server(
        {titled_station("/titled", "First song", "Second - Song é"), {"/plain", station_head, station_body()}}, 120s);
    RadioStart radio(server.url("/titled"), 0.0f);
    ASSERT_TRUE(radio.all_ok());
    EXPECT_TRUE(eventually([&] { return title_of(radio) == "First song"; }, 15s)) << title_of(radio);
    EXPECT_TRUE(eventually([&] { return title_of(radio) == "Second - Song é"; }, 15s)) << title_of(radio);
    // Cut to the caller's room, and never past it.
    EXPECT_EQ(title_of(radio, 7).size(), 6u);

    EXPECT_EQ(radio.engine.channel_stop(radio.channel), VIMO_AUDIO_OK);
    EXPECT_EQ(title_of(radio), "");

    // A station that announces nothing has no title.
    RadioStart plain(server.url("/plain"), 0.0f);
    ASSERT_TRUE(plain.all_ok());
    ASSERT_TRUE(eventually([&] { return server.requests().size() == 2; }));
    EXPECT_FALSE(eventually([&] { return !title_of(plain).empty(); }, 2s)) << title_of(plain);
}

TEST(StationTitle, RefusedWithoutAChannelOrRoom) {
    const AudioLibrary& engine = audio_library();
    ASSERT_NE(engine.channel_get_title, nullptr);
    char title[8] = "unset";
    EXPECT_EQ(engine.channel_get_title(nullptr, title, sizeof title), VIMO_AUDIO_BAD_HANDLE);
    EXPECT_STREQ(title, "");
    EXPECT_EQ(engine.channel_get_title(reinterpret_cast<FMOD_CHANNEL*>(title), title, sizeof title),
              VIMO_AUDIO_BAD_HANDLE);
    EXPECT_EQ(engine.channel_get_title(nullptr, nullptr, 0), VIMO_AUDIO_BAD_ARGUMENT);
}

// A station that hangs up is asked again three times, a second apart, then
// left alone; one that stays is never asked twice.
TEST(StationDrop, IsAskedAgainThreeTimesThenLeftSilent) {
    LoopbackServer server({{.path = "/hang-up", .close_at_once = true}, {"/station", station_head, station_body()}},
                          120s);
    {
        RadioStart radio(server.url("/hang-up"), 0.0f);
        ASSERT_TRUE(radio.all_ok());
        EXPECT_TRUE(eventually([&] { return server.requests().size() == 4; }, 15s)) << server.requests().size();
        EXPECT_FALSE(eventually([&] { return server.requests().size() > 4; }, 3s)) << server.requests().size();
    }
    RadioStart steady(server.url("/station"), 0.0f);
    ASSERT_TRUE(steady.all_ok());
    ASSERT_TRUE(eventually([&] { return server.requests().size() == 5 && server.open_connections() == 1; }));
    EXPECT_FALSE(eventually([&] { return server.requests().size() > 5; }, 3s));

    // Stopped, it is not asked again even though its connection ends.
    EXPECT_EQ(steady.engine.channel_stop(steady.channel), VIMO_AUDIO_OK);
    EXPECT_TRUE(eventually([&] { return server.open_connections() == 0; }));
    EXPECT_FALSE(eventually([&] { return server.requests().size() > 5; }, 2s));
}

}  // namespace
}  // namespace engine_test
