// The desktop's media controls drive the player as its clock-bar buttons do:
// each request, queued as the program's own event, has the outcome of the
// button of the same meaning; what plays is shown to the desktop.
#include "app/remote_control.h"

#include <functional>

#include <gtest/gtest.h>

#include "app/desk_window.h"
#include "music/player.h"
#include "music_fixture.h"
#include "platform/desktop_bus.h"
#include "rt/events.h"

using platform::MediaRequest;
using Calls = std::vector<std::string>;
using Status = platform::NowPlaying::Status;

namespace {

struct Outcome {
    Calls calls;
    std::string line, loaded;
    bool paused_flag;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    out << "calls:";
    for (const auto& c : o.calls) out << " " << c;
    return out << "; line \"" << o.line << "\"; loaded " << o.loaded << "; paused flag " << o.paused_flag;
}

class RemoteControl : public test::MusicScenario {
protected:
    RemoteControl() { previous_ = platform::install_desktop_bus(&bus); }
    ~RemoteControl() override { platform::install_desktop_bus(previous_); }

    // The desktop asks; the loop then handles what was queued.
    void request(MediaRequest r) {
        bus.request(r);
        run_queued();
    }
    void run_queued() {
        while (auto e = rt::wait_event(0)) dispatch(*e);
    }
    const platform::NowPlaying& shown() { return bus.shown.back(); }

    // Plays a, b from the start, makes `before` happen, then `act`; what came of `act`.
    Outcome outcome(const std::function<void()>& before, const std::function<void()>& act) {
        click(core::GadgetStop);
        state.Player_Paused = false;
        playlist({a, b});
        click(core::GadgetPlay);
        before();
        calls();
        act();
        return {calls(), now_playing(), loaded(), state.Player_Paused};
    }

    platform::FakeDesktopBus bus;
    std::string a, b;

private:
    platform::DesktopBus* previous_ = nullptr;
};

TEST_F(RemoteControl, EachRequestHasTheOutcomeOfItsButton) {
    a = song("a.mp3", test::id3_song({.title = "First"}));
    b = song("b.mp3", test::id3_song({.title = "Second"}));
    ASSERT_TRUE(bus.published);
    const auto nothing = [] {};
    const auto pause = [&] { click(core::GadgetPause); };
    const auto next = [&] { click(core::GadgetNextFile); };
    struct Row {
        const char* name;
        std::function<void()> before;
        MediaRequest request;
        std::function<void()> button;  // the same by the clock bar (or the strip for Previous)
    };
    const Row rows[] = {
        {"pause while playing", nothing, MediaRequest::Pause, pause},
        {"play-pause while playing", nothing, MediaRequest::PlayPause, pause},
        {"play while paused resumes", pause, MediaRequest::Play, pause},
        {"play-pause while paused resumes", pause, MediaRequest::PlayPause, pause},
        {"stop", nothing, MediaRequest::Stop, [&] { click(core::GadgetStop); }},
        {"next", nothing, MediaRequest::Next, next},
        {"next on the last entry", next, MediaRequest::Next, next},
        {"previous", next, MediaRequest::Previous, [&] { music::previous_file(state); }},
        {"play after a stop plays from the start", [&] { click(core::GadgetStop); }, MediaRequest::Play,
         [&] { click(core::GadgetPlay); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome by_request = outcome(row.before, [&] { request(row.request); });
        const Outcome by_button = outcome(row.before, row.button);
        EXPECT_FALSE(by_request.calls.empty()) << "the request did something";
        EXPECT_EQ(by_request, by_button);
    }
}

TEST_F(RemoteControl, PlayWhilePlayingAndPauseWhileStoppedDoNothing) {
    a = song("a.mp3");
    b = song("b.mp3");
    EXPECT_EQ(outcome([] {}, [&] { request(MediaRequest::Play); }), (Outcome{{}, "a", a, false}));
    click(core::GadgetStop);
    calls();
    request(MediaRequest::Pause);
    EXPECT_TRUE(calls().empty());
    EXPECT_FALSE(state.Player_Paused);
}

TEST_F(RemoteControl, PauseAfterAStopThatLeftThePauseFlagPausesAllTheSame) {
    a = song("a.mp3", test::id3_song({.title = "First"}));
    b = song("b.mp3");
    const Outcome o = outcome(
        [&] {
            click(core::GadgetPause);
            click(core::GadgetStop);
            click(core::GadgetPlay);  // playing, with the flag still saying paused
        },
        [&] { request(MediaRequest::Pause); });
    EXPECT_EQ(o.calls, (Calls{"resume", "pause"})) << "the button pressed twice";
    EXPECT_EQ(o.line, "Pause");
    EXPECT_TRUE(o.paused_flag);
    EXPECT_EQ(shown().status, Status::Paused);
}

TEST_F(RemoteControl, TheDesktopSeesTheTrackTheStatusAndTheVolume) {
    a = song("a.mp3", test::id3_song({.title = "Blue", .artist = "Band", .album = "Sky", .track = "07/12"}));
    b = song("b.ogg");
    playlist({a, b});
    click(core::GadgetPlay);
    EXPECT_EQ(shown(), (platform::NowPlaying{.status = Status::Playing,
                                             .title = "Blue",
                                             .artist = "Band",
                                             .album = "Sky",
                                             .track_number = 7,
                                             .location = a,
                                             .volume = 60,
                                             .can_play = true,
                                             .can_pause = true,
                                             .can_go_next = true,
                                             .can_go_previous = true}));
    request(MediaRequest::Pause);
    EXPECT_EQ(shown().status, Status::Paused);
    EXPECT_FALSE(shown().can_pause);
    request(MediaRequest::Next);
    EXPECT_EQ(shown().title, "b") << "a file without tags goes by its name";
    EXPECT_EQ(shown().artist, "");
    EXPECT_EQ(shown().track_number, 0);

    click(core::GadgetMute);
    EXPECT_EQ(shown().volume, 0) << "muted";
    bus.set_volume(30);
    run_queued();
    EXPECT_EQ(rt::gadget_state(core::GadgetVolume), 30);
    EXPECT_FALSE(state.Music_Muted) << "a volume set from outside switches the mute off, as the slider does";
    EXPECT_EQ(calls().back(), "volume 30");
    EXPECT_EQ(shown().volume, 30);

    request(MediaRequest::Stop);
    EXPECT_EQ(shown().status, Status::Stopped);
    EXPECT_EQ(shown().title, "");
    EXPECT_EQ(shown().location, "");
}

TEST_F(RemoteControl, TheRadioShowsItsStationAndStopsOnPause) {
    int channel = 0;
    state.Audio_Available = 1;
    state.Radio_Channel = reinterpret_cast<FMOD_CHANNEL*>(&channel);
    rt::set_text(core::GadgetNowPlaying, "Jazz Club");
    app::show_playing(state);
    EXPECT_EQ(shown().status, Status::Playing);
    EXPECT_EQ(shown().title, "Jazz Club");
    EXPECT_TRUE(shown().can_pause);
    // What the station announces is the title; the station is the album.
    state.music.station_title = "Take Five";
    app::show_playing(state);
    EXPECT_EQ(shown().title, "Take Five");
    EXPECT_EQ(shown().album, "Jazz Club");

    request(MediaRequest::Play);
    EXPECT_NE(state.Radio_Channel, nullptr) << "play while the radio plays changes nothing";
    request(MediaRequest::Pause);
    EXPECT_EQ(state.Radio_Channel, nullptr);
    EXPECT_EQ(now_playing_background(), music::radio_idle_colour);
    EXPECT_EQ(shown().status, Status::Stopped);

    state.Radio_Channel = reinterpret_cast<FMOD_CHANNEL*>(&channel);
    request(MediaRequest::Stop);
    EXPECT_EQ(state.Radio_Channel, nullptr);
}

TEST_F(RemoteControl, RaiseShowsTheHiddenDesk) {
    app::toggle_desk_visibility(state);
    ASSERT_NE(state.Desk_Visible, 1);
    request(MediaRequest::Raise);
    EXPECT_EQ(state.Desk_Visible, 1);
}

// Without a session bus the program starts and plays as before.
class WithoutBus : public test::MusicScenario {
protected:
    WithoutBus() {
        bus.has_bus = false;
        previous_ = platform::install_desktop_bus(&bus);
    }
    ~WithoutBus() override { platform::install_desktop_bus(previous_); }
    platform::FakeDesktopBus bus;

private:
    platform::DesktopBus* previous_ = nullptr;
};

TEST_F(WithoutBus, ThePlayerWorksAsBefore) {
    EXPECT_FALSE(bus.published);
    const std::string a = song("a.mp3");
    playlist({a});
    click(core::GadgetPlay);
    EXPECT_EQ(loaded(), a);
}

}  // namespace
