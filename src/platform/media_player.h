// The media player seam: one media object that plays music files (MP3, OGG,
// FLAC, M4A, WAV, Opus, whatever the decoder knows), one file at a time.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// What status() reports.
inline constexpr int media_paused = -1;
inline constexpr int media_stopped = 0;  // stopped, or played to its end
inline constexpr int media_playing = 1;

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    // A file is about to be chosen: get ready so that the load does not wait
    // for it. Returns at once.
    virtual void warm_up() = 0;
    // Loads the file at `path` in place of any file loaded before, ready to
    // play from its start, and says whether it can play. Returns within a
    // bounded time whatever the path names: a FIFO, socket, device, folder or
    // a file on a mount that no longer answers is refused. After a refusal no
    // file is loaded.
    [[nodiscard]] virtual bool load(const std::string& path) = 0;
    // Whether a file is loaded (from a successful load to free).
    virtual bool loaded() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Stops the file; it stays loaded, with status media_stopped.
    virtual void stop() = 0;
    // Unloads the file.
    virtual void free() = 0;
    // Loudness 0 (silent) to 100 (as recorded), heard as linear; values
    // outside are clamped. Kept for the files loaded later.
    virtual void set_volume(int volume) = 0;
    // media_paused, media_stopped or media_playing; media_stopped when no
    // file is loaded.
    virtual int status() = 0;
};

// Over libmpv, opened on the first load (or warm_up). Sound goes to the
// first of `audio_outputs` that opens, in mpv's notation; with none there
// files play to silence at their own pace. The player's threads run only
// while a file plays; nothing here wakes the program's event loop.
class MpvMediaPlayer final : public MediaPlayer {
public:
    explicit MpvMediaPlayer(std::string audio_outputs = "pulse,alsa,null");
    ~MpvMediaPlayer() override;
    MpvMediaPlayer(const MpvMediaPlayer&) = delete;
    MpvMediaPlayer& operator=(const MpvMediaPlayer&) = delete;

    void warm_up() override;
    [[nodiscard]] bool load(const std::string& path) override;
    bool loaded() const override { return loaded_; }
    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void free() override;
    void set_volume(int volume) override;
    int status() override;

    // Options set on the player before it starts, for tests (for example
    // {"ao-null-untimed", "yes"} to play to the null output at full speed).
    void add_option(std::string name, std::string value);

private:
    struct Core;
    bool start_core();
    void abandon_core();
    void take_events();
    void command(std::initializer_list<const char*> words);
    void set_pause(bool paused);

    std::string audio_outputs_;
    std::vector<std::pair<std::string, std::string>> extra_options_;
    std::unique_ptr<Core> core_;
    bool loaded_ = false;
    bool ended_ = false;   // the loaded file played to its end or was stopped
    bool paused_ = false;  // the core's pause switch as last set
    int volume_ = 100;
};

// Keeps what it was asked. A test says which files load and moves the status.
class FakeMediaPlayer final : public MediaPlayer {
public:
    std::vector<std::string> calls;       // "load <path>", "play", "pause", "resume", "stop", "free", "volume <n>"
    std::vector<std::string> unplayable;  // paths whose load fails
    int warm_ups = 0;
    int volume = -1;  // the last volume set; -1 before any
    int current_status = media_stopped;

    void warm_up() override { ++warm_ups; }
    [[nodiscard]] bool load(const std::string& path) override;
    bool loaded() const override { return loaded_; }
    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void free() override;
    void set_volume(int v) override;
    int status() override { return loaded_ ? current_status : media_stopped; }

    // The file reached its end.
    void finish() { current_status = media_stopped; }
    std::string loaded_path;

private:
    bool loaded_ = false;
};

// Whether `path` names a regular file, found out without ever blocking the
// caller for more than about `limit_ms`: the check runs on a thread of its
// own, and a file system that does not answer in time counts as no. Opens
// the file read-only and non-blocking, so a FIFO or a device is never waited on.
[[nodiscard]] bool is_regular_file_within(const std::string& path, int limit_ms);

}  // namespace platform
