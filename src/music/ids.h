// Numbers of the gadgets of the music windows (the clock bar's player
// controls are in core/ids.h); gadget numbers are unique across all windows.
#pragma once

namespace music {

enum Gadget : int {
    // Web radio window: its volume slider, which the clock bar's follows
    // while the window is open.
    GadgetRadioVolume = 57,

    // Music information strip: the drawing that shows the tags and takes
    // the clicks of its buttons.
    GadgetInfoStrip = 202,
};

}  // namespace music
