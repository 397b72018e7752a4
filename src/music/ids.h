// Numbers of the gadgets of the music windows (the clock bar's player
// controls are in core/ids.h); gadget numbers are unique across all windows.
#pragma once

namespace music {

enum Gadget : int {
    // Web radio window.
    GadgetRadioStreamsLabel = 43,
    GadgetRadioStations = 44,  // the drop-down list of stations
    GadgetRadioListen = 45,
    GadgetRadioNew = 46,
    GadgetRadioClose = 47,
    GadgetRadioPicture = 48,
    GadgetRadioStop = 49,
    GadgetRadioRemove = 50,
    GadgetRadioName = 51,     // the station's name field
    GadgetRadioAddress = 52,  // the station's stream address field
    GadgetRadioNameLabel = 53,
    GadgetRadioAddressLabel = 54,
    GadgetRadioSave = 55,
    GadgetRadioSort = 56,
    // Its volume slider, which the clock bar's follows while the window is open.
    GadgetRadioVolume = 57,
    GadgetRadioFavourite1 = 58,  // assign favourites 1 to 3
    GadgetRadioFavourite2 = 59,
    GadgetRadioFavourite3 = 60,

    // Music information strip: the drawing that shows the tags and takes
    // the clicks of its buttons.
    GadgetInfoStrip = 202,
};

// The playlist manager (window 14) and the favourite playlists editor (window 20).
enum PlaylistGadget : int {
    GadgetManagerClose = 94,
    GadgetLoadList = 95,
    GadgetShowCurrent = 96,
    GadgetPlayList = 97,
    GadgetNewList = 98,
    GadgetSaveList = 99,
    GadgetFavouriteChoice = 100,  // drop-down list of the five favourite playlists
    GadgetFavouriteLabel = 101,
    GadgetFilter = 102,  // drop-down list of name patterns
    GadgetManagerStop = 103,
    GadgetShuffle = 104,
    GadgetSelectAll = 105,
    GadgetSelectNone = 106,
    GadgetAddSelected = 107,
    GadgetFolderTree = 108,
    GadgetFileList = 109,
    GadgetBrowserSplitter = 110,  // folder tree beside file list
    GadgetPlaylistView = 111,     // the list of the playlist's paths
    GadgetManagerSplitter = 112,  // browser above view
    GadgetEditorOk = 136,
    GadgetEditorField1 = 137,   // text fields of favourites 1 to 5 (137-141)
    GadgetEditorLabel1 = 142,   // their labels "1." to "5." (142-146)
    GadgetEditorBrowse1 = 147,  // their "..." buttons (147-151)
};

}  // namespace music
