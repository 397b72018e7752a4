// The music player as the running program offers it: the real start-up with
// the fake media player, music files written in the working folder, and the
// clock bar's controls, the tick and the information strip driven through the
// dispatch.
#pragma once

#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "config/ini_file.h"
#include "core/ids.h"
#include "music/ids.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace test {

// ID3 version 2.3 bytes built by hand: frames with their encoding byte.
inline std::string id3_frame(const std::string& id, char encoding, const std::string& text) {
    const std::uint32_t n = std::uint32_t(text.size() + 1);
    return id + std::string{char(n >> 24), char(n >> 16), char(n >> 8), char(n)} + std::string(2, '\0') + encoding +
           text;
}

// A tag of `frames` (version 3 unless told) and a little audio after it.
inline std::string id3_file(const std::string& frames, char version = 3) {
    const std::uint32_t n = std::uint32_t(frames.size() + 16);
    const std::string size{char(n >> 21 & 0x7F), char(n >> 14 & 0x7F), char(n >> 7 & 0x7F), char(n & 0x7F)};
    return "ID3" + std::string{version, '\0', '\0'} + size + frames + std::string(16, '\0') + "\xFF\xFB\x90\x64" +
           std::string(300, '\x55');
}

struct SongTags {
    std::string title, artist, album, year, track;
};

inline std::string id3_song(const SongTags& t) {
    return id3_file(id3_frame("TIT2", 3, t.title) + id3_frame("TPE1", 3, t.artist) + id3_frame("TALB", 3, t.album) +
                    id3_frame("TYER", 3, t.year) + id3_frame("TRCK", 3, t.track));
}

class MusicScenario : public AppScenario {
protected:
    void SetUp() override { start_with("[Global]\r\nVolume = 60\r\n"); }

    // Writes `bytes` as `name` in the working folder and returns its path.
    std::string song(const std::string& name, const std::string& bytes = std::string(400, '\x55')) {
        const std::string path = working_file(name);
        write_file(path, bytes);
        return path;
    }

    // Makes `paths` the playlist, as the playlist manager does, before its first entry.
    void playlist(const std::vector<std::string>& paths) {
        state.Play_List.paths = paths;
        state.Play_List.current = -1;
    }

    void click(int gadget, rt::EventType type = rt::EventType::LeftClick, int window = core::WindowDesk) {
        dispatch({.kind = rt::EventKind::Gadget, .window = window, .object = gadget, .type = type});
    }
    void tick() { dispatch({.kind = rt::EventKind::Timer, .window = core::WindowDesk, .object = core::TimerTick}); }

    // What the stand-in engine library was called with since the last look.
    std::string engine_log() {
        using Log = const char* (*)();
        const auto log =
            reinterpret_cast<Log>(state.Audio_Library ? dlsym(state.Audio_Library, "vd_stub_log") : nullptr);
        if (!log) return "<no log>";
        const std::string all = log();
        std::string fresh = all.substr(std::min(engine_log_seen_, all.size()));
        engine_log_seen_ = all.size();
        return fresh;
    }
    void desk_click(int y) {
        dispatch(
            {.kind = rt::EventKind::LeftClick, .window = core::WindowDesk, .mouse = {.window_x = 50, .window_y = y}});
    }
    // An event of the strip's drawing at `x` in the strip, the mouse at (`desktop_x`, `desktop_y`).
    void strip(rt::EventType type, int x, int desktop_x = 0, int desktop_y = 0) {
        rt::Event e{.kind = rt::EventKind::Gadget,
                    .window = core::WindowMusicInfo,
                    .object = music::GadgetInfoStrip,
                    .type = type};
        e.mouse.gadget_x = x;
        e.mouse.window_x = x;
        e.mouse.desktop_x = desktop_x;
        e.mouse.desktop_y = desktop_y;
        dispatch(e);
    }
    void strip_click(int x) {
        strip(rt::EventType::LeftButtonDown, x);
        strip(rt::EventType::LeftButtonUp, x);
        strip(rt::EventType::LeftClick, x);
    }

    std::string now_playing() { return rt::gadget_text(core::GadgetNowPlaying); }
    core::Colour now_playing_background() { return rt::gadget_back_colour(core::GadgetNowPlaying).value_or(0); }
    // The last file the player was given; "" when none.
    std::string loaded() { return player.loaded() ? player.loaded_path : std::string(); }
    // The player calls since the last look, and forgets them.
    std::vector<std::string> calls() {
        std::vector<std::string> seen;
        seen.swap(player.calls);
        return seen;
    }

    // A key of group Global in the data file as it is on disk now.
    std::string stored(const std::string& key) {
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        if (!ini.select_group("Global")) return "<no group>";
        return ini.read_string(key, "<missing>");
    }

private:
    std::size_t engine_log_seen_ = 0;
};

}  // namespace test
