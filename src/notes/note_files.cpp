// Note and viewer files; see note_files.h.
#include "notes/note_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/clock.h"

namespace notes {
namespace {

constexpr std::string_view note_prefix = "Note_";
constexpr std::string_view note_date_mask = "%yyyy-%mm-%dd_%hh-%ii-%ss";
constexpr std::string_view note_extension = ".txt";
constexpr std::string_view notes_folder_prefix = "Notes_";
constexpr char separator = '/';

// Bytes asked of the system at each read.
constexpr std::size_t read_chunk = 64 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

TextFile read_text_file(const std::string& path, std::size_t cap) {
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return {ReadStatus::CannotOpen, {}};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return {ReadStatus::ReadError, {}};
    if (!S_ISREG(info.st_mode)) return {ReadStatus::NotRegularFile, {}};
    if (info.st_size < 0 || std::uint64_t(info.st_size) > cap) return {ReadStatus::TooLarge, {}};

    TextFile result{ReadStatus::Ok, {}};
    result.bytes.reserve(std::size_t(info.st_size));
    for (;;) {
        // One byte past the cap tells a file that grew over it.
        const std::size_t room = cap - std::min(cap, result.bytes.size()) + 1;
        const std::size_t want = std::min(read_chunk, room);
        const std::size_t old_size = result.bytes.size();
        result.bytes.resize(old_size + want);
        const ssize_t got = ::read(file.get(), result.bytes.data() + old_size, want);
        if (got < 0 && errno == EINTR) {
            result.bytes.resize(old_size);
            continue;
        }
        if (got < 0) return {ReadStatus::ReadError, {}};
        result.bytes.resize(old_size + std::size_t(got));
        if (got == 0) break;
        if (result.bytes.size() > cap) return {ReadStatus::TooLarge, {}};
    }
    return result;
}

std::string dropped_notes_folder(std::string_view desktop_folder, std::string_view login_name) {
    std::string folder(desktop_folder);
    if (!folder.empty() && folder.back() != separator) folder += separator;
    folder += notes_folder_prefix;
    folder += login_name;
    return folder;
}

std::string dropped_note_name(std::int64_t date_value) {
    return std::string(note_prefix) + platform::format_date(note_date_mask, date_value) + std::string(note_extension);
}

std::optional<std::string> new_dropped_note_path(std::string_view folder, std::int64_t date_value,
                                                 const std::function<bool(const std::string&)>& taken) {
    std::string stem(folder);
    if (!stem.empty() && stem.back() != separator) stem += separator;
    const std::string name = dropped_note_name(date_value);
    stem.append(name, 0, name.size() - note_extension.size());
    for (int number = 1; number <= max_notes_per_second; ++number) {
        std::string path = stem;
        if (number > 1) path += "_" + std::to_string(number);
        path += note_extension;
        if (!taken(path)) return path;
    }
    return std::nullopt;
}

}  // namespace notes
