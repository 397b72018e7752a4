// Two running instances share one data file: each single-key write opens the
// file under its lock, reads it as it is now and writes it back, so writes
// from two processes at once lose nothing, and a save-all of one in between
// keeps the keys the other wrote.
//
//   vd_two_instances_test [--writes N]     N single-key writes per process (default 500)
//   vd_two_instances_test --child ...      (used by the test itself)
//
// Rounds:
//   keys      processes A and B each write N keys of their own, at the same time
//   save_all  B writes N keys while A loads the file once and saves all again
//             and again, until B's last key is there
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/data_file.h"
#include "config/ini_file.h"
#include "core/state.h"
#include "rt/dialogs.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view group = "Instances";
// A's saves-all stop here, should B's last key never come.
constexpr int max_saves_all = 100000;

// A full data file: 300 slots in each slot group.
std::string full_data_file() {
    std::string text = "\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 1\r\nY_Origin = 1\r\nLng = Fr\r\n";
    for (const char* name : {"Run", "ToolTip", "Parameters", "StartDirectory"}) {
        text += std::string("[") + name + "]\r\n";
        const std::string prefix = std::string(name) == "Parameters"       ? "Param"
                                   : std::string(name) == "StartDirectory" ? "Dir"
                                                                           : name;
        for (int n = 1; n <= 300; ++n) text += prefix + std::to_string(n) + " = Title " + std::to_string(n) + "\r\n";
    }
    return text;
}

core::State state_for(const fs::path& folder) {
    core::State s;
    s.Data_File_Path = (folder / "Vimo_Desk.ini").string();
    s.Data_Folder = folder.string() + "/";
    return s;
}

// Waits until the parent closes the start pipe, so that both children begin together.
void wait_for_start(int start_fd) {
    char byte;
    while (::read(start_fd, &byte, 1) > 0) {}
    ::close(start_fd);
}

// Child: `writes` single-key writes, keys letter + 1, letter + 2, ... Exit 0 when every one succeeded.
int write_keys(const std::string& letter, const fs::path& folder, int writes) {
    const core::State s = state_for(folder);
    int failed = 0;
    for (int n = 1; n <= writes; ++n)
        if (!config::set_integer_key(s, group, letter + std::to_string(n), n)) ++failed;
    return failed == 0 ? 0 : 1;
}

// Child: one load, then save-all again and again from what it loaded, until
// `last_key` is in the file. Prints how many.
int save_all_again(const fs::path& folder, const std::string& last_key) {
    core::State s = state_for(folder);
    if (config::load_data_file(s) != config::LoadResult::Loaded) return 3;
    int n = 0;
    while (n < max_saves_all && !config::read_integer_key(s, group, last_key)) {
        s.slot_table[1].title = "Saved " + std::to_string(++n);
        if (!config::save_all(s)) return 1;
    }
    std::printf("%d\n", n);
    return 0;
}

pid_t start_child(const char* self, std::vector<std::string> arguments, int start_fd, int close_fd) {
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(close_fd);
        std::vector<char*> argv{const_cast<char*>(self), const_cast<char*>("--child")};
        arguments.push_back(std::to_string(start_fd));
        for (auto& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(self, argv.data());
        _exit(127);
    }
    return pid;
}

// Runs the children given, started together; true when each one exits with 0.
bool run_together(const char* self, const std::vector<std::vector<std::string>>& children) {
    int start[2];
    if (pipe(start) != 0) std::abort();
    std::vector<pid_t> pids;
    for (const auto& arguments : children) pids.push_back(start_child(self, arguments, start[0], start[1]));
    ::close(start[0]);
    ::close(start[1]);  // go
    bool ok = true;
    for (const pid_t pid : pids) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "a child failed (status %d)\n", status);
            ok = false;
        }
    }
    return ok;
}

struct Found {
    int kept = 0;          // keys with the value written
    int alternations = 0;  // changes from one writer's key to the other's, in file order
};

// The keys of `letters` in the group, checked against the values written.
Found check_keys(const fs::path& folder, const std::string& letters, int writes) {
    config::IniFile ini;
    Found found;
    if (!ini.open((folder / "Vimo_Desk.ini").string()) || !ini.select_group(group)) return found;
    char previous = 0;
    ini.examine_keys();
    while (ini.next_key()) {
        const std::string& name = ini.key_name();
        if (name.empty() || letters.find(name[0]) == std::string::npos) continue;
        if (previous && name[0] != previous) ++found.alternations;
        previous = name[0];
    }
    for (const char letter : letters)
        for (int n = 1; n <= writes; ++n)
            if (ini.read_integer(std::string(1, letter) + std::to_string(n), -1) == n) ++found.kept;
    return found;
}

void prepare(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "Vimo_Desk.ini", std::ios::binary) << full_data_file();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--child") == 0) {
        rt::DialogScript dialogs;  // a failure's box is answered, never shown
        const std::string mode = argc > 2 ? argv[2] : "";
        if (mode == "keys" && argc == 7) {
            wait_for_start(std::atoi(argv[6]));
            return write_keys(argv[3], argv[4], std::atoi(argv[5]));
        }
        if (mode == "save_all" && argc == 6) {
            wait_for_start(std::atoi(argv[5]));
            return save_all_again(argv[3], argv[4]);
        }
        return 2;
    }

    int writes = 500;
    if (argc == 3 && std::strcmp(argv[1], "--writes") == 0) writes = std::atoi(argv[2]);
    const fs::path folder = fs::temp_directory_path() / ("vd-two-" + std::to_string(getpid()));
    const std::string count = std::to_string(writes);
    int failures = 0;

    prepare(folder);
    bool ran = run_together(argv[0], {{"keys", "A", folder, count}, {"keys", "B", folder, count}});
    Found found = check_keys(folder, "AB", writes);
    std::printf("keys      A and B, %d writes each: %d / %d keys kept, %d alternations between the writers\n", writes,
                found.kept, 2 * writes, found.alternations);
    // Without an alternation the two did not write at the same time, and nothing was shown.
    if (!ran || found.kept != 2 * writes || found.alternations < 2) ++failures;

    prepare(folder);
    std::fflush(stdout);
    ran = run_together(argv[0], {{"save_all", folder, "B" + count}, {"keys", "B", folder, count}});
    found = check_keys(folder, "B", writes);
    config::IniFile ini;
    const bool saved = ini.open((folder / "Vimo_Desk.ini").string()) && ini.select_group("ToolTip") &&
                       ini.read_string("ToolTip1", "").starts_with("Saved ");
    std::printf("save_all  B's %d writes during A's saves-all (count above): %d / %d keys kept, A's save-all %s\n",
                writes, found.kept, writes, saved ? "there" : "MISSING");
    if (!ran || found.kept != writes || !saved) ++failures;

    fs::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
