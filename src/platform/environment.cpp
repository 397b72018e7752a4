// The process environment and the XDG user folders, and the per-user data
// folder built from them.
#include "platform/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/files.h"

namespace platform {

namespace {

constexpr std::size_t user_dirs_max_bytes = 64 * 1024;  // a real file is well under 1 KiB
constexpr const char* data_folder_name = "Vimo_Desk";

std::optional<std::string> non_empty_variable(Environment& env, const char* name) {
    auto value = env.variable(name);
    if (value && value->empty()) return std::nullopt;
    return value;
}

std::string passwd_field(bool want_home) {
    std::vector<char> buffer(16 * 1024);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
    const char* field = want_home ? found->pw_dir : found->pw_name;
    return field ? field : "";
}

std::string home_folder(Environment& env) {
    if (auto home = non_empty_variable(env, "HOME")) return without_trailing_separator(*home);
    return without_trailing_separator(passwd_field(true));
}

std::string config_folder(Environment& env) {
    if (auto config = non_empty_variable(env, "XDG_CONFIG_HOME")) return without_trailing_separator(*config);
    return home_folder(env) + "/.config";
}

// One entry of user-dirs.dirs, e.g. XDG_MUSIC_DIR="$HOME/Musique". The file is
// written by xdg-user-dirs-update: a quoted value that is either absolute or
// starts with $HOME, with backslash escapes. Anything else is ignored, and the
// caller falls back to the usual English name.
std::optional<std::string> user_dirs_entry(Environment& env, const std::string& key) {
    // Only the start of the file is read: the entries are near its top.
    const ReadResult file = read_regular_file_start(config_folder(env) + "/user-dirs.dirs", user_dirs_max_bytes);
    if (!file.ok()) return std::nullopt;
    const std::string& text = file.bytes;

    std::optional<std::string> result;
    std::size_t line_start = 0;
    while (line_start < text.size()) {
        std::size_t line_end = text.find('\n', line_start);
        if (line_end == std::string::npos) line_end = text.size();
        std::string_view line(text.data() + line_start, line_end - line_start);
        line_start = line_end + 1;

        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        const std::string prefix = key + "=\"";
        if (line.substr(0, prefix.size()) != prefix) continue;
        line.remove_prefix(prefix.size());

        std::string value;
        bool closed = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                value += line[++i];
            } else if (line[i] == '"') {
                closed = true;
                break;
            } else {
                value += line[i];
            }
        }
        if (!closed) continue;
        const std::string home_prefix = "$HOME";
        if (value.compare(0, home_prefix.size(), home_prefix) == 0 &&
            (value.size() == home_prefix.size() || value[home_prefix.size()] == path_separator))
            value = home_folder(env) + value.substr(home_prefix.size());
        else if (value.empty() || value.front() != path_separator) continue;
        result = without_trailing_separator(value);  // the last entry wins, as when sourced by a shell
    }
    return result;
}

std::string xdg_user_folder(Environment& env, const char* key, const char* fallback_name) {
    if (auto folder = user_dirs_entry(env, key)) return *folder;
    return home_folder(env) + path_separator + fallback_name;
}

}  // namespace

std::optional<std::string> SystemEnvironment::variable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

std::string SystemEnvironment::working_folder() {
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return {};  // the folder was removed under us: no working folder
        buffer.resize(buffer.size() * 2);
    }
    return without_trailing_separator(buffer.data());
}

std::string SystemEnvironment::program_folder() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(length));
            const std::size_t slash = path.rfind(path_separator);
            if (slash == std::string::npos) return {};
            return slash == 0 ? std::string(1, path_separator) : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemEnvironment::user_folder(UserFolder which) {
    switch (which) {
    case UserFolder::Temporary:
        if (auto tmp = non_empty_variable(*this, "TMPDIR")) return without_trailing_separator(*tmp);
        return "/tmp";
    case UserFolder::Desktop: return xdg_user_folder(*this, "XDG_DESKTOP_DIR", "Desktop");
    case UserFolder::Music: return xdg_user_folder(*this, "XDG_MUSIC_DIR", "Music");
    case UserFolder::Pictures: return xdg_user_folder(*this, "XDG_PICTURES_DIR", "Pictures");
    case UserFolder::Documents: return xdg_user_folder(*this, "XDG_DOCUMENTS_DIR", "Documents");
    case UserFolder::Home: return home_folder(*this);
    case UserFolder::Config: return config_folder(*this);
    }
    return {};
}

std::string SystemEnvironment::login_name() {
    if (auto user = non_empty_variable(*this, "USER")) return *user;
    return passwd_field(false);
}

std::string existing_user_folder(Environment& env, UserFolder which) {
    std::error_code ignored;
    const std::string folder = env.user_folder(which);
    if (!folder.empty() && std::filesystem::is_directory(folder, ignored)) return folder;
    return env.user_folder(UserFolder::Home);
}

std::optional<std::string> FakeEnvironment::variable(const std::string& name) {
    auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
}

std::string FakeEnvironment::user_folder(UserFolder which) {
    if (auto found = folders.find(which); found != folders.end()) return found->second;
    switch (which) {
    case UserFolder::Temporary: return "/nonexistent/temporary";
    case UserFolder::Desktop: return "/nonexistent/desktop";
    case UserFolder::Music: return "/nonexistent/music";
    case UserFolder::Pictures: return "/nonexistent/pictures";
    case UserFolder::Documents: return "/nonexistent/documents";
    case UserFolder::Home: return "/nonexistent/home";
    case UserFolder::Config: return "/nonexistent/config";
    }
    return {};
}

std::string per_user_data_folder(Environment& env) {
    std::string base;
    if (auto appdata = non_empty_variable(env, "APPDATA")) base = *appdata;
    else if (auto config = non_empty_variable(env, "XDG_CONFIG_HOME")) base = *config;
    else if (auto home = non_empty_variable(env, "HOME")) base = with_trailing_separator(*home) + ".config";
    else base = with_trailing_separator(env.user_folder(UserFolder::Home)) + ".config";
    return with_trailing_separator(with_trailing_separator(base) + data_folder_name);
}

std::string messages_locale(Environment& env) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (auto value = env.variable(name); value && !value->empty()) return *value;
    return {};
}

}  // namespace platform
