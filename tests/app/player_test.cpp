// The player from the desk, with the fake media player: play one file, the
// titles on the now-playing line, the player buttons, the end-of-track step,
// loop, mute, volume, and the end of the program.
#include "music/player.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/end.h"
#include "core/images.h"
#include "music_fixture.h"
#include "platform/paths.h"
#include "rt/internal.h"

using rt::EventType;
using Calls = std::vector<std::string>;

namespace {

constexpr core::Colour clock_colour = 0x09ECBE;  // the clock bar's yellow-green

class Player : public test::MusicScenario {};

TEST_F(Player, PlayOneFileAsksForTheFileAndShowsItsTitle) {
    const std::string path = song("a.mp3", test::id3_song({.title = "Clair de lune"}));
    dialogs.answer(rt::ScriptedAnswer::typed(path));
    const std::int64_t before = clock.monotonic_ms();
    menu(core::ItemTrayPlayOne);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, rt::DialogKind::OpenFile);
    EXPECT_EQ(dialogs.shown()[0].title, "Lire un Fichier MP3");
    EXPECT_EQ(dialogs.shown()[0].text, "/nonexistent/home/*.mp3") << "at home without a music folder";
    EXPECT_EQ(dialogs.shown()[0].initial, "Fichier MP3 (*.mp3);;Fichier OGG (*.OGG)");
    EXPECT_EQ(player.warm_ups, 1) << "the player gets ready while the user chooses";
    EXPECT_EQ(calls(), (Calls{"load " + path, "volume 60", "play"}));
    EXPECT_EQ(now_playing(), "Clair de lune");
    EXPECT_EQ(state.Play_List.paths, std::vector<std::string>{path});
    EXPECT_EQ(state.Play_List.current, 0);
    EXPECT_EQ(clock.monotonic_ms() - before, music::start_pause_ms) << "the start holds the program a second";

    // Cancelled, in English: nothing changes.
    state.Lng = "Us";
    dialogs.answer(rt::ScriptedAnswer::cancel());
    menu(core::ItemTrayPlayOne);
    EXPECT_EQ(dialogs.shown()[1].title, "Read one MP3 File");
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(now_playing(), "Clair de lune");
}

// The chooser starts where the user's music is.
TEST_F(Player, PlayOneFileLooksInTheMusicFolderTheManagerShowedLastElseTheUsers) {
    const std::string music = working_file("Music");
    std::filesystem::create_directories(music);
    env.folders[platform::UserFolder::Music] = music;
    const std::string shown = working_file("Albums");
    std::filesystem::create_directories(shown);
    const struct {
        std::string music_dir, start;
    } rows[] = {{"", music + "/*.mp3"}, {shown, shown + "/*.mp3"}, {working_file("Gone"), music + "/*.mp3"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.music_dir);
        state.Music_Dir = row.music_dir;
        dialogs.answer(rt::ScriptedAnswer::cancel());
        menu(core::ItemTrayPlayOne);
        EXPECT_EQ(dialogs.shown().back().text, row.start);
    }
}

TEST_F(Player, TheFavouriteListsSubmenuReadiesThePlayerAsItOpens) {
    QMenu* lists = nullptr;
    for (QMenu* submenu : rt::state().menus.at(core::MenuDesk)->findChildren<QMenu*>())
        if (submenu->title() == "PlayListes MP3/OGG") lists = submenu;
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(player.warm_ups, 0);
    lists->popup(QPoint(20, 20));
    EXPECT_EQ(player.warm_ups, 1);
    lists->hide();
}

TEST_F(Player, AMusicFileDraggedOverTheClockReadiesThePlayer) {
    const auto drag_over_clock = [](const char* url) {
        QMimeData mime;
        mime.setUrls({QUrl(url)});
        QDragEnterEvent enter(QPoint(4, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(rt::gadget_widget(core::GadgetTime), &enter);
    };
    drag_over_clock("file:///tmp/notes.txt");
    EXPECT_EQ(player.warm_ups, 0) << "a text file opens in the viewer";
    drag_over_clock("file:///tmp/song.MP3");
    EXPECT_EQ(player.warm_ups, 1);
}

TEST_F(Player, CtrlOnTheDeskReadiesThePlayerWhenAFavouriteListCanPlay) {
    const auto press_ctrl = [] {
        // Where the toolkit delivers a key: the window's focus widget, a button of the desk.
        QWidget* desk = rt::window_widget(core::WindowDesk);
        QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
        QCoreApplication::sendEvent(desk->focusWidget() ? desk->focusWidget() : desk, &ctrl);
    };
    state.MRU.fill("");
    press_ctrl();
    EXPECT_EQ(player.warm_ups, 0) << "Ctrl+1 to Ctrl+5 have nothing to play";
    state.MRU[3] = working_file("Soir.m3u");
    press_ctrl();
    EXPECT_EQ(player.warm_ups, 1);
}

TEST_F(Player, TitlesOnTheNowPlayingLine) {
    const std::string utf16_title = std::string("\xFF\xFE", 2) + std::string("S\0o\0l\0", 6);
    const struct {
        const char* name;
        std::string file;
        std::string bytes;
        std::string shown;
        bool path_tooltip;
    } rows[] = {
        {"15 characters whole", "a.mp3", test::id3_song({.title = "Fifteen chars!!"}), "Fifteen chars!!", false},
        {"16 characters cut", "b.mp3", test::id3_song({.title = "Sixteen chars!!!"}), "Sixteen chars!!...", false},
        {"cut by characters, not bytes", "c.mp3", test::id3_song({.title = "Été à Noël, déjà fêté"}),
         "Été à Noël, déj...", false},
        {"UTF-16 title", "d.mp3", test::id3_file(test::id3_frame("TIT2", 1, utf16_title)), "Sol", false},
        {"ISO-8859-1 title", "e.mp3", test::id3_file(test::id3_frame("TIT2", 0, "Caf\xE9")), "Café", false},
        {"no tag: the file name", "Ma chanson.mp3", std::string(400, 'x'), "Ma chanson", false},
        {"version 2.4: no tag", "f.mp3", test::id3_file(test::id3_frame("TIT2", 3, "Four"), 4), "f", false},
        {"upper-case extension: no tags", "g.MP3", test::id3_song({.title = "Unread"}), "g", true},
        {"another format", "tune.ogg", std::string(400, 'x'), "tune", true},
    };
    for (const auto& row : rows) {
        const std::string path = song(row.file, row.bytes);
        music::play_one_file(state, path);
        EXPECT_EQ(now_playing(), row.shown) << row.name;
        EXPECT_EQ(rt::gadget_tooltip(core::GadgetNowPlaying), row.path_tooltip ? path : "") << row.name;
    }
}

TEST_F(Player, AFileThatDoesNotLoadIsSkippedSilently) {
    const std::string good = song("good.mp3", test::id3_song({.title = "Good"}));
    const std::string bad = song("bad.mp3", test::id3_song({.title = "Bad"}));
    player.unplayable = {bad};
    music::play_one_file(state, good);
    calls();
    music::play_one_file(state, bad);
    EXPECT_EQ(calls(), (Calls{"load " + bad}));
    EXPECT_EQ(now_playing(), "Good") << "the line keeps its text";
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(player.loaded());
    tick();
    EXPECT_TRUE(calls().empty()) << "the end-of-track step stays idle without a file";
}

TEST_F(Player, NextPreviousAndTheEndOfTrackStep) {
    const std::string a = song("a.ogg"), b = song("b.ogg"), c = song("c.ogg");
    playlist({a, b, c});
    click(core::GadgetPlay);
    EXPECT_EQ(loaded(), a);

    enum class Step { Next, EndOfTrack, Previous };
    const struct {
        const char* name;
        Step step;
        std::string expected;
    } rows[] = {
        {"next", Step::Next, b},
        {"end of the track", Step::EndOfTrack, c},
        {"next on the last entry", Step::Next, a},
        {"previous on the first entry", Step::Previous, a},
        {"next again", Step::Next, b},
        {"previous", Step::Previous, a},
    };
    for (const auto& row : rows) {
        switch (row.step) {
        case Step::Next: click(core::GadgetNextFile); break;
        case Step::EndOfTrack:
            player.finish();
            tick();
            break;
        case Step::Previous: music::previous_file(state); break;
        }
        EXPECT_EQ(loaded(), row.expected) << row.name;
        EXPECT_EQ(now_playing(), platform::name_without_extension(row.expected)) << row.name;
    }

    // A right click on a player button does nothing; the tick leaves a playing or paused file alone.
    click(core::GadgetNextFile, EventType::RightClick);
    tick();
    click(core::GadgetPause);
    tick();
    EXPECT_EQ(loaded(), a);
}

TEST_F(Player, TheEndOfTheListStopsUnlessTheLoopIsOn) {
    const std::string a = song("a.ogg"), b = song("b.ogg");
    playlist({a, b});
    click(core::GadgetPlay);
    player.finish();
    tick();
    ASSERT_EQ(loaded(), b);
    player.finish();
    for (int i = 0; i < 3; ++i) tick();
    EXPECT_EQ(loaded(), b) << "nothing more plays at the end of the list";
    EXPECT_EQ(player.status(), platform::media_stopped);

    click(core::GadgetLoop);
    EXPECT_EQ(state.Loop_PlayList, 1);
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetLoop), "Bouclage PlayList Activé");
    tick();
    EXPECT_EQ(loaded(), a) << "with the loop on, the first entry starts at the next tick";
    EXPECT_EQ(player.status(), platform::media_playing);

    state.Lng = "Us";
    click(core::GadgetLoop);
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetLoop), "PlayList Loop is OFF");
    click(core::GadgetLoop);
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetLoop), "PlayList Loop is ON");
}

TEST_F(Player, TwoEqualPathsInARowEndTheList) {
    const std::string a = song("a.ogg"), c = song("c.ogg");
    playlist({a, a, c});
    click(core::GadgetPlay);
    player.finish();
    calls();
    tick();
    EXPECT_TRUE(calls().empty()) << "the step took the second a for the end of the list";
    EXPECT_EQ(state.Play_List.current, 1);
}

TEST_F(Player, PauseStopPlayPauseTakesTheResumeBranch) {
    const std::string a = song("a.mp3", test::id3_song({.title = "First"}));
    const std::string b = song("b.mp3", test::id3_song({.title = "Second"}));
    playlist({a, b});
    click(core::GadgetPlay);
    calls();

    click(core::GadgetPause);
    EXPECT_EQ(calls(), (Calls{"pause"}));
    EXPECT_EQ(now_playing(), "Pause");
    EXPECT_EQ(now_playing_background(), music::paused_colour);
    EXPECT_TRUE(state.Player_Paused);

    click(core::GadgetStop);
    EXPECT_EQ(calls(), (Calls{"stop", "free"}));
    EXPECT_EQ(now_playing(), "");
    EXPECT_EQ(state.Play_List.current, -1);
    EXPECT_TRUE(state.Player_Paused) << "a stop leaves the pause switch as it is";

    click(core::GadgetPlay);
    EXPECT_EQ(loaded(), a);
    calls();
    click(core::GadgetPause);
    EXPECT_EQ(calls(), (Calls{"resume"}));
    EXPECT_EQ(now_playing(), "First") << "the text the first pause remembered";
    EXPECT_FALSE(state.Player_Paused);
    click(core::GadgetPause);
    EXPECT_EQ(calls(), (Calls{"pause"}));
    EXPECT_EQ(now_playing(), "Pause");
    click(core::GadgetPause);
    EXPECT_EQ(now_playing(), "First");
    EXPECT_EQ(now_playing_background(), clock_colour);
}

TEST_F(Player, CommandsOnAnEmptyPlaylistDoNothing) {
    for (int gadget : {core::GadgetPlay, core::GadgetPause, core::GadgetNextFile, core::GadgetStop}) click(gadget);
    music::previous_file(state);
    tick();
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(now_playing(), "");
}

TEST_F(Player, MuteAndTheVolumeSlider) {
    const std::string a = song("a.mp3", test::id3_song({.title = "Loud"}));
    const std::string b = song("b.ogg");
    playlist({a, b});
    click(core::GadgetPlay);
    calls();

    click(core::GadgetMute);
    EXPECT_TRUE(state.Music_Muted);
    EXPECT_EQ(now_playing(), "Musique OFF");
    EXPECT_EQ(now_playing_background(), music::muted_colour);
    EXPECT_EQ(rt::gadget_image(core::GadgetMute), core::ImageMuted);
    EXPECT_EQ(state.Muted_Volume, 60);
    EXPECT_EQ(calls(), (Calls{"volume 0"}));

    // Muted, the next file stays silent.
    click(core::GadgetNextFile);
    EXPECT_EQ(calls(), (Calls{"stop", "free", "load " + b, "volume 0", "play"}));

    click(core::GadgetMute);
    EXPECT_FALSE(state.Music_Muted);
    EXPECT_EQ(now_playing(), "Loud") << "the text mute remembered";
    EXPECT_EQ(now_playing_background(), clock_colour);
    EXPECT_EQ(rt::gadget_front_colour(core::GadgetNowPlaying), 0u);
    EXPECT_EQ(rt::gadget_image(core::GadgetMute), core::ImageSounding);
    EXPECT_EQ(calls(), (Calls{"volume 60"}));

    // Moving the slider while muted switches the sound back on first.
    state.Lng = "Us";
    click(core::GadgetMute);
    EXPECT_EQ(now_playing(), "Music OFF");
    calls();
    rt::set_state(core::GadgetVolume, 30);
    click(core::GadgetVolume, EventType::Change);
    EXPECT_FALSE(state.Music_Muted);
    EXPECT_EQ(state.Volume, 30);
    EXPECT_EQ(rt::gadget_tooltip(core::GadgetVolume), "Volume: 30");
    EXPECT_EQ(calls(), (Calls{"volume 60", "volume 30"}));
}

TEST_F(Player, TheClockBarsSliderFollowsTheRadioWindowsWhileItIsOpen) {
    music::play_one_file(state, song("a.ogg"));
    rt::open_window(core::WindowRadio, 0, 0, 500, 200, "Vimo Duzi - Web Radio", 0);
    rt::create_slider_gadget(music::GadgetRadioVolume, 265, 5, 185, 18, 0, 100);
    rt::set_state(music::GadgetRadioVolume, 20);
    calls();
    rt::set_state(core::GadgetVolume, 90);
    click(core::GadgetVolume, EventType::Change);
    EXPECT_EQ(rt::gadget_state(core::GadgetVolume), 20) << "snapped back to the radio window's slider";
    EXPECT_EQ(state.Volume, 20);
    rt::set_state(music::GadgetRadioVolume, 45);
    click(music::GadgetRadioVolume, EventType::Change, core::WindowRadio);
    EXPECT_EQ(rt::gadget_state(core::GadgetVolume), 45);
    EXPECT_EQ(calls(), (Calls{"volume 20", "volume 45"}));
}

TEST_F(Player, ClosingTheDeskStopsTheMusic) {
    music::play_one_file(state, song("a.ogg"));
    calls();
    EXPECT_THROW(dispatch({.kind = rt::EventKind::CloseWindow, .window = core::WindowDesk}), app::ProgramEnd);
    EXPECT_EQ(calls(), (Calls{"stop", "free"}));
    EXPECT_NE(data_bytes().find("Volume = 60"), std::string::npos);
}

}  // namespace
