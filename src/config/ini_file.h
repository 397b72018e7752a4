// The data-file access component: one file, opened, read and changed in
// memory, then written back whole at close if anything changed.
//
// While open, the file holds an advisory lock, so that two running instances
// take turns at their open-change-close cycles and each sees the other's
// writes. The close replaces the file atomically (temporary file in the same
// folder, flushed, renamed over the old one): a crash or a full disk never
// leaves half a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/ini.h"

namespace config {

class IniFile {
public:
    IniFile() = default;
    ~IniFile();  // closes, writing pending changes
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Opens an existing file for reading and writing, or for reading only when
    // writing is refused. Fails when the file does not exist or cannot be read.
    // Closes any file still open first.
    [[nodiscard]] bool open(const std::string& path);
    // Creates the file, or empties an existing one; the content starts empty
    // and is marked UTF-8. Fails when the file cannot be created.
    [[nodiscard]] bool create(const std::string& path);
    // Writes the file if anything changed, then releases it. False when the
    // write failed (the old file is then left as it was).
    bool close();
    bool is_open() const { return fd_ >= 0; }

    // Later reads look in this group; later writes create it at the end of the
    // file when it does not exist. Returns whether it exists.
    bool select_group(std::string_view name);

    // Each returns the default when the key is missing from the selected group.
    std::int64_t read_integer(std::string_view key, std::int64_t fallback) const;
    double read_real(std::string_view key, double fallback) const;
    // Trimmed of blanks at both ends.
    std::string read_string(std::string_view key, std::string_view fallback) const;
    // The value read as a number with "$" hexadecimal and "%" binary (colours).
    std::int64_t read_number(std::string_view key, std::int64_t fallback) const;

    // Each creates or replaces the key in the selected group.
    void write_integer(std::string_view key, std::int64_t value);
    void write_real(std::string_view key, double value);
    void write_string(std::string_view key, std::string_view value);

    // Appended after the last entry written.
    void add_comment(std::string_view text);
    // Removes every group of that name with its keys and comments.
    void remove_group(std::string_view name);
    // Removes the key from the selected group.
    void remove_key(std::string_view key);

    // Walks the keys of the selected group: examine_keys() starts the walk,
    // next_key() moves to the next key and is false past the last one.
    void examine_keys();
    bool next_key();
    const std::string& key_name() const;
    std::string key_value() const;  // trimmed

    // The document as it stands (for tests and benchmarks).
    const IniDoc& document() const { return doc_; }

private:
    IniGroup* group();
    const IniGroup* group() const;
    const IniLine* find(std::string_view key) const;
    void begin(std::string path, IniDoc doc, bool changed);  // the cursor at the top
    void release();

    int fd_ = -1;
    bool writable_ = false;
    bool changed_ = false;
    std::string path_;
    IniDoc doc_;
    std::string group_name_;
    int group_index_ = 0;  // -1 when the selected group does not exist yet
    int last_group_ = 0;   // where the last entry was written
    int last_line_ = -1;
    int walk_line_ = -1;
};

}  // namespace config
