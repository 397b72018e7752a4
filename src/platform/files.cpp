// Reading regular files safely, and the one atomic replace of a file.
//
// A temporary file is named "." + the target's name + ".tmp-" + six random
// characters, in the target's folder (so the rename never crosses file
// systems). Its writer holds an exclusive lock on it until the rename, so a
// temporary file whose lock can be taken belongs to a writer that died.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <dirent.h>

namespace platform {

namespace {

std::optional<WriteFault> g_fault;

constexpr std::string_view temporary_infix = ".tmp-";

// Fails the step when a test asked for it.
bool faulted(WriteStep step) {
    if (!g_fault || g_fault->step != step) return false;
    errno = g_fault->error;
    return true;
}

std::pair<std::string, std::string> folder_and_name(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string temporary_prefix(const std::string& path) {
    auto [folder, name] = folder_and_name(path);
    return (folder == "/" ? "" : folder) + "/." + name + std::string(temporary_infix);
}

mode_t process_umask() {
    // umask() can only be read by setting it; the program has one thread.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

void flush_folder(const std::string& path) {
    const int dir = ::open(folder_and_name(path).first.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);  // the rename is done; a failure here cannot undo it
    ::close(dir);
}

}  // namespace

std::string real_path(const std::string& path) {
    char* real = realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string out = real;
    std::free(real);
    return out;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

namespace {

// Opens `path` for reading without blocking and checks that it is a regular
// file; -1 with `status` set when it is not, or cannot be opened.
int open_regular(const std::string& path, ReadStatus& status, struct stat& st) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing
                 : errno == ENXIO || errno == EISDIR ? ReadStatus::NotRegular
                                                     : ReadStatus::Failed;
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        status = ReadStatus::Failed;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        status = ReadStatus::NotRegular;
        return -1;
    }
    return fd;
}

// Reads into `bytes` until it is full or the file ends; the count read, or -1.
ssize_t read_up_to(int fd, std::string& bytes, std::size_t from) {
    std::size_t got = from;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        got += std::size_t(n);
    }
    return ssize_t(got);
}

}  // namespace

ReadResult read_regular_file(const std::string& path, std::int64_t max_bytes) {
    ReadResult result;
    struct stat st {};
    const int fd = open_regular(path, result.status, st);
    if (fd < 0) return result;
    if (st.st_size > max_bytes) {
        ::close(fd);
        result.status = ReadStatus::TooLarge;
        return result;
    }
    std::string& bytes = result.bytes;
    bytes.resize(std::size_t(st.st_size) + 1);  // one byte more sees a file that grew
    std::size_t got = 0;
    for (;;) {
        const ssize_t n = read_up_to(fd, bytes, got);
        if (n < 0) {
            ::close(fd);
            bytes.clear();
            result.status = ReadStatus::Failed;
            return result;
        }
        const bool full = std::size_t(n) == bytes.size();
        got = std::size_t(n);
        if (!full || std::int64_t(got) > max_bytes) break;
        bytes.resize(std::min<std::size_t>(bytes.size() * 2, std::size_t(max_bytes) + 1));
    }
    ::close(fd);
    if (std::int64_t(got) > max_bytes) {
        bytes.clear();
        result.status = ReadStatus::TooLarge;
        return result;
    }
    bytes.resize(got);
    result.status = ReadStatus::Ok;
    return result;
}

ReadResult read_regular_file_start(const std::string& path, std::size_t max_bytes) {
    ReadResult result;
    struct stat st {};
    const int fd = open_regular(path, result.status, st);
    if (fd < 0) return result;
    result.bytes.resize(max_bytes);
    const ssize_t n = read_up_to(fd, result.bytes, 0);
    ::close(fd);
    if (n < 0) {
        result.bytes.clear();
        result.status = ReadStatus::Failed;
        return result;
    }
    result.bytes.resize(std::size_t(n));
    result.status = ReadStatus::Ok;
    return result;
}

FileReplacement::FileReplacement(std::string path) : target_(real_path(path)) {}

FileReplacement::~FileReplacement() { abandon(); }

bool FileReplacement::fail(int error) {
    error_ = error;
    abandon();
    errno = error;
    return false;
}

void FileReplacement::abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool FileReplacement::open() {
    abandon();
    error_ = 0;
    if (faulted(WriteStep::Open)) return fail(errno);
    // The lock marks the file as being written, for remove_stale_temporaries(); one
    // that took it for stale between its creation and the lock has unlinked it.
    for (int attempt = 0; attempt < 3 && fd_ < 0; ++attempt) {
        std::string name = temporary_prefix(target_) + "XXXXXX";
        fd_ = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0) return fail(errno);
        struct stat created {};
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd_, &created) == 0 && created.st_nlink > 0) {
            temporary_ = name;
            break;
        }
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0) return fail(EAGAIN);

    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0) {
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; the file stays ours.
        }
        if (::fchmod(fd_, old.st_mode & 07777) != 0) return fail(errno);
    } else if (::fchmod(fd_, 0644 & ~process_umask()) != 0) {
        return fail(errno);
    }
    return true;
}

bool FileReplacement::write(std::string_view bytes) {
    if (fd_ < 0) return fail(EBADF);
    if (faulted(WriteStep::Write) || !write_all(fd_, bytes)) return fail(errno);
    return true;
}

bool FileReplacement::commit() {
    if (fd_ < 0) return fail(EBADF);
    if (faulted(WriteStep::Flush) || ::fdatasync(fd_) != 0) return fail(errno);
    if (faulted(WriteStep::Rename) || ::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(errno);
    temporary_.clear();  // it is the target now
    ::close(fd_);        // also releases the lock
    fd_ = -1;
    flush_folder(target_);
    return true;
}

bool replace_file(const std::string& path, std::string_view bytes) {
    FileReplacement file(path);
    return file.open() && file.write(bytes) && file.commit();
}

void remove_stale_temporaries(const std::string& path) {
    const std::string prefix = temporary_prefix(real_path(path));
    const auto [folder, start] = folder_and_name(prefix);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(start) || name.size() != start.size() + 6) continue;
        const std::string candidate = (folder == "/" ? "" : folder) + "/" + std::string(name);
        const int fd = ::open(candidate.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        struct stat st {};
        // Its writer holds the lock until the rename: a lock we can take has no writer left.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(candidate.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

void set_write_fault(std::optional<WriteFault> fault) { g_fault = fault; }

}  // namespace platform
