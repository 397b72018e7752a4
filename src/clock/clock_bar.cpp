#include "clock/clock_bar.h"

#include "app/ids.h"
#include "app/images.h"
#include "clock/ids.h"
#include "platform/services.h"
#include "rt/events.h"
#include "rt/dragdrop.h"
#include "rt/gadget.h"

namespace clocks {

namespace {

constexpr app::Colour day_number_colour = 0xF0F0F0;  // RGB(240, 240, 240)
constexpr app::Colour black = 0;

struct Text {
    int gadget;
    int x, y, w, h;
    const char* text;
    int font;                  // -1: the default font
    const char* tooltip;
    app::Colour background;
};

constexpr Text clock_texts[] = {
    {GadgetTime, 1, 16, 73, 30, "--:--", app::FontTime, "Cliquer pour afficher petite horloge", clock_colour},
    {GadgetSeconds, 74, 16, 35, 18, "--", app::FontSeconds, nullptr, clock_colour},
    {GadgetMarker, 74, 34, 35, 15, "", app::FontMarker, nullptr, clock_colour},
    {GadgetDayName, 1, 46, 108, 20, "---", app::FontDayName, nullptr, clock_colour},
    {GadgetDate, 1, 66, 108, 20, "-- ------", app::FontDate, "Cliquer pour afficher le calendrier", clock_colour},
    {GadgetDayOfYear, 1, 87, 52, 15, "Jour", -1, nullptr, day_number_colour},
    {GadgetWeek, 52, 87, 57, 15, "Semaine", -1, nullptr, day_number_colour},
};

// Inside the stopwatch and countdown container.
constexpr Text timer_texts[] = {
    {GadgetStopwatch, 20, 2, 65, 16, "--:--:--", app::FontClockSmall, "Chronomètre (StopWatch)", clock_colour},
    {GadgetCountdown, 20, 20, 65, 16, "--:--:--", app::FontClockSmall, "Compte à rebours (CountDown)", clock_colour},
};

struct Button {
    int gadget;
    int x, y;
    int image;
    const char* tooltip;
};

constexpr Button timer_buttons[] = {
    {GadgetStopwatchReset, 0, 1, app::ImageStopwatchReset, "Reset StopWatch"},
    {GadgetStopwatchStartStop, 90, 1, app::ImageStopwatchStartStop, "Start / Stop StopWatch"},
    {GadgetCountdownSet, 0, 20, app::ImageCountdownSet, "Set CountDown"},
    {GadgetCountdownStartStop, 90, 20, app::ImageCountdownStartStop, "Start / Stop countDown"},
};

constexpr Button player_buttons[] = {
    {GadgetPlaylist, 2, 175, app::ImagePlayerPlaylists, "PlayListe (Load / Create)"},
    {GadgetPlay, 20, 175, app::ImagePlayerPlay, "Lire (Read)"},
    {GadgetPause, 38, 175, app::ImagePlayerPause, "Pause"},
    {GadgetStop, 56, 175, app::ImagePlayerStop, "Stop (PlayList or WebRadio)"},
    {GadgetNextFile, 74, 175, app::ImagePlayerNext, "Fichier Suivant (Next File)"},
    {GadgetLoop, 92, 175, app::ImagePlayerLoop, "Boucle (Loop PlayList)"},
};

// Inside the tools container.
constexpr Button tool_buttons[] = {
    {GadgetNotes, 2, 2, app::ImageToolNotes, "ToDo Liste"},
    {GadgetCalendar, 24, 2, app::ImageToolCalendar, "Calendrier (Scheduler)"},
    {GadgetMute, 46, 2, app::ImageSounding, "Son On/Off (Mute)"},
    {GadgetWebRadio, 67, 2, app::ImageToolWebRadio, "WebRadio"},
    {GadgetMoveIcons, 88, 2, app::ImageToolMoveIcons, "Déplacer Icônes (Move Icons)"},
};

constexpr int button_size = 16;

void create(const Text& t) {
    rt::create_text_gadget(t.gadget, t.x, t.y, t.w, t.h, t.text, rt::TextFlag::Centre);
    if (t.font >= 0) rt::set_gadget_font(t.gadget, t.font);
    if (t.tooltip) rt::set_tooltip(t.gadget, t.tooltip);
    rt::set_gadget_back_colour(t.gadget, t.background);
    if (t.background == day_number_colour) rt::set_gadget_front_colour(t.gadget, black);
}

void create(const Button& b) {
    rt::create_image_button_gadget(b.gadget, b.x, b.y, button_size, button_size, b.image);
    rt::set_tooltip(b.gadget, b.tooltip);
}

}  // namespace

void build_clock_bar(const app::State&) {
    rt::use_gadget_list(app::WindowDesk);
    for (const Text& t : clock_texts) create(t);

    rt::open_container_gadget(GadgetTimersRow, 1, 103, 108, 39);
    for (const Text& t : timer_texts) create(t);
    for (const Button& b : timer_buttons) create(b);
    rt::close_container_gadget();

    rt::open_container_gadget(GadgetNowPlayingBand, 1, 141, 108, 18);
    rt::close_container_gadget();
    rt::set_gadget_back_colour(GadgetNowPlayingBand, black);
    rt::disable_gadget(GadgetNowPlayingBand, true);
    create(Text{GadgetNowPlaying, 1, 142, 108, 15, "", app::FontClockSmall, nullptr, clock_colour});

    for (int i = 0; i < 3; ++i) {
        const int gadget = GadgetFavourite1 + i;
        rt::create_image_button_gadget(gadget, 1 + 36 * i, 158, 36, 15, -1);
        rt::set_gadget_font(gadget, app::FontClockSmall);
    }

    rt::open_container_gadget(GadgetPlayerBand, 1, 173, 108, 20);
    rt::close_container_gadget();
    rt::disable_gadget(GadgetPlayerBand, true);
    for (const Button& b : player_buttons) create(b);

    rt::create_slider_gadget(GadgetVolume, 1, 193, 108, 17, 0, 100);
    rt::set_tooltip(GadgetVolume, "Volume");

    rt::open_container_gadget(GadgetToolsRow, 1, 211, 108, 20);
    for (const Button& b : tool_buttons) create(b);
    rt::close_container_gadget();

    // Dropped files open in the viewer; dropped text becomes a note.
    for (int gadget : {GadgetTime, GadgetSeconds, GadgetMarker, GadgetDayName, GadgetDate})
        rt::enable_gadget_drop(gadget, rt::DropKind::Files | rt::DropKind::Text);
}

void show_start_time(const app::State&) {
    const auto now = platform::clock().local_now();
    rt::set_text(GadgetTime, platform::format_date("%hh:%ii", now));
    rt::set_text(GadgetSeconds, platform::format_date("%ss", now));
}

void use_large_clock() {
    rt::hide_gadget(GadgetSeconds, true);
    rt::hide_gadget(GadgetMarker, true);
    rt::move_gadget(GadgetTime, 1, 16, 108, 30);
}

}  // namespace clocks
