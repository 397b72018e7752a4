// The preferences window through the dispatch: built in the language, each
// control showing its setting, and each action changing the desk at once and
// writing the data file.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "config/ids.h"
#include "config/ini_file.h"
#include "core/ids.h"
#include "rt/gadget.h"
#include "rt/gadget_panel.h"
#include "rt/menu.h"
#include "rt/window.h"
#include "rt/window_bars.h"
#include "support/shell_requests.h"

using rt::EventKind;
using rt::EventType;
namespace c = config;

namespace {

class Preferences : public test::AppScenario {
protected:
    void open(int item = core::ItemDeskPreferences) {
        menu(item);
        ASSERT_TRUE(rt::window_exists(core::WindowPreferences));
    }
    void gadget(int number, EventType type) {
        dispatch({.kind = EventKind::Gadget, .window = core::WindowPreferences, .object = number, .type = type});
    }
    void click(int number) { gadget(number, EventType::LeftClick); }
    // What the user's click on a box does: the box changes, then the event comes.
    void tick(int number) {
        rt::set_state(number, rt::gadget_state(number) ? 0 : 1);
        click(number);
    }
    void choose_language_line(int line) {
        rt::set_gadget_selected_item(c::GadgetLanguage, line);
        gadget(c::GadgetLanguage, EventType::Change);
    }
    // A value of group Global in the data file as it is on disk now.
    std::string saved(const std::string& key) {
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        ini.select_group("Global");
        return ini.read_string(key, "<missing>");
    }
    void expect_labels(const char* lng, int item, bool english);
    void expect_not_ready_box(const char* lng, const char* title, const char* text);
    const rt::ShownDialog& last_dialog() {
        EXPECT_FALSE(dialogs.shown().empty());
        return dialogs.shown().back();
    }
};

struct Label {
    int gadget;
    const char* french;
    const char* english;
};

const Label labels[] = {
    {c::GadgetCountryFrame, "Pays", "Country"},
    {c::GadgetLanguageLabel, "Langue (Interface et Horloge parlante)", "Language"},
    {c::GadgetTwentyFourHours, "Afficher l'heure au format 24H", "Display Hour in 24H mode"},
    {c::GadgetSoundsFrame, "Sons", "Sounds"},
    {c::GadgetTalkingClock, "Activer l'horloge parlante ", "Speaking clock"},
    {c::GadgetVoice, "Choisir la Voix", "Choice Voice"},
    {c::GadgetVolumes, "Régler les Volumes", "Set Volume"},
    {c::GadgetProgramsFrame, "Programmes", "Programs"},
    {c::GadgetReloadIcons, "Recharger les Icônes", "Reload Icons"},
    {c::GadgetShowSeparators, "Afficher les Séparateurs", "Show Separators"},
    {c::GadgetConfirmDeletions, "Confirmer les Suppressions", "Confirm Deletions"},
    {c::GadgetZoom, "Zoom > 100% (Sec. off)", "Zoom > 100% (Sec. off)"},
    {c::GadgetDeskHeightLabel, "Hauteur du Duzi", "Duzi Height"},
    {c::GadgetBorderFrame, "Bordures", "Border"},
    {c::GadgetBackgroundLabel, "Couleur du Fond", "Background Color"},
    {c::GadgetBackgroundButton, "...", "..."},
    {c::GadgetClockColoursFrame, "Horloge et Date", "Clock and Date"},
    {c::GadgetClockTextColourLabel, "Couleur Texte Horloge", "Color Text Clock"},
    {c::GadgetClockTextColourButton, "...", "..."},
    {c::GadgetClockBackgroundLabel, "Couleur Fond Horloge", "Color Background Clock"},
    {c::GadgetClockBackgroundButton, "...", "..."},
    {c::GadgetPageColoursFrame, "", ""},
    {c::GadgetPage1ColourLabel, "Couleur Fond Page 1", "Color Background Page 1"},
    {c::GadgetPage1ColourButton, "...", "..."},
    {c::GadgetPage2ColourLabel, "Couleur Fond Page 2", "Color Background Page 2"},
    {c::GadgetPage2ColourButton, "...", "..."},
    {c::GadgetPage3ColourLabel, "Couleur Fond Page 3", "Color Background Page 3"},
    {c::GadgetPage3ColourButton, "...", "..."},
    {c::GadgetAbout, "À Propos d'Vimo Duzi", "About Vimo Duzi"},
    {c::GadgetCheckVersion, "Vérifier version Disponible", "Check for newer version"},
    {c::GadgetPreferencesOk, "OK", "OK"},
};

}  // namespace

// Opens the window from `item` with `Lng` = `lng` and checks every label.
void Preferences::expect_labels(const char* lng, int item, bool english) {
    SCOPED_TRACE(lng);
    start_with(std::string("[Global]\r\nLng = ") + lng + "\r\n");
    open(item);
    EXPECT_EQ(rt::window_title(core::WindowPreferences), english ? "Setup" : "Préférences");
    EXPECT_EQ(rt::window_width(core::WindowPreferences), 600);
    EXPECT_EQ(rt::window_height(core::WindowPreferences), 400);
    EXPECT_EQ(rt::status_text(core::WindowPreferences, 0), english ? "Ready" : "Prêt.");
    ASSERT_EQ(rt::panel_tab_count(c::GadgetPreferencesTabs), 3);
    const char* const tabs[2][3] = {{"Divers", "Couleurs", "À Propos"}, {"Main", "Color", "About"}};
    for (int tab = 0; tab < 3; ++tab) EXPECT_EQ(rt::panel_tab_text(c::GadgetPreferencesTabs, tab), tabs[english][tab]);
    for (const Label& l : labels) EXPECT_EQ(rt::gadget_text(l.gadget), english ? l.english : l.french) << l.gadget;
    EXPECT_EQ(rt::gadget_item_count(c::GadgetLanguage), 2);
}

TEST_F(Preferences, LabelledInFrenchFromTheDeskMenu) { expect_labels("Fr", core::ItemDeskPreferences, false); }
TEST_F(Preferences, LabelledInEnglishFromTheTrayMenu) { expect_labels("Us", core::ItemTrayPreferences, true); }
TEST_F(Preferences, LabelledInFrenchForAnotherLanguage) { expect_labels("De", core::ItemDeskPreferences, false); }

TEST_F(Preferences, ControlsSitAtTheirPlaces) {
    start_with("[Global]\r\n");
    open();
    const struct {
        int gadget, x, y, w, h;
    } rows[] = {
        {c::GadgetPreferencesTabs, 5, 5, 590, 335},
        {c::GadgetPreferencesOk, 495, 345, 100, 25},
        {c::GadgetLanguage, 65, 95, 220, 25},
        {c::GadgetDeskHeight, 405, 260, 60, 25},
        {c::GadgetZoom, 205, 275, 165, 25},
        {c::GadgetBackgroundSwatch, 275, 40, 100, 25},
        {c::GadgetPage3ColourButton, 390, 265, 100, 25},
        {c::GadgetCheckVersion, 195, 160, 210, 25},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(rt::gadget_x(row.gadget), row.x) << row.gadget;
        EXPECT_EQ(rt::gadget_y(row.gadget), row.y) << row.gadget;
        EXPECT_EQ(rt::gadget_width(row.gadget), row.w) << row.gadget;
        EXPECT_EQ(rt::gadget_height(row.gadget), row.h) << row.gadget;
    }
    EXPECT_GT(rt::status_bar_height(core::WindowPreferences), 0);
    EXPECT_LE(rt::status_bar_height(core::WindowPreferences), 400 - 345 - 25) << "the bar covers the OK button";
}

TEST_F(Preferences, EachControlStartsFromItsSetting) {
    start_with(
        "[Global]\r\nLng = Us\r\nClock_Type = 12\r\nSound_ON = 1\r\nShow_Separators = 0\r\nConfirm_Del = 1\r\n"
        "Zoom = 120\r\nBackGroundColor = $112233\r\nBackGroundColor_P1 = $A\r\nBackGroundColor_P2 = $B\r\n"
        "BackGroundColor_P3 = $C\r\nDesk_Height = 800\r\n");
    open();
    EXPECT_EQ(rt::gadget_selected_item(c::GadgetLanguage), 1);
    EXPECT_EQ(rt::gadget_text(c::GadgetLanguage), "English / Anglais");
    const std::pair<int, int> boxes[] = {{c::GadgetTwentyFourHours, 0},
                                         {c::GadgetTalkingClock, 1},
                                         {c::GadgetShowSeparators, 0},
                                         {c::GadgetConfirmDeletions, 1},
                                         {c::GadgetZoom, 1}};
    for (auto [box, ticked] : boxes) EXPECT_EQ(rt::gadget_state(box), ticked) << box;
    EXPECT_EQ(rt::gadget_state(c::GadgetDeskHeight), state.Desk_Inner_Height);
    EXPECT_EQ(rt::gadget_state(c::GadgetDeskHeight), 800);
    const std::pair<int, rt::Colour> swatches[] = {{c::GadgetBackgroundSwatch, 0x112233},
                                                   {c::GadgetClockTextColourSwatch, rt::rgb(0, 0, 0)},
                                                   {c::GadgetClockBackgroundSwatch, rt::rgb(169, 236, 9)},
                                                   {c::GadgetPage1ColourSwatch, 0xA},
                                                   {c::GadgetPage2ColourSwatch, 0xB},
                                                   {c::GadgetPage3ColourSwatch, 0xC}};
    for (auto [swatch, colour] : swatches) EXPECT_EQ(rt::gadget_back_colour(swatch), colour) << swatch;
}

TEST_F(Preferences, LanguageListSwitchesOnlyToTheOtherLanguage) {
    start_with("[Global]\r\nLng = Fr\r\n");
    open();
    choose_language_line(0);  // French while French is shown
    EXPECT_EQ(state.Lng, "Fr");
    EXPECT_EQ(saved("Lng"), "Fr");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskPreferences), "Préférences\tCtrl + P");

    choose_language_line(1);
    EXPECT_EQ(state.Lng, "Us");
    EXPECT_EQ(saved("Lng"), "Us");
    EXPECT_EQ(rt::menu_item_text(core::MenuTray, core::ItemTrayPreferences), "Preferences");
    choose_language_line(1);
    EXPECT_EQ(state.Lng, "Us");

    choose_language_line(0);
    EXPECT_EQ(state.Lng, "Fr");
    EXPECT_EQ(saved("Lng"), "Fr");
    EXPECT_EQ(rt::menu_item_text(core::MenuTray, core::ItemTrayPreferences), "Préférences");
}

TEST_F(Preferences, TwentyFourHourBoxAndTalkingClockSaveAll) {
    start_with("[Global]\r\nClock_Type = 12\r\nSound_ON = 0\r\nX_Origin = 30\r\n");
    open();
    rt::move_window(core::WindowDesk, 44, 55);  // a save all takes the desk's place with it
    EXPECT_EQ(rt::gadget_state(c::GadgetTwentyFourHours), 0);
    tick(c::GadgetTwentyFourHours);
    EXPECT_EQ(state.Clock_Type, 24);
    EXPECT_EQ(rt::gadget_state(c::GadgetTwentyFourHours), 1);
    EXPECT_EQ(saved("Clock_Type"), "24");
    EXPECT_EQ(saved("X_Origin"), "44");
    tick(c::GadgetTwentyFourHours);
    EXPECT_EQ(state.Clock_Type, 12);
    EXPECT_EQ(saved("Clock_Type"), "12");

    tick(c::GadgetTalkingClock);
    EXPECT_EQ(state.Sound_ON, 1);
    EXPECT_EQ(saved("Sound_ON"), "1");
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayTalkingClock));
    tick(c::GadgetTalkingClock);
    EXPECT_EQ(state.Sound_ON, 0);
    EXPECT_EQ(saved("Sound_ON"), "0");
}

TEST_F(Preferences, SeparatorAndDeletionBoxesFlipAndWriteTheirKey) {
    start_with("[Global]\r\nShow_Separators = 1\r\nConfirm_Del = 0\r\n");
    open();
    const struct {
        int box;
        int core::State::*setting;
        const char* key;
        int before;
    } rows[] = {{c::GadgetShowSeparators, &core::State::Show_Separators, "Show_Separators", 1},
                {c::GadgetConfirmDeletions, &core::State::Confirm_Del, "Confirm_Del", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        for (int after : {1 - row.before, row.before}) {
            tick(row.box);
            EXPECT_EQ(state.*row.setting, after);
            EXPECT_EQ(rt::gadget_state(row.box), after);
            EXPECT_EQ(saved(row.key), std::to_string(after));
        }
    }
}

TEST_F(Preferences, ZoomBoxTicksAndUnticksTheStoredLayoutInOneRun) {
    start_with("[Global]\r\nZoom = 100\r\n");
    open();
    EXPECT_EQ(rt::gadget_state(c::GadgetZoom), 0);
    tick(c::GadgetZoom);
    EXPECT_EQ(saved("Zoom"), "120");
    EXPECT_EQ(rt::gadget_state(c::GadgetZoom), 1);
    tick(c::GadgetZoom);
    EXPECT_EQ(saved("Zoom"), "100");
    EXPECT_EQ(rt::gadget_state(c::GadgetZoom), 0);
    tick(c::GadgetZoom);
    EXPECT_EQ(state.Zoom, 100) << "the clock bar keeps its layout until the next start";

    // Opened again, the box shows what the file holds.
    click(c::GadgetPreferencesOk);
    EXPECT_FALSE(rt::window_exists(core::WindowPreferences));
    open();
    EXPECT_EQ(rt::gadget_state(c::GadgetZoom), 1);
}

TEST_F(Preferences, DeskHeightFieldResizesTheDeskWithinItsLimits) {
    start_with("[Global]\r\nDesk_Height = 700\r\n");
    open();
    const std::pair<int, int> rows[] = {{900, 900}, {0, 233}, {232, 233}, {1200, 1200}, {500, 500}};
    for (auto [value, height] : rows) {
        rt::set_state(c::GadgetDeskHeight, value);
        gadget(c::GadgetDeskHeight, EventType::Change);
        EXPECT_EQ(rt::window_height(core::WindowDesk), height) << value;
        EXPECT_EQ(rt::window_width(core::WindowDesk), 110);
    }
    EXPECT_EQ(saved("Desk_Height"), "700") << "the field itself writes nothing";
    menu(core::ItemTrayOnTop);  // any save all
    EXPECT_EQ(saved("Desk_Height"), "500");
}

TEST_F(Preferences, BackgroundColourFromTheDialog) {
    start_with("[Global]\r\nBackGroundColor = $DCDCDC\r\n");
    open();
    dialogs.answer(rt::ScriptedAnswer::cancel());
    click(c::GadgetBackgroundButton);
    EXPECT_EQ(state.BackGroundColor, 0xDCDCDCu);
    EXPECT_EQ(saved("BackGroundColor"), "$DCDCDC");

    rt::ScriptedAnswer chosen;
    chosen.colour = 0x0A0B0C;
    dialogs.answer(chosen);
    click(c::GadgetBackgroundButton);
    EXPECT_EQ(last_dialog().kind, rt::DialogKind::Colour);
    EXPECT_EQ(state.BackGroundColor, 0x0A0B0Cu);
    EXPECT_EQ(saved("BackGroundColor"), "$A0B0C");
    EXPECT_EQ(rt::gadget_back_colour(c::GadgetBackgroundSwatch), 0x0A0B0Cu);
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(Preferences, PageColoursFromTheirButtons) {
    start_with("[Global]\r\n");
    open();
    const struct {
        int button, swatch;
        std::size_t page;
        const char* key;
    } rows[] = {{c::GadgetPage1ColourButton, c::GadgetPage1ColourSwatch, 0, "BackGroundColor_P1"},
                {c::GadgetPage2ColourButton, c::GadgetPage2ColourSwatch, 1, "BackGroundColor_P2"},
                {c::GadgetPage3ColourButton, c::GadgetPage3ColourSwatch, 2, "BackGroundColor_P3"}};
    rt::Colour colour = 0x102030;
    for (const auto& row : rows) {
        rt::ScriptedAnswer chosen;
        chosen.colour = ++colour;
        dialogs.answer(chosen);
        click(row.button);
        EXPECT_EQ(state.Page_Colors[row.page], colour) << row.key;
        EXPECT_EQ(rt::gadget_back_colour(row.swatch), colour) << row.key;
        EXPECT_EQ(
            saved(row.key), "$" +
                                [&] {
                                    char hex[16];
                                    std::snprintf(hex, sizeof hex, "%X", colour);
                                    return std::string(hex);
                                }())
            << row.key;
    }
}

void Preferences::expect_not_ready_box(const char* lng, const char* title, const char* text) {
    start_with(std::string("[Global]\r\nLng = ") + lng + "\r\n");
    open();
    for (int button : {c::GadgetClockTextColourButton, c::GadgetClockBackgroundButton}) {
        click(button);
        EXPECT_EQ(last_dialog().title, title);
        EXPECT_EQ(last_dialog().text, text);
        EXPECT_EQ(last_dialog().icon, rt::MessageIcon::None);
    }
}

TEST_F(Preferences, ClockColourButtonsSayTheyAreToComeInFrench) {
    expect_not_ready_box("Fr", "Inactif", "Fonction en développement...");
}
TEST_F(Preferences, ClockColourButtonsSayTheyAreToComeInEnglish) {
    expect_not_ready_box("Us", "Coming soon", "Function in development...");
}

TEST_F(Preferences, VoiceButtonNamesTheVoiceOfEachLanguage) {
    start_with("[Global]\r\nLng = Us\r\n");
    open();
    click(c::GadgetVoice);
    EXPECT_EQ(last_dialog().title, "Choice Voice");
    const std::string& text = last_dialog().text;
    EXPECT_NE(text.find("in French: voice fr\n"), std::string::npos) << text;
    EXPECT_NE(text.find("in English: voice en-us\n"), std::string::npos) << text;
    EXPECT_NE(text.find("follows the interface language"), std::string::npos) << text;
    EXPECT_EQ(text.find("No voice"), std::string::npos);

    speech.is_available = false;
    click(c::GadgetVoice);
    EXPECT_NE(last_dialog().text.find("No voice can speak"), std::string::npos);
}

TEST_F(Preferences, VolumeButtonStartsTheFirstSoundSettingsFound) {
    start_with("[Global]\r\n");
    open();
    using Request = platform::FakeShell::Request;
    const struct {
        std::vector<std::string> installed;
        std::optional<Request> started;
    } rows[] = {
        {{"pavucontrol", "pavucontrol-qt"}, Request{platform::FakeShell::Verb::Start, "/usr/bin/pavucontrol", {}, ""}},
        {{"gnome-control-center", "pavucontrol-qt"},
         Request{platform::FakeShell::Verb::Start, "/usr/bin/pavucontrol-qt", {}, ""}},
        {{"systemsettings"},
         Request{platform::FakeShell::Verb::Start, "/usr/bin/systemsettings", {"kcm_pulseaudio"}, ""}},
        {{}, std::nullopt},
    };
    for (const auto& row : rows) {
        shell.requests.clear();
        shell.installed = row.installed;
        const std::size_t dialogs_before = dialogs.shown().size();
        click(c::GadgetVolumes);
        if (row.started) {
            ASSERT_EQ(shell.requests.size(), 1u);
            EXPECT_EQ(shell.requests[0], *row.started);
            EXPECT_EQ(dialogs.shown().size(), dialogs_before);
        } else {
            EXPECT_TRUE(shell.requests.empty());
            ASSERT_EQ(dialogs.shown().size(), dialogs_before + 1);
            EXPECT_EQ(last_dialog().text,
                      "Aucun réglage du son n'est installé (pavucontrol, pavucontrol-qt ni les réglages du son du "
                      "bureau).");
        }
    }
    // A mixer that does not start is told, not ignored.
    shell.installed = {"pavucontrol"};
    shell.next_results = {{platform::StartFailure::NotExecutable, 13}};
    click(c::GadgetVolumes);
    EXPECT_EQ(last_dialog().text, "Le réglage du son n'a pas pu être lancé : pavucontrol");
    EXPECT_EQ(last_dialog().icon, rt::MessageIcon::Error);
}

TEST_F(Preferences, ReloadAboutAndCheckButtonsReachTheirCommands) {
    start_with("[Global]\r\n");
    open();
    dialogs.answer(rt::MessageAnswer::No);
    click(c::GadgetReloadIcons);
    EXPECT_EQ(last_dialog().buttons, rt::MessageButtons::YesNo) << "the reload asks first";

    click(c::GadgetAbout);
    EXPECT_TRUE(rt::window_exists(core::WindowAbout));

    click(c::GadgetCheckVersion);  // no server answers here
    EXPECT_EQ(last_dialog().title, "Échec de la vérification");
    EXPECT_EQ(last_dialog().icon, rt::MessageIcon::Error);
}

TEST_F(Preferences, OkAndCloseBoxCloseItAndOpeningAgainBuildsItAnew) {
    start_with("[Global]\r\nConfirm_Del = 0\r\n");
    open();
    rt::set_state(c::GadgetConfirmDeletions, 1);  // shown, but no event came
    rt::set_panel_current_tab(c::GadgetPreferencesTabs, 2);
    open(core::ItemTrayPreferences);
    EXPECT_EQ(rt::gadget_state(c::GadgetConfirmDeletions), 0);
    EXPECT_EQ(rt::panel_current_tab(c::GadgetPreferencesTabs), 0);

    dispatch({.kind = EventKind::CloseWindow, .window = core::WindowPreferences});
    EXPECT_FALSE(rt::window_exists(core::WindowPreferences));
    open();
    click(c::GadgetPreferencesOk);
    EXPECT_FALSE(rt::window_exists(core::WindowPreferences));
    EXPECT_EQ(dialogs.unanswered(), 0);
}
