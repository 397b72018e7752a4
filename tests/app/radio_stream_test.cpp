// The web radio with its real engine library and stations on 127.0.0.1:
// Listen and a preset button reach the station, every start and the radio's
// stop end the connection before, the loop goes on while a station does not
// answer, and stations that fail leave the radio usable.
#include <gtest/gtest.h>

#include "audio_engine/engine_fixture.h"
#include "platform/loopback_server.h"
#include "radio_fixture.h"

namespace {

using engine_test::eventually;
using test_support::LoopbackServer;
using namespace std::chrono_literals;

LoopbackServer stations() {
    using test_support::http_response;
    return LoopbackServer(
        {
            {"/one", engine_test::station_head, engine_test::station_body()},
            {"/two", engine_test::station_head, engine_test::station_body()},
            {"/silent", ""},  // takes the request and never answers
            {"/html",
             http_response(200, "OK", "<html><body>No stream here</body></html>", "Content-Type: text/html\r\n")},
            {.path = "/gone", .response = "", .close_at_once = true},
        },
        120s);
}

// The request line of every request the server had.
std::vector<std::string> request_lines(const LoopbackServer& server) {
    std::vector<std::string> lines;
    for (const std::string& head : server.requests()) lines.push_back(head.substr(0, head.find("\r\n")));
    return lines;
}

class RadioStream : public test::RadioScenario {
protected:
    // `stations` served on 127.0.0.1 as group Radio, the real engine beside the program.
    void start_with_stations(const LoopbackServer& server, const std::vector<std::string>& paths) {
        std::string radio = "[Radio]\r\n";
        for (const std::string& path : paths) radio += path.substr(1) + " = " + server.url(path) + "\r\n";
        start_radio(radio, VD_AUDIO_LIBRARY);
        open_radio();
    }
    bool requests_and_open(const LoopbackServer& server, std::size_t requests, int open) {
        return eventually([&] { return server.requests().size() == requests && server.open_connections() == open; });
    }
};

// What the station announces shows within two ticks as the now-playing
// line's tooltip, the line itself keeps the station's name, and the tooltip
// goes with the station.
TEST_F(RadioStream, TheAnnouncedTitleIsTheNowPlayingTooltip) {
    LoopbackServer server({engine_test::titled_station("/titled", "First song", "Deuxi\xE8me chanson")}, 120s);
    start_with_stations(server, {"/titled"});
    choose(0);
    radio_click(music::GadgetRadioListen);
    auto tooltip_comes_to = [&](const std::string& title) {
        return eventually(
            [&] {
                tick();
                return rt::gadget_tooltip(core::GadgetNowPlaying) == title;
            },
            15s);
    };
    EXPECT_TRUE(tooltip_comes_to("First song")) << rt::gadget_tooltip(core::GadgetNowPlaying);
    // Sent in Latin-1, shown in UTF-8.
    EXPECT_TRUE(tooltip_comes_to("Deuxi\u00e8me chanson")) << rt::gadget_tooltip(core::GadgetNowPlaying);
    EXPECT_EQ(now_playing(), "titled");

    radio_click(music::GadgetRadioStop);
    tick();
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetNowPlaying), "");
}

TEST_F(RadioStream, ListenAndAPresetReachTheStationAndEveryStartEndsTheLast) {
    LoopbackServer server = stations();
    start_with_stations(server, {"/one", "/two"});
    choose(0);
    radio_click(music::GadgetRadioListen);
    ASSERT_TRUE(requests_and_open(server, 1, 1)) << "Listen did not reach the station";
    EXPECT_EQ(request_lines(server)[0].rfind("GET /one HTTP/1.", 0), 0u) << request_lines(server)[0];

    // Preset 2 gets the second station under a five-letter label.
    choose(1);
    dialogs.answer(rt::ScriptedAnswer::typed("TwoFM"));
    radio_click(music::GadgetRadioFavourite2);
    // Listening again: the first connection ends, a second one starts.
    radio_click(music::GadgetRadioListen);
    ASSERT_TRUE(requests_and_open(server, 2, 1)) << "the previous connection stayed open";
    radio_click(music::GadgetRadioStop);
    ASSERT_TRUE(requests_and_open(server, 2, 0)) << "the radio's stop left the connection open";

    // After a restart the preset plays it, and the clock bar's stop button stops it.
    restart();
    EXPECT_EQ(state.Radio_System, nullptr);
    click(core::GadgetFavourite2);
    ASSERT_TRUE(requests_and_open(server, 3, 1)) << "the preset did not reach the station";
    EXPECT_EQ(request_lines(server)[2].rfind("GET /two HTTP/1.", 0), 0u) << request_lines(server)[2];
    EXPECT_EQ(now_playing(), "two");
    click(core::GadgetStop);
    ASSERT_TRUE(requests_and_open(server, 3, 0)) << "the stop button left the connection open";

    // A preset while another station plays: one connection, the new one.
    open_radio();
    choose(0);
    radio_click(music::GadgetRadioListen);
    ASSERT_TRUE(requests_and_open(server, 4, 1));
    click(core::GadgetFavourite2);
    ASSERT_TRUE(requests_and_open(server, 5, 1));

    // Quitting stops the radio.
    EXPECT_THROW(menu(core::ItemDeskQuit), app::ProgramEnd);
    EXPECT_TRUE(requests_and_open(server, 5, 0)) << "quitting left the station playing";
}

TEST_F(RadioStream, TheLoopGoesOnWhileAStationDoesNotAnswer) {
    LoopbackServer server = stations();
    start_with_stations(server, {"/silent"});
    choose(0);
    radio_click(music::GadgetRadioListen);
    // Listen has returned while the station holds the connection without a word.
    ASSERT_TRUE(requests_and_open(server, 1, 1));
    EXPECT_EQ(now_playing(), "silent");
    EXPECT_EQ(status(), "silent");
    tick();
    rt::post_event({.kind = rt::EventKind::Gadget, .window = core::WindowRadio, .object = 0});
    EXPECT_TRUE(rt::wait_event(0)) << "the loop takes its next event";
    EXPECT_EQ(server.open_connections(), 1) << "the station is still waited for";
    radio_click(music::GadgetRadioStop);
    EXPECT_TRUE(requests_and_open(server, 1, 0)) << "the stop did not give up the silent station";
}

TEST_F(RadioStream, StationsThatFailLeaveTheRadioUsable) {
    LoopbackServer server = stations();
    start_with_stations(server, {"/silent", "/html", "/gone", "/one"});
    // A port where nothing listens: the connection is refused.
    fields("nobody", "http://127.0.0.1:1/stream");
    radio_click(music::GadgetRadioSave);
    const struct {
        int line;
        const char* name;
        std::size_t requests;
    } failing[] = {{0, "silent", 1}, {1, "html", 2}, {2, "gone", 3}, {4, "nobody", 3}};
    for (const auto& station : failing) {
        choose(station.line);
        radio_click(music::GadgetRadioListen);
        EXPECT_TRUE(eventually([&] { return server.requests().size() == station.requests; })) << station.name;
        EXPECT_EQ(now_playing(), station.name) << "the name shows as playing";
    }
    // The next station plays all the same, alone.
    choose(3);
    radio_click(music::GadgetRadioListen);
    EXPECT_TRUE(requests_and_open(server, 4, 1));
    EXPECT_EQ(request_lines(server).back().rfind("GET /one HTTP/1.", 0), 0u) << request_lines(server).back();
    radio_click(music::GadgetRadioStop);
    EXPECT_TRUE(requests_and_open(server, 4, 0));
    EXPECT_TRUE(dialogs.shown().empty()) << "no engine error reaches the user";
}

}  // namespace
