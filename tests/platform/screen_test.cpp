// Desktop geometry as the toolkit reports it, primary first.
#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(SystemScreen, PrimaryFirstAndOutOfRangeGivesPrimary) {
    platform::SystemScreen screen;
    ASSERT_GE(screen.desktop_count(), 1);
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    for (int index : {0, -1, screen.desktop_count(), 1000}) {
        const auto d = screen.desktop(index);
        EXPECT_EQ(d.x, primary.x()) << "index " << index;
        EXPECT_EQ(d.y, primary.y()) << "index " << index;
        EXPECT_EQ(d.width, primary.width()) << "index " << index;
        EXPECT_EQ(d.height, primary.height()) << "index " << index;
    }
}

TEST(SystemScreen, OffscreenPlatformSize) {
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "only the offscreen platform has a known screen size";
    const auto d = platform::SystemScreen().desktop(0);
    EXPECT_EQ(d.width, 800);
    EXPECT_EQ(d.height, 800);
}

}  // namespace
