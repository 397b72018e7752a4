// The text viewer: what it shows of a file, the files it refuses without
// blocking, its tool bar, and Save As in the encoding the file was read in.
#include "notes/viewer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "core/ids.h"
#include "notes/ids.h"
#include "notes_fixture.h"
#include "rt/dialogs.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/gadget_options.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace {

using notes::GadgetViewerText;
using rt::ScriptedAnswer;

const std::string utf16_text = std::string(
    "\xFF\xFE"
    "c\0a\0f\0\xE9\0\r\0\n\0=\0\x3D\xD8\x00\xDE",
    20);  // café, =😀

class Viewer : public test::NotesScenario {
protected:
    std::string field(int n) { return rt::status_text(core::WindowTextViewer, n); }
    std::string title() { return rt::window_title(core::WindowTextViewer); }
    std::string shown() { return rt::gadget_text(GadgetViewerText); }

    // Opens `bytes` as `name`, then saves it as `copy` and returns what was written.
    std::string round_trip(const std::string& bytes, const std::string& name = "in.txt") {
        test::write_file(working_file(name), bytes);
        notes::open_text_viewer(state, working_file(name));
        rt::DialogScript script;
        script.answer(ScriptedAnswer::typed(working_file("copy.txt")));
        notes::viewer_save_as(state);
        std::string written = test::read_file(working_file("copy.txt"));
        std::filesystem::remove(working_file("copy.txt"));
        return written;
    }
};

TEST_F(Viewer, ShowsTheTextWithItsEncodingAndSize) {
    test::write_file(working_file("u16.txt"), utf16_text);
    notes::open_text_viewer(state, working_file("u16.txt"));
    EXPECT_EQ(title(), "Vimo Duzi Viewer/Editor - " + working_file("u16.txt") + " (UNICODE)");
    EXPECT_EQ(field(0), working_file("u16.txt"));
    EXPECT_EQ(field(1), "20 octets (0.02 ko)");
    EXPECT_EQ(field(2), "UNICODE");
    EXPECT_EQ(field(3), "Chargé.");
    EXPECT_EQ(shown(), "café\n=😀");
    EXPECT_TRUE(rt::editor_read_only(GadgetViewerText));
    EXPECT_FALSE(rt::editor_word_wrap(GadgetViewerText));
    EXPECT_EQ(editor(GadgetViewerText)->font().family(), rt::font_of(core::FontViewer).family());
    EXPECT_EQ(background(GadgetViewerText), QColor(236, 245, 255));
    EXPECT_EQ(text_colour(GadgetViewerText), QColor(0, 64, 128));
}

TEST_F(Viewer, ShowsEachEncodingUpToTheFirstZero) {
    const struct {
        const char* name;
        std::string bytes;
        std::string encoding;
        std::string shown;
    } cases[] = {
        {"8-bit", "caf\xE9\r\nx", "ASCII", "café\nx"},
        {"UTF-8", "\xEF\xBB\xBFk\xC3\xA9", "UTF-8", "ké"},
        {"zero byte", std::string("before\0after", 12), "ASCII", "before"},
        {"zero unit", std::string("\xFF\xFEo\0k\0\0\0n\0", 10), "UNICODE", "ok"},
        {"odd UTF-16", std::string("\xFF\xFEo\0k", 5), "UNICODE", "o\xEF\xBF\xBD"},
        {"invalid UTF-8", "\xEF\xBB\xBF\xC3(", "UTF-8", "\xEF\xBF\xBD("},
        {"unknown mark", "\xFE\xFFx", "ASCII", "\xC3\xBE\xC3\xBFx"},
        {"empty", "", "ASCII", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::write_file(working_file("t.ini"), c.bytes);
        notes::open_text_viewer(state, working_file("t.ini"));
        EXPECT_EQ(field(2), c.encoding);
        EXPECT_EQ(shown(), c.shown);
    }
}

TEST_F(Viewer, SaveAsKeepsTheMarkTheEncodingAndTheLineBreaks) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-16 with CR LF", utf16_text},
        {"8-bit with CR LF", "caf\xE9\r\n\x80 \x9D\r\n"},
        {"8-bit with LF", "un\ndeux\n"},
        {"UTF-8", "\xEF\xBB\xBFk\xC3\xA9\r\nz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(round_trip(c.bytes), c.bytes);
    }
}

TEST_F(Viewer, SaveAsNeverWritesOverAFileOrFolder) {
    test::write_file(working_file("in.txt"), "text");
    test::write_file(working_file("taken.txt"), "taken");
    std::filesystem::create_directory(working_file("folder"));
    notes::open_text_viewer(state, working_file("in.txt"));
    const struct {
        std::string chosen;
        std::string message;
    } cases[] = {
        {working_file("taken.txt"), "Ce Fichier Existe déjà (File Exist)"},
        {working_file("folder"), "Ce Répertoire Existe (Directory Exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        rt::DialogScript script;
        script.answer(ScriptedAnswer::typed(c.chosen));
        notes::viewer_save_as(state);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[0].title, "") << "the save dialog has no title";
        EXPECT_EQ(script.shown()[0].text, working_file("in.txt"));
        EXPECT_EQ(script.shown()[1].title, "Erreur (Error)");
        EXPECT_EQ(script.shown()[1].text, c.message);
        EXPECT_EQ(script.shown()[1].icon, rt::MessageIcon::Warning);
    }
    EXPECT_EQ(test::read_file(working_file("taken.txt")), "taken");
    dialogs.answer(ScriptedAnswer::cancel());
    notes::viewer_save_as(state);
    EXPECT_EQ(names_in(work.path()), (std::vector<std::string>{"Vimo_Desk.ini", "folder", "in.txt", "taken.txt"}));
}

TEST_F(Viewer, AnEditedTextIsSavedAndOneBeyondTheCodePageGoesToUtf8) {
    test::write_file(working_file("in.txt"), "old\r\n");
    notes::open_text_viewer(state, working_file("in.txt"));
    notes::viewer_edit(state);
    EXPECT_FALSE(rt::editor_read_only(GadgetViewerText));
    rt::set_text(GadgetViewerText, "new \xE2\x82\xAC\nline");  // €: in the code page
    dialogs.answer(ScriptedAnswer::typed(working_file("a.txt")));
    notes::viewer_save_as(state);
    EXPECT_EQ(test::read_file(working_file("a.txt")), "new \x80\r\nline");

    rt::set_text(GadgetViewerText, "\xE6\x97\xA5");  // 日: not in it
    dialogs.answer(ScriptedAnswer::typed(working_file("b.txt")));
    notes::viewer_save_as(state);
    EXPECT_EQ(test::read_file(working_file("b.txt")), "\xEF\xBB\xBF\xE6\x97\xA5");
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[2].icon, rt::MessageIcon::Information);
}

TEST_F(Viewer, AFailedSaveIsToldAndLeavesNoFile) {
    test::write_file(working_file("in.txt"), "text");
    notes::open_text_viewer(state, working_file("in.txt"));
    platform::set_write_fault(platform::WriteFault{platform::WriteStep::Write, ENOSPC});
    dialogs.answer(ScriptedAnswer::typed(working_file("out.txt")));
    notes::viewer_save_as(state);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].text, "Erreur d'écriture (Write error) :\n" + working_file("out.txt"));
    EXPECT_FALSE(std::filesystem::exists(working_file("out.txt")));
}

TEST_F(Viewer, FilesThatAreNotReadableTextLeaveTheLoadingTitleAndNeverBlock) {
    ASSERT_EQ(::mkfifo(working_file("fifo.txt").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", working_file("zero.txt").c_str()), 0);
    std::filesystem::create_directory(working_file("folder.txt"));
    {
        std::ofstream(working_file("huge.txt")).close();
        std::filesystem::resize_file(working_file("huge.txt"), 100 * 1024 * 1024);
    }
    const struct {
        const char* name;
        bool told;
    } cases[] = {
        {"fifo.txt", false}, {"zero.txt", false}, {"folder.txt", false}, {"missing.txt", false}, {"huge.txt", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt::DialogScript script;
        notes::open_text_viewer(state, working_file(c.name));
        EXPECT_EQ(title(), "Chargement en cours...");
        EXPECT_EQ(shown(), "");
        EXPECT_EQ(field(3), "");
        ASSERT_EQ(script.shown().size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(script.shown()[0].text,
                      "Fichier trop grand : plus de 16 Mo.\n(File too large: over 16 MB.)\n" + working_file(c.name));
        }
    }
}

TEST_F(Viewer, ToolBarSwitchesWrapAndEditingAndANewFileReplacesTheWindow) {
    test::write_file(working_file("a.txt"), "a");
    test::write_file(working_file("b.txt"), "b");
    notes::open_text_viewer(state, working_file("a.txt"));
    EXPECT_EQ(rt::tool_bar_tooltip(core::WindowTextViewer, core::ItemViewerWordWrap), "Retour à la Ligne (Wordwarp)");
    notes::viewer_word_wrap(state);
    notes::viewer_edit(state);
    EXPECT_TRUE(rt::editor_word_wrap(GadgetViewerText));
    EXPECT_FALSE(rt::editor_read_only(GadgetViewerText));
    notes::viewer_word_wrap(state);
    notes::viewer_edit(state);
    EXPECT_FALSE(rt::editor_word_wrap(GadgetViewerText));
    EXPECT_TRUE(rt::editor_read_only(GadgetViewerText));

    notes::open_text_viewer(state, working_file("b.txt"));
    EXPECT_EQ(shown(), "b");
    EXPECT_EQ(field(0), working_file("b.txt"));
}

TEST_F(Viewer, TheEditorFollowsTheWindowSize) {
    test::write_file(working_file("a.txt"), "a");
    notes::open_text_viewer(state, working_file("a.txt"));
    rt::resize_window(core::WindowTextViewer, 1000, 700);
    // The window's own size event runs the bound layout inside the wait.
    rt::post_event({.kind = rt::EventKind::SizeWindow, .window = core::WindowTextViewer});
    EXPECT_FALSE(rt::wait_event(0).has_value());
    const int top = rt::tool_bar_height(core::WindowTextViewer);
    EXPECT_GT(top, 0);
    EXPECT_EQ(rt::gadget_y(GadgetViewerText), top);
    EXPECT_EQ(rt::gadget_width(GadgetViewerText), 1000);
    EXPECT_EQ(rt::gadget_height(GadgetViewerText), 700 - top - rt::status_bar_height(core::WindowTextViewer) - 5);
}

}  // namespace
