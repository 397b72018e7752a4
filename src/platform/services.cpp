// The one set of platform services in use.
#include "platform/services.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

Services g_services;

// Kept in release builds too: a missing service would otherwise be a null
// reference far from its cause.
void require(bool condition, const char* sentence) {
    if (!condition) {
        std::fprintf(stderr, "%s\n", sentence);
        std::abort();
    }
}

}  // namespace

Services install(const Services& s) {
    const bool all_set = s.clock && s.environment && s.http && s.screen && s.speech && s.file_icons && s.tones &&
                         s.shell && s.media_player;
    const bool none_set = !s.clock && !s.environment && !s.http && !s.screen && !s.speech && !s.file_icons &&
                          !s.tones && !s.shell && !s.media_player;
    require(all_set || none_set, "Install every platform service at once, or none of them.");
    const Services previous = g_services;
    g_services = s;
    return previous;
}

Clock& clock() {
    require(g_services.clock, "No clock installed: call platform::install() at start.");
    return *g_services.clock;
}

Environment& environment() {
    require(g_services.environment, "No environment installed: call platform::install() at start.");
    return *g_services.environment;
}

Http& http() {
    require(g_services.http, "No HTTP service installed: call platform::install() at start.");
    return *g_services.http;
}

Screen& screen() {
    require(g_services.screen, "No screen installed: call platform::install() at start.");
    return *g_services.screen;
}

Speech& speech() {
    require(g_services.speech, "No speech installed: call platform::install() at start.");
    return *g_services.speech;
}

FileIcons& file_icons() {
    require(g_services.file_icons, "No file icons installed: call platform::install() at start.");
    return *g_services.file_icons;
}

Tones& tones() {
    require(g_services.tones, "No tones installed: call platform::install() at start.");
    return *g_services.tones;
}

Shell& shell() {
    require(g_services.shell, "No shell installed: call platform::install() at start.");
    return *g_services.shell;
}

MediaPlayer& media_player() {
    require(g_services.media_player, "No media player installed: call platform::install() at start.");
    return *g_services.media_player;
}

}  // namespace platform
