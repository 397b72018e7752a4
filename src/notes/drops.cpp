// Drops on the clock bar's texts; see drops.h.
#include "notes/drops.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>

#include "clock/banner.h"
#include "core/ids.h"
#include "desk/launch.h"
#include "music/player.h"
#include "notes/note_files.h"
#include "notes/picture.h"
#include "notes/texts.h"
#include "notes/viewer.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/colour.h"
#include "rt/dialogs.h"
#include "rt/dragdrop.h"
#include "rt/gadget.h"

namespace notes {
namespace {

struct ExtensionRow {
    std::string_view extension;  // upper case, without the dot
    DroppedFileKind kind;
};

constexpr ExtensionRow extension_kinds[] = {
    {"M4A", DroppedFileKind::Music},   {"FLAC", DroppedFileKind::Music},  {"MP3", DroppedFileKind::Music},
    {"OGG", DroppedFileKind::Music},   {"WAV", DroppedFileKind::Music},   {"TXT", DroppedFileKind::Text},
    {"INI", DroppedFileKind::Text},    {"JPG", DroppedFileKind::Picture}, {"JPEG", DroppedFileKind::Picture},
    {"PNG", DroppedFileKind::Picture}, {"BMP", DroppedFileKind::Picture}, {"GIF", DroppedFileKind::Picture},
};

// The clock texts that take drops: time, day name, seconds, date, AM/PM marker.
constexpr std::array clock_texts = {core::GadgetTime, core::GadgetDayName, core::GadgetSeconds, core::GadgetDate,
                                    core::GadgetMarker};

constexpr core::Colour note_banner_colour = rt::rgb(255, 250, 205);
constexpr int note_banner_seconds = 2;

// Letters a to z become A to Z; other bytes stay (an extension in another
// script matches none of ours anyway).
std::string upper_case(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
    return out;
}

// Claims `path` by creating it empty; true when it was already there. Any
// other failure leaves the path to the write, which reports it.
bool already_taken(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EEXIST;
}

void tell_note_failed(const core::State& s, const std::string& folder) {
    rt::message_box(texts::note_failed_title.in(s.Lng), texts::note_failed.in(s.Lng) + folder, rt::MessageButtons::Ok,
                    rt::MessageIcon::Error);
}

}  // namespace

DroppedFileKind dropped_file_kind(std::string_view path) {
    const std::string name = platform::file_name(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return DroppedFileKind::Other;
    const std::string extension = upper_case(std::string_view(name).substr(dot + 1));
    for (const ExtensionRow& row : extension_kinds)
        if (row.extension == extension) return row.kind;
    return DroppedFileKind::Other;
}

bool drop_on_clock(core::State& s, const rt::Event& e) {
    if (std::find(clock_texts.begin(), clock_texts.end(), e.object) == clock_texts.end()) return false;
    switch (e.drop.kind) {
    case rt::DropKind::Files:
        // Of several files, the first one opens.
        if (!e.drop.files.empty() && !e.drop.files.front().empty()) open_dropped_file(s, e.drop.files.front());
        break;
    case rt::DropKind::Text: new_note_from_text(s, e.drop.data); break;
    case rt::DropKind::Image:
    case rt::DropKind::None: break;
    }
    return true;
}

void prepare_clock_drops() {
    for (int gadget : clock_texts)
        rt::set_drag_enter_action(gadget, [](const rt::DropData& drop) {
            if (drop.kind == rt::DropKind::Files && !drop.files.empty() &&
                dropped_file_kind(drop.files.front()) == DroppedFileKind::Music)
                platform::media_player().warm_up();
        });
}

void open_dropped_file(core::State& s, const std::string& path) {
    stop_animation(s);
    switch (dropped_file_kind(path)) {
    case DroppedFileKind::Music:
        rt::set_text(core::GadgetNowPlaying, "");
        music::play_one_file(s, path);
        break;
    case DroppedFileKind::Text: open_text_viewer(s, path); break;
    case DroppedFileKind::Picture: open_picture(s, path); break;
    case DroppedFileKind::Other: desk::open_with_desktop(s, path); break;
    }
}

void new_note_from_text(core::State& s, const std::string& text) {
    platform::Environment& env = platform::environment();
    const std::string folder = dropped_notes_folder(env.user_folder(platform::UserFolder::Desktop), env.login_name());
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);

    const auto path = new_dropped_note_path(folder, platform::clock().local_now(), already_taken);
    if (!path) {
        tell_note_failed(s, folder);
        return;
    }
    if (!platform::replace_file(*path, text)) {
        // Only the empty file that claimed the name, if any, goes.
        if (std::filesystem::file_size(*path, ignored) == 0) std::filesystem::remove(*path, ignored);
        tell_note_failed(s, folder);
        return;
    }
    clocks::show_notice(s, texts::note_created.in(s.Lng) + platform::file_name(*path), "", note_banner_colour,
                        note_banner_seconds);
}

}  // namespace notes
