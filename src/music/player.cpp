#include "music/player.h"

#include <filesystem>

#include "core/ids.h"
#include "core/images.h"
#include "music/engine.h"
#include "music/ids.h"
#include "music/music_info.h"
#include "music/play_list.h"
#include "music/radio.h"
#include "music/texts.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace music {

namespace {

constexpr core::Colour black = 0;
// How long painting the desk may wait before the start pause.
constexpr int paint_limit_ms = 100;
constexpr float radio_silent = 0.0f;
constexpr float radio_full_scale = 100.0f;  // the slider's value for the radio's 1.0

// The file name's text after its last dot; "" when it has none.
std::string extension_of(const std::string& path) {
    const std::string name = platform::file_name(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

// Where the one-file chooser starts: the folder the playlist manager showed
// last, else the user's music folder.
std::string music_folder(const core::State& s) {
    std::error_code ignored;
    if (!s.Music_Dir.empty() && std::filesystem::is_directory(s.Music_Dir, ignored)) return s.Music_Dir;
    return platform::existing_user_folder(platform::environment(), platform::UserFolder::Music);
}

bool is_utf8_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

void clear_tags(core::State& s) {
    s.Tag_Title.clear();
    s.Tag_Artist.clear();
    s.Tag_Album.clear();
    s.Tag_Year.clear();
    s.Tag_Track.clear();
    s.Display_Title.clear();
}

// The radio follows the player's volume, mute and pause, when it can play at all.
void radio_volume(core::State& s, float volume) {
    if (s.Audio_Available == 1) set_radio_volume(s, volume);
}

void mute_on(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    s.Music_Muted = true;
    s.Saved_Status_Text = rt::gadget_text(core::GadgetNowPlaying);
    s.Muted_Volume = rt::gadget_state(core::GadgetVolume);
    s.music.muted_background =
        rt::gadget_back_colour(core::GadgetNowPlaying).value_or(0);  // the clock bar gives it one
    rt::set_gadget_back_colour(core::GadgetNowPlaying, muted_colour);
    rt::set_gadget_image(core::GadgetMute, core::ImageMuted);
    rt::set_text(core::GadgetNowPlaying, texts::music_off.in(s.Lng));
    radio_volume(s, radio_silent);
    if (player.loaded()) player.set_volume(0);
}

void mute_off(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    s.Music_Muted = false;
    rt::set_text(core::GadgetNowPlaying, s.Saved_Status_Text);
    rt::set_gadget_back_colour(core::GadgetNowPlaying, s.music.muted_background);
    rt::set_gadget_front_colour(core::GadgetNowPlaying, black);
    rt::set_gadget_image(core::GadgetMute, core::ImageSounding);
    radio_volume(s, float(s.Muted_Volume) / radio_full_scale);
    if (player.loaded()) player.set_volume(s.Muted_Volume);
}

void stop_and_free(platform::MediaPlayer& player) {
    player.stop();
    player.free();
}

void play_current(core::State& s) { play_file(s, current_path(s.Play_List)); }

}  // namespace

std::string short_title(const std::string& text) {
    int characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (is_utf8_continuation(text[at])) continue;
        if (characters == short_title_length) return text.substr(0, at) + std::string(texts::short_title_end);
        ++characters;
    }
    return text;
}

void play_file(core::State& s, const std::string& path) {
    platform::MediaPlayer& player = platform::media_player();
    s.Playing_File = current_path(s.Play_List);
    s.Volume = rt::gadget_state(core::GadgetVolume);
    if (!player.load(path)) return;

    clear_tags(s);
    const bool mp3 = extension_of(path) == "mp3";
    if (mp3) read_playing_tags(s, path);
    const std::string name = platform::name_without_extension(path);
    if (s.Display_Title.empty()) s.Display_Title = name;

    rt::set_tooltip(core::GadgetNowPlaying, "");
    if (mp3) {
        rt::set_text(core::GadgetNowPlaying, short_title(s.Display_Title));
    } else {
        rt::set_text(core::GadgetNowPlaying, name);
        rt::set_tooltip(core::GadgetNowPlaying, path);
    }

    // Muted, a new file stays silent until the sound is switched back on.
    player.set_volume(s.Music_Muted ? 0 : s.Volume);
    player.play();
    rt::paint_window_now(core::WindowDesk, paint_limit_ms);
    platform::clock().sleep_ms(start_pause_ms);
}

void play_one_file(core::State& s, const std::string& path) {
    std::string chosen = path;
    if (chosen.empty()) {
        platform::media_player().warm_up();  // while the user looks for the file
        const auto answer = rt::open_file(
            texts::play_one_title.in(s.Lng),
            platform::with_trailing_separator(music_folder(s)) + std::string(texts::play_one_default_file),
            std::string(texts::play_one_filter));
        if (!answer || answer->empty()) return;
        chosen = *answer;
    }
    clear(s.Play_List);
    append(s.Play_List, chosen);
    play_file(s, chosen);
}

void play_from_start(core::State& s) {
    if (is_empty(s.Play_List)) return;
    reset(s.Play_List);
    first(s.Play_List);
    play_current(s);
}

void pause_or_resume(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    if (!is_empty(s.Play_List) && player.loaded()) {
        if (!s.Player_Paused) {
            s.Player_Paused = true;
            s.Saved_Status_Text = rt::gadget_text(core::GadgetNowPlaying);
            player.pause();
            rt::set_text(core::GadgetNowPlaying, std::string(texts::paused));
            s.music.paused_background =
                rt::gadget_back_colour(core::GadgetNowPlaying).value_or(0);  // the clock bar gives it one
            rt::set_gadget_back_colour(core::GadgetNowPlaying, paused_colour);
        } else {
            s.Player_Paused = false;
            player.resume();
            rt::set_text(core::GadgetNowPlaying, s.Saved_Status_Text);
            rt::set_gadget_back_colour(core::GadgetNowPlaying, s.music.paused_background);
        }
    }
    // The radio is silenced by a pause and not given back its sound by a resume.
    radio_volume(s, radio_silent);
}

void stop_player(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    if (rt::window_exists(core::WindowMusicInfo)) rt::close_window(core::WindowMusicInfo);
    if (!is_empty(s.Play_List) && player.loaded()) {
        stop_and_free(player);
        reset(s.Play_List);
    }
    rt::set_text(core::GadgetNowPlaying, "");
    if (player.loaded()) player.free();
}

void stop_button(core::State& s) {
    stop_player(s);
    radio_stop(s);
}

void next_file(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    if (is_empty(s.Play_List)) return;
    if (player.loaded()) stop_and_free(player);
    next(s.Play_List);
    if (!has_current(s.Play_List)) {
        first(s.Play_List);
        return;
    }
    // Still on the entry that was playing: there was no next one.
    if (current_path(s.Play_List) == s.Playing_File) first(s.Play_List);
    play_current(s);
}

void previous_file(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    if (player.loaded()) stop_and_free(player);
    previous(s.Play_List);
    if (is_empty(s.Play_List) || !has_current(s.Play_List)) return;
    // Still on the entry that was playing: there was no previous one.
    if (current_path(s.Play_List) == s.Playing_File) first(s.Play_List);
    play_current(s);
}

void end_of_track_step(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    if (!player.loaded() || player.status() != platform::media_stopped || is_empty(s.Play_List)) return;
    s.Playing_File = current_path(s.Play_List);
    next(s.Play_List);
    if (current_path(s.Play_List) != s.Playing_File) {
        play_current(s);
    } else if (s.Loop_PlayList != 0) {
        first(s.Play_List);
        play_current(s);
    }
    // Otherwise the list has ended; the step finds it so again at every tick.
}

void toggle_loop(core::State& s) {
    s.Loop_PlayList = s.Loop_PlayList != 0 ? 0 : 1;
    rt::set_tooltip(core::GadgetLoop, (s.Loop_PlayList != 0 ? texts::loop_on : texts::loop_off).in(s.Lng));
}

void toggle_mute(core::State& s) {
    if (s.Music_Muted) mute_off(s);
    else mute_on(s);
}

void volume_changed(core::State& s) {
    platform::MediaPlayer& player = platform::media_player();
    if (s.Music_Muted) mute_off(s);
    s.Volume = rt::gadget_state(core::GadgetVolume);
    if (rt::window_exists(core::WindowRadio)) {
        s.Volume = rt::gadget_state(GadgetRadioVolume);
        rt::set_state(core::GadgetVolume, s.Volume);
    }
    rt::set_tooltip(core::GadgetVolume, std::string(texts::volume_tooltip) + std::to_string(s.Volume));
    if (player.loaded()) player.set_volume(s.Volume);
    radio_volume(s, float(s.Volume) / radio_full_scale);
}

}  // namespace music
