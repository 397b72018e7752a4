// Numbers of the application core's own gadgets: the desk's grip bar, the
// splash window and the desk height dialog.
#pragma once

namespace app {

// Gadgets of the application core.
enum Gadget : int {
    GadgetGrip = 23,  // desk grip bar: menu box, grip lines, close box
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
    GadgetSplashFrame = 500,  // the splash window's own frame, behind its gadgets
};

}  // namespace app
