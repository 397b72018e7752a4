// Numbers of the gadgets of the clock subsystem's windows (the clock bar's
// are in core/ids.h); gadget numbers are unique across all windows. The
// namespace is `clocks` because `clock` is taken by the C library's clock().
#pragma once

namespace clocks {

enum Gadget : int {
    // Notice banner.
    GadgetBannerTitle = 113,  // the program's name
    GadgetBannerText = 114,   // the message

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
    GadgetSmallClockGrip = 120,  // drag area

    // Countdown settings window.
    GadgetCountdownDefine = 121,  // "Définir"
    GadgetCountdownStart = 122,   // "Démarrer"
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
