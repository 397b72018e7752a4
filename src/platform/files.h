// Files from outside, read safely, and files the program writes, replaced
// atomically. Every file the program reads that it did not just write comes
// through read_regular_file(); every file it writes goes through
// replace_file() or a FileReplacement.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class ReadStatus {
    Ok,
    Missing,     // no such file, or a folder on the way is missing
    NotRegular,  // a folder, FIFO, socket or device: never opened for reading
    TooLarge,    // larger than the cap given
    Failed,      // no permission, or the read itself failed
};

struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;  // the whole file when status is Ok
    bool ok() const { return status == ReadStatus::Ok; }
};

// The file a path names, through any symbolic links; `path` itself when it
// names nothing yet.
std::string real_path(const std::string& path);

// Reads the whole file at `path` when it is a regular file of at most
// `max_bytes`. The file is opened without blocking and checked before any
// read, so a FIFO or a device never holds the program; a file that grows while
// it is read is cut at the cap and reported TooLarge.
[[nodiscard]] ReadResult read_regular_file(const std::string& path, std::int64_t max_bytes);

// The first `max_bytes` bytes (or fewer, when the file is shorter) of the
// regular file at `path`, opened and checked as read_regular_file() does.
[[nodiscard]] ReadResult read_regular_file_start(const std::string& path, std::size_t max_bytes);

// The steps of a replace, in order; a test can make any of them fail.
enum class WriteStep { Open, Write, Flush, Rename };

// Replaces the file at `path` (or creates it) with `bytes`: a temporary file in
// the same folder is written, flushed to disk and renamed over the old one,
// then the folder is flushed. A crash or a full disk leaves the old file or the
// new one, whole. The old file's permissions (and owner, where allowed) are
// kept; a new file gets 0644 less the umask. A symbolic link to the file stays
// a link: the file it points to is replaced. On failure the old file is left
// as it was, no temporary file remains, and errno says why.
[[nodiscard]] bool replace_file(const std::string& path, std::string_view bytes);

// The same replace, written piece by piece (a download): open() makes the
// temporary file, write() adds to it, commit() flushes it and renames it over
// the target. Destroyed without a commit, it removes the temporary file and
// leaves the target untouched.
class FileReplacement {
public:
    explicit FileReplacement(std::string path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    [[nodiscard]] bool open();
    [[nodiscard]] bool write(std::string_view bytes);
    [[nodiscard]] bool commit();
    // The errno of the step that failed; 0 when none did.
    int error() const { return error_; }

private:
    bool fail(int error);
    void abandon();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    int error_ = 0;
};

// Removes the temporary files that writers killed before their rename left
// beside `path`. A temporary file another process is still writing is kept.
void remove_stale_temporaries(const std::string& path);

// Writes all of `bytes` to `fd`, again after an interruption or a short write.
[[nodiscard]] bool write_all(int fd, std::string_view bytes);

// For tests: every replace fails at `step` with `error` (ENOSPC for a full
// disk) until the fault is cleared with nothing.
struct WriteFault {
    WriteStep step;
    int error;
};
void set_write_fault(std::optional<WriteFault> fault);

}  // namespace platform
