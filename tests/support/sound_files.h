// Music files made at test time: a tone as WAV, and the same encoded as MP3
// (lame) or Ogg Vorbis (oggenc), tools/install-deps.sh installs both.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/tones.h"

namespace test {

// `seconds` of a `frequency_hz` tone at a third of full scale, as a WAV file at `path`.
inline void write_tone_wav(const std::string& path, int seconds, int frequency_hz = 440) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << platform::tune_wave_file({{frequency_hz, seconds * 1000}});
}

inline bool run_quietly(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

inline bool encoders_installed() { return run_quietly("command -v lame") && run_quietly("command -v oggenc"); }

// The tone encoded from a WAV made beside `path`; false when the encoder failed.
inline bool write_tone_mp3(const std::string& path, int seconds, int frequency_hz = 440,
                           const std::string& lame_options = "") {
    write_tone_wav(path + ".wav", seconds, frequency_hz);
    return run_quietly("lame --quiet -b 64 " + lame_options + " '" + path + ".wav' '" + path + "'");
}

inline bool write_tone_ogg(const std::string& path, int seconds, int frequency_hz = 440) {
    write_tone_wav(path + ".wav", seconds, frequency_hz);
    return run_quietly("oggenc -Q -o '" + path + "' '" + path + ".wav'");
}

}  // namespace test
