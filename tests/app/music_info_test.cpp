// The music information strip and the information box: shown by Ctrl+M and
// by a click on the now-playing line, its width, its six buttons, dragging it,
// and its place in the data file.
#include "music/music_info.h"

#include <gtest/gtest.h>

#include "music/player.h"
#include "music_fixture.h"
#include "rt/font.h"

using rt::EventType;

namespace {

class MusicInfo : public test::MusicScenario {
protected:
    void SetUp() override {
        MusicScenario::SetUp();
        first = song("first.mp3", test::id3_song({"Premier", "Artiste", "Album", "1999", "3"}));
        second = song("second.mp3", test::id3_song({"Second", "Autre", "Disque", "2001", "7"}));
        playlist({first, second});
        click(core::GadgetPlay);
    }

    bool strip_shown() { return rt::window_exists(core::WindowMusicInfo) && rt::window_visible(core::WindowMusicInfo); }
    int strip_width_for(const std::string& text) { return rt::text_width(core::FontMusicInfo, text) + 110; }

    std::string first, second;
};

TEST_F(MusicInfo, CtrlMShowsTheTagsAndHidesThemAgain) {
    menu(core::ItemDeskMusicInfo);
    ASSERT_TRUE(strip_shown());
    EXPECT_EQ(rt::window_x(core::WindowMusicInfo), 200);
    EXPECT_EQ(rt::window_y(core::WindowMusicInfo), 5);
    EXPECT_EQ(rt::window_width(core::WindowMusicInfo), strip_width_for("Artiste / Premier / Album / 1999"));
    EXPECT_EQ(rt::window_height(core::WindowMusicInfo), 20);
    EXPECT_EQ(rt::gadget_tooltip(music::GadgetInfoStrip),
              "Fermer - Infos - Précédent - Pause/Reprise - Stop - Suivant");

    rt::move_window(core::WindowMusicInfo, 320, 40);
    menu(core::ItemDeskMusicInfo);
    EXPECT_FALSE(strip_shown());
    EXPECT_EQ(state.X_WinInfo, 320);
    EXPECT_EQ(state.Y_WinInfo, 40);
    EXPECT_EQ(stored("X_WinInfo"), "<missing>") << "hiding keeps the place in memory only";

    menu(core::ItemDeskMusicInfo);
    EXPECT_TRUE(strip_shown()) << "the toggle shows a hidden strip again";
    EXPECT_EQ(rt::window_x(core::WindowMusicInfo), 320);
}

TEST_F(MusicInfo, WithoutTagsTheStripSaysSoInTheLanguage) {
    music::play_one_file(state, song("plain.mp3"));
    for (const char* lng : {"Fr", "Us"}) {
        state.Lng = lng;
        menu(core::ItemDeskMusicInfo);
        const std::string text = state.Lng == "Fr" ? "Aucun Fichier MP3 en cours de lecture ou pas d'infomation"
                                                   : "No Music Playing or No mp3 info in this File";
        EXPECT_EQ(rt::window_width(core::WindowMusicInfo), strip_width_for(text)) << lng;
        EXPECT_EQ(rt::gadget_tooltip(music::GadgetInfoStrip),
                  state.Lng == "Fr" ? "Fermer - Infos - Précédent - Pause/Reprise - Stop - Suivant"
                                    : "Close - Infos - Previous - Pause/Resume - Stop - Next");
        menu(core::ItemDeskMusicInfo);
    }
}

TEST_F(MusicInfo, TheNowPlayingLineOpensTheStrip) {
    const struct {
        int y;
        bool opens;
    } rows[] = {{141, false}, {142, true}, {157, true}, {158, false}};
    for (const auto& row : rows) {
        desk_click(row.y);
        EXPECT_EQ(strip_shown(), row.opens) << "y " << row.y;
        desk_click(row.y);
        EXPECT_EQ(strip_shown(), row.opens) << "a second click leaves it shown, y " << row.y;
        rt::close_window(core::WindowMusicInfo);
    }
    click(core::GadgetStop);  // the list is now before its first entry
    desk_click(150);
    EXPECT_FALSE(strip_shown());
}

TEST_F(MusicInfo, TheStripsButtons) {
    enum class Then { Closed, Box, Previous, Paused, Stopped, Next, Nothing };
    const struct {
        int x;
        Then then;
    } rows[] = {{0, Then::Closed},    {19, Then::Closed},   {20, Then::Box},    {37, Then::Box},
                {38, Then::Previous}, {53, Then::Previous}, {54, Then::Paused}, {70, Then::Paused},
                {71, Then::Stopped},  {88, Then::Stopped},  {89, Then::Next},   {105, Then::Next},
                {106, Then::Nothing}};
    for (const auto& row : rows) {
        const std::string at = "x " + std::to_string(row.x);
        playlist({first, second});
        state.Play_List.current = 1;
        music::play_file(state, second);
        state.Player_Paused = false;
        if (!rt::window_exists(core::WindowMusicInfo)) menu(core::ItemDeskMusicInfo);
        rt::move_window(core::WindowMusicInfo, 250 + row.x, 60);
        if (row.then == Then::Box) dialogs.answer(rt::MessageAnswer::Ok);
        const std::size_t boxes = dialogs.shown().size();
        calls();

        strip_click(row.x);
        EXPECT_EQ(rt::window_exists(core::WindowMusicInfo), row.then != Then::Closed && row.then != Then::Stopped)
            << at;
        EXPECT_EQ(stored("X_WinInfo"), std::to_string(250 + row.x)) << "every release writes the place, " << at;
        EXPECT_EQ(stored("Y_WinInfo"), "60") << at;
        EXPECT_EQ(dialogs.shown().size() - boxes, row.then == Then::Box ? 1u : 0u) << at;
        const std::vector<std::string> seen = calls();
        switch (row.then) {
        case Then::Previous: EXPECT_EQ(loaded(), first) << at; break;
        case Then::Next: EXPECT_EQ(loaded(), first) << "no entry after the last: the first, " << at; break;
        case Then::Paused: EXPECT_EQ(seen, std::vector<std::string>{"pause"}) << at; break;
        case Then::Stopped: EXPECT_EQ(seen, (std::vector<std::string>{"stop", "free"})) << at; break;
        case Then::Closed:
        case Then::Box:
        case Then::Nothing: EXPECT_TRUE(seen.empty()) << at; break;
        }
    }
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(MusicInfo, TheInformationBox) {
    menu(core::ItemDeskMusicInfo);
    for (const char* lng : {"Fr", "Us"}) {
        state.Lng = lng;
        dialogs.answer(rt::MessageAnswer::Ok);
        strip_click(25);
    }
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].title, "Info:");
    EXPECT_EQ(dialogs.shown()[0].text,
              "Titre: Premier\r\nAuteur: Artiste\r\nCD: Album\r\nPiste: 3\r\nAnnée: 1999"
              "\r\nFichier MP3: " +
                  first + "\r\nFichier dans la Liste: 1/2");
    EXPECT_EQ(dialogs.shown()[1].text,
              "Title: Premier\r\nAuthor: Artiste\r\nCD: Album\r\nTrack: 3\r\nYear: 1999"
              "\r\nFileName: " +
                  first + "\r\n# in List: 1/2");

    click(core::GadgetStop);
    menu(core::ItemDeskMusicInfo);
    strip_click(25);
    EXPECT_EQ(dialogs.shown().size(), 2u) << "no box without a file";
}

TEST_F(MusicInfo, DraggingMovesTheStripWithoutPressingAButton) {
    menu(core::ItemDeskMusicInfo);
    strip(EventType::LeftButtonDown, 80, 280, 15);  // on the stop button
    strip(EventType::MouseMove, 80, 400, 115);
    EXPECT_EQ(rt::window_x(core::WindowMusicInfo), 320);
    EXPECT_EQ(rt::window_y(core::WindowMusicInfo), 105);
    strip(EventType::LeftButtonUp, 80, 400, 115);
    strip(EventType::LeftClick, 80, 400, 115);
    EXPECT_TRUE(rt::window_exists(core::WindowMusicInfo)) << "a drag is not a press of the stop button";
    EXPECT_EQ(loaded(), first);
    EXPECT_EQ(stored("X_WinInfo"), "320");
    EXPECT_EQ(stored("Y_WinInfo"), "105");
    strip(EventType::MouseMove, 80, 600, 600);
    EXPECT_EQ(rt::window_x(core::WindowMusicInfo), 320) << "the drag ended with the release";
}

TEST_F(MusicInfo, ANewTaggedFileRemakesTheStripInItsPlace) {
    menu(core::ItemDeskMusicInfo);
    rt::move_window(core::WindowMusicInfo, 150, 70);
    click(core::GadgetNextFile);
    ASSERT_TRUE(strip_shown());
    EXPECT_EQ(rt::window_width(core::WindowMusicInfo), strip_width_for("Autre / Second / Disque / 2001"));
    EXPECT_EQ(rt::window_x(core::WindowMusicInfo), 150);
    EXPECT_EQ(rt::window_y(core::WindowMusicInfo), 70);

    click(core::GadgetStop);
    EXPECT_FALSE(rt::window_exists(core::WindowMusicInfo)) << "the player's stop closes the strip";
}

}  // namespace
