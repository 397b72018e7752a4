// A small program for tests of real starts: it writes down how it was
// started (its working folder, its session and its argument vector, each
// NUL-terminated) to "<its own path>.record", atomically, so a test can read
// exactly what the started program saw.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace test {

namespace recorder_detail {
inline void write(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}
inline std::string read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace recorder_detail

// The recorder, then `tail` (for example `exec "$@"` for a program that
// passes its arguments on). Its own PATH keeps it working whatever the test
// puts in ours.
inline void write_recorder(const std::filesystem::path& path, const std::string& tail = {}) {
    recorder_detail::write(path,
                           "#!/bin/sh\n"
                           "PATH=/usr/bin:/bin\n"
                           // The name field of the stat line may hold spaces and line breaks:
                           // read it whole and count from its closing parenthesis.
                           "session() { s=$(cat /proc/$$/stat); s=${s##*) }; set -- $s; printf '%s' \"$4\"; }\n"
                           "{ printf '%s\\0' \"$(pwd -P)\" \"$(session)\"\n"
                           "  if [ $# -gt 0 ]; then printf '%s\\0' \"$@\"; fi\n"
                           "} > \"$0.part\" && mv -f -- \"$0.part\" \"$0.record\"\n" +
                               tail + "\n");
    chmod(path.c_str(), 0755);
}

struct Record {
    std::string folder;             // physical working folder
    long session = 0;               // session id
    std::vector<std::string> args;  // argv[1...]
};

inline std::filesystem::path record_path(const std::filesystem::path& program) { return program.string() + ".record"; }

// The record of `program`, waiting for it a bounded while; nothing when none came.
inline std::optional<Record> wait_for_record(const std::filesystem::path& program) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    const auto path = record_path(program);
    while (!std::filesystem::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::string bytes = recorder_detail::read(path);
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (std::size_t end; (end = bytes.find('\0', begin)) != std::string::npos; begin = end + 1)
        fields.push_back(bytes.substr(begin, end - begin));
    if (fields.size() < 2) return std::nullopt;
    return Record{fields[0], std::atol(fields[1].c_str()), {fields.begin() + 2, fields.end()}};
}

// Sets an environment variable for one scope and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(std::string name, const std::string& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
        setenv(name_.c_str(), value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) setenv(name_.c_str(), old_->c_str(), 1);
        else unsetenv(name_.c_str());
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace test
