// Launching slots. What "start through the shell" means here: an executable
// file is spawned directly with its arguments (split from the slot's
// parameters as a shell would split them, never given to a shell); a
// ".desktop" file runs its Exec line; anything else opens with the desktop's
// opener, to which parameters do not apply.
#include "desk/launch.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

#include "desk/launch_texts.h"
#include "desk/layout.h"
#include "platform/desktop_entry.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/shell_words.h"
#include "rt/dialogs.h"

namespace desk {

namespace {

namespace fs = std::filesystem;
namespace texts = launch_texts;
using platform::StartFailure;
using platform::StartResult;

enum class Rights { User, Administrator };
enum class TargetKind { Executable, DesktopEntry, Document };

bool valid_slot(int slot) { return slot >= 1 && slot <= core::slot_count_max; }

void sorry() { rt::message_box(std::string(texts::sorry_title), std::string(texts::sorry)); }

void error_box(const core::State& s, const texts::Message& m, const std::string& subject) {
    rt::message_box(texts::error_title.in(s.Lng), m.before.in(s.Lng) + subject + m.after.in(s.Lng),
                    rt::MessageButtons::Ok, rt::MessageIcon::Error);
}

TargetKind classify(const std::string& target) {
    std::error_code ec;
    if (!fs::is_regular_file(target, ec))
        return TargetKind::Document;  // folders, devices and the like open with the opener
    std::string extension = fs::path(target).extension().string();
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".desktop") return TargetKind::DesktopEntry;
    // access() also says no for files on a partition mounted without exec.
    return access(target.c_str(), X_OK) == 0 ? TargetKind::Executable : TargetKind::Document;
}

bool is_folder(const std::string& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

// Says why a start failed; `subject` names the target in the message.
void report(const core::State& s, const StartResult& r, Rights rights, const std::string& subject,
            const std::string& folder) {
    switch (r.failure) {
    case StartFailure::None: return;
    case StartFailure::Folder: error_box(s, texts::bad_folder, folder); return;
    case StartFailure::NoProgram:
        // The target was there a moment ago; a missing program is then pkexec.
        error_box(s, rights == Rights::Administrator ? texts::no_pkexec : texts::missing, subject);
        return;
    case StartFailure::NotExecutable:
    case StartFailure::Other: error_box(s, texts::not_started, subject); return;
    }
}

bool open_target(const core::State& s, const std::string& target) {
    const StartResult r = platform::shell().open(target);
    if (r.failure == StartFailure::NoProgram) error_box(s, texts::no_opener, target);
    else if (!r) error_box(s, texts::not_started, target);
    return bool(r);
}

StartResult start(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                  Rights rights) {
    auto& shell = platform::shell();
    return rights == Rights::Administrator ? shell.start_elevated(program, args, folder)
                                           : shell.start(program, args, folder);
}

void run_desktop_entry(const core::State& s, const core::Slot& slot, const std::vector<std::string>& files,
                       Rights rights) {
    const auto file = platform::read_regular_file(slot.target, std::int64_t(platform::desktop_entry_max_bytes));
    const auto entry =
        file.ok() ? platform::parse_desktop_entry(file.bytes, platform::messages_locale(platform::environment()))
                  : std::nullopt;
    if (!entry) {
        error_box(s, texts::bad_launcher, slot.target);
        return;
    }
    if (entry->type == "Link" && !entry->url.empty()) {
        open_target(s, entry->url);
        return;
    }
    const auto lines = entry->type == "Application" || entry->type.empty()
                           ? platform::exec_command_lines(*entry, files, slot.target)
                           : std::nullopt;
    if (!lines) {
        error_box(s, texts::bad_launcher, slot.target);
        return;
    }
    // The slot's own start folder wins over the entry's; without either, the
    // home folder, as the desktop's menus do.
    std::string folder = slot.start_folder;
    if (folder.empty()) folder = entry->path;
    if (folder.empty()) folder = platform::environment().user_folder(platform::UserFolder::Home);
    if (!is_folder(folder)) {
        error_box(s, texts::bad_folder, folder);
        return;
    }
    std::optional<std::string> terminal;
    if (entry->terminal) {
        terminal = platform::shell().find_program("x-terminal-emulator");
        if (!terminal) {
            error_box(s, texts::no_terminal, slot.target);
            return;
        }
    }
    for (const auto& line : *lines) {
        std::string program = line.front();
        std::vector<std::string> args(line.begin() + 1, line.end());
        if (terminal) {
            args.insert(args.begin(), program);
            args.insert(args.begin(), "-e");
            program = *terminal;
        }
        const StartResult r = start(program, args, folder, rights);
        if (!r) {
            report(s, r, rights, program, folder);
            return;
        }
    }
}

// Runs an occupied slot whose target exists. `given`: the arguments, or
// nothing for the slot's own parameters.
void run_target(const core::State& s, const core::Slot& slot, std::optional<std::vector<std::string>> given,
                Rights rights) {
    const TargetKind kind = classify(slot.target);
    if (kind == TargetKind::Document) {
        open_target(s, slot.target);
        return;
    }
    if (!given) {
        given = platform::split_shell_arguments(slot.parameters);
        if (!given) {
            error_box(s, texts::bad_parameters, slot.parameters);
            return;
        }
    }
    if (kind == TargetKind::DesktopEntry) {
        run_desktop_entry(s, slot, *given, rights);
        return;
    }

    // Without a start folder a program starts in its own folder, where
    // programs carried from elsewhere expect their files.
    const std::string folder =
        slot.start_folder.empty() ? fs::path(slot.target).parent_path().string() : slot.start_folder;
    if (!folder.empty() && !is_folder(folder)) {
        error_box(s, texts::bad_folder, folder);
        return;
    }
    const StartResult r = start(slot.target, *given, folder, rights);
    // An executable file that is no program (a document on a partition that
    // marks every file executable) is a document after all.
    if (r.failure == StartFailure::NotExecutable && r.error_number == ENOEXEC && rights == Rights::User) {
        open_target(s, slot.target);
        return;
    }
    report(s, r, rights, slot.target, folder);
}

// The checks every launch makes: a web address opens at once, a free slot and
// a missing target are told. True when the target is there to be run.
bool ready(const core::State& s, const core::Slot& slot) {
    if (is_web_target(slot.target)) {
        open_target(s, slot.target);
        return false;
    }
    if (slot.target.empty()) {
        sorry();
        return false;
    }
    std::error_code ec;
    if (!fs::exists(slot.target, ec)) {
        error_box(s, texts::missing, slot.target);
        return false;
    }
    return true;
}

// A launch with the rights the slot's flag asks for; any flag but 0 or 1 is
// taken for a free slot.
void launch_as_flagged(const core::State& s, int n, std::optional<std::vector<std::string>> given) {
    if (!valid_slot(n)) return;
    const core::Slot& slot = s.slot_table[std::size_t(n)];
    if (!ready(s, slot)) return;
    if (slot.elevated != 0 && slot.elevated != 1) {
        sorry();
        return;
    }
    run_target(s, slot, std::move(given), slot.elevated == 1 ? Rights::Administrator : Rights::User);
}

}  // namespace

void launch_slot(core::State& s, int slot) {
    if (!valid_slot(slot)) return;
    const core::Slot& entry = s.slot_table[std::size_t(slot)];
    if (!ready(s, entry)) return;
    if (entry.elevated == 0) {
        run_target(s, entry, std::nullopt, Rights::User);
    } else if (entry.elevated == 1) {
        s.Selected_Slot = slot;
        launch_slot_elevated(s, s.Selected_Slot);
    } else {
        sorry();
    }
}

void launch_slot_elevated(const core::State& s, int slot) {
    if (!valid_slot(slot)) return;
    const core::Slot& entry = s.slot_table[std::size_t(slot)];
    if (ready(s, entry)) run_target(s, entry, std::nullopt, Rights::Administrator);
}

void launch_with_dropped_files(const core::State& s, int slot, const std::vector<std::string>& files) {
    std::vector<std::string> args;
    for (const std::string& file : files)
        if (!file.empty()) args.push_back(file);
    launch_as_flagged(s, slot, std::move(args));
}

void launch_on_dropped_text(const core::State& s, int slot) { launch_as_flagged(s, slot, std::vector<std::string>{}); }

bool open_with_desktop(const core::State& s, const std::string& target) { return open_target(s, target); }

}  // namespace desk
