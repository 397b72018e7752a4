// Numbers of the About window's gadgets.
#pragma once

namespace web {

enum AboutGadget : int {
    GadgetAboutOk = 81,
    GadgetAboutText = 82,     // the credits paragraph
    GadgetAboutWeb = 83,      // link: the maker's web address
    GadgetAboutContact = 84,  // link: write to the maker
    GadgetAboutLicences = 85,
    GadgetAboutVersion = 87,
    GadgetAboutBanner = 88,  // drawing surface: square, program name, logo
    GadgetAboutCheck = 90,   // the update check
    GadgetAboutLicencesPicture = 92,
    GadgetAboutToolkit = 93,  // link: the toolkit's credit
    GadgetAboutFrame = 520,   // the window's own line and outlines, behind its gadgets
};

}  // namespace web
