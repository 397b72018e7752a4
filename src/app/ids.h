// Numbers of the program's windows, menus, menu items, timers and fonts
// (the embedded images are named in app/images.h). Gadget numbers are unique across all windows; the gadgets of the
// desk window are named in clock/ids.h and desk/ids.h by their owners.
#pragma once

namespace app {

enum Window : int {
    WindowOwner = 0,           // hidden owner of the tool windows
    WindowPicture = 7,
    WindowDesk = 9,
    WindowRadio = 10,
    WindowCalendar = 11,
    WindowSplash = 12,
    WindowAbout = 13,
    WindowPlaylist = 14,
    WindowBanner = 15,
    WindowSlotMove = 16,
    WindowSmallClock = 17,
    WindowCountdown = 18,
    WindowPlaylistEditor = 20,
    WindowIconReload = 21,
    WindowDeskHeight = 22,
    WindowPreferences = 23,
    WindowSlotInfo = 24,
    WindowMusicInfo = 25,
    WindowTextViewer = 26,
    WindowNotes = 27,
    WindowNeedleClock = 28,
};

enum Menu : int {
    MenuSlot = 1,
    MenuTray = 14,
    MenuDesk = 39,
    MenuNeedleClock = 55,
    MenuMusicBrowser = 84,
    MenuMusicPlaylist = 86,
};

enum MenuItem : int {
    ItemSlotInfo = 2,
    ItemSlotRunAsAdmin = 3,
    ItemSlotToggleAdmin = 4,
    ItemSlotAdd = 5,
    ItemSlotPaste = 6,
    ItemSlotRename = 7,
    ItemSlotParameters = 8,
    ItemSlotStartFolder = 9,
    ItemSlotChangeIcon = 10,
    ItemSlotOriginalIcon = 11,
    ItemSlotMove = 12,
    ItemSlotRemove = 13,
    ItemTrayShowHide = 15,
    ItemTrayLeft = 16,
    ItemTrayRight = 17,
    ItemTrayTalkingClock = 22,
    ItemCalendar = 23,
    ItemTrayOnTop = 24,
    ItemTrayHelp = 25,
    ItemTrayAbout = 26,
    ItemTrayQuit = 27,
    ItemPlaylist1 = 28,        // 28 to 32: favourite playlists 1 to 5
    ItemPlaylist5 = 32,
    ItemKeyLeft = 34,          // raised by the keyboard shortcuts only
    ItemKeyRight = 35,
    ItemKeyResize = 36,
    ItemTrayPreferences = 37,
    ItemNeedleClock = 38,
    ItemDeskPreferences = 40,
    ItemDeskRight = 41,
    ItemDeskLeft = 42,
    ItemDeskOnTop = 43,
    ItemDeskResize = 44,
    ItemDeskHide = 45,
    ItemDeskEditData = 47,
    ItemDeskEditPlaylists = 48,
    ItemDeskHelp = 49,
    ItemDeskCheckVersion = 50,
    ItemDeskAbout = 51,
    ItemDeskQuit = 52,
    ItemDeskMusicInfo = 53,
    ItemTrayPlayOne = 54,
    ItemNeedleSmall = 56,
    ItemNeedleMedium = 57,
    ItemNeedleLarge = 58,
    ItemNeedleOnTop = 59,
    ItemNeedleSeconds = 60,
    ItemNeedleTransparency25 = 61,
    ItemNeedleTransparency50 = 62,
    ItemNeedleOpaque = 63,
    ItemNeedleBackground = 64,
    ItemNeedleColour = 65,
    ItemNeedleClose = 66,
    ItemBrowserPlay = 85,
    ItemBrowserAdd = 87,
    ItemPlaylistPlay = 88,
    ItemPlaylistFromHere = 89,
    ItemPlaylistDelete = 90,
};

enum Timer : int {
    TimerTick = 1,             // desk, every second
    TimerDate = 2,             // desk, every minute
    TimerBanner = 3,           // banner, closes it
    TimerNeedleRedraw = 4,     // needle clock, bound to its window: redraws the face
};

inline constexpr int TrayIcon = 0;

// Numbered fonts (Verdana unless noted; size in points).
enum Font : int {
    Font8 = 0,
    FontSplashText = 9,        // 8
    FontSplashVersion = 10,    // 7
    FontTime = 2,              // 16 bold
    FontDayName = 3,           // 11
    FontDate = 5,              // 10
    FontSeconds = 4,           // 9
    FontMarker = 6,            // 6
    FontBannerTitle = 15,      // 10 bold
    FontBannerText = 16,       // 10
    FontSmallClockTime = 18,   // 16 bold
    FontSmallClockSeconds = 19,// 9
    FontSmallClockMarker = 20, // 6
    FontHeightSpin = 24,       // 10
    FontHeightLabel = 25,      // 8
    FontHeightRange = 26,      // 9
    FontClockSmall = 7,        // 8: stopwatch, countdown, now playing, station buttons
    FontMusicInfo = 33,        // 8
    FontCalendar = 17,         // 10: the calendar's event dates and texts
};

}  // namespace app

namespace app {

// Gadgets of the application core.
enum Gadget : int {
    GadgetGrip = 23,              // desk grip bar: menu box, grip lines, close box
    GadgetSplashProgress = 75,
    GadgetSplashStatus = 76,
    GadgetSplashBuild = 77,
    GadgetSplashVersion = 78,
    GadgetSplashMaker = 79,
    GadgetSplashBanner = 80,
    GadgetHeightZones = 154,
    GadgetHeightLabel = 155,
    GadgetHeightRange = 156,
    GadgetHeightTest = 157,
    GadgetSplashFrame = 500,      // the splash window's own frame, behind its gadgets
};

}  // namespace app
