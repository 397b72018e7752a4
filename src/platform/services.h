// The platform services in use, chosen once at start (real ones in the
// program, fakes in tests). Every subsystem reaches a service through these.
#pragma once

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/file_icons.h"
#include "platform/http.h"
#include "platform/media_player.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/speech.h"
#include "platform/tones.h"

namespace platform {

struct Services {
    Clock* clock = nullptr;
    Environment* environment = nullptr;
    Http* http = nullptr;
    Screen* screen = nullptr;
    Speech* speech = nullptr;
    FileIcons* file_icons = nullptr;
    Tones* tones = nullptr;
    Shell* shell = nullptr;
    MediaPlayer* media_player = nullptr;
};

// Installs `s`; every member must be set, or none (back to nothing installed,
// as at start, so a test can put back what it found). Returns the previous set.
Services install(const Services& s);

// The installed services; calling one before install() ends the program.
Clock& clock();
Environment& environment();
Http& http();
Screen& screen();
Speech& speech();
Tones& tones();
FileIcons& file_icons();
Shell& shell();
MediaPlayer& media_player();

}  // namespace platform
