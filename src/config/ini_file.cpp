#include "config/ini_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "platform/files.h"

namespace config {

namespace {

// A peer instance holds the lock only for one open-change-close cycle; past
// this wait it is presumed stuck and the file is used without the lock.
constexpr int lock_wait_ms = 10000;
constexpr int lock_poll_ms = 2;
// A full data file is about 100 KB; anything this large is not one.
constexpr std::size_t max_data_file_bytes = 64 * 1024 * 1024;

void sleep_ms(int ms) {
    timespec t{ms / 1000, long(ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {}
}

std::int64_t now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Takes the lock, or gives up at `deadline_ms`; false when not taken.
bool lock(int fd, bool exclusive, std::int64_t deadline_ms) {
    const int op = (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    for (;;) {
        if (flock(fd, op) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return false;  // no locking here (some network file systems)
        if (now_ms() >= deadline_ms) return false;
        sleep_ms(lock_poll_ms);
    }
}

// Opens `path` and locks it, making sure the locked file is the one the path
// names now: a peer's atomic replace may have swapped it while we waited.
// Past the wait, the file is used without the lock rather than not at all.
int open_locked(const std::string& path, bool create, bool& writable) {
    const std::int64_t deadline = now_ms() + lock_wait_ms;
    for (;;) {
        writable = true;
        // Without blocking: a FIFO or a device must not hold the program (it is refused below).
        int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | (create ? O_CREAT : 0), 0644);
        if (fd < 0 && !create && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            writable = false;
            fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        }
        if (fd < 0) return -1;
        struct stat by_fd {
        }, by_path{};
        if (fstat(fd, &by_fd) != 0 || !S_ISREG(by_fd.st_mode)) {
            ::close(fd);
            return -1;
        }
        const bool locked = lock(fd, writable, deadline);
        if (!locked) return fd;
        if (stat(path.c_str(), &by_path) == 0 && by_path.st_ino == by_fd.st_ino && by_path.st_dev == by_fd.st_dev)
            return fd;
        ::close(fd);
    }
}

// Reads the whole file, which may not pass `max_data_file_bytes`.
bool read_all(int fd, std::string& out) {
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (out.size() + std::size_t(n) > max_data_file_bytes) return false;
        out.append(buffer, std::size_t(n));
    }
}

}  // namespace

IniFile::~IniFile() { close(); }

bool IniFile::open(const std::string& path) {
    close();
    if (path.empty()) return false;
    const std::string real = platform::real_path(path);
    fd_ = open_locked(real, false, writable_);
    if (fd_ < 0) return false;
    std::string bytes;
    if (!read_all(fd_, bytes)) {
        release();
        return false;
    }
    begin(real, ini_read(bytes), false);
    return true;
}

bool IniFile::create(const std::string& path) {
    close();
    if (path.empty()) return false;
    const std::string real = platform::real_path(path);
    fd_ = open_locked(real, true, writable_);
    if (fd_ < 0) return false;
    begin(real, IniDoc{}, true);  // even an untouched new file is written, marked UTF-8
    return true;
}

bool IniFile::close() {
    if (fd_ < 0) return true;
    bool ok = true;
    if (changed_) ok = writable_ && platform::replace_file(path_, ini_write(doc_));
    release();
    return ok;
}

void IniFile::begin(std::string path, IniDoc doc, bool changed) {
    path_ = std::move(path);
    doc_ = std::move(doc);
    changed_ = changed;
    group_name_.clear();
    group_index_ = 0;
    last_group_ = 0;
    last_line_ = -1;
    walk_line_ = -1;
}

void IniFile::release() {
    if (fd_ >= 0) ::close(fd_);  // also releases the lock
    fd_ = -1;
    changed_ = false;
    doc_ = IniDoc{};
}

bool IniFile::select_group(std::string_view name) {
    group_name_ = std::string(name);
    group_index_ = -1;
    walk_line_ = -1;
    for (std::size_t i = 1; i < doc_.groups.size(); ++i) {
        if (same_name(doc_.groups[i].name, name)) {
            group_index_ = int(i);
            return true;
        }
    }
    return false;
}

IniGroup* IniFile::group() {
    if (group_index_ >= 0) return &doc_.groups[std::size_t(group_index_)];
    // First write to a group that does not exist yet: it goes to the end.
    doc_.groups.push_back({group_name_, {}});
    group_index_ = int(doc_.groups.size() - 1);
    return &doc_.groups.back();
}

const IniGroup* IniFile::group() const { return group_index_ >= 0 ? &doc_.groups[std::size_t(group_index_)] : nullptr; }

const IniLine* IniFile::find(std::string_view key) const {
    const IniGroup* g = group();
    if (!g) return nullptr;
    for (const IniLine& line : g->lines)
        if (line.kind == IniLine::Kind::Key && same_name(line.key, key)) return &line;
    return nullptr;
}

std::int64_t IniFile::read_integer(std::string_view key, std::int64_t fallback) const {
    const IniLine* line = find(key);
    return line ? parse_integer(line->value) : fallback;
}

std::int64_t IniFile::read_number(std::string_view key, std::int64_t fallback) const {
    const IniLine* line = find(key);
    return line ? parse_number(line->value) : fallback;
}

double IniFile::read_real(std::string_view key, double fallback) const {
    const IniLine* line = find(key);
    return line ? parse_real(line->value) : fallback;
}

std::string IniFile::read_string(std::string_view key, std::string_view fallback) const {
    const IniLine* line = find(key);
    return std::string(line ? trim_blanks(line->value) : fallback);
}

void IniFile::write_string(std::string_view key, std::string_view value) {
    IniGroup* g = group();
    int last_key = -1;
    for (std::size_t i = 0; i < g->lines.size(); ++i) {
        IniLine& line = g->lines[i];
        if (line.kind != IniLine::Kind::Key) continue;
        if (same_name(line.key, key)) {
            if (line.value != value) {
                line.value = std::string(value);
                changed_ = true;
            }
            last_group_ = group_index_;
            last_line_ = int(i);
            return;
        }
        last_key = int(i);
    }
    // A new key goes after the last key of its group.
    const auto at = last_key < 0 ? g->lines.size() : std::size_t(last_key + 1);
    g->lines.insert(g->lines.begin() + std::ptrdiff_t(at),
                    IniLine{IniLine::Kind::Key, std::string(key), std::string(value)});
    changed_ = true;
    last_group_ = group_index_;
    last_line_ = int(at);
}

void IniFile::write_integer(std::string_view key, std::int64_t value) { write_string(key, std::to_string(value)); }

void IniFile::write_real(std::string_view key, double value) { write_string(key, format_real(value)); }

void IniFile::add_comment(std::string_view text) {
    if (last_line_ < 0) {
        // Nothing written yet: the comment ends the selected group.
        IniGroup* g = group_index_ >= 0 || !group_name_.empty() ? group() : &doc_.groups[0];
        g->lines.push_back({IniLine::Kind::Comment, {}, std::string(text)});
        last_group_ = int(g - doc_.groups.data());
        last_line_ = int(g->lines.size() - 1);
    } else {
        auto& lines = doc_.groups[std::size_t(last_group_)].lines;
        lines.insert(lines.begin() + last_line_ + 1, IniLine{IniLine::Kind::Comment, {}, std::string(text)});
        ++last_line_;
    }
    changed_ = true;
}

void IniFile::remove_group(std::string_view name) {
    for (std::size_t i = doc_.groups.size(); i-- > 1;) {
        if (!same_name(doc_.groups[i].name, name)) continue;
        doc_.groups.erase(doc_.groups.begin() + std::ptrdiff_t(i));
        changed_ = true;
    }
    // Positions into the group list have moved: find the selection again.
    select_group(std::string(group_name_));
    last_group_ = 0;
    last_line_ = -1;
}

void IniFile::remove_key(std::string_view key) {
    if (group_index_ < 0) return;
    auto& lines = doc_.groups[std::size_t(group_index_)].lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::Kind::Key && same_name(lines[i].key, key)) {
            lines.erase(lines.begin() + std::ptrdiff_t(i));
            changed_ = true;
            if (last_group_ == group_index_ && last_line_ >= int(i)) --last_line_;
            return;
        }
    }
}

void IniFile::examine_keys() { walk_line_ = -1; }

bool IniFile::next_key() {
    const IniGroup* g = group();
    if (!g) return false;
    for (std::size_t i = std::size_t(walk_line_ + 1); i < g->lines.size(); ++i) {
        if (g->lines[i].kind == IniLine::Kind::Key) {
            walk_line_ = int(i);
            return true;
        }
    }
    walk_line_ = int(g->lines.size());
    return false;
}

const std::string& IniFile::key_name() const {
    static const std::string none;
    const IniGroup* g = group();
    if (!g || walk_line_ < 0 || walk_line_ >= int(g->lines.size())) return none;
    return g->lines[std::size_t(walk_line_)].key;
}

std::string IniFile::key_value() const {
    const IniGroup* g = group();
    if (!g || walk_line_ < 0 || walk_line_ >= int(g->lines.size())) return {};
    return std::string(trim_blanks(g->lines[std::size_t(walk_line_)].value));
}

}  // namespace config
