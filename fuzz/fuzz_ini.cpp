// Fuzz target for the data file reader: any bytes must read without a crash,
// and what is written back must read back to the same document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const config::IniDoc doc = config::ini_read(bytes);
    const std::string written = config::ini_write(doc);
    if (config::ini_write(config::ini_read(written)) != written) std::abort();
    for (const auto& group : doc.groups)
        for (const auto& line : group.lines) {
            (void)config::parse_number(line.value);
            (void)config::parse_real(line.value);
        }
    return 0;
}
