// Installing the service set and reaching it.
#include "platform/services.h"

#include <gtest/gtest.h>

namespace {

struct Fakes {
    platform::FakeClock clock;
    platform::FakeEnvironment environment;
    platform::FakeHttp http;
    platform::FakeScreen screen;
    platform::FakeSpeech speech;
    platform::FakeFileIcons file_icons;
    platform::FakeTones tones;
    platform::FakeShell shell;
    platform::FakeMediaPlayer player;
    platform::Services set() {
        return {&clock, &environment, &http, &screen, &speech, &file_icons, &tones, &shell, &player};
    }
};

TEST(ServicesDeathTest, HalfASetOrNoneIsRefused) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Fakes fakes;
    platform::Services partial = fakes.set();
    partial.http = nullptr;
    EXPECT_DEATH(platform::install(partial), "every platform service at once");

    EXPECT_DEATH(
        {
            platform::install({});
            platform::clock();
        },
        "No clock installed");
}

}  // namespace
