#include "platform/shared_library.h"

namespace platform {

void* open_library(std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return library;
    return nullptr;
}

}  // namespace platform
