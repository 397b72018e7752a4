// Launching slots: what is started, opened or refused, with which arguments
// and folder, and the exact messages, as the fake shell and the scripted
// dialogs saw them. The last tests start real programs through the real shell.
#include "desk/launch.h"

#include <sys/stat.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "platform/desktop_entry.h"
#include "support/fixture.h"
#include "support/recorder.h"
#include "support/shell_requests.h"

namespace {

namespace fs = std::filesystem;
using platform::FakeShell;
using platform::StartFailure;
using Verb = FakeShell::Verb;
using Args = std::vector<std::string>;

const std::string sorry_title = "Désolé / Sorry";
const std::string sorry_text = "Il n'y a pas de programme ici\nSorry, ther is no program here";

class Launch : public test::Scenario {
protected:
    Launch() {
        env.folders[platform::UserFolder::Home] = home;
        fs::create_directories(home);
    }

    // Slot `n` pointing at `target`.
    core::Slot& slot(int n, const std::string& target, int elevated = 0, const std::string& parameters = {},
                     const std::string& start_folder = {}) {
        core::Slot& s = state.slot_table[std::size_t(n)];
        s.number = n;
        s.target = target;
        s.elevated = elevated;
        s.parameters = parameters;
        s.start_folder = start_folder;
        return s;
    }
    // An executable file in the working folder.
    std::string program(const std::string& name) {
        const std::string path = work / name;
        test::write_file(path, "#!/bin/sh\n");
        chmod(path.c_str(), 0755);
        return path;
    }
    std::string document(const std::string& name, const std::string& bytes = {}) {
        const std::string path = work / name;
        test::write_file(path, bytes);
        return path;
    }
    void expect_message(const std::string& title, const std::string& text, rt::MessageIcon icon) {
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].title, title);
        EXPECT_EQ(dialogs.shown()[0].text, text);
        EXPECT_EQ(dialogs.shown()[0].icon, icon);
    }
    void expect_no_message() { EXPECT_TRUE(dialogs.shown().empty()) << dialogs.shown()[0].text; }

    std::string home = work / "home";
};

TEST_F(Launch, WebAddressesOpenInTheBrowserWithoutAnyCheck) {
    // No such files exist: a web address is never looked for on disk.
    for (const std::string target : {"http://example.invalid/a b", "HTTPS://EXAMPLE.INVALID", "Http://x", "hTTp:odd"}) {
        for (int elevated : {0, 1, 7}) {
            SCOPED_TRACE(target + " elevated " + std::to_string(elevated));
            shell.requests.clear();
            slot(4, target, elevated, "'unbalanced", "/nonexistent/folder");
            desk::launch_slot(state, 4);
            EXPECT_EQ(shell.requests, (std::vector<FakeShell::Request>{{Verb::Open, target, {}, {}}}));
            expect_no_message();
            EXPECT_EQ(state.Selected_Slot, 0);
        }
    }
}

TEST_F(Launch, AFreeSlotSaysSorryInBothLanguagesWhateverTheLanguage) {
    for (const char* language : {"Fr", "Us", "De"}) {
        SCOPED_TRACE(language);
        rt::DialogScript script;
        state.Lng = language;
        slot(12, "");
        desk::launch_slot(state, 12);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, sorry_title);
        EXPECT_EQ(script.shown()[0].text, sorry_text);
        EXPECT_EQ(script.shown()[0].icon, rt::MessageIcon::None);
    }
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(Launch, AMissingTargetShowsTheErrorWithTheFullPath) {
    struct Row {
        const char* language;
        const char* title;
        std::string text;
    };
    const std::string target = work / "gone away/Program Name.bin";
    const Row rows[] = {
        {"Fr", "Erreur", "Le programme " + target + " n'existe pas à l'endroit indiqué"},
        {"Us", "Error", "the program " + target + " does not exist"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        rt::DialogScript script;
        state.Lng = row.language;
        slot(7, target, 1);
        desk::launch_slot(state, 7);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, row.title);
        EXPECT_EQ(script.shown()[0].text, row.text);
        EXPECT_EQ(script.shown()[0].icon, rt::MessageIcon::Error);
    }
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(state.Selected_Slot, 0);
}

TEST_F(Launch, AProgramStartsWithItsParametersSplitInItsStartFolder) {
    const std::string tool = program("bin dir/my tool");
    const std::string folder = work / "start here";
    fs::create_directories(folder);
    struct Row {
        const char* name;
        std::string parameters;
        std::string start_folder;
        Args args;
        std::string folder;
    };
    const Row rows[] = {
        {"no parameters, no folder: the program's own folder", "", "", {}, work / "bin dir"},
        {"parameters and folder",
         "-v 'two words' \"$HOME\" `id`;x \\$y",
         folder,
         {"-v", "two words", "$HOME", "`id`;x", "$y"},
         folder},
        {"empty quoted parameter", "\"\" x", folder, {"", "x"}, folder},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        shell.requests.clear();
        slot(30, tool, 0, row.parameters, row.start_folder);
        desk::launch_slot(state, 30);
        EXPECT_EQ(shell.requests, (std::vector<FakeShell::Request>{{Verb::Start, tool, row.args, row.folder}}));
        expect_no_message();
    }
}

TEST_F(Launch, TheElevationFlagChoosesHowAProgramStarts) {
    const std::string tool = program("tool");
    slot(5, tool, 1, "a 'b c'", work.path().string());
    desk::launch_slot(state, 5);
    EXPECT_EQ(state.Selected_Slot, 5);
    EXPECT_EQ(shell.requests,
              (std::vector<FakeShell::Request>{{Verb::StartElevated, tool, {"a", "b c"}, work.path().string()}}));
    expect_no_message();

    // Any other flag value is taken for a free slot.
    shell.requests.clear();
    state.Selected_Slot = 0;
    slot(6, tool, 2);
    desk::launch_slot(state, 6);
    EXPECT_TRUE(shell.requests.empty());
    expect_message(sorry_title, sorry_text, rt::MessageIcon::None);
    EXPECT_EQ(state.Selected_Slot, 0);
}

TEST_F(Launch, UnbalancedParametersAreRefusedNotGuessed) {
    const std::string tool = program("tool");
    struct Row {
        const char* language;
        const char* title;
        std::string text;
    };
    const std::string parameters = "--name \"unfinished";
    const Row rows[] = {
        {"Fr", "Erreur",
         "Les paramètres " + parameters +
             " ne sont pas valides : un guillemet n'est pas fermé ou ils finissent par \\. Rien n'est lancé."},
        {"Us", "Error",
         "the parameters " + parameters +
             " are not valid: a quote is not closed or they end with \\. Nothing was started."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        rt::DialogScript script;
        state.Lng = row.language;
        slot(9, tool, 0, parameters);
        desk::launch_slot(state, 9);
        slot(9, tool, 1, parameters);
        desk::launch_slot_elevated(state, 9);
        ASSERT_EQ(script.shown().size(), 2u);
        for (const auto& shown : script.shown()) {
            EXPECT_EQ(shown.title, row.title);
            EXPECT_EQ(shown.text, row.text);
            EXPECT_EQ(shown.icon, rt::MessageIcon::Error);
        }
    }
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(Launch, DocumentsAndFoldersOpenWithTheOpenerWithoutParameters) {
    const std::string empty_file = document("empty.txt");
    const std::string folder = work / "a folder";
    fs::create_directories(folder);
    for (const std::string& target : {empty_file, folder}) {
        for (int elevated : {0, 1}) {
            SCOPED_TRACE(target);
            shell.requests.clear();
            // Parameters do not apply to an opened document, even broken ones.
            slot(40, target, elevated, "'unbalanced");
            desk::launch_slot(state, 40);
            EXPECT_EQ(shell.requests, (std::vector<FakeShell::Request>{{Verb::Open, target, {}, {}}}));
            expect_no_message();
        }
    }
}

TEST_F(Launch, AnExecutableFileThatIsNoProgramOpensAsADocument) {
    const std::string marked = program("photo.jpg");
    shell.next_results = {{StartFailure::NotExecutable, ENOEXEC}};
    slot(41, marked, 0, "x");
    desk::launch_slot(state, 41);
    EXPECT_EQ(shell.requests, (std::vector<FakeShell::Request>{{Verb::Start, marked, {"x"}, work.path().string()},
                                                               {Verb::Open, marked, {}, {}}}));
    expect_no_message();
}

TEST_F(Launch, FailedStartsAreToldNotSwallowed) {
    const std::string tool = program("tool");
    const std::string paper = document("paper.odt");
    struct Row {
        const char* name;
        std::string target;
        int elevated;
        std::string start_folder;
        std::vector<platform::StartResult> results;
        std::string fr, us;
    };
    const std::string gone = work / "gone";
    const Row rows[] = {
        {"missing start folder",
         tool,
         0,
         gone,
         {},
         "Le dossier de démarrage " + gone + " n'existe pas",
         "the start folder " + gone + " does not exist"},
        {"the start fails",
         tool,
         0,
         "",
         {{StartFailure::Other, ENOMEM}},
         "Le programme " + tool + " n'a pas pu être lancé",
         "the program " + tool + " could not be started"},
        {"no permission",
         tool,
         0,
         "",
         {{StartFailure::NotExecutable, EACCES}},
         "Le programme " + tool + " n'a pas pu être lancé",
         "the program " + tool + " could not be started"},
        {"no pkexec",
         tool,
         1,
         "",
         {{StartFailure::NoProgram, ENOENT}},
         "pkexec est nécessaire pour lancer " + tool + " comme administrateur",
         "pkexec is needed to run " + tool + " as administrator"},
        {"no opener",
         paper,
         0,
         "",
         {{StartFailure::NoProgram, ENOENT}},
         "Aucun programme n'est installé pour ouvrir " + paper + " (xdg-open)",
         "no program is installed to open " + paper + " (xdg-open)"},
    };
    for (const Row& row : rows) {
        for (const char* language : {"Fr", "Us"}) {
            SCOPED_TRACE(std::string(row.name) + " " + language);
            rt::DialogScript script;
            state.Lng = language;
            shell.next_results = row.results;
            slot(50, row.target, row.elevated, "", row.start_folder);
            desk::launch_slot(state, 50);
            ASSERT_EQ(script.shown().size(), 1u);
            EXPECT_EQ(script.shown()[0].title, state.Lng == "Fr" ? "Erreur" : "Error");
            EXPECT_EQ(script.shown()[0].text, state.Lng == "Fr" ? row.fr : row.us);
            EXPECT_EQ(script.shown()[0].icon, rt::MessageIcon::Error);
        }
    }
}

TEST_F(Launch, RunAsAdministratorElevatesProgramsOnly) {
    const std::string tool = program("tool");
    const std::string paper = document("paper.odt");
    slot(60, tool, 0, "-x");
    slot(61, paper, 0);
    slot(62, "https://example.invalid", 0);
    for (int n : {60, 61, 62}) desk::launch_slot_elevated(state, n);
    EXPECT_EQ(shell.requests,
              (std::vector<FakeShell::Request>{{Verb::StartElevated, tool, {"-x"}, work.path().string()},
                                               {Verb::Open, paper, {}, {}},
                                               {Verb::Open, "https://example.invalid", {}, {}}}));
    expect_no_message();

    // The menu checks what a click checks.
    slot(63, "");
    slot(64, work / "missing");
    desk::launch_slot_elevated(state, 63);
    desk::launch_slot_elevated(state, 64);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, sorry_text);
    EXPECT_EQ(dialogs.shown()[1].text, "Le programme " + work / "missing" + " n'existe pas à l'endroit indiqué");
    EXPECT_EQ(shell.requests.size(), 3u);
}

TEST_F(Launch, DroppedFilesReplaceTheParametersOneArgumentEach) {
    const std::string tool = program("tool");
    slot(70, tool, 0, "--ignored", work.path().string());
    desk::launch_with_dropped_files(state, 70, {"/a/one file.txt", "/b/$two;`x`.png", "/e/two\nlines"});
    slot(71, tool, 1, "--ignored");
    desk::launch_with_dropped_files(state, 71, {"/c/three\r"});
    const std::string paper = document("paper.odt");
    slot(72, paper, 0);
    desk::launch_with_dropped_files(state, 72, {"/d/four"});
    EXPECT_EQ(shell.requests,
              (std::vector<FakeShell::Request>{
                  {Verb::Start, tool, {"/a/one file.txt", "/b/$two;`x`.png", "/e/two\nlines"}, work.path().string()},
                  {Verb::StartElevated, tool, {"/c/three\r"}, work.path().string()},
                  {Verb::Open, paper, {}, {}}}));
    expect_no_message();
}

TEST_F(Launch, DroppedTextStartsTheTargetWithoutParameters) {
    const std::string tool = program("tool");
    slot(80, tool, 0, "--not-used 'even broken");
    desk::launch_on_dropped_text(state, 80);
    EXPECT_EQ(shell.requests, (std::vector<FakeShell::Request>{{Verb::Start, tool, {}, work.path().string()}}));
    expect_no_message();
}

TEST_F(Launch, ADesktopEntryRunsItsExecLine) {
    const std::string folder = work / "entry folder";
    fs::create_directories(folder);
    struct Row {
        const char* name;
        std::string entry;
        std::string parameters;
        std::string start_folder;
        std::vector<std::string> installed;
        std::vector<FakeShell::Request> expected;
    };
    const Row rows[] = {
        {"parameters become the files",
         "Exec=edit --new %F\nPath=" + folder,
         "one 'two 2'",
         "",
         {},
         {{Verb::Start, "edit", {"--new", "one", "two 2"}, folder}}},
        {"%f once per parameter, in the home folder",
         "Exec=edit %f",
         "a b",
         "",
         {},
         {{Verb::Start, "edit", {"a"}, work / "home"}, {Verb::Start, "edit", {"b"}, work / "home"}}},
        {"start folder over Path", "Exec=edit\nPath=/nonexistent", "", folder, {}, {{Verb::Start, "edit", {}, folder}}},
        {"terminal",
         "Exec=top -d 1\nTerminal=true",
         "",
         "",
         {"x-terminal-emulator"},
         {{Verb::Start, "/usr/bin/x-terminal-emulator", {"-e", "top", "-d", "1"}, work / "home"}}},
        {"link",
         "Type=Link\nURL=https://example.invalid/x",
         "",
         "",
         {},
         {{Verb::Open, "https://example.invalid/x", {}, {}}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        shell.requests.clear();
        shell.installed = row.installed;
        const std::string path = document("apps/entry.desktop", "[Desktop Entry]\nName=Entry\n" + row.entry + "\n");
        slot(90, path, 0, row.parameters, row.start_folder);
        desk::launch_slot(state, 90);
        EXPECT_EQ(shell.requests, row.expected);
        expect_no_message();
    }
}

TEST_F(Launch, ABrokenDesktopEntryIsTold) {
    struct Row {
        const char* name;
        std::string bytes;
        std::string fr;
    };
    const std::string path = work / "apps/broken.desktop";
    const Row rows[] = {
        {"no entry group", "Exec=edit\n", "Le fichier " + path + " n'est pas un lanceur valide (ligne Exec)"},
        {"no Exec", "[Desktop Entry]\nName=x\n", "Le fichier " + path + " n'est pas un lanceur valide (ligne Exec)"},
        {"unbalanced Exec", "[Desktop Entry]\nExec=\"edit\n",
         "Le fichier " + path + " n'est pas un lanceur valide (ligne Exec)"},
        {"a folder entry", "[Desktop Entry]\nType=Directory\nExec=x\n",
         "Le fichier " + path + " n'est pas un lanceur valide (ligne Exec)"},
        {"oversized", "[Desktop Entry]\nExec=x\n#" + std::string(platform::desktop_entry_max_bytes, 'x'),
         "Le fichier " + path + " n'est pas un lanceur valide (ligne Exec)"},
        {"terminal without a terminal", "[Desktop Entry]\nExec=top\nTerminal=true\n",
         "Aucun terminal (x-terminal-emulator) pour lancer " + path},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rt::DialogScript script;
        test::write_file(path, row.bytes);
        slot(91, path);
        desk::launch_slot(state, 91);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Erreur");
        EXPECT_EQ(script.shown()[0].text, row.fr);
    }
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(Launch, SlotNumbersOutsideTheTableDoNothing) {
    for (int n : {0, -1, 301, 100000}) {
        desk::launch_slot(state, n);
        desk::launch_slot_elevated(state, n);
        desk::launch_with_dropped_files(state, n, {"/x"});
        desk::launch_on_dropped_text(state, n);
    }
    EXPECT_TRUE(shell.requests.empty());
    expect_no_message();
}

// The same journeys through the real shell: the started program tells what it got.
class RealLaunch : public Launch {
protected:
    RealLaunch() { platform::install(services_with(real_shell)); }
    ~RealLaunch() override { platform::install(services_with(shell)); }

    platform::Services services_with(platform::Shell& s) {
        return {&clock, &env, &http, &screen, &speech, &file_icons, &tones, &s, &player};
    }
    platform::LinuxShell real_shell;
};

TEST_F(RealLaunch, AClickStartsTheProgramWithItsParametersInItsStartFolder) {
    const fs::path folder = work.path() / "start 'in' $here ;";
    fs::create_directories(folder);
    const fs::path recorder = work.path() / "programs `x`" / "record $me;\nnow";
    fs::create_directories(recorder.parent_path());
    test::write_recorder(recorder);

    slot(3, recorder.string(), 0, "-v 'two words' \"$HOME\" `id`;x a\\ b", folder.string());
    desk::launch_slot(state, 3);
    auto record = test::wait_for_record(recorder);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, (Args{"-v", "two words", "$HOME", "`id`;x", "a b"}));
    EXPECT_EQ(record->folder, fs::canonical(folder).string());
    expect_no_message();

    fs::remove(test::record_path(recorder));
    desk::launch_with_dropped_files(state, 3, {"/x/one file", "/y/$two"});
    record = test::wait_for_record(recorder);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, (Args{"/x/one file", "/y/$two"}));
}

TEST_F(RealLaunch, ADesktopEntryStartsItsProgramWithTheDroppedFiles) {
    const fs::path recorder = work.path() / "bin" / "recorder";
    fs::create_directories(recorder.parent_path());
    test::write_recorder(recorder);
    const std::string entry = document("apps/recorder.desktop",
                                       "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorder.string() +
                                           " --files %F\nPath=" + work.path().string() + "\n");
    slot(8, entry);
    desk::launch_with_dropped_files(state, 8, {"/a b/c", "/d;e"});
    const auto record = test::wait_for_record(recorder);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, (Args{"--files", "/a b/c", "/d;e"}));
    EXPECT_EQ(record->folder, fs::canonical(work.path()).string());
    expect_no_message();
}

}  // namespace
