// The instances seam: one running program per data file. A start on a data
// file that a running instance already uses asks that instance to bring its
// desk to the front and ends, instead of running beside it (two instances
// would each save their own memory over the other's edits).
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class InstanceClaim {
    First,    // this process is now the instance of the data file
    Running,  // another process is, and was asked to show its desk
    Alone,    // no private runtime folder to meet in: this process runs without the check
};

class Instances {
public:
    virtual ~Instances() = default;
    // Makes this process the instance of `data_file` (the file's real path,
    // or where it will be created), meeting in `runtime_folder`
    // ($XDG_RUNTIME_DIR or the fallback below, a folder only this user may
    // enter). Called once.
    [[nodiscard]] virtual InstanceClaim claim(const std::string& data_file, const std::string& runtime_folder) = 0;
    // A descriptor that becomes readable when another start asks for the
    // desk; -1 when there is none.
    virtual int request_descriptor() = 0;
    // Takes the requests that arrived, without waiting; how many there were.
    virtual int take_requests() = 0;
};

// A lock file and a local socket in the runtime folder, both named after the
// data file ("Vimo_Desk-" + 16 hexadecimal digits of its path). The first
// instance holds the lock for its whole life and listens on the socket; a
// later start finds the lock taken and connects to say "show". A crashed
// instance leaves the lock free (the system releases it) and its stale
// socket is replaced.
class LocalSocketInstances final : public Instances {
public:
    LocalSocketInstances() = default;
    ~LocalSocketInstances() override;
    LocalSocketInstances(const LocalSocketInstances&) = delete;
    LocalSocketInstances& operator=(const LocalSocketInstances&) = delete;

    InstanceClaim claim(const std::string& data_file, const std::string& runtime_folder) override;
    int request_descriptor() override { return listener_; }
    int take_requests() override;

private:
    int lock_ = -1;
    int listener_ = -1;
    std::string socket_path_;
};

// Answers every claim with `answer` and records it; ask_to_show() stands for
// another start, making the request descriptor readable.
class FakeInstances final : public Instances {
public:
    FakeInstances();
    ~FakeInstances() override;
    FakeInstances(const FakeInstances&) = delete;
    FakeInstances& operator=(const FakeInstances&) = delete;

    struct Claim {
        std::string data_file, runtime_folder;
        bool operator==(const Claim&) const = default;
    };
    InstanceClaim answer = InstanceClaim::First;
    std::vector<Claim> claims;

    void ask_to_show();
    InstanceClaim claim(const std::string& data_file, const std::string& runtime_folder) override;
    int request_descriptor() override;
    int take_requests() override;

private:
    int pipe_[2] = {-1, -1};
};

// Where instances meet when the session names no runtime folder:
// `<temporary_folder>/vimo-duzi-<user id>` ("" without a temporary folder).
// The claim makes it, for this user alone (0700), when it does not exist;
// when the name is taken by anything else (a link, a file, another user's
// folder or one others may write in), the start runs alone.
std::string fallback_runtime_folder(const std::string& temporary_folder);

// The installed instances; until one is installed, every start runs alone.
Instances& instances();
// Installs `instances` (nullptr: none again); returns the previous one.
Instances* install_instances(Instances* instances);

}  // namespace platform
