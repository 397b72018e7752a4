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

}  // namespace music
