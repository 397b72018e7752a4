#include <algorithm>

#include "platform/media_player.h"

namespace platform {

bool FakeMediaPlayer::load(const std::string& path) {
    calls.push_back("load " + path);
    loaded_ = std::find(unplayable.begin(), unplayable.end(), path) == unplayable.end();
    loaded_path = loaded_ ? path : std::string();
    current_status = loaded_ ? media_paused : media_stopped;
    return loaded_;
}

void FakeMediaPlayer::play() {
    calls.push_back("play");
    if (loaded_) current_status = media_playing;
}

void FakeMediaPlayer::pause() {
    calls.push_back("pause");
    if (loaded_) current_status = media_paused;
}

void FakeMediaPlayer::resume() {
    calls.push_back("resume");
    if (loaded_) current_status = media_playing;
}

void FakeMediaPlayer::stop() {
    calls.push_back("stop");
    current_status = media_stopped;
}

void FakeMediaPlayer::free() {
    calls.push_back("free");
    loaded_ = false;
    loaded_path.clear();
    current_status = media_stopped;
}

void FakeMediaPlayer::set_volume(int v) {
    volume = std::clamp(v, 0, 100);
    calls.push_back("volume " + std::to_string(volume));
}

}  // namespace platform
