// Replays a fuzz target's corpus without libFuzzer: every regular file in the
// folders and files named on the command line goes once through
// LLVMFuzzerTestOneInput. The target's own checks abort on a bad result.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr std::size_t max_input_bytes = 1 << 20;

// The file's bytes when it is a regular file of at most max_input_bytes.
std::optional<std::string> read_input(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= max_input_bytes) {
        std::string buffer(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t done = 0;
        while (done < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        if (done == buffer.size()) bytes = std::move(buffer);
    }
    ::close(fd);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (std::filesystem::is_directory(argv[i], error)) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i], error))
                if (entry.is_regular_file(error)) inputs.push_back(entry.path().string());
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no inputs\n");
        return 1;
    }
    int unreadable = 0;
    for (const std::string& path : inputs) {
        const auto bytes = read_input(path);
        if (!bytes) {
            std::fprintf(stderr, "replay: cannot read %s\n", path.c_str());
            ++unreadable;
            continue;
        }
        std::printf("%s (%zu bytes)\n", path.c_str(), bytes->size());
        std::fflush(stdout);  // so that a crash shows which input caused it
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
    }
    std::printf("replay: %zu inputs\n", inputs.size() - static_cast<std::size_t>(unreadable));
    return unreadable == 0 ? 0 : 1;
}
