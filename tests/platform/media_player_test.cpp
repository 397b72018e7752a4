// The media player over libmpv, on the null audio output: files made at test
// time play to their end, pause and resume; whatever cannot play is refused
// without holding the caller: folders, FIFOs, devices, sockets, pictures and
// text named as music, playlists, and files on a mount that does not answer.
#include "platform/media_player.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/fixture.h"
#include "support/sound_files.h"

namespace {

using namespace std::chrono_literals;
using platform::MpvMediaPlayer;

// Long enough for any machine; a player that needs it is broken.
constexpr auto patience = 20s;

// Waits for the player's status to become `wanted`, asking as the program does (once in a while).
bool status_becomes(platform::MediaPlayer& player, int wanted) {
    const auto give_up = std::chrono::steady_clock::now() + patience;
    while (player.status() != wanted) {
        if (std::chrono::steady_clock::now() > give_up) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// A one-pixel PNG (its zero bytes are part of it, so its length is the array's).
constexpr char png_literal[] =
    "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1f\x15\xc4\x89\0\0\0\rIDATx\x9c"
    "c\xf8\x0f\0\0\x01\x01\x01\0\x18\xdd\x8d\xb0\0\0\0\0IEND\xae\x42\x60\x82";
const std::string png_bytes(png_literal, sizeof png_literal - 1);

class MediaPlayer : public ::testing::Test {
protected:
    MediaPlayer() : player("null") {
        if (!test::encoders_installed()) return;
        test::write_tone_wav(folder / "tone.wav", 2);
        mp3_made = test::write_tone_mp3(folder / "tone.mp3", 2);
        ogg_made = test::write_tone_ogg(folder / "tone.ogg", 2);
    }

    test::TempFolder folder;
    MpvMediaPlayer player;
    bool mp3_made = false, ogg_made = false;
};

TEST_F(MediaPlayer, GeneratedFilesPlayToTheirEnd) {
    if (!test::encoders_installed()) GTEST_SKIP() << "lame and oggenc are not installed (tools/install-deps.sh)";
    ASSERT_TRUE(mp3_made && ogg_made);
    player.add_option("ao-null-untimed", "yes");  // as fast as it decodes
    for (const char* name : {"tone.wav", "tone.mp3", "tone.ogg"}) {
        EXPECT_EQ(player.status(), platform::media_stopped) << name;
        ASSERT_TRUE(player.load(folder / name)) << name;
        EXPECT_TRUE(player.loaded()) << name;
        player.set_volume(50);
        player.play();
        EXPECT_TRUE(status_becomes(player, platform::media_stopped)) << name << " never ends";
        EXPECT_TRUE(player.loaded()) << "a file that ended stays loaded until freed, " << name;
        player.free();
        EXPECT_FALSE(player.loaded()) << name;
    }
}

TEST_F(MediaPlayer, PauseResumeStopAndFree) {
    if (!test::encoders_installed()) GTEST_SKIP() << "lame and oggenc are not installed (tools/install-deps.sh)";
    test::write_tone_wav(folder / "long.wav", 30);
    ASSERT_TRUE(player.load(folder / "long.wav"));
    player.play();
    EXPECT_EQ(player.status(), platform::media_playing);
    player.pause();
    EXPECT_EQ(player.status(), platform::media_paused);
    player.resume();
    EXPECT_EQ(player.status(), platform::media_playing);
    player.stop();
    EXPECT_EQ(player.status(), platform::media_stopped);
    EXPECT_TRUE(player.loaded());
    player.free();
    EXPECT_FALSE(player.loaded());

    // Loading again replaces a playing file.
    ASSERT_TRUE(player.load(folder / "long.wav"));
    player.play();
    ASSERT_TRUE(player.load(folder / "tone.wav"));
    player.play();
    EXPECT_EQ(player.status(), platform::media_playing);
}

TEST_F(MediaPlayer, WhatCannotPlayIsRefused) {
    const std::filesystem::path fifo = folder.path() / "fifo.mp3";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path socket_path = folder.path() / "socket.mp3";
    const int listening = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    test::write_file(folder.path() / "picture.mp3", png_bytes);
    test::write_file(folder.path() / "text.mp3", "Not music at all, only words.\n");
    test::write_file(folder.path() / "empty.mp3", "");
    test::write_tone_wav(folder / "tone.wav", 1);
    test::write_file(folder.path() / "list.m3u", "#EXTM3U\n" + (folder / "tone.wav") + "\n");
    std::filesystem::create_directory(folder.path() / "folder.mp3");

    const struct {
        const char* name;
        std::string path;
    } rows[] = {
        {"missing", folder / "missing.mp3"},
        {"folder", folder / "folder.mp3"},
        {"FIFO", fifo.string()},
        {"socket", socket_path.string()},
        {"device", "/dev/zero"},
        {"PNG named as MP3", folder / "picture.mp3"},
        {"text named as MP3", folder / "text.mp3"},
        {"empty file", folder / "empty.mp3"},
        {"playlist that names other files", folder / "list.m3u"},
        {"empty path", ""},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(player.load(row.path)) << row.name;
        EXPECT_FALSE(player.loaded()) << row.name;
        EXPECT_EQ(player.status(), platform::media_stopped) << row.name;
        ASSERT_TRUE(player.load(folder / "tone.wav")) << "the player still plays after: " << row.name;
    }
    close(listening);
}

// A FUSE mount whose server never answers: every look at a path inside it
// waits until the mount goes away, as on a network share that died.
class DeadMount {
public:
    explicit DeadMount(const std::filesystem::path& at) : at_(at) {
        std::filesystem::create_directory(at_);
        device_ = open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (device_ < 0) return;
        const std::string options = "fd=" + std::to_string(device_) + ",rootmode=40000,user_id=0,group_id=0";
        mounted_ = mount("vd-dead", at_.c_str(), "fuse.vd-dead", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
    }
    ~DeadMount() {
        if (mounted_) umount2(at_.c_str(), MNT_DETACH);
        if (device_ >= 0) close(device_);  // ends every wait on the mount
    }
    DeadMount(const DeadMount&) = delete;
    DeadMount& operator=(const DeadMount&) = delete;
    bool mounted() const { return mounted_; }

private:
    std::filesystem::path at_;
    int device_ = -1;
    bool mounted_ = false;
};

TEST_F(MediaPlayer, AFileOnAMountThatDoesNotAnswerIsRefused) {
    DeadMount mount(folder.path() / "share");
    if (!mount.mounted()) GTEST_SKIP() << "FUSE mounts need root and /dev/fuse";
    const std::string song = folder / "share/song.mp3";
    EXPECT_FALSE(platform::is_regular_file_within(song, 200));
    EXPECT_FALSE(player.load(song));
    test::write_tone_wav(folder / "tone.wav", 1);
    EXPECT_TRUE(platform::is_regular_file_within(folder / "tone.wav", 2000));
    EXPECT_TRUE(player.load(folder / "tone.wav")) << "the player is not held by the dead mount";
}

}  // namespace
