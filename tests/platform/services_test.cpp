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
    platform::Services set() { return {&clock, &environment, &http, &screen, &speech, &file_icons, &tones, &shell}; }
};

TEST(Services, InstallReturnsThePreviousSet) {
    Fakes first, second;
    const platform::Services found = platform::install(first.set());
    EXPECT_EQ(&platform::clock(), &first.clock);
    EXPECT_EQ(&platform::environment(), &first.environment);
    EXPECT_EQ(&platform::http(), &first.http);
    EXPECT_EQ(&platform::screen(), &first.screen);
    EXPECT_EQ(&platform::speech(), &first.speech);
    EXPECT_EQ(&platform::file_icons(), &first.file_icons);
    EXPECT_EQ(&platform::tones(), &first.tones);
    EXPECT_EQ(&platform::shell(), &first.shell);

    const platform::Services previous = platform::install(second.set());
    EXPECT_EQ(previous.clock, &first.clock);
    EXPECT_EQ(previous.screen, &first.screen);
    EXPECT_EQ(&platform::clock(), &second.clock);

    platform::install(found);
}

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
