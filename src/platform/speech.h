// The speech seam: a synchronous voice that speaks a text aloud.
#pragma once

#include <string>
#include <vector>

namespace platform {

class Speech {
public:
    virtual ~Speech() = default;
    // True when a voice can speak (the engine and its voice data are present).
    virtual bool available() = 0;
    // Speaks `text` (UTF-8) and returns when it has been spoken. `language`: a
    // voice language such as "fr" or "en-us"; "" or an unknown one gives the
    // default voice. `rate`: -10 (slowest) to 10 (fastest), 0 normal.
    // `volume_percent`: 0 to 100. Without a voice or an audio device nothing
    // is heard and the call returns at once.
    virtual void speak(const std::string& text, const std::string& language, int rate, int volume_percent) = 0;
};

// espeak-ng, played synchronously on the default audio output.
class EspeakSpeech final : public Speech {
public:
    bool available() override;
    void speak(const std::string& text, const std::string& language, int rate, int volume_percent) override;
};

// The speaking rate -10..10 as words per minute: 175 at 0, three times faster
// at 10, three times slower at -10, kept to the engine's 80 to 450.
int words_per_minute(int rate);

// Keeps every phrase instead of speaking it, whatever `is_available` says.
class FakeSpeech final : public Speech {
public:
    struct Spoken {
        std::string text;
        std::string language;
        int rate = 0;
        int volume_percent = 0;
        bool operator==(const Spoken&) const = default;
    };

    bool is_available = true;
    std::vector<Spoken> spoken;

    bool available() override { return is_available; }
    void speak(const std::string& text, const std::string& language, int rate, int volume_percent) override {
        spoken.push_back({text, language, rate, volume_percent});
    }
};

}  // namespace platform
