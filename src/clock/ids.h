// Numbers of the clock subsystem's gadgets; gadget numbers are unique across
// all windows. The namespace is `clocks` because `clock` is taken by the C
// library's clock() function.
#pragma once

namespace clocks {

enum Gadget : int {
    // Clock bar, in the desk window.
    GadgetTimersRow = 6,              // container of the stopwatch and countdown
    GadgetCountdown = 7,
    GadgetStopwatch = 8,
    GadgetCountdownStartStop = 9,
    GadgetCountdownSet = 10,
    GadgetStopwatchReset = 11,
    GadgetStopwatchStartStop = 12,
    GadgetTime = 13,                  // hours and minutes
    GadgetDayName = 14,
    GadgetSeconds = 15,
    GadgetDate = 16,                  // day and month
    GadgetDayOfYear = 17,
    GadgetWeek = 18,
    GadgetNowPlayingBand = 19,
    GadgetNowPlaying = 20,
    GadgetVolume = 21,                // slider 0 to 100
    GadgetMarker = 22,                // AM / PM
    GadgetPlayerBand = 27,
    GadgetPlaylist = 28,
    GadgetPlay = 29,
    GadgetPause = 30,
    GadgetStop = 31,
    GadgetNextFile = 32,
    GadgetLoop = 33,
    GadgetFavourite1 = 34,            // favourite station buttons 1 to 3
    GadgetFavourite2 = 35,
    GadgetFavourite3 = 36,
    GadgetToolsRow = 37,
    GadgetNotes = 38,
    GadgetCalendar = 39,
    GadgetMute = 40,
    GadgetMoveIcons = 41,
    GadgetWebRadio = 42,

    // Notice banner.
    GadgetBannerTitle = 113,          // the program's name
    GadgetBannerText = 114,           // the message
};

}  // namespace clocks
