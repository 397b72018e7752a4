// Readable failures for the fake shell's records.
#pragma once

#include <ostream>

#include "platform/shell.h"

namespace platform {

inline void PrintTo(const FakeShell::Request& r, std::ostream* out) {
    constexpr const char* verbs[] = {"start", "start elevated", "open"};
    *out << verbs[int(r.verb)] << " \"" << r.program << "\" [";
    for (std::size_t i = 0; i < r.args.size(); ++i) *out << (i ? ", \"" : "\"") << r.args[i] << '"';
    *out << "] in \"" << r.working_folder << '"';
}

}  // namespace platform
