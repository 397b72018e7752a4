// Playlists from the desk: the manager opened from the clock bar over a real
// temporary music folder, its browser, view and buttons; real playlist files
// saved and loaded back; favourites from the desk menu and Ctrl+1; the
// favourites editor; files that are no playlists.
#include "music/playlists.h"

#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include <gtest/gtest.h>

#include "clock/banner.h"
#include "clock/ids.h"
#include "config/ini_file.h"
#include "core/images.h"
#include "music/play_list.h"
#include "music_fixture.h"
#include "platform/files.h"
#include "rt/gadget_files.h"
#include "rt/menu.h"
#include "rt/window_bars.h"
#include "support/time_limit.h"
#include "support/unprivileged.h"

using Lines = std::vector<std::string>;

namespace {

constexpr int file_list_wait_ms = 5000;

class Playlists : public test::MusicScenario {
protected:
    void SetUp() override {
        music_folder = working_file("Musique");
        env.folders[platform::UserFolder::Music] = music_folder;
        test::write_file(music_folder + "/a.mp3", std::string(400, '\x55'));
        test::write_file(music_folder + "/B.MP3", std::string(400, '\x55'));
        test::write_file(music_folder + "/notes.txt", "x");
        MusicScenario::SetUp();
    }

    void open_manager() {
        click(core::GadgetPlaylist);
        ASSERT_TRUE(rt::window_exists(core::WindowPlaylist));
        ASSERT_TRUE(rt::wait_for_file_list(music::GadgetFileList, file_list_wait_ms));
    }
    void press(int gadget) { click(gadget, rt::EventType::LeftClick, core::WindowPlaylist); }
    void item(int menu_item) {
        dispatch({.kind = rt::EventKind::Menu, .window = core::WindowPlaylist, .object = menu_item});
    }
    Lines view() {
        Lines items;
        for (int i = 0; i < rt::list_item_count(music::GadgetPlaylistView); ++i)
            items.push_back(rt::list_item_text(music::GadgetPlaylistView, i));
        return items;
    }
    std::string status() { return rt::status_text(core::WindowPlaylist, 0); }
    std::string stored_in(const std::string& group, const std::string& key) {
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        if (!ini.select_group(group)) return "<no group>";
        return ini.read_string(key, "<missing>");
    }
    std::string banner() {
        return rt::window_exists(core::WindowBanner) ? rt::gadget_text(clocks::GadgetBannerText) : std::string();
    }

    std::string music_folder;
};

TEST_F(Playlists, TheManagerOpensFromTheClockBarInEitherLanguage) {
    struct Row {
        const char* lng;
        const char* title;
        const char* close;
        const char* shuffle;
        const char* play_file;
        const char* delete_item;
    } rows[] = {
        {"Fr", "Gestion des PlayLists", "Fermer", "Ordre Aléatoire", "Écouter ce Fichier",
         "Supprimer ce Fichier (de la Playliste)"},
        {"Us", "Manage PlayLists", "Close", "Random order", "Play File", "Del from playlist"},
    };
    for (const Row& row : rows) {
        state.Lng = row.lng;
        state.Music_Dir.clear();
        const int warm_ups = player.warm_ups;
        open_manager();
        EXPECT_EQ(player.warm_ups, warm_ups + 1) << "the player gets ready while the user picks a list";
        EXPECT_EQ(rt::window_title(core::WindowPlaylist), row.title);
        EXPECT_EQ(rt::gadget_text(music::GadgetManagerClose), row.close);
        EXPECT_EQ(rt::gadget_text(music::GadgetShuffle), row.shuffle);
        EXPECT_EQ(rt::gadget_text(music::GadgetManagerStop), "Stop");
        EXPECT_EQ(rt::gadget_tooltip(music::GadgetLoadList), "Charge rune Playliste existante");
        EXPECT_EQ(rt::menu_item_text(core::MenuMusicBrowser, core::ItemBrowserPlay), row.play_file);
        EXPECT_EQ(rt::menu_item_text(core::MenuMusicPlaylist, core::ItemPlaylistDelete), row.delete_item);
        EXPECT_EQ(status(), "Prêt / Ready");
        EXPECT_EQ(rt::gadget_text(music::GadgetFilter), "*.Mp3");
        EXPECT_EQ(rt::gadget_item_count(music::GadgetFavouriteChoice), 5);
        EXPECT_EQ(state.Music_Dir, music_folder) << "an empty folder setting becomes the music folder";
        EXPECT_EQ(rt::file_list_folder(music::GadgetFileList), music_folder);
        EXPECT_EQ(rt::folder_tree_folder(music::GadgetFolderTree), music_folder);
        // The pattern matches whatever the letter case; other files are not shown.
        Lines names = rt::file_list_names(music::GadgetFileList);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (Lines{"B.MP3", "a.mp3"}));
    }
}

TEST_F(Playlists, ControlsKeepTheirEdgesWhenTheManagerIsResized) {
    open_manager();
    const int top = rt::menu_bar_height(core::WindowPlaylist);
    struct Row {
        int gadget, x, y, width, height;
    };
    const Row opening[] = {
        {music::GadgetManagerClose, 695, 496, 120, 25},  {music::GadgetLoadList, 5, 496, 120, 25},
        {music::GadgetShuffle, 695, 466, 120, 25},       {music::GadgetFavouriteChoice, 400, 496, 245, 25},
        {music::GadgetFilter, 435, 5, 65, 20},           {music::GadgetAddSelected, 715, 5, 100, 20},
        {music::GadgetManagerSplitter, 5, 30, 810, 430},
    };
    for (const Row& r : opening) {
        EXPECT_EQ(rt::gadget_x(r.gadget), r.x) << r.gadget;
        EXPECT_EQ(rt::gadget_y(r.gadget), r.y + top) << r.gadget;
        EXPECT_EQ(rt::gadget_width(r.gadget), r.width) << r.gadget;
        EXPECT_EQ(rt::gadget_height(r.gadget), r.height) << r.gadget;
    }
    EXPECT_EQ(rt::gadget_state(music::GadgetManagerSplitter), 200);
    EXPECT_EQ(rt::gadget_state(music::GadgetBrowserSplitter), 200);

    rt::resize_window(core::WindowPlaylist, 1020, 675 + top);
    dispatch({.kind = rt::EventKind::SizeWindow, .window = core::WindowPlaylist});
    const Row resized[] = {
        {music::GadgetManagerClose, 895, 596, 120, 25},
        {music::GadgetLoadList, 205, 596, 120, 25},
        {music::GadgetFilter, 635, 5, 65, 20},
        {music::GadgetManagerSplitter, 5, 30, 1010, 530},
    };
    for (const Row& r : resized) {
        EXPECT_EQ(rt::gadget_x(r.gadget), r.x) << r.gadget;
        EXPECT_EQ(rt::gadget_y(r.gadget), r.y + top) << r.gadget;
        EXPECT_EQ(rt::gadget_width(r.gadget), r.width) << r.gadget;
        EXPECT_EQ(rt::gadget_height(r.gadget), r.height) << r.gadget;
    }
}

TEST_F(Playlists, AFoldersFilesAreAddedSavedAndLoadedBackByteForByte) {
    open_manager();
    press(music::GadgetSelectAll);
    press(music::GadgetAddSelected);
    Lines added = view();
    std::sort(added.begin(), added.end());
    const Lines paths = {music_folder + "/B.MP3", music_folder + "/a.mp3"};
    EXPECT_EQ(added, paths);
    EXPECT_TRUE(state.Play_List.paths.empty()) << "adding changes the view only";

    // Save: one CR after each path, nothing else.
    const std::string list = working_file("liste.txt");
    dialogs.answer(rt::ScriptedAnswer::typed(list));
    press(music::GadgetSaveList);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, rt::DialogKind::SaveFile);
    EXPECT_EQ(dialogs.shown()[0].title, "");
    EXPECT_EQ(dialogs.shown()[0].text, music_folder) << "where lists are loaded from";
    const std::string saved = test::read_file(list);
    EXPECT_EQ(saved, view()[0] + "\r" + view()[1] + "\r");
    EXPECT_EQ(status(), "Save, OK");
    EXPECT_EQ(banner(), "PlayListe sauvegardée");
    clocks::close_notice();

    // Load: the items come below, numbered, and the list becomes the playlist.
    dialogs.answer(rt::ScriptedAnswer::typed(list));
    press(music::GadgetLoadList);
    EXPECT_EQ(dialogs.shown()[1].title, "PlayList");
    EXPECT_EQ(dialogs.shown()[1].text, music_folder);
    const Lines shown = view();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[2], "    1 - " + shown[0]);
    EXPECT_EQ(shown[3], "    2 - " + shown[1]);
    EXPECT_EQ(state.Play_List.paths, (Lines{shown[0], shown[1]}));
    EXPECT_EQ(status(), "Liste chargée.");
    EXPECT_EQ(now_playing(), "Prêt. 2 Mus.");

    // Saved again: the numbered items are written as their paths.
    dialogs.answer(rt::ScriptedAnswer::typed(list));
    press(music::GadgetSaveList);
    EXPECT_EQ(test::read_file(list), saved + saved);

    // Played from the view: a numbered item plays its path, alone.
    rt::set_list_selected_item(music::GadgetPlaylistView, 3);
    click(music::GadgetPlaylistView, rt::EventType::LeftDoubleClick, core::WindowPlaylist);
    EXPECT_EQ(loaded(), shown[1]);
    EXPECT_EQ(state.Play_List.paths, Lines{shown[1]});
}

TEST_F(Playlists, AFailedSaveLeavesTheOldListWholeAndSaysNothing) {
    open_manager();
    rt::add_list_item(music::GadgetPlaylistView, "/m/new.mp3");
    const std::string list = working_file("liste.txt");
    test::write_file(list, "/m/old.mp3\r");
    const auto files_in_work = [&] {
        return std::distance(std::filesystem::directory_iterator(work.path()), std::filesystem::directory_iterator());
    };
    const auto files_before = files_in_work();
    for (const platform::WriteStep step : {platform::WriteStep::Open, platform::WriteStep::Write,
                                           platform::WriteStep::Flush, platform::WriteStep::Rename}) {
        platform::set_write_fault(platform::WriteFault{step, ENOSPC});
        dialogs.answer(rt::ScriptedAnswer::typed(list));
        press(music::GadgetSaveList);
        platform::set_write_fault(std::nullopt);
        EXPECT_EQ(test::read_file(list), "/m/old.mp3\r") << int(step);
        EXPECT_EQ(status(), "Prêt / Ready") << int(step);
        EXPECT_EQ(banner(), "") << int(step);
    }
    EXPECT_EQ(files_in_work(), files_before) << "no temporary file is left";
    dialogs.answer(rt::ScriptedAnswer::typed(list));
    press(music::GadgetSaveList);
    EXPECT_EQ(test::read_file(list), "/m/new.mp3\r");
}

TEST_F(Playlists, BrowserPlaysDeletesDropsAndTellsWhatItHas) {
    open_manager();
    // Nothing loaded yet.
    press(music::GadgetShowCurrent);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Erreur");
    EXPECT_EQ(dialogs.shown()[0].text, "Aucune liste n'est en mémoire");
    dialogs.answer(rt::MessageAnswer::Ok);
    press(music::GadgetSaveList);
    EXPECT_EQ(dialogs.shown()[1].title, "Error");
    EXPECT_EQ(dialogs.shown()[1].text, "No files in the playlist");
    EXPECT_EQ(dialogs.shown()[1].icon, rt::MessageIcon::Warning);

    // Files dropped on the view go to the view and the playlist.
    press(music::GadgetNewList);
    EXPECT_EQ(status(), "Faites glisser des fichiers dans cette fenêtre");
    rt::Event drop{
        .kind = rt::EventKind::GadgetDrop, .window = core::WindowPlaylist, .object = music::GadgetPlaylistView};
    drop.drop = {rt::DropKind::Files, {}, {"/m/one.mp3", "/m/two\nlines.mp3"}};
    dispatch(drop);
    EXPECT_EQ(view(), (Lines{"/m/one.mp3", "/m/two\nlines.mp3"}));
    EXPECT_EQ(state.Play_List.paths, (Lines{"/m/one.mp3", "/m/two\nlines.mp3"}));

    // Deleting an item leaves the playlist alone; showing the list brings it back.
    rt::set_list_selected_item(music::GadgetPlaylistView, 0);
    item(core::ItemPlaylistDelete);
    EXPECT_EQ(view(), Lines{"/m/two\nlines.mp3"});
    press(music::GadgetShowCurrent);
    EXPECT_EQ(view(), state.Play_List.paths);

    // "Play List From Here" is not there yet.
    item(core::ItemPlaylistFromHere);
    EXPECT_EQ(dialogs.shown().back().title, "Désolé (sorry)");
    EXPECT_EQ(dialogs.shown().back().text, "fonction non encore implémentée (function coming soon)");

    // A file double-clicked in the browser plays alone.
    rt::select_all_file_list(music::GadgetFileList, true);
    click(music::GadgetFileList, rt::EventType::LeftDoubleClick, core::WindowPlaylist);
    EXPECT_EQ(state.Play_List.paths.size(), 1u);
    EXPECT_EQ(platform::folder_of(loaded()), music_folder + "/");

    // Another pattern, then none selected.
    rt::set_gadget_selected_item(music::GadgetFilter, 1);  // "*.Txt"
    click(music::GadgetFilter, rt::EventType::Change, core::WindowPlaylist);
    ASSERT_TRUE(rt::wait_for_file_list(music::GadgetFileList, file_list_wait_ms));
    EXPECT_EQ(rt::file_list_names(music::GadgetFileList), Lines{"notes.txt"});
    press(music::GadgetSelectNone);
    EXPECT_TRUE(rt::file_list_selected_names(music::GadgetFileList).empty());

    // Closing stores the folder shown.
    dispatch({.kind = rt::EventKind::CloseWindow, .window = core::WindowPlaylist});
    EXPECT_FALSE(rt::window_exists(core::WindowPlaylist));
    EXPECT_EQ(stored("Music_Dir"), music_folder);
}

TEST_F(Playlists, ShuffleKeepsTheEntriesAndReachesEveryOrder) {
    const Lines three = {"/a.mp3", "/b.mp3", "/c.mp3"};
    std::set<Lines> orders;
    for (int i = 0; i < 600; ++i) {
        playlist(three);
        music::shuffle_list(state);
        Lines sorted = state.Play_List.paths;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, three);
        orders.insert(state.Play_List.paths);
    }
    EXPECT_EQ(orders.size(), 6u);

    // The view shows the new order; the current entry stays current.
    open_manager();
    playlist(three);
    state.Play_List.current = 1;
    press(music::GadgetShuffle);
    EXPECT_EQ(view(), state.Play_List.paths);
    EXPECT_EQ(music::current_path(state.Play_List), "/b.mp3");
}

TEST_F(Playlists, FavouritesFromTheDeskMenu) {
    const std::string favourite = working_file("soir.m3u");
    const std::string a = song("a.mp3"), b = song("b.mp3");
    test::write_file(favourite, a + "\r\n" + b + "\r\n");
    state.MRU[1] = favourite;

    // Ctrl+1 raises item 28: the whole file is the playlist, played from the start.
    menu(core::ItemPlaylist1);
    EXPECT_EQ(state.Play_List.paths, (Lines{a, b}));
    EXPECT_EQ(loaded(), a);
    EXPECT_EQ(banner(), "");

    // A comment line is an entry of a favourite list; the player skips it.
    test::write_file(favourite, "#EXTM3U\n" + a + "\n");
    menu(core::ItemPlaylist1);
    EXPECT_EQ(state.Play_List.paths, (Lines{"#EXTM3U", a}));

    // A missing favourite is created empty and loads an empty list, without a notice.
    const std::string missing = working_file("nouvelle.txt");
    state.MRU[2] = missing;
    menu(core::ItemPlaylist1 + 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(missing));
    EXPECT_EQ(test::read_file(missing), "");
    EXPECT_TRUE(state.Play_List.paths.empty());
    EXPECT_EQ(now_playing(), "Cliquez Lecture");
    EXPECT_EQ(banner(), "");
}

TEST_F(Playlists, WhatIsNoPlaylistIsRefusedWithoutWaiting) {
    constexpr unsigned limit_seconds = 10;
    const std::string fifo = working_file("pipe.m3u");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = working_file("Musique");
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder, std::string()}) {
        EXPECT_TRUE(test::holds_within(limit_seconds, [&] {
            music::load_favourite(state, path);
            return banner() == "Ne peut pas ouvrir la playliste\n" + path && state.Play_List.paths.empty();
        })) << path;
    }

    open_manager();
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        EXPECT_TRUE(test::holds_within(limit_seconds, [&] {
            state.Play_List.paths = {"/kept.mp3"};
            dialogs.answer(rt::ScriptedAnswer::typed(path));
            press(music::GadgetLoadList);
            return state.Play_List.paths == Lines{"/kept.mp3"} && status() == "Prêt / Ready" && view().empty();
        })) << path;
    }
}

TEST_F(Playlists, AReadOnlyPlaylistLoadsAndAnUnwritableFolderIsAnnounced) {
    const std::string shelf = working_file("cd");
    test::write_file(shelf + "/list.txt", "/m/a.mp3\r/m/b.mp3\r");
    ASSERT_EQ(chmod((shelf + "/list.txt").c_str(), 0444), 0);
    ASSERT_EQ(chmod(shelf.c_str(), 0555), 0);
    const auto loads = test::holds_unprivileged(work.path(), [&] {
        music::load_favourite(state, shelf + "/list.txt");
        const bool read_only_loads = state.Play_List.paths == Lines{"/m/a.mp3", "/m/b.mp3"};
        music::load_favourite(state, shelf + "/missing.txt");
        const bool announced = banner() == "Ne peut pas ouvrir la playliste\n" + shelf + "/missing.txt";
        return read_only_loads && announced && !std::filesystem::exists(shelf + "/missing.txt");
    });
    chmod(shelf.c_str(), 0755);
    if (!loads) GTEST_SKIP() << "no unprivileged user to check permissions with";
    EXPECT_TRUE(*loads);
}

TEST_F(Playlists, TheFavouritesEditorWritesOneAtOnceOrAllOnOk) {
    state.MRU[1] = "/listes/matin.txt";
    menu(core::ItemDeskEditPlaylists);
    ASSERT_TRUE(rt::window_exists(core::WindowPlaylistEditor));
    EXPECT_EQ(rt::window_title(core::WindowPlaylistEditor), "PlayListes");
    EXPECT_EQ(rt::status_text(core::WindowPlaylistEditor, 0), "Choisissez vos listes musicales préférées.");
    EXPECT_EQ(rt::gadget_text(music::GadgetEditorField1), "/listes/matin.txt");
    EXPECT_EQ(rt::gadget_text(music::GadgetEditorLabel1 + 4), "5.");

    // "..." of row 2: written at once, the menu item relabelled.
    dialogs.answer(rt::ScriptedAnswer::typed("/listes/soir.m3u"));
    click(music::GadgetEditorBrowse1 + 1, rt::EventType::LeftClick, core::WindowPlaylistEditor);
    EXPECT_EQ(dialogs.shown()[0].title, "PlayList");
    EXPECT_EQ(dialogs.shown()[0].text, music_folder) << "an empty row looks where lists are loaded from";
    EXPECT_EQ(rt::gadget_text(music::GadgetEditorField1 + 1), "/listes/soir.m3u");
    EXPECT_EQ(stored_in("MRU", "MRU2"), "/listes/soir.m3u");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1 + 1), "2.soir");

    // OK: every field is taken and written.
    rt::set_text(music::GadgetEditorField1 + 4, "/listes/nuit.txt");
    click(music::GadgetEditorOk, rt::EventType::LeftClick, core::WindowPlaylistEditor);
    EXPECT_FALSE(rt::window_exists(core::WindowPlaylistEditor));
    EXPECT_EQ(state.MRU[5], "/listes/nuit.txt");
    EXPECT_EQ(stored_in("MRU", "MRU1"), "/listes/matin.txt");
    EXPECT_EQ(stored_in("MRU", "MRU5"), "/listes/nuit.txt");
    EXPECT_EQ(stored_in("MRU", "MRU3"), "");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1), "1. matin");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist5), "5. nuit");
}

TEST_F(Playlists, TheDeskMenuNamesTheFavouritesAtStart) {
    data_file("[Global]\r\n[MRU]\r\nMRU1 = /listes/Jazz du soir.m3u\r\nMRU2 = /listes/x.txt\r\n");
    rt::shutdown();
    core::g_state = {};
    start();
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1), "1. Jazz du soir\tCtrl + 1");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1 + 1), "2. x\tCtrl + 2");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist5), "5. \tCtrl + 5");
}

}  // namespace
