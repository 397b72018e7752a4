// Real starts: a recording program in a temporary folder tells what argument
// vector, working folder and session it got. Names and arguments carry the
// characters a shell would act on, so any shell on the way would show. The
// openers and pkexec are stand-ins put first on PATH by the test.
#include "platform/shell.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/desktop_entry.h"
#include "support/fixture.h"
#include "support/recorder.h"

namespace {

namespace fs = std::filesystem;
using platform::LinuxShell;
using platform::StartFailure;

// Characters a shell would expand, split on, run or stop at.
const std::string hostile = "a b 'c' \"d\" $HOME `id` $(id) ; e | f & g * ~ # \\ \n h";

using test::TempFolder;

void write(const fs::path& p, const std::string& bytes,
           fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    fs::permissions(p, perms);
}

// True when the test process has no child left: the start left no zombie.
bool no_child_left() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

class Shell : public ::testing::Test {
protected:
    TempFolder temp;
    LinuxShell shell;
    fs::path bin = temp.path() / "bin";
    // Only our stand-ins and the basic tools are found.
    test::ScopedVariable path{"PATH", (temp.path() / "bin").string() + ":/usr/bin:/bin"};
};

TEST_F(Shell, StartsExactlyTheNamedFileWithExactlyTheGivenArguments) {
    struct Row {
        const char* name;
        std::string folder;  // under the temporary folder
        std::string file;
        std::vector<std::string> args;
    };
    const Row rows[] = {
        {"plain", "work", "recorder", {"one", "two"}},
        {"no arguments", "work", "recorder", {}},
        {"empty arguments kept", "work", "recorder", {"", "x", ""}},
        {"hostile arguments", "work", "recorder", {hostile, "a;b", "`id`", "$(id)", "line\nbreak", "-x", "--", "*"}},
        {"hostile names", "dir 'q' \"dq\" $HOME `id` ;\nline", "rec $USER `x`;\n'y' \"z\".sh", {"p q"}},
        {"leading dash", "-folder", "-recorder", {"-"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path folder = temp.path() / row.folder;
        fs::create_directories(folder);
        const fs::path program = temp.path() / "programs" / row.file;
        fs::create_directories(program.parent_path());
        test::write_recorder(program);

        const auto result = shell.start(program.string(), row.args, folder.string());
        ASSERT_TRUE(result) << "failure " << int(result.failure) << " errno " << result.error_number;
        EXPECT_TRUE(no_child_left());
        const auto record = test::wait_for_record(program);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->args, row.args);
        EXPECT_EQ(record->folder, folder.string());
        EXPECT_GT(record->session, 0) << "the session was not read";
        EXPECT_NE(record->session, long(getsid(0))) << "the program must have its own session";
        fs::remove(test::record_path(program));
    }
}

TEST_F(Shell, BareNamesAreFoundOnPathAndAnEmptyFolderKeepsOurs) {
    test::write_recorder(bin / "vd-recorder");
    ASSERT_TRUE(shell.start("vd-recorder", {"x y"}, ""));
    const auto record = test::wait_for_record(bin / "vd-recorder");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, std::vector<std::string>{"x y"});
    EXPECT_EQ(record->folder, fs::canonical(fs::current_path()).string());
    EXPECT_EQ(shell.find_program("vd-recorder"), (bin / "vd-recorder").string());
    EXPECT_EQ(shell.find_program("vd-no-such-program"), std::nullopt);
}

TEST_F(Shell, FailuresSayWhy) {
    const fs::path garbage = temp.path() / "garbage";  // executable, but no program format
    write(garbage, "\x01\x02 not a program\n", fs::perms::owner_all);
    const fs::path document = temp.path() / "document.txt";  // not executable
    write(document, "text\n");
    const fs::path recorder = temp.path() / "recorder";
    test::write_recorder(recorder);
    struct Row {
        const char* name;
        std::string program;
        std::string folder;
        StartFailure failure;
        int error_number;
    };
    const Row rows[] = {
        {"missing file", (temp.path() / "missing").string(), "", StartFailure::NoProgram, ENOENT},
        {"unknown bare name", "vd-no-such-program", "", StartFailure::NoProgram, ENOENT},
        {"empty name", "", "", StartFailure::NoProgram, ENOENT},
        {"no program format", garbage.string(), "", StartFailure::NotExecutable, ENOEXEC},
        {"no permission", document.string(), "", StartFailure::NotExecutable, EACCES},
        {"a folder", temp.path().string(), "", StartFailure::NotExecutable, EACCES},
        {"missing working folder", recorder.string(), (temp.path() / "gone").string(), StartFailure::Folder, ENOENT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = shell.start(row.program, {"arg"}, row.folder);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.failure, row.failure);
        EXPECT_EQ(result.error_number, row.error_number);
        EXPECT_TRUE(no_child_left());
    }
    EXPECT_FALSE(fs::exists(test::record_path(recorder)));
}

TEST_F(Shell, OpenGivesTheTargetToTheDesktopsOpenerAsOneArgument) {
    struct Row {
        const char* name;
        std::vector<std::string> installed;  // stand-ins on PATH
        std::string target;
        std::string opener;  // the one that must run; "" when none may
        std::vector<std::string> args;
    };
    const std::string web = "https://example.invalid/a b?q=$HOME&x=`id`;y";
    const Row rows[] = {
        {"xdg-open first", {"xdg-open", "gio"}, web, "xdg-open", {web}},
        {"gio without xdg-open", {"gio"}, "/tmp/a file.txt", "gio", {"open", "/tmp/a file.txt"}},
        {"a leading dash is no option", {"xdg-open"}, "-rf file", "xdg-open", {"./-rf file"}},
        {"mail address",
         {"xdg-open"},
         "mailto:someone@example.invalid?subject=a b",
         "xdg-open",
         {"mailto:someone@example.invalid?subject=a b"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(bin);
        fs::create_directories(bin);
        for (const auto& name : row.installed) test::write_recorder(bin / name);
        // Only the stand-ins: a real opener of this machine must not run.
        test::ScopedVariable only_ours{"PATH", bin.string()};
        ASSERT_TRUE(shell.open(row.target));
        const auto record = test::wait_for_record(bin / row.opener);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->args, row.args);
        for (const auto& name : row.installed) {
            if (name != row.opener) {
                EXPECT_FALSE(fs::exists(test::record_path(bin / name))) << name << " ran too";
            }
        }
    }

    fs::remove_all(bin);
    fs::create_directories(bin);
    test::ScopedVariable nothing{"PATH", bin.string()};
    const auto result = shell.open(web);
    EXPECT_EQ(result.failure, StartFailure::NoProgram);
}

TEST_F(Shell, ElevatedStartsGoThroughPkexecAndEnvIntoTheFolder) {
    // The stand-in pkexec records what it was given and runs it, as the real
    // one does after the password.
    test::write_recorder(bin / "pkexec", "exec \"$@\"");
    const fs::path program = temp.path() / "tools $x" / "recorder `y`";
    fs::create_directories(program.parent_path());
    test::write_recorder(program);
    const fs::path folder = temp.path() / "start 'here' ;";
    fs::create_directories(folder);
    test::ScopedVariable display{"DISPLAY", ":77"};
    test::ScopedVariable authority{"XAUTHORITY", "/tmp/x authority"};
    const std::vector<std::string> args{hostile, "", "--"};

    ASSERT_TRUE(shell.start_elevated(program.string(), args, folder.string()));
    const auto pkexec = test::wait_for_record(bin / "pkexec");
    ASSERT_TRUE(pkexec);
    std::vector<std::string> expected{*shell.find_program("env"),
                                      "-C",
                                      folder.string(),
                                      "DISPLAY=:77",
                                      "XAUTHORITY=/tmp/x authority",
                                      program.string()};
    expected.insert(expected.end(), args.begin(), args.end());
    EXPECT_EQ(pkexec->args, expected);
    const auto started = test::wait_for_record(program);
    ASSERT_TRUE(started);
    EXPECT_EQ(started->args, args);
    EXPECT_EQ(started->folder, folder.string());
    EXPECT_TRUE(no_child_left());
}

TEST_F(Shell, ElevatedStartsRefuseWhatTheyCannotDoSafely) {
    const fs::path recorder = temp.path() / "recorder";
    test::write_recorder(recorder);
    const fs::path with_equals = temp.path() / "a=b" / "recorder";
    fs::create_directories(with_equals.parent_path());
    test::write_recorder(with_equals);

    // Without pkexec.
    EXPECT_EQ(shell.start_elevated(recorder.string(), {}, temp.path().string()).failure, StartFailure::NoProgram);

    test::write_recorder(bin / "pkexec", "exec \"$@\"");
    struct Row {
        const char* name;
        std::string program;
        std::string folder;
        StartFailure failure;
    };
    const Row rows[] = {
        {"missing program", (temp.path() / "missing").string(), temp.path().string(), StartFailure::NoProgram},
        {"missing folder", recorder.string(), (temp.path() / "gone").string(), StartFailure::Folder},
        // env would take the path for a variable and run something else.
        {"an equals sign in the path", with_equals.string(), temp.path().string(), StartFailure::Other},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shell.start_elevated(row.program, {}, row.folder).failure, row.failure);
    }
    EXPECT_FALSE(fs::exists(test::record_path(bin / "pkexec")));
}

// The desktop entry's Exec value for running `program` with `tail`: the
// program quoted as the format asks, then the string escapes.
std::string exec_value(const std::string& program, const std::string& tail) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += "\" " + tail;
    std::string value;
    for (char c : quoted) {
        if (c == '\\') value += "\\\\";
        else if (c == '\n') value += "\\n";
        else value += c;
    }
    return value;
}

TEST_F(Shell, ADesktopEntryRunsItsExecLineWithTheFiles) {
    const fs::path program = temp.path() / "app $HOME `id`" / "run \"me\";\nnow";
    fs::create_directories(program.parent_path());
    test::write_recorder(program);
    const fs::path entry_path = temp.path() / "app.desktop";
    const std::string bytes =
        "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + exec_value(program.string(), "--open %F") +
        "\nPath=" + temp.path().string() + "\n";
    write(entry_path, bytes);

    const auto entry = platform::parse_desktop_entry(bytes);
    ASSERT_TRUE(entry);
    const std::vector<std::string> files{"/tmp/one file", "/tmp/$two;`x`"};
    const auto lines = platform::exec_command_lines(*entry, files, entry_path.string());
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u);
    const auto& line = lines->front();
    ASSERT_TRUE(shell.start(line.front(), {line.begin() + 1, line.end()}, entry->path));
    const auto record = test::wait_for_record(program);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, (std::vector<std::string>{"--open", "/tmp/one file", "/tmp/$two;`x`"}));
    EXPECT_EQ(record->folder, temp.path().string());
}

TEST(ElevatedCommandLine, IsPkexecEnvFolderVariablesProgramArguments) {
    EXPECT_EQ(platform::elevated_command_line("/usr/bin/pkexec", "/usr/bin/env", "/opt/a b/x", {"-y", ""}, "/w d",
                                              {"DISPLAY=:0"}),
              (std::vector<std::string>{"/usr/bin/pkexec", "/usr/bin/env", "-C", "/w d", "DISPLAY=:0", "/opt/a b/x",
                                        "-y", ""}));
    for (const char* refused : {"relative/x", "x", "", "/opt/a=b/x"})
        EXPECT_EQ(platform::elevated_command_line("/p", "/e", refused, {}, "/", {}), std::nullopt) << refused;
}

}  // namespace
