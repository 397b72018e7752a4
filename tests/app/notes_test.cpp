// The notes window, the viewers and the clock texts' drops through the real
// start-up and the dispatch: a note, its colours and font across a restart;
// drops routed by the texts they land on; the ways the windows close.
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <algorithm>

#include "app_fixture.h"
#include "core/ids.h"
#include "notes/ids.h"
#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/menu.h"
#include "rt/timer.h"
#include "rt/window.h"
#include "rt/window_bars.h"
#include "support/gif_file.h"

using rt::EventKind;
using rt::ScriptedAnswer;

namespace {

class NotesThroughTheDesk : public test::AppScenario {
protected:
    void SetUp() override {
        env.folders[platform::UserFolder::Desktop] = work / "Desktop";
        start_with("[Global]\r\nLng = Fr\r\n");
    }

    void notes_button() {
        dispatch({.kind = EventKind::Gadget,
                  .window = core::WindowDesk,
                  .object = core::GadgetNotes,
                  .type = rt::EventType::LeftClick});
    }
    void notes_menu(int item) { dispatch({.kind = EventKind::Menu, .window = core::WindowNotes, .object = item}); }
    void drop(int gadget, rt::DropKind kind, const std::string& data) {
        rt::Event e{.kind = EventKind::GadgetDrop, .window = core::WindowDesk, .object = gadget};
        e.drop.kind = kind;
        if (kind != rt::DropKind::Files) e.drop.data = data;
        // Several files: one path a line.
        for (std::size_t start = 0; kind == rt::DropKind::Files && start <= data.size();) {
            const std::size_t end = std::min(data.find('\n', start), data.size());
            e.drop.files.push_back(data.substr(start, end - start));
            start = end + 1;
        }
        dispatch(e);
    }
    static QPlainTextEdit* note_editor() {
        return static_cast<QPlainTextEdit*>(rt::gadget_widget(notes::GadgetNoteText));
    }
    void restart() {
        rt::shutdown();
        state = {};
        start();
    }
};

TEST_F(NotesThroughTheDesk, TheNoteItsColoursAndItsFontComeBackAfterARestart) {
    notes_button();
    ASSERT_TRUE(rt::window_exists(core::WindowNotes));
    ScriptedAnswer background, font;
    background.colour = rt::rgb(200, 230, 255);
    font.font = rt::FontChoice{"DejaVu Sans Mono", 12};
    dialogs.answer(ScriptedAnswer::typed(working_file("todo.txt")));
    dialogs.answer(background);
    dialogs.answer(font);
    rt::set_text(notes::GadgetNoteText, "lait\noeufs");
    notes_menu(core::ItemNotesSaveAs);
    notes_menu(core::ItemNotesBackground);
    notes_menu(core::ItemNotesFont);
    rt::set_text(notes::GadgetNoteText, "lait\noeufs\nbeurre");
    dispatch({.kind = EventKind::CloseWindow, .window = core::WindowNotes});
    EXPECT_FALSE(rt::window_exists(core::WindowNotes));
    EXPECT_EQ(test::read_file(working_file("todo.txt")), "lait\r\noeufs\r\nbeurre");

    restart();
    notes_button();
    ASSERT_TRUE(rt::window_exists(core::WindowNotes));
    EXPECT_EQ(rt::gadget_text(notes::GadgetNoteText), "lait\noeufs\nbeurre\n");
    EXPECT_EQ(note_editor()->palette().color(QPalette::Base), QColor(200, 230, 255));
    EXPECT_EQ(note_editor()->font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(note_editor()->font().pointSize(), 12);
    notes_menu(core::ItemNotesClose);
    EXPECT_FALSE(rt::window_exists(core::WindowNotes));
}

TEST_F(NotesThroughTheDesk, QuittingSavesTheOpenNote) {
    notes_button();
    rt::set_text(notes::GadgetNoteText, "not lost");
    EXPECT_THROW(menu(core::ItemDeskQuit), app::ProgramEnd);
    EXPECT_EQ(test::read_file(working_file(".txt")), "not lost");
}

TEST_F(NotesThroughTheDesk, ClockTextsTakeTextAndFilesWhileSlotsKeepTheirs) {
    drop(core::GadgetDayName, rt::DropKind::Text, "une idée");
    const auto notes_folder = work.path() / "Desktop" / "Notes_tester";
    ASSERT_TRUE(std::filesystem::exists(notes_folder));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(notes_folder), {}), 1);

    test::write_file(working_file("read me.TXT"), "hello");
    drop(core::GadgetTime, rt::DropKind::Files, working_file("read me.TXT"));
    EXPECT_EQ(rt::gadget_text(notes::GadgetViewerText), "hello");
    dispatch({.kind = EventKind::Menu, .window = core::WindowTextViewer, .object = core::ItemViewerEdit});
    dispatch({.kind = EventKind::CloseWindow, .window = core::WindowTextViewer});
    EXPECT_FALSE(rt::window_exists(core::WindowTextViewer));

    // A file dropped on a free slot still fills the slot.
    drop(state.slot_table[3].control, rt::DropKind::Files, working_file("read me.TXT"));
    EXPECT_EQ(state.slot_table[3].target, working_file("read me.TXT"));
}

TEST_F(NotesThroughTheDesk, APictureClosesByAClickOrItsCloseBox) {
    const std::string gif = working_file("a.gif");
    test::write_file(gif, test::gif_file(2, 2, {{test::GifRed, 5}, {test::GifBlue, 5}}));
    for (const EventKind closing : {EventKind::LeftClick, EventKind::CloseWindow}) {
        drop(core::GadgetSeconds, rt::DropKind::Files, gif);
        ASSERT_TRUE(rt::window_exists(core::WindowPicture));
        // Clicks on the picture itself are the window's: its gadget events are ignored.
        dispatch({.kind = EventKind::Gadget, .window = core::WindowPicture, .object = notes::GadgetAnimation});
        ASSERT_TRUE(rt::window_exists(core::WindowPicture));
        dispatch({.kind = closing, .window = core::WindowPicture});
        EXPECT_FALSE(rt::window_exists(core::WindowPicture));
        EXPECT_EQ(rt::window_timer_period(core::WindowPicture, core::TimerAnimation), 0);
    }
}

TEST_F(NotesThroughTheDesk, TheNotesWindowIsLaidOutWhenItsSizeChanges) {
    notes_button();
    rt::resize_window(core::WindowNotes, 900, 650);
    dispatch({.kind = EventKind::SizeWindow, .window = core::WindowNotes});
    EXPECT_EQ(rt::gadget_width(notes::GadgetNoteText), 900);
    EXPECT_EQ(rt::gadget_height(notes::GadgetNoteText),
              650 - rt::menu_bar_height(core::WindowNotes) - rt::status_bar_height(core::WindowNotes));
}

}  // namespace
