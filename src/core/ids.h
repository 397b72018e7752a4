// Numbers shared by the whole program: windows, menus, menu items, timers,
// fonts and the gadgets of the clock bar, which holds controls of several
// subsystems. The embedded images are named in core/images.h; each subsystem
// names its own windows' gadgets in its ids.h. Gadget numbers are unique
// across all windows: the dispatch relies on it.
#pragma once

namespace core {

enum Window : int {
    WindowOwner = 0,  // hidden owner of the tool windows
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
    MenuNotes = 27,  // the notes window's menu bar
    MenuDesk = 39,
    MenuNeedleClock = 55,
    MenuPlaylistManager = 67,  // the playlist manager's menu bar
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
    ItemPlaylist1 = 28,  // 28 to 32: favourite playlists 1 to 5
    ItemPlaylist5 = 32,
    ItemKeyLeft = 34,  // raised by the keyboard shortcuts only
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
    // Playlist manager menu bar, window 14.
    ItemPlaylistNew = 67,
    ItemPlaylistQuit = 68,
    // Text viewer tool bar, window 26.
    ItemViewerOnTop = 72,     // toggle button
    ItemViewerWordWrap = 73,  // toggle button
    ItemViewerEdit = 74,      // toggle button
    ItemViewerSaveAs = 75,
    // Notes window menu bar, window 27.
    ItemNotesNew = 76,
    ItemNotesOpen = 77,
    ItemNotesSave = 78,
    ItemNotesSaveAs = 79,
    ItemNotesBackground = 80,
    ItemNotesTextColour = 81,
    ItemNotesFont = 82,
    ItemNotesClose = 83,
    ItemBrowserPlay = 85,
    ItemBrowserAdd = 87,
    ItemPlaylistPlay = 88,
    ItemPlaylistFromHere = 89,
    ItemPlaylistDelete = 90,
    // Raised by the desktop's media controls only (app/remote_control.h).
    ItemRemotePlay = 201,
    ItemRemotePause = 202,
    ItemRemotePlayPause = 203,
    ItemRemoteStop = 204,
    ItemRemoteNext = 205,
    ItemRemotePrevious = 206,
    ItemRemoteRaise = 207,
};

enum Timer : int {
    TimerTick = 1,          // desk, every second
    TimerDate = 2,          // desk, every minute
    TimerBanner = 3,        // banner, closes it
    TimerNeedleRedraw = 4,  // needle clock, bound to its window: redraws the face
    TimerAnimation = 8,     // picture window, bound to it: shows the next frame of an animated picture
};

inline constexpr int TrayIcon = 0;

// Numbered fonts (Verdana unless noted; size in points), loaded at start.
enum Font : int {
    Font8 = 0,                   // 8: the default font, measured for the station labels
    FontSeparator = 1,           // 8: separator titles
    FontTime = 2,                // 16 bold
    FontDayName = 3,             // 11
    FontSeconds = 4,             // 9
    FontDate = 5,                // 10
    FontTiny = 6,                // 6: AM / PM marker, number of a free slot
    FontClockSmall = 7,          // 8: stopwatch, countdown, now playing, station buttons
    FontSplashText = 9,          // 8
    FontSplashVersion = 10,      // 7
    FontDialog = 12,             // 10: "Move To" dialog, slot information target
    FontBannerTitle = 15,        // 10 bold
    FontBannerText = 16,         // 10
    FontCalendar = 17,           // 10: the calendar's event dates and texts
    FontSmallClockTime = 18,     // 16 bold
    FontSmallClockSeconds = 19,  // 9
    FontSmallClockMarker = 20,   // 6
    FontInfoTitle = 22,          // 10 bold: slot information title
    FontHeightSpin = 24,         // 10
    FontSmallLabel = 25,         // 8: desk height label, icon reload text
    FontHeightRange = 26,        // 9
    FontDeskHeightField = 27,    // 10: the preferences' desk height field
    FontViewer = 31,             // Consolas 10: the text viewer
    FontNotesStart = 32,         // 9: the notes editor before its stored font is applied
    FontMusicInfo = 33,          // 8
    FontNotes = 34,              // the notes editor's stored face and size, loaded when applied
};

// Gadgets of the clock bar, in the desk window.
enum ClockBarGadget : int {
    GadgetTimersRow = 6,  // container of the stopwatch and countdown
    GadgetCountdown = 7,
    GadgetStopwatch = 8,
    GadgetCountdownStartStop = 9,
    GadgetCountdownSet = 10,
    GadgetStopwatchReset = 11,
    GadgetStopwatchStartStop = 12,
    GadgetTime = 13,  // hours and minutes
    GadgetDayName = 14,
    GadgetSeconds = 15,
    GadgetDate = 16,  // day and month
    GadgetDayOfYear = 17,
    GadgetWeek = 18,
    GadgetNowPlayingBand = 19,
    GadgetNowPlaying = 20,
    GadgetVolume = 21,  // slider 0 to 100
    GadgetMarker = 22,  // AM / PM
    GadgetPlayerBand = 27,
    GadgetPlaylist = 28,
    GadgetPlay = 29,
    GadgetPause = 30,
    GadgetStop = 31,
    GadgetNextFile = 32,
    GadgetLoop = 33,
    GadgetFavourite1 = 34,  // favourite station buttons 1 to 3
    GadgetFavourite2 = 35,
    GadgetFavourite3 = 36,
    GadgetToolsRow = 37,
    GadgetNotes = 38,
    GadgetCalendar = 39,
    GadgetMute = 40,
    GadgetMoveIcons = 41,
    GadgetWebRadio = 42,
};

}  // namespace core
