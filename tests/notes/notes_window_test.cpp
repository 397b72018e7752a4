// The notes window: the note it loads and saves, its name in the data file,
// its colours and font, and what happens when a file cannot be read or written.
#include "notes/notes_window.h"

#include <sys/stat.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "core/ids.h"
#include "notes/ids.h"
#include "notes_fixture.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace {

using notes::GadgetNoteText;
using rt::ScriptedAnswer;

class NotesWindow : public test::NotesScenario {
protected:
    std::string note_path(const std::string& name = "note.txt") { return working_file(name); }
    std::string status() { return rt::status_text(core::WindowNotes, 0); }
    std::string shown() { return rt::gadget_text(GadgetNoteText); }
    bool save_greyed() { return rt::menu_item_disabled(core::MenuNotes, core::ItemNotesSave); }

    // Opens the window on the note at `name` holding `bytes`.
    void open_on(const std::string& name, const std::string& bytes) {
        test::write_file(note_path(name), bytes);
        state.ToDo_FileName = note_path(name);
        notes::toggle_notes(state);
        ASSERT_TRUE(rt::window_exists(core::WindowNotes));
    }
};

TEST_F(NotesWindow, TheFirstCloseWritesDotTxtInTheWorkingFolderAndTheNextOpeningLoadsIt) {
    notes::toggle_notes(state);
    ASSERT_TRUE(rt::window_exists(core::WindowNotes));
    EXPECT_EQ(rt::window_title(core::WindowNotes), "Notes");
    EXPECT_EQ(shown(), "");
    rt::set_text(GadgetNoteText, "Première ligne\nseconde");
    notes::toggle_notes(state);

    EXPECT_FALSE(rt::window_exists(core::WindowNotes));
    // Windows-1252, CR LF, nothing added.
    EXPECT_EQ(test::read_file(working_file(".txt")), "Premi\xE8re ligne\r\nseconde");
    EXPECT_EQ(stored("ToDo_FileName"), ".txt");

    notes::toggle_notes(state);
    EXPECT_EQ(shown(), "Première ligne\nseconde\n") << "the last line gains its line break";
    notes::toggle_notes(state);
    EXPECT_EQ(test::read_file(working_file(".txt")), "Premi\xE8re ligne\r\nseconde\r\n");
}

TEST_F(NotesWindow, LoadReadsTheThreeEncodingsAndEndsEveryLine) {
    const struct {
        const char* name;
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"8-bit", "caf\xE9\r\n\x80 5", "café\n€ 5\n"},
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\n",
         "café\n"},
        {"UTF-16 mark",
         std::string("\xFF\xFE"
                     "c\0a\0f\0\xE9\0\r\0\n\0x\0",
                     16),
         "café\nx\n"},
        // A note made from dropped text has no mark: it reads as the 8-bit code page.
        {"UTF-8 without mark", "caf\xC3\xA9", "cafÃ©\n"},
        {"lone CR and LF", "a\rb\nc", "a\nb\nc\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open_on("note.txt", c.bytes);
        EXPECT_EQ(shown(), c.shown);
        EXPECT_EQ(stored("ToDo_FileName"), note_path());
        rt::close_window(core::WindowNotes);
    }
}

TEST_F(NotesWindow, ANoteSavedByTheWindowReadsBackIdentically) {
    open_on("note.txt", "un\r\ndeux \x93quotes\x94\r\n");
    notes::save_note(state);
    EXPECT_EQ(test::read_file(note_path()), "un\r\ndeux \x93quotes\x94\r\n");
    EXPECT_EQ(status(), "Sauvegarde OK");
    rt::close_window(core::WindowNotes);
    notes::toggle_notes(state);
    EXPECT_EQ(shown(), "un\ndeux “quotes”\n");
}

TEST_F(NotesWindow, AFailedWriteLeavesThePreviousNoteWholeAndTheWindowOpen) {
    const platform::WriteStep steps[] = {platform::WriteStep::Write, platform::WriteStep::Flush,
                                         platform::WriteStep::Rename};
    for (const auto step : steps) {
        SCOPED_TRACE(static_cast<int>(step));
        open_on("note.txt", "old note\r\n");
        rt::set_text(GadgetNoteText, "new text");
        platform::set_write_fault(platform::WriteFault{step, ENOSPC});
        notes::close_notes(state);
        platform::set_write_fault(std::nullopt);

        EXPECT_EQ(test::read_file(note_path()), "old note\r\n");
        EXPECT_EQ(status(), "Erreur d'écriture pour " + note_path());
        EXPECT_TRUE(rt::window_exists(core::WindowNotes)) << "closing would lose the text";
        EXPECT_EQ(shown(), "new text");
        EXPECT_EQ(names_in(work.path()), (std::vector<std::string>{"Vimo_Desk.ini", "note.txt"}))
            << "no temporary file stays";
        EXPECT_TRUE(dialogs.shown().empty());
        rt::close_window(core::WindowNotes);
    }
}

TEST_F(NotesWindow, AFileThatCannotBeCreatedIsToldInABoxAndChangesNothing) {
    std::filesystem::create_directories(work.path() / "Desktop");
    open_on("note.txt", "old note\r\n");
    rt::set_status_text(core::WindowNotes, 0, "before");
    platform::set_write_fault(platform::WriteFault{platform::WriteStep::Open, EACCES});
    notes::save_note(state);
    platform::set_write_fault(std::nullopt);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Erreur");
    EXPECT_EQ(dialogs.shown()[0].text, "Erreur d'écriture");
    EXPECT_EQ(dialogs.shown()[0].icon, rt::MessageIcon::Error);
    EXPECT_EQ(status(), "before");
    EXPECT_FALSE(save_greyed());
    EXPECT_EQ(test::read_file(note_path()), "old note\r\n");
}

TEST_F(NotesWindow, TextTheEightBitCodePageCannotHoldIsSavedAsUtf8WithItsMark) {
    open_on("note.txt", "x");
    const std::string text = "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";  // café 日本 😀
    rt::set_text(GadgetNoteText, text + "\nfin");
    notes::save_note(state);
    EXPECT_EQ(test::read_file(note_path()), "\xEF\xBB\xBF" + text + "\r\nfin");
    EXPECT_EQ(status(), "Sauvegarde OK, en UTF-8 (caractères hors de Windows-1252)");
    rt::close_window(core::WindowNotes);
    notes::toggle_notes(state);
    EXPECT_EQ(shown(), text + "\nfin\n");
}

TEST_F(NotesWindow, CancellingOpenOrSaveAsChangesNothing) {
    open_on("note.txt", "mine\r\n");
    dialogs.answer(ScriptedAnswer::cancel());
    notes::open_note(state);
    dialogs.answer(ScriptedAnswer::cancel());
    notes::save_note_as(state);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].kind, rt::DialogKind::OpenFile);
    EXPECT_EQ(dialogs.shown()[0].title, "Ouvrir");
    EXPECT_EQ(dialogs.shown()[0].text, note_path());
    EXPECT_EQ(dialogs.shown()[1].kind, rt::DialogKind::SaveFile);
    EXPECT_EQ(dialogs.shown()[1].title, "Sauvegarder sous...");
    EXPECT_EQ(state.ToDo_FileName, note_path());

    rt::set_text(GadgetNoteText, "mine, changed");
    notes::close_notes(state);
    EXPECT_EQ(test::read_file(note_path()), "mine, changed");
    EXPECT_FALSE(std::filesystem::exists(working_file(".txt")));
}

TEST_F(NotesWindow, SaveAsAsksBeforeReplacingAFileAndAddsTheExtension) {
    test::write_file(note_path("other.txt"), "keep me");
    const struct {
        const char* name;
        std::string chosen;
        std::optional<rt::MessageAnswer> replace;  // the answer to the question, when one is asked
        std::string written_to;                    // "" when nothing is written
    } cases[] = {
        {"new name", note_path("fresh.txt"), std::nullopt, note_path("fresh.txt")},
        {"no extension", note_path("plain"), std::nullopt, note_path("plain.txt")},
        {"existing, declined", note_path("other.txt"), rt::MessageAnswer::No, ""},
        {"existing without its extension, declined", note_path("other"), rt::MessageAnswer::No, ""},
        {"existing, accepted", note_path("other.txt"), rt::MessageAnswer::Yes, note_path("other.txt")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open_on("note.txt", "text\r\n");
        rt::DialogScript script;
        script.answer(ScriptedAnswer::typed(c.chosen));
        if (c.replace) script.answer(*c.replace);
        notes::save_note_as(state);

        EXPECT_EQ(script.shown().size(), c.replace ? 2u : 1u);
        if (c.replace) {
            EXPECT_EQ(script.shown()[1].buttons, rt::MessageButtons::YesNo);
            EXPECT_NE(script.shown()[1].text.find(" Existe déjà"), std::string::npos);
        }
        if (c.written_to.empty()) {
            EXPECT_EQ(test::read_file(note_path("other.txt")), "keep me");
            EXPECT_EQ(state.ToDo_FileName, note_path());
        } else {
            EXPECT_EQ(test::read_file(c.written_to), "text\r\n");
            EXPECT_EQ(state.ToDo_FileName, c.written_to);
            EXPECT_EQ(stored("ToDo_FileName"), c.written_to);
            EXPECT_TRUE(save_greyed());
        }
        rt::close_window(core::WindowNotes);
    }
}

TEST_F(NotesWindow, NewEmptiesTheNoteAndGreysSave) {
    open_on("note.txt", "text\r\n");
    EXPECT_FALSE(save_greyed());
    notes::new_note(state);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(state.ToDo_FileName, "");
    EXPECT_TRUE(state.notes.new_note);
    EXPECT_TRUE(save_greyed());
    EXPECT_EQ(test::read_file(note_path()), "text\r\n");
}

TEST_F(NotesWindow, OpenLoadsTheChosenNoteAndStoresItsName) {
    open_on("note.txt", "first\r\n");
    test::write_file(note_path("second.txt"), "second\r\n");
    test::write_file(note_path("empty.txt"), "");
    dialogs.answer(ScriptedAnswer::typed(note_path("second.txt")));
    notes::open_note(state);
    EXPECT_EQ(shown(), "second\n");
    EXPECT_EQ(stored("ToDo_FileName"), note_path("second.txt"));

    // An empty note shows as empty, not as the note opened before.
    dialogs.answer(ScriptedAnswer::typed(note_path("empty.txt")));
    notes::open_note(state);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(state.ToDo_FileName, note_path("empty.txt"));
}

TEST_F(NotesWindow, ANoteThatCannotBeReadIsNeverWrittenOver) {
    ASSERT_EQ(::mkfifo(note_path("fifo.txt").c_str(), 0600), 0);
    {
        std::ofstream(note_path("huge.txt")).close();
        std::filesystem::resize_file(note_path("huge.txt"), 100 * 1024 * 1024);
    }
    const struct {
        const char* name;
        std::string reason;
    } cases[] = {
        {"fifo.txt", "Ce n'est pas un fichier ordinaire."},
        {"huge.txt", "Le fichier dépasse 16 Mo."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt::DialogScript script;
        state.ToDo_FileName = note_path(c.name);
        notes::toggle_notes(state);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].text, "Impossible de lire la note\n" + note_path(c.name) + "\n\n" + c.reason);
        EXPECT_EQ(shown(), "");
        EXPECT_EQ(state.ToDo_FileName, "");
        EXPECT_TRUE(save_greyed());

        rt::set_text(GadgetNoteText, "typed after");
        notes::toggle_notes(state);
        EXPECT_EQ(test::read_file(working_file(".txt")), "typed after");
    }
    struct stat info {};
    ASSERT_EQ(::stat(note_path("fifo.txt").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(std::filesystem::file_size(note_path("huge.txt")), 100u * 1024 * 1024);
}

TEST_F(NotesWindow, ColoursAndFontAreAppliedAndStored) {
    state.ToDo_BG_Color = rt::rgb(1, 2, 3);
    state.ToDo_Txt_Color = rt::rgb(200, 0, 0);
    notes::toggle_notes(state);
    EXPECT_EQ(background(GadgetNoteText), QColor(1, 2, 3));
    EXPECT_EQ(text_colour(GadgetNoteText), QColor(200, 0, 0));

    ScriptedAnswer background_choice, text_choice, font_choice;
    background_choice.colour = rt::rgb(10, 20, 30);
    text_choice.colour = rt::rgb(0, 0, 255);
    font_choice.font = rt::FontChoice{"DejaVu Serif", 14};
    dialogs.answer(background_choice);
    dialogs.answer(text_choice);
    dialogs.answer(font_choice);
    notes::choose_notes_background(state);
    notes::choose_notes_text_colour(state);
    notes::choose_notes_font(state);

    EXPECT_EQ(background(GadgetNoteText), QColor(10, 20, 30));
    EXPECT_EQ(text_colour(GadgetNoteText), QColor(0, 0, 255));
    EXPECT_EQ(editor(GadgetNoteText)->font().family(), "DejaVu Serif");
    EXPECT_EQ(editor(GadgetNoteText)->font().pointSize(), 14);
    EXPECT_EQ(stored("ToDo_BG_Color"), std::to_string(rt::rgb(10, 20, 30)));
    EXPECT_EQ(stored("ToDo_Txt_Color"), std::to_string(rt::rgb(0, 0, 255)));
    EXPECT_EQ(stored("ToDo_Font_Name"), "DejaVu Serif");
    EXPECT_EQ(stored("ToDo_Font_Size"), "14");
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[2].kind, rt::DialogKind::Font);

    // Cancelled choosers change nothing.
    dialogs.answer(ScriptedAnswer::cancel());
    dialogs.answer(ScriptedAnswer::cancel());
    notes::choose_notes_background(state);
    notes::choose_notes_font(state);
    EXPECT_EQ(background(GadgetNoteText), QColor(10, 20, 30));
    EXPECT_EQ(stored("ToDo_Font_Size"), "14");
}

TEST_F(NotesWindow, TheEditorFillsTheWindowBetweenItsBars) {
    notes::toggle_notes(state);
    const struct { int width, height; } sizes[] = {{600, 400}, {1000, 700}, {200, 90}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        rt::resize_window(core::WindowNotes, size.width, size.height);
        notes::lay_out_notes(state);
        const int top = rt::menu_bar_height(core::WindowNotes);
        EXPECT_EQ(rt::gadget_x(GadgetNoteText), 0);
        EXPECT_EQ(rt::gadget_y(GadgetNoteText), top);
        EXPECT_EQ(rt::gadget_width(GadgetNoteText), size.width);
        EXPECT_EQ(rt::gadget_height(GadgetNoteText), size.height - top - rt::status_bar_height(core::WindowNotes));
    }
}

}  // namespace
