// Drops on the clock bar's texts: which way each file goes, and the notes
// made from dropped text.
#include "notes/drops.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "clock/ids.h"
#include "core/ids.h"
#include "notes_fixture.h"
#include "platform/clock.h"
#include "rt/gadget.h"
#include "rt/timer.h"
#include "rt/window.h"

namespace {

using notes::DroppedFileKind;

TEST(DroppedFileKind, TheExtensionDecidesInAnyLetterCase) {
    const struct {
        const char* path;
        DroppedFileKind kind;
    } cases[] = {
        {"/m/song.mp3", DroppedFileKind::Music},
        {"/m/song.M4A", DroppedFileKind::Music},
        {"/m/song.Flac", DroppedFileKind::Music},
        {"/m/song.ogg", DroppedFileKind::Music},
        {"/m/song.WAV", DroppedFileKind::Music},
        {"/d/notes.Txt", DroppedFileKind::Text},
        {"/d/setup.ini", DroppedFileKind::Text},
        {"/p/a.jpg", DroppedFileKind::Picture},
        {"/p/a.JPEG", DroppedFileKind::Picture},
        {"/p/a.png", DroppedFileKind::Picture},
        {"/p/a.bmp", DroppedFileKind::Picture},
        {"/p/a.Gif", DroppedFileKind::Picture},
        {"/d/archive.zip", DroppedFileKind::Other},
        {"/d/archive.tar.gz", DroppedFileKind::Other},
        {"/d/readme", DroppedFileKind::Other},
        {"/d/notes.txt.bak", DroppedFileKind::Other},
        {"/d.txt/readme", DroppedFileKind::Other},
        {"/d/.txt", DroppedFileKind::Text},
        {"/d/notes.", DroppedFileKind::Other},
        {"/d/notes.txt ", DroppedFileKind::Other},
        {"", DroppedFileKind::Other},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(notes::dropped_file_kind(c.path), c.kind);
    }
}

class ClockDrops : public test::NotesScenario {
protected:
    ClockDrops() { clock.set_local(platform::date_value(2024, 3, 5, 9, 7, 2)); }

    bool drop(int gadget, rt::DropKind kind, const std::string& data) {
        rt::Event e{.kind = rt::EventKind::GadgetDrop, .window = core::WindowDesk, .object = gadget};
        e.drop.kind = kind;
        if (kind != rt::DropKind::Files) e.drop.data = data;
        // Several files: one path a line.
        for (std::size_t start = 0; kind == rt::DropKind::Files && start <= data.size();) {
            const std::size_t end = std::min(data.find('\n', start), data.size());
            e.drop.files.push_back(data.substr(start, end - start));
            start = end + 1;
        }
        return notes::drop_on_clock(state, e);
    }
    std::string notes_folder() { return work / "Desktop/Notes_ana"; }
};

TEST_F(ClockDrops, DroppedTextBecomesANoteNamedAfterTheTimeAndIsAnnounced) {
    const std::string text = "Acheter du pain\ncafé ☕";
    ASSERT_TRUE(drop(core::GadgetTime, rt::DropKind::Text, text));
    const std::string name = "Note_2024-03-05_09-07-02.txt";
    EXPECT_EQ(test::read_file(notes_folder() + "/" + name), text) << "UTF-8 without a mark";

    ASSERT_TRUE(rt::window_exists(core::WindowBanner));
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "Nouvelle Note Créée\r\n" + name);
    EXPECT_EQ(rt::window_timer_period(core::WindowBanner, core::TimerBanner), 2000);
    EXPECT_EQ(state.ToDo_FileName, "") << "the new note does not become the window's note";
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ClockDrops, NotesDroppedInTheSameSecondNeverReplaceEachOther) {
    for (const int gadget :
         {core::GadgetTime, core::GadgetSeconds, core::GadgetMarker, core::GadgetDayName, core::GadgetDate}) {
        ASSERT_TRUE(drop(gadget, rt::DropKind::Text, "text " + std::to_string(gadget)));
    }
    EXPECT_EQ(test::read_file(notes_folder() + "/Note_2024-03-05_09-07-02.txt"), "text 13");
    EXPECT_EQ(test::read_file(notes_folder() + "/Note_2024-03-05_09-07-02_2.txt"), "text 15");
    EXPECT_EQ(test::read_file(notes_folder() + "/Note_2024-03-05_09-07-02_5.txt"), "text 16");
    EXPECT_EQ(names_in(notes_folder()).size(), 5u);
    state.Lng = "Us";
    ASSERT_TRUE(drop(core::GadgetDate, rt::DropKind::Text, "six"));
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "New Note Created\r\nNote_2024-03-05_09-07-02_6.txt");
}

TEST_F(ClockDrops, ANoteThatCannotBeWrittenIsToldAndLeavesNoFile) {
    platform::set_write_fault(platform::WriteFault{platform::WriteStep::Rename, ENOSPC});
    ASSERT_TRUE(drop(core::GadgetTime, rt::DropKind::Text, "lost?"));
    platform::set_write_fault(std::nullopt);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "La note n'a pas pu être créée dans\n" + notes_folder());
    EXPECT_FALSE(rt::window_exists(core::WindowBanner));
    EXPECT_TRUE(names_in(notes_folder()).empty());

    // A desktop that cannot hold the folder: a file stands in its way.
    std::filesystem::remove(notes_folder());
    test::write_file(work / "Desktop/Notes_ana", "in the way");
    ASSERT_TRUE(drop(core::GadgetTime, rt::DropKind::Text, "again"));
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(test::read_file(notes_folder()), "in the way");
}

TEST_F(ClockDrops, DroppedFilesGoByKindAndOnlyClockTextsTakeThem) {
    const std::string text = working_file("a.TXT");
    test::write_file(text, "hello");
    ASSERT_TRUE(drop(core::GadgetDate, rt::DropKind::Files, text + "\n" + working_file("b.txt")));
    EXPECT_EQ(state.notes.viewer.path, text) << "the first of several files opens";
    EXPECT_TRUE(rt::window_exists(core::WindowTextViewer));

    ASSERT_TRUE(drop(core::GadgetSeconds, rt::DropKind::Files, "/d/archive.zip"));
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].verb, platform::FakeShell::Verb::Open);
    EXPECT_EQ(shell.requests[0].program, "/d/archive.zip");

    EXPECT_FALSE(drop(core::GadgetWeek, rt::DropKind::Files, text));
    EXPECT_FALSE(drop(1012, rt::DropKind::Text, "for a slot"));
    EXPECT_FALSE(std::filesystem::exists(notes_folder()));
}

}  // namespace
