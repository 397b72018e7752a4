// The environment seam: environment variables, the user's folders, the
// working folder and the program's own folder.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/paths.h"

namespace platform {

enum class UserFolder { Temporary, Desktop, Music, Pictures, Documents, Home, Config };

class Environment {
public:
    virtual ~Environment() = default;
    // The variable's value, or nothing when it is not set.
    virtual std::optional<std::string> variable(const std::string& name) = 0;
    // The current working folder, without a trailing separator.
    virtual std::string working_folder() = 0;
    // The folder holding the running program, without a trailing separator.
    virtual std::string program_folder() = 0;
    // A user folder (XDG user folders on Linux; Temporary is $TMPDIR or /tmp,
    // Config $XDG_CONFIG_HOME or ~/.config), without a trailing separator.
    virtual std::string user_folder(UserFolder which) = 0;
    // The login name, or "" when unknown.
    virtual std::string login_name() = 0;
};

class SystemEnvironment final : public Environment {
public:
    std::optional<std::string> variable(const std::string& name) override;
    std::string working_folder() override;
    std::string program_folder() override;
    std::string user_folder(UserFolder which) override;
    std::string login_name() override;
};

// Everything set by the test; a folder not in `folders` is
// "/nonexistent/<name>" (for example "/nonexistent/desktop").
class FakeEnvironment final : public Environment {
public:
    std::map<std::string, std::string> variables;
    std::string working = "/nonexistent/work";
    std::string program = "/nonexistent/program";
    std::map<UserFolder, std::string> folders;
    std::string login = "tester";

    std::optional<std::string> variable(const std::string& name) override;
    std::string working_folder() override { return working; }
    std::string program_folder() override { return program; }
    std::string user_folder(UserFolder which) override;
    std::string login_name() override { return login; }
};

// The per-user data folder of the program: $APPDATA when set and not empty,
// else $XDG_CONFIG_HOME, else $HOME/.config; then "Vimo_Desk/". Ends with a
// separator.
std::string per_user_data_folder(Environment& env);

// Where a file chooser for that kind of file starts: the user folder when it
// is a folder, else the home folder.
std::string existing_user_folder(Environment& env, UserFolder which);

// The user's locale for messages, as the C library chooses it: $LC_ALL, else
// $LC_MESSAGES, else $LANG, the first that is set and not empty; "" when none.
std::string messages_locale(Environment& env);

}  // namespace platform
