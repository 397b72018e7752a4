#include "app/remote_control.h"

#include "app/single_instance.h"
#include "core/ids.h"
#include "music/ids.h"
#include "music/now_playing.h"
#include "music/player.h"
#include "music/radio.h"
#include "platform/desktop_bus.h"
#include "platform/services.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace app {

namespace {

// The name after "org.mpris.MediaPlayer2." on the bus.
constexpr const char* bus_player_name = "vimo_duzi";

struct RequestItem {
    platform::MediaRequest request;
    int item;
};

constexpr RequestItem request_items[] = {
    {platform::MediaRequest::Play, core::ItemRemotePlay},
    {platform::MediaRequest::Pause, core::ItemRemotePause},
    {platform::MediaRequest::PlayPause, core::ItemRemotePlayPause},
    {platform::MediaRequest::Stop, core::ItemRemoteStop},
    {platform::MediaRequest::Next, core::ItemRemoteNext},
    {platform::MediaRequest::Previous, core::ItemRemotePrevious},
    {platform::MediaRequest::Raise, core::ItemRemoteRaise},
};

void queue_request(platform::MediaRequest request) {
    for (const RequestItem& row : request_items)
        if (row.request == request)
            rt::post_event({.kind = rt::EventKind::Menu, .window = core::WindowDesk, .object = row.item});
}

void queue_volume(int volume) {
    if (!rt::window_exists(core::WindowDesk)) return;
    rt::set_state(core::GadgetVolume, volume);
    // With the radio window open, its slider is the one the change reads.
    if (rt::window_exists(core::WindowRadio)) rt::set_state(music::GadgetRadioVolume, volume);
    rt::post_event({.kind = rt::EventKind::Gadget,
                    .window = core::WindowDesk,
                    .object = core::GadgetVolume,
                    .type = rt::EventType::Change});
}

int player_status() {
    platform::MediaPlayer& player = platform::media_player();
    return player.loaded() ? player.status() : platform::media_stopped;
}

}  // namespace

void publish_player(core::State& s) {
    platform::desktop_bus().publish_player(bus_player_name, s.identity.program_name, queue_request, queue_volume);
    show_playing(s);
}

void show_playing(const core::State& s) { platform::desktop_bus().show_playing(music::now_playing(s)); }

void remote_play(core::State& s) {
    if (music::radio_plays(s)) return;
    switch (player_status()) {
    case platform::media_playing: return;
    case platform::media_paused: music::pause_or_resume(s); return;
    default: music::play_from_start(s); return;
    }
}

void remote_pause(core::State& s) {
    if (music::radio_plays(s)) music::radio_stop(s);
    if (player_status() != platform::media_playing) return;
    music::pause_or_resume(s);
    if (player_status() == platform::media_playing) music::pause_or_resume(s);
}

void remote_play_pause(core::State& s) {
    if (music::radio_plays(s) || player_status() == platform::media_playing) remote_pause(s);
    else remote_play(s);
}

}  // namespace app
