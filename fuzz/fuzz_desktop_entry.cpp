// Fuzz target for desktop entries: any bytes read as a launcher must give an
// entry or nothing, and its Exec line argument vectors or nothing, without a
// crash; every vector has a program.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/desktop_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto entry = platform::parse_desktop_entry(bytes);
    if (!entry) return 0;
    for (const auto& files : {std::vector<std::string>{}, std::vector<std::string>{"/tmp/a b.txt"},
                              std::vector<std::string>{"/tmp/it's \"x\"; $(id)\n.txt", "/tmp/two"}}) {
        const auto lines = platform::exec_command_lines(*entry, files, "/tmp/app.desktop");
        if (!lines) continue;
        for (const auto& line : *lines)
            if (line.empty() || line.front().empty()) std::abort();
    }
    return 0;
}
