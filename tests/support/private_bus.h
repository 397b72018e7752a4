// A session bus of the test's own: a dbus-daemon listening in a temporary
// folder, with this process's DBUS_SESSION_BUS_ADDRESS pointing at it while
// it lives. The user's own bus is never touched; the daemon ends with the
// object, or with the test process if that dies.
#pragma once

#include <sys/types.h>

#include <string>

#include "support/fixture.h"

namespace test {

class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Whether dbus-daemon is installed at all.
    static bool installed();
    // Empty when the daemon answers; otherwise why not.
    const std::string& failure() const { return failure_; }
    const std::string& address() const { return address_; }

private:
    TempFolder folder_;
    std::string address_, failure_;
    std::string previous_address_;
    bool had_address_ = false;
    pid_t daemon_ = -1;
};

}  // namespace test
