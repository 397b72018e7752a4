// Every writer of the program against a write that fails at each step (the
// creation of the temporary file, the write, the flush, the rename, a full
// disk): the old file stays as it was byte for byte, no temporary file stays,
// the user is told as that writer tells (or not at all where the file is the
// program's own business), and the same write succeeds once the fault is gone.
#include <cerrno>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "app/developer_files.h"
#include "app_fixture.h"
#include "config/data_file.h"
#include "config/preferences.h"
#include "desk/icon_library.h"
#include "notes/drops.h"
#include "notes/ids.h"
#include "notes/notes_window.h"
#include "notes/viewer.h"
#include "platform/files.h"
#include "rt/gadget.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace {

namespace fs = std::filesystem;
using platform::WriteStep;

// Each step of a replace failing in turn, then a full disk.
const platform::WriteFault faults[] = {
    {WriteStep::Open, EACCES},  {WriteStep::Write, EIO},    {WriteStep::Flush, EIO},
    {WriteStep::Rename, EXDEV}, {WriteStep::Write, ENOSPC},
};

// The files in `folder` whose names start with a dot: temporary files.
int temporaries_in(const fs::path& folder) {
    int found = 0;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored))
        if (entry.path().filename().string().starts_with(".")) ++found;
    return found;
}

class WriterFaults : public test::AppScenario {
protected:
    void SetUp() override {
        env.folders[platform::UserFolder::Desktop] = work / "Desktop";
        env.login = "ana";
        test::write_file(data(), std::string(data_body) + note() + "\r\n");
        audio_library(2000);
        start();
        ASSERT_EQ(state.Data_File_Path, data());
    }
    void TearDown() override { platform::set_write_fault(std::nullopt); }

    std::string data() { return working_file("Vimo_Desk.ini"); }
    std::string note() { return working_file("note.txt"); }
    std::string notes_folder() { return work / "Desktop/Notes_ana"; }

    // Dialogs shown from now on are the ones told() looks a
    void forget_dialogs() { seen_ = dialogs.shown().size(); }

    // What the user saw since forget_dialogs(): the boxes' titles and texts, then the notes' status.
    std::string told() {
        std::string out;
        for (std::size_t i = seen_; i < dialogs.shown().size(); ++i) {
            const auto& box = dialogs.shown()[i];
            if (box.kind == rt::DialogKind::Message) out += "[" + box.title + "] " + box.text + "\n";
        }
        if (rt::window_exists(core::WindowNotes)) out += "status: " + rt::status_text(core::WindowNotes, 0);
        return out;
    }

    static constexpr std::string_view data_body = "\xEF\xBB\xBF\r\n[Global]\r\nLng = Fr\r\nToDo_FileName = ";

private:
    std::size_t seen_ = 0;
};

struct Writer {
    const char* name;
    std::function<std::string()> file;           // the file replaced; its old version is put there
    std::function<void()> write;                 // the program's own write
    std::function<std::string(WriteStep)> told;  // what the user is told of a failure
};

}  // namespace

TEST_F(WriterFaults, EveryWriterAtEveryStepKeepsTheOldFileTellsTheUserAndGoesOn) {
    const auto data_file_failed = [this](WriteStep) {
        return "[Erreur (Error)] Impossible d'écrire le fichier INI: " + data() + "\n(Can't write INI file: " + data() +
               ")\n";
    };
    const Writer writers[] = {
        {"save all", [this] { return data(); }, [this] { config::save_all(state); }, data_file_failed},
        {"preferences (single key)", [this] { return data(); }, [this] { config::toggle_show_separators(state); },
         data_file_failed},
        {"icon library", [this] { return desk::icon_library_path(state); }, [this] { desk::write_icon_library(state); },
         [](WriteStep) { return std::string(); }},  // the program's own file: silent
        {"note", [this] { return note(); },
         [this] {
             if (!rt::window_exists(core::WindowNotes)) notes::toggle_notes(state);
             rt::set_text(notes::GadgetNoteText, "new text");
             notes::save_note(state);
         },
         [this](WriteStep step) {
             // The temporary file cannot be made: a box, nothing else changes.
             if (step == WriteStep::Open) return std::string("[Erreur] Erreur d'écriture\nstatus: ");
             return "status: Erreur d'écriture pour " + note();
         }},
        {"developer files", [this] { return working_file("version_ID.txt"); },
         [this] { app::write_developer_files(state); },
         [](WriteStep) { return std::string(); }},  // for the web site: skipped
    };
    for (const Writer& writer : writers) {
        for (const auto& fault : faults) {
            SCOPED_TRACE(std::string(writer.name) + ", step " + std::to_string(int(fault.step)) + ", errno " +
                         std::to_string(fault.error));
            const std::string path = writer.file();
            const std::string old_bytes = "old version of " + std::string(writer.name) + "\r\n";
            // The data file's old version stays one the program reads.
            test::write_file(path, path == data() ? std::string(data_body) + note() + "\r\n" : old_bytes);
            const std::string before = test::read_file(path);
            forget_dialogs();

            platform::set_write_fault(fault);
            writer.write();
            platform::set_write_fault(std::nullopt);

            EXPECT_EQ(test::read_file(path), before) << "the old file stays whole";
            EXPECT_EQ(temporaries_in(fs::path(path).parent_path()), 0);
            EXPECT_EQ(told(), writer.told(fault.step));

            // The program goes on: the same write, without the fault, replaces the file.
            forget_dialogs();
            writer.write();
            EXPECT_NE(test::read_file(path), before) << "written once the fault is gone";
            EXPECT_EQ(temporaries_in(fs::path(path).parent_path()), 0);
            EXPECT_EQ(told().find('['), std::string::npos) << told();
            if (rt::window_exists(core::WindowNotes)) rt::close_window(core::WindowNotes);
        }
    }
}

// Writers that only ever make a new file (a dropped text's note; the
// viewer's save-as, which never replaces a file): a failure at any step
// leaves no file behind, not even the empty one that claimed the name.
TEST_F(WriterFaults, NewFilesThatCannotBeWrittenAtAnyStepLeaveNoFileAndAreTold) {
    fs::create_directories(notes_folder());
    test::write_file(working_file("viewed.txt"), "viewed");
    const struct {
        const char* name;
        std::string folder;  // where the new file goes
        std::function<void()> write;
        std::string told;
    } writers[] = {
        {"dropped note", notes_folder(), [this] { notes::new_note_from_text(state, "dropped"); },
         "[Erreur] La note n'a pas pu être créée dans\n" + notes_folder() + "\n"},
        {"viewer save as", working_file("saved"),
         [this] {
             notes::open_text_viewer(state, working_file("viewed.txt"));
             dialogs.answer(rt::ScriptedAnswer::typed(working_file("saved/new.txt")));
             notes::viewer_save_as(state);
         },
         "[Erreur (Error)] Erreur d'écriture (Write error) :\n" + working_file("saved/new.txt") + "\n"},
    };
    for (const auto& writer : writers) {
        fs::create_directories(writer.folder);
        for (const auto& fault : faults) {
            SCOPED_TRACE(std::string(writer.name) + ", step " + std::to_string(int(fault.step)) + ", errno " +
                         std::to_string(fault.error));
            forget_dialogs();
            platform::set_write_fault(fault);
            writer.write();
            platform::set_write_fault(std::nullopt);
            EXPECT_EQ(told(), writer.told);
            EXPECT_TRUE(fs::is_empty(writer.folder));
        }
        forget_dialogs();
        writer.write();
        EXPECT_EQ(std::distance(fs::directory_iterator(writer.folder), {}), 1) << "the program goes on";
        EXPECT_EQ(temporaries_in(writer.folder), 0);
    }
}
