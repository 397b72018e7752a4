// Numbers of the preferences window's gadgets.
#pragma once

namespace config {

enum PreferencesGadget : int {
    GadgetPreferencesTabs = 158,  // tab panel: "Divers", "Couleurs", "À Propos"
    GadgetZoom = 159,
    GadgetDeskHeightLabel = 160,
    GadgetDeskHeight = 161,  // spin field 0-1200
    GadgetShowSeparators = 162,
    GadgetProgramsFrame = 163,
    GadgetCountryFrame = 164,
    GadgetSoundsFrame = 165,
    GadgetReloadIcons = 166,
    GadgetVolumes = 167,
    GadgetVoice = 168,
    GadgetTalkingClock = 169,
    GadgetConfirmDeletions = 170,
    GadgetLanguage = 171,  // drop-down list: French, English
    GadgetLanguageLabel = 172,
    GadgetTwentyFourHours = 173,
    GadgetBorderFrame = 174,
    GadgetClockColoursFrame = 175,
    GadgetPageColoursFrame = 176,
    GadgetClockTextColourButton = 177,
    GadgetClockTextColourSwatch = 178,
    GadgetPage3ColourLabel = 179,
    GadgetPage2ColourLabel = 180,
    GadgetPage1ColourLabel = 181,
    GadgetClockBackgroundLabel = 182,
    GadgetClockTextColourLabel = 183,
    GadgetClockBackgroundSwatch = 184,
    GadgetPage1ColourSwatch = 185,
    GadgetPage2ColourSwatch = 186,
    GadgetPage3ColourSwatch = 187,
    GadgetClockBackgroundButton = 188,
    GadgetPage1ColourButton = 189,
    GadgetPage2ColourButton = 190,
    GadgetPage3ColourButton = 191,
    GadgetBackgroundLabel = 192,
    GadgetBackgroundSwatch = 193,
    GadgetBackgroundButton = 194,
    GadgetCheckVersion = 195,
    GadgetAbout = 196,
    GadgetPreferencesOk = 197,
};

}  // namespace config
