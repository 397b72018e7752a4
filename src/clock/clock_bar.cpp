#include "clock/clock_bar.h"

#include "clock/ids.h"
#include "core/ids.h"
#include "core/images.h"
#include "platform/services.h"
#include "rt/dragdrop.h"
#include "rt/events.h"
#include "rt/gadget.h"

namespace clocks {

namespace {

constexpr core::Colour day_number_colour = 0xF0F0F0;  // RGB(240, 240, 240)
constexpr core::Colour black = 0;

struct Text {
    int gadget;
    int x, y, w, h;
    const char* text;
    int font;  // -1: the default font
    const char* tooltip;
    core::Colour background;
};

constexpr Text clock_texts[] = {
    {core::GadgetTime, 1, 16, 73, 30, "--:--", core::FontTime, "Cliquer pour afficher petite horloge", clock_colour},
    {core::GadgetSeconds, 74, 16, 35, 18, "--", core::FontSeconds, nullptr, clock_colour},
    {core::GadgetMarker, 74, 34, 35, 15, "", core::FontTiny, nullptr, clock_colour},
    {core::GadgetDayName, 1, 46, 108, 20, "---", core::FontDayName, nullptr, clock_colour},
    {core::GadgetDate, 1, 66, 108, 20, "-- ------", core::FontDate, "Cliquer pour afficher le calendrier",
     clock_colour},
    {core::GadgetDayOfYear, 1, 87, 52, 15, "Jour", -1, nullptr, day_number_colour},
    {core::GadgetWeek, 52, 87, 57, 15, "Semaine", -1, nullptr, day_number_colour},
};

// Inside the stopwatch and countdown container.
constexpr Text timer_texts[] = {
    {core::GadgetStopwatch, 20, 2, 65, 16, "--:--:--", core::FontClockSmall, "Chronomètre (StopWatch)", clock_colour},
    {core::GadgetCountdown, 20, 20, 65, 16, "--:--:--", core::FontClockSmall, "Compte à rebours (CountDown)",
     clock_colour},
};

struct Button {
    int gadget;
    int x, y;
    int image;
    const char* tooltip;
};

constexpr Button timer_buttons[] = {
    {core::GadgetStopwatchReset, 0, 1, core::ImageStopwatchReset, "Reset StopWatch"},
    {core::GadgetStopwatchStartStop, 90, 1, core::ImageStopwatchStartStop, "Start / Stop StopWatch"},
    {core::GadgetCountdownSet, 0, 20, core::ImageCountdownSet, "Set CountDown"},
    {core::GadgetCountdownStartStop, 90, 20, core::ImageCountdownStartStop, "Start / Stop countDown"},
};

constexpr Button player_buttons[] = {
    {core::GadgetPlaylist, 2, 175, core::ImagePlayerPlaylists, "PlayListe (Load / Create)"},
    {core::GadgetPlay, 20, 175, core::ImagePlayerPlay, "Lire (Read)"},
    {core::GadgetPause, 38, 175, core::ImagePlayerPause, "Pause"},
    {core::GadgetStop, 56, 175, core::ImagePlayerStop, "Stop (PlayList or WebRadio)"},
    {core::GadgetNextFile, 74, 175, core::ImagePlayerNext, "Fichier Suivant (Next File)"},
    {core::GadgetLoop, 92, 175, core::ImagePlayerLoop, "Boucle (Loop PlayList)"},
};

// Inside the tools container.
constexpr Button tool_buttons[] = {
    {core::GadgetNotes, 2, 2, core::ImageToolNotes, "ToDo Liste"},
    {core::GadgetCalendar, 24, 2, core::ImageToolCalendar, "Calendrier (Scheduler)"},
    {core::GadgetMute, 46, 2, core::ImageSounding, "Son On/Off (Mute)"},
    {core::GadgetWebRadio, 67, 2, core::ImageToolWebRadio, "WebRadio"},
    {core::GadgetMoveIcons, 88, 2, core::ImageToolMoveIcons, "Déplacer Icônes (Move Icons)"},
};

constexpr int button_size = 16;

void create(const Text& t) {
    // The day of the year and the week ("Jour 342", "Sem. 52") shrink rather than lose a letter.
    const bool fit = t.background == day_number_colour;
    rt::create_text_gadget(t.gadget, t.x, t.y, t.w, t.h, t.text, rt::TextFlag::Centre | (fit ? rt::TextFlag::Fit : 0u));
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

void build_clock_bar(const core::State&) {
    rt::use_gadget_list(core::WindowDesk);
    for (const Text& t : clock_texts) create(t);

    rt::open_container_gadget(core::GadgetTimersRow, 1, 103, 108, 39);
    for (const Text& t : timer_texts) create(t);
    for (const Button& b : timer_buttons) create(b);
    rt::close_container_gadget();

    rt::open_container_gadget(core::GadgetNowPlayingBand, 1, 141, 108, 18);
    rt::close_container_gadget();
    rt::set_gadget_back_colour(core::GadgetNowPlayingBand, black);
    rt::disable_gadget(core::GadgetNowPlayingBand, true);
    create(Text{core::GadgetNowPlaying, 1, 142, 108, 15, "", core::FontClockSmall, nullptr, clock_colour});

    for (int i = 0; i < 3; ++i) {
        const int gadget = core::GadgetFavourite1 + i;
        rt::create_image_button_gadget(gadget, 1 + 36 * i, 158, 36, 15, -1);
        rt::set_gadget_font(gadget, core::FontClockSmall);
    }

    rt::open_container_gadget(core::GadgetPlayerBand, 1, 173, 108, 20);
    rt::close_container_gadget();
    rt::disable_gadget(core::GadgetPlayerBand, true);
    for (const Button& b : player_buttons) create(b);

    rt::create_slider_gadget(core::GadgetVolume, 1, 193, 108, 17, 0, 100);
    rt::set_tooltip(core::GadgetVolume, "Volume");

    rt::open_container_gadget(core::GadgetToolsRow, 1, 211, 108, 20);
    for (const Button& b : tool_buttons) create(b);
    rt::close_container_gadget();

    // Dropped files open in the viewer; dropped text becomes a note.
    for (int gadget :
         {core::GadgetTime, core::GadgetSeconds, core::GadgetMarker, core::GadgetDayName, core::GadgetDate})
        rt::enable_gadget_drop(gadget, rt::DropKind::Files | rt::DropKind::Text);
}

void show_start_time(const core::State&) {
    const auto now = platform::clock().local_now();
    rt::set_text(core::GadgetTime, platform::format_date("%hh:%ii", now));
    rt::set_text(core::GadgetSeconds, platform::format_date("%ss", now));
}

void use_large_clock() {
    rt::hide_gadget(core::GadgetSeconds, true);
    rt::hide_gadget(core::GadgetMarker, true);
    rt::move_gadget(core::GadgetTime, 1, 16, 108, 30);
}

}  // namespace clocks
