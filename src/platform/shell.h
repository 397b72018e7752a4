// The shell seam: starting programs and opening documents, folders and
// addresses the way the desktop does. Nothing here ever goes through a command
// interpreter: every argument reaches the started program exactly as given.
// Started programs are detached (their own session, never our child) and the
// caller does not wait for them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Why a start failed, so the caller can say it in the user's words.
enum class StartFailure {
    None,           // started
    NoProgram,      // the program (or the opener, or pkexec) was not found
    NotExecutable,  // the file exists but the system cannot run it (no program format, no permission)
    Folder,         // the working folder could not be entered
    Other,          // anything else (out of processes, refused argument...)
};

struct StartResult {
    StartFailure failure = StartFailure::None;
    int error_number = 0;  // errno of the failed step; 0 when started
    explicit operator bool() const { return failure == StartFailure::None; }
};

class Shell {
public:
    virtual ~Shell() = default;
    // Runs `program` (a path, or a bare name looked up in PATH) with `args`
    // (argv[1...]) in `working_folder` ("" keeps the program's own working
    // folder). Returns once the program has replaced the spawned process.
    [[nodiscard]] virtual StartResult start(const std::string& program, const std::vector<std::string>& args,
                                            const std::string& working_folder) = 0;
    // The same with administrator rights, through pkexec, which asks for the
    // password itself; the result only says whether pkexec started.
    [[nodiscard]] virtual StartResult start_elevated(const std::string& program, const std::vector<std::string>& args,
                                                     const std::string& working_folder) = 0;
    // Opens a document, folder, web or mailto address with the desktop's
    // opener (xdg-open, else gio open). NoProgram when there is no opener.
    [[nodiscard]] virtual StartResult open(const std::string& target) = 0;
    // The full path of a program found in PATH, or nothing.
    virtual std::optional<std::string> find_program(const std::string& name) = 0;
};

// The Linux desktop: fork twice and execve, pkexec, xdg-open.
class LinuxShell final : public Shell {
public:
    StartResult start(const std::string& program, const std::vector<std::string>& args,
                      const std::string& working_folder) override;
    StartResult start_elevated(const std::string& program, const std::vector<std::string>& args,
                               const std::string& working_folder) override;
    StartResult open(const std::string& target) override;
    std::optional<std::string> find_program(const std::string& name) override;
};

// The command line pkexec is given for an elevated start: pkexec resets the
// working folder and the environment, so env(1) re-enters `working_folder` and
// passes the display variables in `display_variables` ("NAME=value") on.
// Nothing when `program` is not an absolute path or holds a "=", which env
// would take for a variable.
std::optional<std::vector<std::string>> elevated_command_line(const std::string& pkexec, const std::string& env,
                                                              const std::string& program,
                                                              const std::vector<std::string>& args,
                                                              const std::string& working_folder,
                                                              const std::vector<std::string>& display_variables);

// Records every request instead of starting anything. Each request succeeds
// unless `next_results` holds a result for it (taken in order).
class FakeShell final : public Shell {
public:
    enum class Verb { Start, StartElevated, Open };
    struct Request {
        Verb verb{};
        std::string program;  // the opened target for Open
        std::vector<std::string> args;
        std::string working_folder;
        bool operator==(const Request&) const = default;
    };

    std::vector<Request> requests;
    std::vector<StartResult> next_results;
    std::vector<std::string> installed;  // the programs find_program finds, as "/usr/bin/" + name

    StartResult start(const std::string& program, const std::vector<std::string>& args,
                      const std::string& working_folder) override {
        return record({Verb::Start, program, args, working_folder});
    }
    StartResult start_elevated(const std::string& program, const std::vector<std::string>& args,
                               const std::string& working_folder) override {
        return record({Verb::StartElevated, program, args, working_folder});
    }
    StartResult open(const std::string& target) override { return record({Verb::Open, target, {}, {}}); }
    std::optional<std::string> find_program(const std::string& name) override;

private:
    StartResult record(Request r);
};

}  // namespace platform
