// What the engine does with a station beyond playing it: the titles it
// announces between its sound, and asking it again when it drops.
#include <string>

#include "engine_fixture.h"
#include "platform/loopback_server.h"

namespace engine_test {
namespace {

using test_support::LoopbackServer;
using namespace std::chrono_literals;

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
