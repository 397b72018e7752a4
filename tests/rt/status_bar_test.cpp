// Status bars: fields by number, along the bottom of the window whatever its size.
#include "rt/status_bar.h"

#include <gtest/gtest.h>

#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

constexpr int window = 23, other_window = 22;

class StatusBarTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override { rt::open_window(window, 0, 0, 600, 400, "Setup", rt::WindowFlag::Resizable); }
};

QRect bar_geometry() {
    const QWidget* w = rt::window_widget(window);
    for (const QObject* child : w->children())
        if (const auto* bar = qobject_cast<const QWidget*>(child); bar && bar->inherits("QStatusBar"))
            return bar->geometry();
    return {};
}

TEST_F(StatusBarTest, FieldsHoldTheirTexts) {
    EXPECT_FALSE(rt::status_bar_exists(window));
    EXPECT_EQ(rt::status_bar_height(window), 0);
    rt::create_status_bar(window, {120, -1});
    ASSERT_TRUE(rt::status_bar_exists(window));
    EXPECT_GT(rt::status_bar_height(window), 0);

    rt::set_status_bar_text(window, 0, "Prêt.");
    rt::set_status_bar_text(window, 1, "second");
    rt::set_status_bar_text(window, 2, "no such field");
    rt::set_status_bar_text(window, -1, "no such field");
    EXPECT_EQ(rt::status_bar_text(window, 0), "Prêt.");
    EXPECT_EQ(rt::status_bar_text(window, 1), "second");
    EXPECT_EQ(rt::status_bar_text(window, 2), "");

    // A new bar replaces the old one with its own fields.
    rt::create_status_bar(window);
    EXPECT_EQ(rt::status_bar_text(window, 0), "");
    EXPECT_EQ(rt::status_bar_text(window, 1), "");
}

TEST_F(StatusBarTest, StaysAlongTheBottomOfTheWindow) {
    rt::create_status_bar(window);
    const int height = rt::status_bar_height(window);
    EXPECT_EQ(bar_geometry(), QRect(0, 400 - height, 600, height));
    rt::resize_window(window, 500, 300);
    EXPECT_EQ(bar_geometry(), QRect(0, 300 - height, 500, height));
}

TEST_F(StatusBarTest, NoBarWithoutAWindowOrFields) {
    rt::create_status_bar(other_window);
    EXPECT_FALSE(rt::status_bar_exists(other_window));
    rt::create_status_bar(window, {});
    EXPECT_FALSE(rt::status_bar_exists(window));
    EXPECT_EQ(rt::status_bar_text(other_window, 0), "");
}

}  // namespace
