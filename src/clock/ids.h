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

    // Calendar window.
    GadgetMonthCalendar = 61,
    GadgetCalendarOk = 62,
    GadgetEvent1Date = 63,
    GadgetEvent1Text = 64,
    GadgetEvent2Date = 65,
    GadgetEvent2Text = 66,
    GadgetEvent3Text = 67,
    GadgetEvent3Date = 68,
    GadgetEvent1Frame = 69,
    GadgetEvent2Frame = 70,
    GadgetEvent3Frame = 71,
    GadgetEvent1Now = 72,
    GadgetEvent2Now = 73,
    GadgetEvent3Now = 74,

    // Small clock window.
    GadgetSmallClockTime = 117,
    GadgetSmallClockSeconds = 118,
    GadgetSmallClockMarker = 119,
    GadgetSmallClockGrip = 120,       // drag area

    // Countdown settings window.
    GadgetCountdownDefine = 121,      // "Définir"
    GadgetCountdownStart = 122,       // "Démarrer"
    GadgetCountdownHours = 123,
    GadgetCountdownMinutes = 124,
    GadgetCountdownSeconds = 125,
    GadgetCountdownHoursLabel = 126,
    GadgetCountdownMinutesLabel = 127,
    GadgetCountdownSecondsLabel = 128,
    GadgetCountdownMessage = 129,
    GadgetCountdownMessageLabel = 130,
    GadgetCountdownFrame = 131,
    GadgetCountdownReset = 132,
    GadgetCountdownPicture = 133,

    // Needle clock window: its face, a drawing area filling it.
    GadgetNeedleFace = 510,
};

}  // namespace clocks
