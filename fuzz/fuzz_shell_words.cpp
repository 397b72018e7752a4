// Fuzz target for the shell-style word splitter: any text splits into words
// or nothing, without a crash, and the words written back quoted split again
// into the same words.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/shell_words.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto words = platform::split_shell_arguments(text);
    if (!words) return 0;
    std::string quoted;
    for (const std::string& word : *words) quoted += platform::shell_quoted(word) + " ";
    if (platform::split_shell_arguments(quoted) != words) std::abort();
    return 0;
}
