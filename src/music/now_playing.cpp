#include "music/now_playing.h"

#include "core/ids.h"
#include "music/play_list.h"
#include "platform/services.h"
#include "rt/gadget.h"

namespace music {

namespace {

constexpr int max_track_number = 9999;

// "7", "07/12": the leading digits; 0 when there are none.
int track_number(const std::string& text) {
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
        if (number > max_track_number) return 0;
    }
    return number;
}

}  // namespace

bool radio_plays(const core::State& s) { return s.Radio_Channel != nullptr; }

platform::NowPlaying now_playing(const core::State& s) {
    using Status = platform::NowPlaying::Status;
    platform::NowPlaying now;
    now.volume = s.Music_Muted ? 0 : s.Volume;
    const bool has_list = !is_empty(s.Play_List);
    now.can_go_next = now.can_go_previous = has_list;

    if (radio_plays(s)) {
        now.status = Status::Playing;
        const std::string station = rt::gadget_text(core::GadgetNowPlaying);
        if (s.music.station_title.empty()) {
            now.title = station;
        } else {
            now.title = s.music.station_title;
            now.album = station;
        }
        now.can_pause = true;
        now.can_play = has_list;
        return now;
    }

    platform::MediaPlayer& player = platform::media_player();
    if (!player.loaded()) {
        now.can_play = has_list;
        return now;
    }
    switch (player.status()) {
    case platform::media_playing: now.status = Status::Playing; break;
    case platform::media_paused: now.status = Status::Paused; break;
    default: now.status = Status::Stopped; break;
    }
    now.title = s.Tag_Title.empty() ? s.Display_Title : s.Tag_Title;
    now.artist = s.Tag_Artist;
    now.album = s.Tag_Album;
    now.track_number = track_number(s.Tag_Track);
    now.location = s.Playing_File;
    now.can_play = has_list;
    now.can_pause = now.status == Status::Playing;
    return now;
}

}  // namespace music
