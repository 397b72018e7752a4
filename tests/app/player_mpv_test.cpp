// The player from the desk with the real media player on the null audio
// output: a playlist of files made at test time advances at the ends of its
// tracks, loops, goes back and forth, pauses and resumes.
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "music/player.h"
#include "music_fixture.h"
#include "support/sound_files.h"

namespace {

using namespace std::chrono_literals;

// Long enough for any machine; a player that needs it is broken.
constexpr auto patience = 20s;

class PlayerWithMpv : public test::MusicScenario {
protected:
    void SetUp() override {
        if (!test::encoders_installed()) GTEST_SKIP() << "lame and oggenc are not installed (tools/install-deps.sh)";
        MusicScenario::SetUp();
        previous_ = platform::install({});
        services_ = previous_;
        services_.media_player = &mpv;
        platform::install(services_);
        a = working_file("a.wav");
        test::write_tone_wav(a, 1, 440);
        b = working_file("b.mp3");
        ASSERT_TRUE(test::write_tone_mp3(b, 1, 550, "--id3v2-only --tt 'Tone B'"));
        c = working_file("c.ogg");
        ASSERT_TRUE(test::write_tone_ogg(c, 1, 660));
        longer = working_file("long.wav");
        test::write_tone_wav(longer, 30, 330);
    }
    void TearDown() override { platform::install(previous_); }

    // Ticks once in a while, as the clock does, until the line shows `text`.
    bool ticks_until_shown(const std::string& text) {
        const auto give_up = std::chrono::steady_clock::now() + patience;
        while (now_playing() != text) {
            if (std::chrono::steady_clock::now() > give_up) return false;
            std::this_thread::sleep_for(50ms);
            tick();
        }
        return true;
    }

    platform::MpvMediaPlayer mpv{"null"};
    std::string a, b, c, longer;

private:
    platform::Services previous_, services_;
};

TEST_F(PlayerWithMpv, APlaylistPlaysThroughAndLoops) {
    mpv.add_option("ao-null-untimed", "yes");  // short files played as fast as they decode
    playlist({a, b, c});
    click(core::GadgetPlay);
    EXPECT_EQ(now_playing(), "a");
    EXPECT_TRUE(ticks_until_shown("Tone B")) << "the MP3's tag gives its title";
    ASSERT_TRUE(ticks_until_shown("c"));
    // The last track ends: nothing more without the loop.
    const auto give_up = std::chrono::steady_clock::now() + patience;
    while (mpv.status() != platform::media_stopped && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(50ms);
    for (int i = 0; i < 3; ++i) tick();
    EXPECT_EQ(now_playing(), "c");
    EXPECT_EQ(state.Play_List.current, 2);

    click(core::GadgetLoop);
    tick();
    EXPECT_EQ(now_playing(), "a") << "the first entry starts at the next tick";
}

TEST_F(PlayerWithMpv, NextPreviousPauseAndResume) {
    playlist({longer, a});
    click(core::GadgetPlay);
    EXPECT_EQ(mpv.status(), platform::media_playing);
    click(core::GadgetPause);
    EXPECT_EQ(mpv.status(), platform::media_paused);
    EXPECT_EQ(now_playing(), "Pause");
    tick();
    EXPECT_EQ(state.Play_List.current, 0) << "a paused file is left alone";
    click(core::GadgetPause);
    EXPECT_EQ(mpv.status(), platform::media_playing);
    EXPECT_EQ(now_playing(), "long");

    click(core::GadgetNextFile);
    EXPECT_EQ(now_playing(), "a");
    music::previous_file(state);
    EXPECT_EQ(now_playing(), "long");
    EXPECT_EQ(mpv.status(), platform::media_playing);

    click(core::GadgetStop);
    EXPECT_FALSE(mpv.loaded());
    EXPECT_EQ(now_playing(), "");
}

TEST_F(PlayerWithMpv, WhatIsNotMusicIsSkippedWithoutAWord) {
    music::play_one_file(state, a);
    const std::string fifo = working_file("fifo.mp3");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string picture = song("picture.mp3", "\x89PNG\r\n\x1a\n" + std::string(200, '\0'));
    for (const std::string& path : {fifo, std::string("/dev/zero"), picture, working_file("missing.mp3")}) {
        music::play_one_file(state, path);
        EXPECT_EQ(now_playing(), "a") << path;
        EXPECT_FALSE(mpv.loaded()) << path;
        tick();
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
