#include "platform/paths.h"

namespace platform {

std::string with_trailing_separator(std::string folder) {
    if (folder.empty()) return folder;
    folder = without_trailing_separator(std::move(folder));
    if (folder.back() != path_separator) folder += path_separator;
    return folder;
}

std::string without_trailing_separator(std::string folder) {
    while (folder.size() > 1 && folder.back() == path_separator) folder.pop_back();
    return folder;
}

std::string file_name(std::string_view path) {
    const auto slash = path.rfind(path_separator);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folder_of(std::string_view path) {
    const auto slash = path.rfind(path_separator);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string name_without_extension(std::string_view path) {
    std::string name = file_name(path);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace platform
