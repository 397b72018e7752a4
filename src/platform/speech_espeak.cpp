// Speech through espeak-ng in synchronous playback: without an audio device
// the synthesis call fails at once, which is the silence the program wants
// (the asynchronous mode would report success and play nothing).
#include <algorithm>
#include <cmath>

#include <espeak-ng/speak_lib.h>

#include "platform/speech.h"

namespace platform {

namespace {

constexpr int normal_words_per_minute = espeakRATE_NORMAL;
constexpr double rate_span_factor = 3.0;  // rate 10 is this many times faster than rate 0
constexpr int rate_steps = 10;
constexpr const char* fallback_language = "en";

// The engine is one per process: it is set up on first use and kept.
// Returns false when it could not start (no voice data, for instance).
bool engine_ready() {
    // The option keeps a missing data folder from ending the program.
    static const bool ready =
        espeak_Initialize(AUDIO_OUTPUT_SYNCH_PLAYBACK, 0, nullptr, espeakINITIALIZE_DONT_EXIT) > 0;
    return ready;
}

bool select_voice(const std::string& language) {
    espeak_VOICE wanted{};
    wanted.languages = language.c_str();
    return espeak_SetVoiceByProperties(&wanted) == EE_OK;
}

}  // namespace

int words_per_minute(int rate) {
    const double wpm = normal_words_per_minute * std::pow(rate_span_factor, double(rate) / rate_steps);
    return std::clamp(static_cast<int>(std::lround(wpm)), espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
}

bool EspeakSpeech::available() { return engine_ready() && select_voice(fallback_language); }

void EspeakSpeech::speak(const std::string& text, const std::string& language, int rate, int volume_percent) {
    if (text.empty() || !engine_ready()) return;
    if ((language.empty() || !select_voice(language)) && !select_voice(fallback_language)) return;
    espeak_SetParameter(espeakRATE, words_per_minute(rate), 0);
    espeak_SetParameter(espeakVOLUME, std::clamp(volume_percent, 0, 100), 0);
    // Failure here means no audio output: the phrase is not heard, as intended.
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
}

}  // namespace platform
