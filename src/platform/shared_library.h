// Libraries the program opens at run time instead of linking them, so that
// the desk appears without mapping the sound and network machinery it may
// never use (libmpv alone brings some two hundred libraries).
#pragma once

#include <dlfcn.h>

#include <initializer_list>

namespace platform {

// Opens the first of `names` the dynamic loader finds; null when none loads.
// Libraries are never closed: their threads may outlive any one use.
void* open_library(std::initializer_list<const char*> names);

// Points `function` at the library's symbol `name`; false (and null) when the
// library has none.
template <typename Function>
bool bind(void* library, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(library ? dlsym(library, name) : nullptr);
    return function != nullptr;
}

}  // namespace platform
