// The web radio through the desk: the window and its layout, the station list
// of group Radio, Choose, Listen, New, Stop, Remove, Save and Sort A-Z, the
// three presets with their label pictures and their way through a restart,
// the shared volume slider, and Save's refusal of stations the data file
// cannot hold. The engine is a stand-in that logs its calls.
#include <gtest/gtest.h>

#include "core/images.h"
#include "music/player.h"
#include "radio_fixture.h"
#include "rt/image.h"

namespace {

using rt::MessageAnswer;
using rt::MessageIcon;
using rt::ScriptedAnswer;

constexpr const char* three_stations =
    "[Radio]\r\nZeta Live = http://zeta.example/live\r\nalpha = http://alpha.example/a\r\n"
    "Jazz --- Paris = http://jazz.example/paris\r\n";

class Radio : public test::RadioScenario {};

TEST_F(Radio, TheWindowListsGroupRadioInFileOrderAndFollowsItsSize) {
    start_radio(std::string("[Global]\r\nVolume = 35\r\n") + three_stations);
    open_radio();
    ASSERT_TRUE(rt::window_exists(core::WindowRadio));
    EXPECT_EQ(rt::window_title(core::WindowRadio), "Vimo Duzi - Web Radio");
    EXPECT_EQ(rt::window_width(core::WindowRadio), 500);
    EXPECT_EQ(rt::window_height(core::WindowRadio), 200);
    EXPECT_EQ(status(), "Sélectionnez un Flux Radio.");
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioListen), "Écouter");
    EXPECT_EQ(rt::gadget_state(music::GadgetRadioVolume), 35);
    EXPECT_EQ(list_lines(),
              (std::vector<std::string>{"Zeta Live --- http://zeta.example/live", "alpha --- http://alpha.example/a",
                                        "Jazz --- Paris --- http://jazz.example/paris"}));
    EXPECT_EQ(rt::gadget_selected_item(music::GadgetRadioStations), -1);
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioFavourite2), "Fav. 2.") << "no preset set yet";

    // Wider: the bound layout moves what hangs on the right edge and the bottom.
    rt::resize_window(core::WindowRadio, 800, 200);
    rt::post_event({.kind = rt::EventKind::SizeWindow, .window = core::WindowRadio});
    while (const auto e = rt::wait_event(0))  // the layout runs inside the wait: the loop never sees it
        EXPECT_NE(e->kind, rt::EventKind::SizeWindow);
    const struct {
        int gadget, x, y, width;
    } places[] = {
        {music::GadgetRadioStations, 10, 30, 780},      {music::GadgetRadioAddress, 190, 75, 600},
        {music::GadgetRadioAddressLabel, 190, 60, 600}, {music::GadgetRadioSort, 760, 5, 30},
        {music::GadgetRadioVolume, 565, 5, 185},        {music::GadgetRadioFavourite1, 615, 105, 55},
        {music::GadgetRadioFavourite2, 675, 105, 55},   {music::GadgetRadioFavourite3, 735, 105, 55},
        {music::GadgetRadioClose, 730, 145, 60},        {music::GadgetRadioNew, 10, 145, 60},
        {music::GadgetRadioSave, 270, 145, 60},         {music::GadgetRadioName, 10, 75, 170},
    };
    for (const auto& p : places) {
        EXPECT_EQ(rt::gadget_x(p.gadget), p.x) << p.gadget;
        EXPECT_EQ(rt::gadget_y(p.gadget), p.y) << p.gadget;
        EXPECT_EQ(rt::gadget_width(p.gadget), p.width) << p.gadget;
    }
    // The size stays within 500 x 200 and 1200 x 200.
    rt::resize_window(core::WindowRadio, 1500, 300);
    EXPECT_EQ(rt::window_width(core::WindowRadio), 1200);
    EXPECT_EQ(rt::window_height(core::WindowRadio), 200);
    rt::resize_window(core::WindowRadio, 300, 100);
    EXPECT_EQ(rt::window_width(core::WindowRadio), 500);
    EXPECT_EQ(rt::window_height(core::WindowRadio), 200);

    // The web radio button closes it again, and so do its close box and its Close button.
    click(core::GadgetWebRadio);
    EXPECT_FALSE(rt::window_exists(core::WindowRadio));
    open_radio();
    dispatch({.kind = rt::EventKind::CloseWindow, .window = core::WindowRadio});
    EXPECT_FALSE(rt::window_exists(core::WindowRadio));
    open_radio();
    radio_click(music::GadgetRadioClose);
    EXPECT_FALSE(rt::window_exists(core::WindowRadio));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Radio, ChooseAndListenPlayTheListsStationEvenWithTheSeparatorInItsName) {
    start_radio(three_stations);
    open_radio();
    choose(2);
    EXPECT_EQ(name_field(), "Jazz --- Paris") << "the whole name, not the part before the separator";
    EXPECT_EQ(address_field(), "http://jazz.example/paris");
    EXPECT_EQ(engine_log(), "") << "choosing plays nothing";

    rt::set_state(core::GadgetVolume, 40);
    radio_click(music::GadgetRadioListen);
    const std::string log = engine_log();
    EXPECT_NE(log.find(" http://jazz.example/paris 128 none"), std::string::npos) << log;
    EXPECT_NE(log.find(" 0.40\n"), std::string::npos) << "played at the clock bar slider's volume: " << log;
    EXPECT_EQ(now_playing(), "Jazz --- Paris");
    EXPECT_EQ(now_playing_background(), music::radio_playing_colour);
    EXPECT_EQ(status(), "Jazz --- Paris");
    EXPECT_EQ(state.Selected_Station, "Jazz --- Paris --- http://jazz.example/paris");

    // Listening to another first stops the station that plays.
    choose(1);
    radio_click(music::GadgetRadioListen);
    EXPECT_EQ(engine_log().rfind("stop ", 0), 0u);
    EXPECT_EQ(now_playing(), "alpha");

    // Stop in the window: released, idle colour, name, status and line emptied.
    radio_click(music::GadgetRadioStop);
    EXPECT_NE(engine_log().find("release "), std::string::npos);
    EXPECT_EQ(state.Radio_System, nullptr);
    EXPECT_EQ(now_playing_background(), music::radio_idle_colour);
    EXPECT_EQ(now_playing(), "");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(state.Station_Name, "");

    // Reopened, the list shows the station last listened to.
    click(core::GadgetWebRadio);
    open_radio();
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioStations), "alpha --- http://alpha.example/a");

    // Nothing chosen: the radio stops and the user is told.
    choose(0);
    radio_click(music::GadgetRadioListen);
    engine_log();
    rt::set_gadget_selected_item(music::GadgetRadioStations, -1);
    dialogs.answer(MessageAnswer::Ok);
    radio_click(music::GadgetRadioListen);
    EXPECT_NE(engine_log().find("release "), std::string::npos);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Erreur");
    EXPECT_EQ(dialogs.shown()[0].text, "Veuillez Sélectionner un Flux");
    EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(state.Radio_System, nullptr);
}

TEST_F(Radio, SaveWritesGroupRadioAndSortAToZOnlyChangesTheList) {
    start_radio(three_stations);
    open_radio();
    radio_click(music::GadgetRadioSort);
    EXPECT_EQ(list_lines(), (std::vector<std::string>{"alpha --- http://alpha.example/a",
                                                      "Jazz --- Paris --- http://jazz.example/paris",
                                                      "Zeta Live --- http://zeta.example/live"}));
    EXPECT_EQ(group_on_disk()[0].first, "Zeta Live") << "the file keeps its order";

    // Save: a new station goes to the end of the group; the list is in file order again.
    radio_click(music::GadgetRadioNew);
    EXPECT_EQ(name_field(), "");
    fields("Beta", "http://beta.example/b");
    radio_click(music::GadgetRadioSave);
    EXPECT_EQ(status(), "Station: Beta Ajoutée");
    EXPECT_EQ(list_lines(), (std::vector<std::string>{
                                "Zeta Live --- http://zeta.example/live", "alpha --- http://alpha.example/a",
                                "Jazz --- Paris --- http://jazz.example/paris", "Beta --- http://beta.example/b"}));
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioStations), "Beta --- http://beta.example/b")
        << "the station saved is the one chosen, ready to listen to";

    // Saving under a name that exists (whatever its case) replaces its address in place.
    fields("ALPHA", "http://alpha.example/new");
    radio_click(music::GadgetRadioSave);
    const auto radio = group_on_disk();
    ASSERT_EQ(radio.size(), 4u);
    EXPECT_EQ(radio[1].second, "http://alpha.example/new");
    // An empty name is a key with an empty name.
    fields("", "http://nameless.example/");
    radio_click(music::GadgetRadioSave);
    EXPECT_EQ(group_on_disk().back(), (std::pair<std::string, std::string>{"", "http://nameless.example/"}));
    EXPECT_EQ(list_lines().back(), " --- http://nameless.example/");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Radio, SaveRefusesWhatGroupRadioCannotHoldAndWritesNothing) {
    struct Row {
        const char* case_name;
        std::string name, address;
        std::string lng;
    };
    const Row rows[] = {
        {"line feed in the name", "Jazz\nFM", "http://j.example/", "Fr"},
        {"carriage return in the name", "Jazz\rFM", "http://j.example/", "Fr"},
        {"equals sign", "Jazz=FM", "http://j.example/", "Us"},
        {"a group's bracket first", "[Global]", "http://j.example/", "Fr"},
        {"a comment first after blanks", "  ;Jazz", "http://j.example/", "Us"},
        {"line break in the address", "Jazz", "http://j.example/\r\n[Global]\r\nVolume = 100", "Fr"},
    };
    start_radio(three_stations);
    open_radio();
    for (const Row& row : rows) {
        state.Lng = row.lng;
        const std::string before = data_bytes();
        rt::set_status_text(core::WindowRadio, 0, "unchanged");
        fields(row.name, row.address);
        dialogs.answer(MessageAnswer::Ok);
        radio_click(music::GadgetRadioSave);
        EXPECT_EQ(data_bytes(), before) << row.case_name;
        EXPECT_EQ(status(), "unchanged") << row.case_name;
        ASSERT_FALSE(dialogs.shown().empty()) << row.case_name;
        const rt::ShownDialog& shown = dialogs.shown().back();
        const bool fr = row.lng == "Fr";
        EXPECT_EQ(shown.title, fr ? "Erreur" : "Error") << row.case_name;
        EXPECT_EQ(shown.text, fr ? "Nom de station invalide" : "Invalid station name") << row.case_name;
        EXPECT_EQ(shown.icon, MessageIcon::Warning) << row.case_name;
    }
    EXPECT_EQ(dialogs.shown().size(), std::size(rows));
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(Radio, RemoveAsksAndOnlyYesRemoves) {
    start_radio(three_stations);
    open_radio();
    choose(1);
    for (MessageAnswer no : {MessageAnswer::No, MessageAnswer::Cancel}) {
        dialogs.answer(no);
        radio_click(music::GadgetRadioRemove);
        EXPECT_EQ(group_on_disk().size(), 3u);
        EXPECT_EQ(name_field(), "alpha") << "the fields stay";
    }
    dialogs.answer(MessageAnswer::Yes);
    radio_click(music::GadgetRadioRemove);
    ASSERT_EQ(dialogs.shown().size(), 3u);
    const rt::ShownDialog& question = dialogs.shown().back();
    EXPECT_EQ(question.title, "Supprimer / Delete");
    EXPECT_EQ(question.text, "Supprimer le Flux\nDelete Flux\n\nalpha\nhttp://alpha.example/a");
    EXPECT_EQ(question.buttons, rt::MessageButtons::YesNoCancel);
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(group_on_disk(),
              (std::vector<std::pair<std::string, std::string>>{{"Zeta Live", "http://zeta.example/live"},
                                                                {"Jazz --- Paris", "http://jazz.example/paris"}}));
    EXPECT_EQ(status(), "Station: alpha Enlevée");
    EXPECT_EQ(name_field(), "");
    EXPECT_EQ(address_field(), "");
    EXPECT_EQ(list_lines().size(), 2u);
}

TEST_F(Radio, APresetTakesAFiveLetterLabelAndComesBackAfterARestart) {
    start_radio(three_stations);
    open_radio();
    choose(0);

    // Refusals first: a six-letter label, an empty answer, no station in the fields.
    dialogs.answer(ScriptedAnswer::typed("Zetaaa"));
    dialogs.answer(MessageAnswer::Ok);
    radio_click(music::GadgetRadioFavourite2);
    dialogs.answer(ScriptedAnswer::typed(""));
    radio_click(music::GadgetRadioFavourite2);
    fields("Zeta Live", "");
    dialogs.answer(MessageAnswer::Ok);
    radio_click(music::GadgetRadioFavourite2);
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[0].title, "Favori WebRadio");
    EXPECT_EQ(dialogs.shown()[0].text, "Nom à afficher sur le bouton Pré-réglage (5 lettres)");
    EXPECT_EQ(dialogs.shown()[0].initial, "");
    EXPECT_EQ(dialogs.shown()[1].title, "Erreur");
    EXPECT_EQ(dialogs.shown()[1].text, "Nom Trop Long");
    EXPECT_EQ(dialogs.shown()[3].text, "Sélectionnez ou Créez d'abord une Station.");
    // A preset is stored under its station's name: the same names are refused as by Save.
    fields("Zeta=Live", "http://zeta.example/live");
    dialogs.answer(MessageAnswer::Ok);
    radio_click(music::GadgetRadioFavourite2);
    ASSERT_EQ(dialogs.shown().size(), 5u);
    EXPECT_EQ(dialogs.shown()[4].text, "Nom de station invalide");
    EXPECT_EQ(state.favourites[1].name, "");
    EXPECT_TRUE(group_on_disk("Radio_Fav").empty()) << "nothing saved";

    // Five letters, accented ones too, are accepted.
    choose(0);
    dialogs.answer(ScriptedAnswer::typed("Zétaa"));
    radio_click(music::GadgetRadioFavourite2);
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioFavourite2), "Zétaa");
    EXPECT_EQ(rt::gadget_image(core::GadgetFavourite2), core::ImageStationLabel1 + 1);
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetFavourite2), "Zeta Live");
    EXPECT_EQ(group_on_disk("Radio_Fav"),
              (std::vector<std::pair<std::string, std::string>>{{"", ""}, {"Zeta Live", "http://zeta.example/live"}}));
    EXPECT_EQ(group_on_disk("Radio_ShortName"),
              (std::vector<std::pair<std::string, std::string>>{{"", ""}, {"Zeta Live", "Zétaa"}}));

    restart();
    EXPECT_EQ(state.favourites[1].address, "http://zeta.example/live");
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetFavourite2), "Zeta Live");
    // The label picture: the preset's blue with darker letters in the middle.
    const auto label = rt::image_pixels(core::ImageStationLabel1 + 1);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->width, 36);
    EXPECT_EQ(label->height, 14);
    constexpr std::uint32_t light_sky_blue = 0xFF87CEFA;  // ARGB of (135, 206, 250)
    EXPECT_EQ(label->argb.front(), light_sky_blue);
    EXPECT_EQ(label->argb.back(), light_sky_blue);
    const auto inked =
        std::count_if(label->argb.begin(), label->argb.end(), [](std::uint32_t p) { return (p & 0xFF) < 0xC0; });
    EXPECT_GT(inked, 10) << "the label's letters are drawn";

    // The preset plays without the window; the clock bar's stop button stops it.
    click(core::GadgetFavourite2);
    const std::string log = engine_log();
    EXPECT_NE(log.find(" http://zeta.example/live 128 none"), std::string::npos) << log;
    EXPECT_EQ(now_playing(), "Zeta Live");
    EXPECT_EQ(now_playing_background(), music::radio_playing_colour);
    click(core::GadgetStop);
    EXPECT_NE(engine_log().find("release "), std::string::npos);
    EXPECT_EQ(state.Radio_System, nullptr);
    EXPECT_EQ(now_playing_background(), music::radio_idle_colour);

    // An unset preset: nothing to stream.
    click(core::GadgetFavourite3);
    EXPECT_EQ(engine_log().find(" http://"), std::string::npos);
}

TEST_F(Radio, TwoPresetsOfOneStationBecomeOneAfterARestart) {
    start_radio(three_stations);
    open_radio();
    choose(1);
    dialogs.answer(ScriptedAnswer::typed("Alpha"));
    radio_click(music::GadgetRadioFavourite1);
    dialogs.answer(ScriptedAnswer::typed("Alp2"));
    radio_click(music::GadgetRadioFavourite2);
    choose(0);
    dialogs.answer(ScriptedAnswer::typed("Zeta"));
    radio_click(music::GadgetRadioFavourite3);
    EXPECT_EQ(state.favourites[1].short_label, "Alp2");

    // The data file holds one key per station name: the later preset's label wins
    // and the third preset moves up to the second.
    restart();
    EXPECT_EQ(state.favourites[0].name, "alpha");
    EXPECT_EQ(state.favourites[0].short_label, "Alp2");
    EXPECT_EQ(state.favourites[1].name, "Zeta Live");
    EXPECT_EQ(state.favourites[1].short_label, "Zeta");
    EXPECT_EQ(state.favourites[2].name, "");
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetFavourite2), "Zeta Live");
    open_radio();
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioFavourite1), "Alp2");
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioFavourite3), "Fav. 3.");
}

TEST_F(Radio, AMutedPresetSaysSoundIsOffAndPlaysNothing) {
    start_radio("[Radio_Fav]\r\nJazz = http://jazz.example/\r\n[Radio_ShortName]\r\nJazz = Jazz\r\n");
    click(core::GadgetMute);
    open_radio();
    click(core::GadgetFavourite1);
    EXPECT_EQ(engine_log().find("create"), std::string::npos);
    EXPECT_EQ(now_playing(), "Sound is Off");
    EXPECT_EQ(now_playing_background(), music::radio_playing_colour);

    // Listen while muted plays, at the slider's volume.
    fields("Jazz", "http://jazz.example/");
    radio_click(music::GadgetRadioSave);
    choose(0);
    radio_click(music::GadgetRadioListen);
    EXPECT_NE(engine_log().find(" http://jazz.example/ 128"), std::string::npos);
}

TEST_F(Radio, TheWindowsSliderLeadsTheClockBarsWhileOpen) {
    start_radio("[Global]\r\nVolume = 30\r\n[Radio]\r\nJazz = http://jazz.example/\r\n");
    open_radio();
    choose(0);
    radio_click(music::GadgetRadioListen);
    const std::string channel = std::to_string(reinterpret_cast<std::uintptr_t>(state.Radio_Channel));
    engine_log();

    rt::set_state(music::GadgetRadioVolume, 70);
    click(music::GadgetRadioVolume, rt::EventType::Change, core::WindowRadio);
    EXPECT_EQ(state.Volume, 70);
    EXPECT_EQ(rt::gadget_state(core::GadgetVolume), 70);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.70\n");
    // The clock bar's slider snaps back to the window's.
    rt::set_state(core::GadgetVolume, 10);
    click(core::GadgetVolume, rt::EventType::Change);
    EXPECT_EQ(rt::gadget_state(core::GadgetVolume), 70);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.70\n");

    // Closed, the clock bar's slider leads again, enabled.
    radio_click(music::GadgetRadioClose);
    rt::set_state(core::GadgetVolume, 10);
    click(core::GadgetVolume, rt::EventType::Change);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.10\n");
    open_radio();
    EXPECT_EQ(rt::gadget_state(music::GadgetRadioVolume), 10);
}

TEST_F(Radio, EnglishTexts) {
    start_radio("[Global]\r\nVolume = 0\r\nLng = Us\r\n" + std::string(three_stations));
    open_radio();
    EXPECT_EQ(status(), "Select a Stream.");
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioStreamsLabel), "Radio Streams");
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioNameLabel), "Station Name");
    EXPECT_EQ(rt::gadget_text(music::GadgetRadioAddressLabel), "Stream URL");
    const std::pair<int, const char*> buttons[] = {
        {music::GadgetRadioNew, "New"},       {music::GadgetRadioListen, "Listen"}, {music::GadgetRadioStop, "Stop"},
        {music::GadgetRadioRemove, "Remove"}, {music::GadgetRadioSave, "Save"},     {music::GadgetRadioClose, "Close"},
        {music::GadgetRadioSort, "A-Z"},
    };
    for (const auto& [gadget, text] : buttons) EXPECT_EQ(rt::gadget_text(gadget), text) << gadget;
    fields("Beta", "http://beta.example/");
    radio_click(music::GadgetRadioSave);
    EXPECT_EQ(status(), "Station: Beta Added");
    dialogs.answer(MessageAnswer::Yes);
    radio_click(music::GadgetRadioRemove);
    EXPECT_EQ(status(), "Station: Beta Removed");
    dialogs.answer(MessageAnswer::Ok);
    rt::set_gadget_selected_item(music::GadgetRadioStations, -1);
    radio_click(music::GadgetRadioListen);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].title, "Error");
    EXPECT_EQ(dialogs.shown()[1].text, "Please select a Flux");
}

TEST_F(Radio, WithoutTheEngineLibraryOnlyTheMessageAnswers) {
    start_with("[Radio_Fav]\r\nJazz = http://jazz.example/\r\n");  // a file that is no library
    dialogs.answer(MessageAnswer::Ok);
    click(core::GadgetWebRadio);
    EXPECT_FALSE(rt::window_exists(core::WindowRadio));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "La DLL libvimo_audio.so n'est pas présente dans le répertoire");
    click(core::GadgetFavourite1);
    EXPECT_EQ(state.Radio_System, nullptr);
    EXPECT_NE(now_playing_background(), music::radio_playing_colour);
}

}  // namespace
