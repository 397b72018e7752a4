// The shell of the tests: records, starts nothing.
#include "platform/shell.h"

namespace platform {

std::optional<std::string> FakeShell::find_program(const std::string& name) {
    for (const std::string& program : installed)
        if (program == name) return "/usr/bin/" + name;
    return std::nullopt;
}

StartResult FakeShell::record(Request r) {
    requests.push_back(std::move(r));
    if (next_results.empty()) return {};
    const StartResult result = next_results.front();
    next_results.erase(next_results.begin());
    return result;
}

}  // namespace platform
