// The slot menu's commands and drops on slots: what each changes in the slot,
// the data file and the icon library.
#include "desk/editing.h"

#include <gtest/gtest.h>

#include "core/ids.h"
#include "desk/ids.h"
#include "desk_fixture.h"
#include "rt/clipboard.h"
#include "rt/gadget.h"
#include "rt/window.h"

using rt::DropKind;
using rt::EventKind;
using rt::EventType;
using rt::MessageAnswer;
using rt::ScriptedAnswer;

namespace {

class Editing : public test::DeskScenario {
protected:
    void SetUp() override {
        program = make_file("tool.sh");
        other = make_file("other.sh");
        start_desk({{1, {program, "Tool", "-v", "/tmp"}}, {2, {other, "Other"}}, {3, {program, "Admin", "", "", 1}}});
    }
    std::string program, other;
};

TEST_F(Editing, CancelChangesNothingAndAnEmptyAnswerEmpties) {
    struct Row {
        const char* name;
        int item;
        std::string core::Slot::*field;
        const char* group;
        const char* key;
    };
    const Row rows[] = {
        {"rename", core::ItemSlotRename, &core::Slot::title, "ToolTip", "ToolTip1"},
        {"parameters", core::ItemSlotParameters, &core::Slot::parameters, "Parameters", "Param1"},
        {"start folder", core::ItemSlotStartFolder, &core::Slot::start_folder, "StartDirectory", "Dir1"},
    };
    for (const Row& row : rows) {
        const std::string before = state.slot_table[1].*row.field;
        dialogs.answer(ScriptedAnswer::cancel());
        slot_menu(1, row.item);
        EXPECT_EQ(state.slot_table[1].*row.field, before) << row.name << ": cancelled";

        dialogs.answer(ScriptedAnswer::typed("new value"));
        slot_menu(1, row.item);
        EXPECT_EQ(state.slot_table[1].*row.field, "new value") << row.name;
        EXPECT_EQ(saved(row.group, row.key), "new value") << row.name;

        dialogs.answer(ScriptedAnswer::typed(""));
        slot_menu(1, row.item);
        EXPECT_EQ(state.slot_table[1].*row.field, "") << row.name << ": OK on an empty field";
        EXPECT_EQ(saved(row.group, row.key), "") << row.name;
    }
    ASSERT_GE(dialogs.shown().size(), 9u);
    EXPECT_EQ(dialogs.shown()[0].title, "Renommer (Rename)");
    EXPECT_EQ(dialogs.shown()[0].text, "Nouveau nom (new name) ? ");
    EXPECT_EQ(dialogs.shown()[0].initial, "Tool");
    EXPECT_EQ(dialogs.shown()[3].title, "Paramètres (Parameters)");
    EXPECT_EQ(dialogs.shown()[3].initial, "-v");
    EXPECT_EQ(dialogs.shown()[6].title, "Démarrer en / (Start Folder)");
    EXPECT_EQ(dialogs.shown()[6].text, "/tmp");
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(1)), "");
}

TEST_F(Editing, RenameOfAnUntitledSlotStartsEmpty) {
    state.slot_table[2].title = "";
    slot_click(2, EventType::RightClick);  // gives it "Information" in memory
    dialogs.answer(ScriptedAnswer::typed("Mine"));
    menu(core::ItemSlotRename);
    EXPECT_EQ(dialogs.shown().back().initial, "");
    EXPECT_EQ(state.slot_table[2].title, "Mine");
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(2)), "Mine");
}

TEST_F(Editing, PasteTakesAnExistingFileOrFolder) {
    const std::string firefox = make_file("firefox.exe", 1);
    rt::set_clipboard_text("\"" + firefox + "\"");
    slot_menu(3, core::ItemSlotPaste);
    const auto& slot = state.slot_table[3];
    EXPECT_EQ(slot.target, firefox);
    EXPECT_EQ(slot.title, "Firefox");
    EXPECT_EQ(slot.elevated, 0);
    EXPECT_EQ(saved("RunAsAdmin", "Run3"), "0") << "the elevation goes from the file too";
    EXPECT_EQ(saved("Run", "Run3"), firefox);
    EXPECT_EQ(library_pixel(3, 20, 20), test::file_icon_colour) << "no badge any more";

    const std::string empty = make_file("empty.txt", 0);
    state.Lng = "Us";
    for (const std::string& bad : {std::string("just a sentence"), empty, std::string()}) {
        rt::set_clipboard_text(bad);
        slot_menu(4, core::ItemSlotPaste);
        EXPECT_TRUE(state.slot_table[4].target.empty()) << bad;
        EXPECT_EQ(dialogs.shown().back().title, "Erreur") << bad;
        EXPECT_EQ(dialogs.shown().back().text, "Le presse-papier ne contient pas de nom de fichier ou dossier valide");
    }
    rt::set_clipboard_text(work.path().string());
    slot_menu(4, core::ItemSlotPaste);
    EXPECT_EQ(state.slot_table[4].target, work.path().string()) << "a folder";
}

TEST_F(Editing, RemoveAsksWhenConfirmationIsOn) {
    state.Confirm_Del = 1;
    dialogs.answer(MessageAnswer::No);
    slot_menu(3, core::ItemSlotRemove);
    EXPECT_EQ(state.slot_table[3].target, program);
    EXPECT_EQ(dialogs.shown().back().title, "Enlever le Raccourci");
    EXPECT_EQ(dialogs.shown().back().text, "Voulez-vous Enlever le raccourci: \n\nAdmin ?");

    dialogs.answer(MessageAnswer::Yes);
    slot_menu(3, core::ItemSlotRemove);
    EXPECT_TRUE(state.slot_table[3].target.empty());
    EXPECT_EQ(state.slot_table[3].elevated, 0);
    EXPECT_EQ(saved("RunAsAdmin", "Run3"), "0");
    EXPECT_EQ(saved("Run", "Run3"), "");
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(3)), "3 Libre");
    EXPECT_NE(library_pixel(3, 20, 20), test::file_icon_colour);

    // Without confirmation no question; a free slot says there is nothing.
    state.Confirm_Del = 0;
    const auto shown = dialogs.shown().size();
    slot_menu(1, core::ItemSlotRemove);
    EXPECT_TRUE(state.slot_table[1].target.empty());
    EXPECT_EQ(dialogs.shown().size(), shown);
    state.Lng = "Us";
    slot_menu(1, core::ItemSlotRemove);
    EXPECT_EQ(dialogs.shown().back().title, "Error");
    EXPECT_EQ(dialogs.shown().back().text, "Nothing to launch here.");
    EXPECT_EQ(dialogs.unanswered(), 1);
}

TEST_F(Editing, ElevationSwitchesWithBadgeAndKey) {
    slot_menu(1, core::ItemSlotToggleAdmin);
    EXPECT_EQ(state.slot_table[1].elevated, 1);
    EXPECT_EQ(saved("RunAsAdmin", "Run1"), "1");
    EXPECT_NE(slot_pixel(1, 24, 24), test::file_icon_colour) << "the badge covers the bottom-right quarter";
    EXPECT_EQ(slot_pixel(1, 4, 4), test::file_icon_colour);
    EXPECT_EQ(library_pixel(1, 24, 24), slot_pixel(1, 24, 24));

    state.slot_table[1].title = "Renamed";
    slot_menu(1, core::ItemSlotToggleAdmin);
    EXPECT_EQ(state.slot_table[1].elevated, 0);
    EXPECT_EQ(saved("RunAsAdmin", "Run1"), "0");
    EXPECT_EQ(state.slot_table[1].title, "tool") << "the file name again";
    EXPECT_EQ(slot_pixel(1, 24, 24), test::file_icon_colour);

    slot_menu(9, core::ItemSlotToggleAdmin);
    EXPECT_EQ(state.slot_table[9].elevated, 0) << "a free slot is not elevated";
}

TEST_F(Editing, AddOrChangeTakesTheChosenFile) {
    const std::string chosen = make_file("editor.bin");
    dialogs.answer(ScriptedAnswer::typed(chosen));
    slot_menu(5, core::ItemSlotAdd);
    EXPECT_EQ(dialogs.shown().back().title, "Programme ou Document à Lancer");
    EXPECT_EQ(state.slot_table[5].target, chosen);
    EXPECT_EQ(state.slot_table[5].title, "editor");
    EXPECT_EQ(saved("Run", "Run5"), chosen);
    EXPECT_EQ(library_pixel(5, 10, 10), test::file_icon_colour);

    for (auto answer : {ScriptedAnswer::cancel(), ScriptedAnswer::typed(working_file("missing.bin"))}) {
        dialogs.answer(answer);
        slot_menu(6, core::ItemSlotAdd);
        EXPECT_TRUE(state.slot_table[6].target.empty());
    }
}

TEST_F(Editing, MoveToRefusesWhatWouldLoseOrHideTheSlot) {
    state.slot_table[1].elevated = 1;
    slot_menu(1, core::ItemSlotMove);
    ASSERT_TRUE(rt::window_exists(core::WindowSlotMove));
    EXPECT_EQ(rt::window_title(core::WindowSlotMove), "Sélectionnez un emplacement libre");
    EXPECT_EQ(rt::gadget_item_count(desk::GadgetMoveList), 300);
    EXPECT_EQ(rt::gadget_selected_item(desk::GadgetMoveList), -1);
    const rt::Event ok{.kind = EventKind::Gadget, .window = core::WindowSlotMove, .object = desk::GadgetMoveOk};

    dispatch(ok);  // no line chosen
    EXPECT_EQ(dialogs.shown().back().text, "Choisissez d'abord un emplacement dans la liste.");
    rt::set_gadget_selected_item(desk::GadgetMoveList, 99);  // slot 100
    dispatch(ok);
    EXPECT_EQ(dialogs.shown().back().text, "L'emplacement 100 n'a pas de case sur le desk : choisissez-en un autre.");
    EXPECT_TRUE(rt::window_exists(core::WindowSlotMove)) << "the user may choose again";
    EXPECT_EQ(state.slot_table[1].target, program);

    rt::set_gadget_selected_item(desk::GadgetMoveList, 1);  // slot 2, occupied
    dispatch(ok);
    EXPECT_EQ(dialogs.shown().back().title, "Désolé");
    EXPECT_EQ(dialogs.shown().back().text, "Cet emplacement est déjà occupé.");
    EXPECT_EQ(state.slot_table[2].target, other);
    EXPECT_FALSE(rt::window_exists(core::WindowSlotMove));

    slot_menu(1, core::ItemSlotMove);
    rt::set_gadget_selected_item(desk::GadgetMoveList, 40);  // slot 41
    slot_click(2, EventType::RightClick);                    // another menu meanwhile
    dispatch(ok);
    EXPECT_EQ(state.slot_table[41].target, program) << "the slot whose menu opened the window moves";
    EXPECT_EQ(state.slot_table[2].target, other);
    EXPECT_TRUE(state.slot_table[1].target.empty());
    EXPECT_EQ(state.slot_table[1].parameters, "-v");
    EXPECT_EQ(state.slot_table[1].elevated, 1);
    EXPECT_EQ(saved("Run", "Run41"), program);
    EXPECT_EQ(library_pixel(41, 3, 3), test::file_icon_colour) << "the library follows the move";
    EXPECT_EQ(dialogs.unanswered(), 3);
}

TEST_F(Editing, InformationWindowCopiesTheTarget) {
    slot_menu(1, core::ItemSlotInfo);
    ASSERT_TRUE(rt::window_exists(core::WindowSlotInfo));
    EXPECT_EQ(rt::window_title(core::WindowSlotInfo), "Informations");
    EXPECT_EQ(rt::gadget_text(desk::GadgetInfoTitle), "Tool");
    EXPECT_EQ(rt::gadget_text(desk::GadgetInfoTarget), program);
    EXPECT_EQ(rt::gadget_text(desk::GadgetInfoCopy), "Copier le Nom Complet dans le Presse-Papier");
    dispatch({.kind = EventKind::Gadget, .window = core::WindowSlotInfo, .object = desk::GadgetInfoCopy});
    EXPECT_EQ(rt::clipboard_text(), program);
    EXPECT_FALSE(rt::window_exists(core::WindowSlotInfo));

    state.Lng = "Us";
    slot_menu(2, core::ItemSlotInfo);
    EXPECT_EQ(rt::gadget_text(desk::GadgetInfoCopy), "Copy FullFileName to ClipBoard");
    EXPECT_EQ(rt::gadget_tooltip(desk::GadgetInfoCopy), "Copie le nom complet dans le presse papier.");
}

TEST_F(Editing, FilesDroppedOnSlots) {
    const std::string first = make_file("first.txt"), second = make_file("second.txt");
    drop_files(7, {first, second});
    EXPECT_EQ(state.slot_table[7].target, first) << "a free slot takes the first file";
    EXPECT_EQ(state.slot_table[7].title, "first");
    EXPECT_EQ(saved("Run", "Run7"), first);
    EXPECT_EQ(library_pixel(7, 1, 1), test::file_icon_colour);

    drop_files(2, {first, second});
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(state.slot_table[2].target, other);
}

// A file name may hold a line feed: it stays one file, one argument, one target.
TEST_F(Editing, ADroppedNameWithALineFeedStaysOneFile) {
    const std::string odd = make_file("two\nlines.txt"), plain = make_file("plain.txt");
    drop_files(7, {odd, plain});
    EXPECT_EQ(state.slot_table[7].target, odd);
    EXPECT_EQ(state.slot_table[7].title, "two\nlines");

    std::filesystem::permissions(other, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    drop_files(2, {odd, plain});
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].args, (std::vector<std::string>{odd, plain})) << "two files, two arguments";
}

TEST_F(Editing, TextDroppedOnSlots) {
    http.serve("http://WWW.EXAMPLE.ORG/favicon.ico", {404, ""});
    drop(8, DropKind::Text, "HTTP://WWW.EXAMPLE.ORG/page\n");
    EXPECT_EQ(state.slot_table[8].target, "HTTP://WWW.EXAMPLE.ORG/page");
    EXPECT_EQ(state.slot_table[8].title, "WWW.EXAMPLE.ORG");
    EXPECT_EQ(saved("Run", "Run8"), "HTTP://WWW.EXAMPLE.ORG/page") << "saved at once";
    EXPECT_NE(slot_pixel(8, 16, 16) >> 24, 0u) << "the web picture";
    EXPECT_EQ(library_pixel(8, 16, 16), slot_pixel(8, 16, 16)) << "in the library too";

    drop(2, DropKind::Text, "http://other.example/");
    EXPECT_EQ(dialogs.shown().back().title, "Erreur");
    EXPECT_EQ(state.slot_table[2].target, other);

    drop(2, DropKind::Text, "some words");
    EXPECT_EQ(shell.requests.size(), 1u) << "plain text starts the program";
}

}  // namespace
