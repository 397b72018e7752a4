// Shared by the runtime layer's tests: a clean runtime for each test, and a
// way to read what was queued.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "rt/app.h"
#include "rt/events.h"

namespace rt_test {

class RuntimeTest : public ::testing::Test {
protected:
    void TearDown() override { rt::shutdown(); }
};

// Every event queued so far, taken off the queue in order.
inline std::vector<rt::Event> take_events() {
    std::vector<rt::Event> events;
    while (auto e = rt::wait_event(0)) events.push_back(*e);
    return events;
}

}  // namespace rt_test
