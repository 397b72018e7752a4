// Writes cut short by SIGKILL never tear a file: each kind of write the
// program makes is started in a child process again and again and killed at
// a random moment while it writes; the file must then hold the old version or
// the new one, byte for byte, and the cleanup of the next start must leave no
// temporary file beside it.
//
//   vd_kill_test [--kills N] [KIND...]      N kills of each kind (default 100)
//   vd_kill_test --child KIND FOLDER FD     (used by the test itself)
//
// Kinds: save_all, single_key, icon_library, playlist, note.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "config/data_file.h"
#include "core/ids.h"
#include "core/state.h"
#include "desk/icon_library.h"
#include "music/playlist_file.h"
#include "notes/ids.h"
#include "notes/notes_window.h"
#include "platform/files.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/window.h"

namespace fs = std::filesystem;

namespace {

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A full data file: 300 slots in each slot group, 30 separators.
std::string full_data_file(const std::string& title) {
    std::string text = "\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 1\r\nY_Origin = 1\r\nLng = Fr\r\n";
    for (const auto& [group, prefix] : {std::pair{"Run", "Run"}, std::pair{"ToolTip", "ToolTip"},
                                        std::pair{"Parameters", "Param"}, std::pair{"StartDirectory", "Dir"}}) {
        text += std::string("[") + group + "]\r\n";
        for (int n = 1; n <= 300; ++n)
            text += prefix + std::to_string(n) + " = " +
                    (std::string(group) == "ToolTip" ? title + std::to_string(n) : std::string()) + "\r\n";
    }
    text += "[Separators]\r\n";
    for (int n = 1; n <= 30; ++n)
        text += "Separator" + std::string(n < 10 ? "00" : "0") + std::to_string(n) + " = Z\r\n";
    return text;
}

std::vector<std::string> playlist(const std::string& name) {
    std::vector<std::string> entries;
    for (int n = 1; n <= 2000; ++n) entries.push_back("/music/" + name + "/" + std::to_string(n) + ".mp3");
    return entries;
}

// The child calls `ready` once what comes before the write is done; the kill
// falls after it.
using Ready = std::function<void()>;

// A long note: the text the editor holds, and the file the save makes of it.
std::string note_text(const std::string& name) {
    std::string text;
    for (int n = 1; n <= 5000; ++n) text += name + " ligne numéro " + std::to_string(n) + "\n";
    return text;
}

std::string note_bytes(const std::string& name) {
    std::string bytes;
    for (int n = 1; n <= 5000; ++n) bytes += name + " ligne num\xE9ro " + std::to_string(n) + "\r\n";
    return bytes;
}

struct Kind {
    std::string file;                                                       // the file written, in the folder
    std::function<void(const fs::path& folder)> prepare;                    // puts the old version in place
    std::function<void(const fs::path& folder, const Ready& ready)> write;  // the program's write, in the child
    // What the next start does to the file's folder; by default the removal
    // of the temporaries beside the file.
    std::function<void(const fs::path& folder)> next_start = {};
};

core::State state_for(const fs::path& folder) {
    core::State s;
    s.Data_File_Path = (folder / "Vimo_Desk.ini").string();
    s.Data_Folder = folder.string() + "/";
    return s;
}

const std::map<std::string, Kind>& kinds() {
    static const std::map<std::string, Kind> table = {
        {"save_all",
         {"Vimo_Desk.ini", [](const fs::path& f) { write(f / "Vimo_Desk.ini", full_data_file("Old ")); },
          [](const fs::path& f, const Ready& ready) {
              core::State s = state_for(f);
              if (config::load_data_file(s) != config::LoadResult::Loaded) std::_Exit(3);
              for (int n = 1; n <= 300; ++n) s.slot_table[std::size_t(n)].title = "New " + std::to_string(n);
              ready();
              if (!config::save_all(s)) std::_Exit(4);
          }}},
        {"single_key",
         {"Vimo_Desk.ini", [](const fs::path& f) { write(f / "Vimo_Desk.ini", full_data_file("Old ")); },
          [](const fs::path& f, const Ready& ready) {
              const core::State s = state_for(f);
              ready();
              if (!config::set_string_key(s, "Global", "Lng", "Us")) std::_Exit(4);
          }}},
        {"icon_library",
         {"Vimo_Desk.lib",
          [](const fs::path& f) { write(f / "Vimo_Desk.lib", std::string("\x89PNG old library stands in here", 30)); },
          [](const fs::path& f, const Ready& ready) {
              core::State s = state_for(f);
              for (int n = 1; n <= 299; ++n) {
                  auto& slot = s.slot_table[std::size_t(n)];
                  slot.picture = 1000 + n;
                  rt::create_image(slot.picture, 32, 32, std::uint32_t(n * 7919) & 0xFFFFFF);
              }
              ready();
              if (!desk::write_icon_library(s)) std::_Exit(4);
          }}},
        {"playlist",
         {"list.m3u", [](const fs::path& f) { write(f / "list.m3u", music::playlist_bytes(playlist("old"))); },
          [](const fs::path& f, const Ready& ready) {
              ready();
              if (!platform::replace_file((f / "list.m3u").string(), music::playlist_bytes(playlist("new"))))
                  std::_Exit(4);
          }}},
        {"note",
         {"note.txt",
          [](const fs::path& f) {
              write(f / "note.txt", note_bytes("old"));
              write(f / "Vimo_Desk.ini",
                    "\xEF\xBB\xBF\r\n[Global]\r\nToDo_FileName = " + (f / "note.txt").string() + "\r\n");
          },
          [](const fs::path& f, const Ready& ready) {
              // The notes window opened on the old note, its text replaced, then saved.
              core::State s = state_for(f);
              s.ToDo_FileName = (f / "note.txt").string();
              notes::toggle_notes(s);
              if (!rt::window_exists(core::WindowNotes)) std::_Exit(3);
              rt::set_text(notes::GadgetNoteText, note_text("new"));
              ready();
              notes::save_note(s);
              if (!rt::gadget_text(notes::GadgetNoteText).starts_with("new")) std::_Exit(4);
          },
          [](const fs::path& f) {
              // The next opening of the notes window on that note.
              core::State s = state_for(f);
              s.ToDo_FileName = (f / "note.txt").string();
              if (config::load_data_file(s) != config::LoadResult::Loaded) std::abort();
              notes::toggle_notes(s);
              rt::close_window(core::WindowNotes);
          }}},
    };
    return table;
}

// The program's services, fake where they would reach outside the folder.
struct Services {
    platform::FakeClock clock;
    platform::FakeEnvironment env;
    platform::FakeHttp http;
    platform::FakeScreen screen;
    platform::FakeSpeech speech;
    platform::FakeFileIcons icons;
    platform::FakeTones tones;
    platform::FakeShell shell;
    platform::FakeMediaPlayer player;
    rt::DialogScript dialogs;  // a failure's box is answered, never shown
    Services() { platform::install({&clock, &env, &http, &screen, &speech, &icons, &tones, &shell, &player}); }
};

// The child: tells the parent it is about to write, then writes.
int child(const std::string& kind, const fs::path& folder, int ready_fd) {
    Services services;
    kinds().at(kind).write(folder, [ready_fd] {
        const char go = 'g';
        if (::write(ready_fd, &go, 1) != 1) std::_Exit(2);
        ::close(ready_fd);
    });
    return 0;
}

struct Run {
    bool finished = false;                 // the write ended before the kill
    std::chrono::microseconds writing{0};  // from the start of the write to the child's end
};

// Starts a child writing `kind` in `folder` and kills it `delay` after it said it starts.
Run run_child(const char* self, const std::string& kind, const fs::path& folder, std::chrono::microseconds delay) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(pipe_fds[0]);
        const std::string fd = std::to_string(pipe_fds[1]);
        execl(self, self, "--child", kind.c_str(), folder.c_str(), fd.c_str(), nullptr);
        _exit(127);
    }
    ::close(pipe_fds[1]);
    char go = 0;
    const bool started = ::read(pipe_fds[0], &go, 1) == 1;
    ::close(pipe_fds[0]);
    const auto writing = std::chrono::steady_clock::now();
    int status = 0;
    // Waits for the child until the delay is over, then kills what is left of it.
    const auto deadline = writing + delay;
    while (started && waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    const auto ended = std::chrono::steady_clock::now();
    if (kill(pid, SIGKILL) == 0) waitpid(pid, &status, 0);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0,
            std::chrono::duration_cast<std::chrono::microseconds>(ended - writing)};
}

}  // namespace

int main(int argc, char** argv) {
    // The notes window needs the toolkit, in the child and in the next start;
    // the other kinds start without it, so that a kill costs less.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::optional<QApplication> toolkit;
    const auto needs_toolkit = [&](const std::string& kind) {
        if (kind == "note" && !toolkit) toolkit.emplace(argc, argv);
    };
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0) {
        needs_toolkit(argv[2]);
        return child(argv[2], argv[3], std::atoi(argv[4]));
    }

    int kills = 100;
    std::vector<std::string> chosen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--kills") == 0 && i + 1 < argc) kills = std::atoi(argv[++i]);
        else chosen.emplace_back(argv[i]);
    }
    if (chosen.empty())
        for (const auto& [name, kind] : kinds()) chosen.push_back(name);
    for (const std::string& name : chosen) needs_toolkit(name);

    Services services;  // for the next start's own work
    std::mt19937 random(std::random_device{}());
    const fs::path folder = fs::temp_directory_path() / ("vd-kill-" + std::to_string(getpid()));
    int failures = 0;
    for (const std::string& name : chosen) {
        const auto found = kinds().find(name);
        if (found == kinds().end()) {
            std::fprintf(stderr, "unknown kind %s\n", name.c_str());
            return 2;
        }
        const Kind& kind = found->second;
        // The two versions, and how long the write takes once it starts.
        fs::remove_all(folder);
        fs::create_directories(folder);
        kind.prepare(folder);
        const std::string old_bytes = read(folder / kind.file);
        const Run whole = run_child(argv[0], name, folder, std::chrono::seconds(30));
        if (!whole.finished) {
            std::fprintf(stderr, "%s: the write fails even when not killed\n", name.c_str());
            return 1;
        }
        const std::string new_bytes = read(folder / kind.file);
        const auto window = whole.writing;

        int olds = 0, news = 0, torn = 0, stale = 0;
        for (int k = 0; k < kills; ++k) {
            fs::remove_all(folder);
            fs::create_directories(folder);
            kind.prepare(folder);
            // Kills spread over the whole write, and a little past it.
            std::uniform_int_distribution<long> delay(0, window.count() * 5 / 4);
            run_child(argv[0], name, folder, std::chrono::microseconds(delay(random)));
            const std::string bytes = read(folder / kind.file);
            if (bytes == old_bytes) ++olds;
            else if (bytes == new_bytes) ++news;
            else ++torn;
            if (kind.next_start) kind.next_start(folder);
            else platform::remove_stale_temporaries((folder / kind.file).string());
            for (const auto& entry : fs::directory_iterator(folder))
                if (entry.path().filename().string().starts_with(".")) ++stale;
        }
        std::printf("%-13s %5d kills: %5d old, %5d new, %d torn, %d temporary files left (write %.1f ms)\n",
                    name.c_str(), kills, olds, news, torn, stale, double(window.count()) / 1000);
        std::fflush(stdout);
        if (torn || stale) ++failures;
    }
    fs::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
