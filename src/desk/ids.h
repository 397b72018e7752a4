// Numbers of the desk's gadgets and images. Gadget numbers are unique
// across all windows; slot and separator gadgets are numbered from a base so
// that each slot and separator has its own.
#pragma once

namespace desk {

enum Gadget : int {
    GadgetPageTab1 = 24,  // page tabs 1 to 3: drawing surfaces 36 x 38
    GadgetPageTab2 = 25,
    GadgetPageTab3 = 26,
    GadgetMoveOk = 115,     // "Move To" dialog: its OK button
    GadgetMoveList = 116,   // "Move To" dialog: the drop-down list of slots
    GadgetInfoTitle = 198,  // slot information window: title, target, copy button, picture
    GadgetInfoTarget = 199,
    GadgetInfoCopy = 200,
    GadgetInfoPicture = 201,
    GadgetSlotBase = 1000,            // slot n's picture button is 1000 + n (1001-1300)
    GadgetSeparatorBandBase = 1400,   // separator s's title band is 1400 + s (1401-1431)
    GadgetSeparatorClickBase = 1450,  // separator s's click area is 1450 + s (1451-1481)
    GadgetPage1 = 1501,               // pages 1 to 3: containers of the slots
    GadgetPage2 = 1502,
    GadgetPage3 = 1503,
    GadgetReloadFrame = 1510,  // icon reload progress window: frame, bar, text
    GadgetReloadProgress = 1511,
    GadgetReloadText = 1512,
};

enum Image : int {
    ImageSiteIcon = 996,     // a site's icon while it is placed on the web picture
    ImageFileIcon = 997,     // a file's icon while it is drawn into a slot picture
    ImageSlotBase = 1000,    // slot n's 32 x 32 picture is 1000 + n (1001-1300)
};

constexpr int slot_gadget(int slot) { return GadgetSlotBase + slot; }
constexpr int slot_image(int slot) { return ImageSlotBase + slot; }
constexpr int separator_band(int separator) { return GadgetSeparatorBandBase + separator; }
constexpr int separator_click_area(int separator) { return GadgetSeparatorClickBase + separator; }

}  // namespace desk
