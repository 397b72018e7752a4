// Speech through espeak-ng in synchronous playback: without an audio device
// the synthesis call fails at once, which is the silence the program wants
// (the asynchronous mode would report success and play nothing). The library
// is opened at the first phrase.
#include <algorithm>
#include <cmath>

#include <espeak-ng/speak_lib.h>

#include "platform/shared_library.h"
#include "platform/speech.h"

namespace platform {

namespace {

constexpr int normal_words_per_minute = espeakRATE_NORMAL;
constexpr double rate_span_factor = 3.0;  // rate 10 is this many times faster than rate 0
constexpr int rate_steps = 10;
constexpr const char* fallback_language = "en";

struct Espeak {
    decltype(&espeak_Initialize) initialize;
    decltype(&espeak_SetVoiceByProperties) set_voice;
    decltype(&espeak_SetParameter) set_parameter;
    decltype(&espeak_Synth) synth;
    decltype(&espeak_Synchronize) synchronize;
};

// The engine is one per process: it is loaded and set up on first use and
// kept. Null when it could not start (no library or no voice data).
const Espeak* engine() {
    static const Espeak* const api = []() -> const Espeak* {
        static Espeak e;
        void* library = open_library({"libespeak-ng.so.1", "libespeak-ng.so"});
        const bool complete = bind(library, "espeak_Initialize", e.initialize) &&
                              bind(library, "espeak_SetVoiceByProperties", e.set_voice) &&
                              bind(library, "espeak_SetParameter", e.set_parameter) &&
                              bind(library, "espeak_Synth", e.synth) && bind(library, "espeak_Synchronize", e.synchronize);
        // The option keeps a missing data folder from ending the program.
        if (!complete || e.initialize(AUDIO_OUTPUT_SYNCH_PLAYBACK, 0, nullptr, espeakINITIALIZE_DONT_EXIT) <= 0)
            return nullptr;
        return &e;
    }();
    return api;
}

bool select_voice(const Espeak& e, const std::string& language) {
    espeak_VOICE wanted{};
    wanted.languages = language.c_str();
    return e.set_voice(&wanted) == EE_OK;
}

}  // namespace

int words_per_minute(int rate) {
    const double wpm = normal_words_per_minute * std::pow(rate_span_factor, double(rate) / rate_steps);
    return std::clamp(static_cast<int>(std::lround(wpm)), espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
}

bool EspeakSpeech::available() {
    const Espeak* e = engine();
    return e && select_voice(*e, fallback_language);
}

void EspeakSpeech::speak(const std::string& text, const std::string& language, int rate, int volume_percent) {
    const Espeak* e = text.empty() ? nullptr : engine();
    if (!e) return;
    if ((language.empty() || !select_voice(*e, language)) && !select_voice(*e, fallback_language)) return;
    e->set_parameter(espeakRATE, words_per_minute(rate), 0);
    e->set_parameter(espeakVOLUME, std::clamp(volume_percent, 0, 100), 0);
    // Failure here means no audio output: the phrase is not heard, as intended.
    e->synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    e->synchronize();
}

}  // namespace platform
