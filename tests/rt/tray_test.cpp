// Tray icons without a system tray, and the clipboard.
#include "rt/tray.h"

#include <gtest/gtest.h>

#include "rt/clipboard.h"
#include "rt/image.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

using rt_test::take_events;

enum : int { WindowDesk = 9, TrayDesk = 0, ImageTrayPicture = 2 };

class TrayTest : public rt_test::RuntimeTest {};

TEST_F(TrayTest, ClicksBecomeTrayEventsEvenWithoutASystemTray) {
    rt::open_window(WindowDesk, 0, 0, 100, 100, "Desk", rt::WindowFlag::Invisible);
    ASSERT_TRUE(rt::create_image(ImageTrayPicture, 16, 16, rt::rgb(255, 0, 0)));
    rt::add_tray_icon(TrayDesk, WindowDesk, ImageTrayPicture);
    rt::set_tray_tooltip(TrayDesk, "Vimo Duzi - Version 1");
    ASSERT_TRUE(rt::tray_icon_exists(TrayDesk));

    const struct {
        QSystemTrayIcon::ActivationReason reason;
        std::optional<rt::EventType> expected;
    } cases[] = {
        {QSystemTrayIcon::Trigger, rt::EventType::LeftClick},
        {QSystemTrayIcon::Context, rt::EventType::RightClick},
        {QSystemTrayIcon::DoubleClick, rt::EventType::LeftDoubleClick},
        {QSystemTrayIcon::MiddleClick, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.reason));
        rt::state().tray_icons.at(TrayDesk)->activated(c.reason);
        const auto taken = take_events();
        ASSERT_EQ(taken.size(), c.expected ? 1u : 0u);
        if (!c.expected) continue;
        EXPECT_EQ(taken[0].kind, rt::EventKind::Tray);
        EXPECT_EQ(taken[0].window, WindowDesk);
        EXPECT_EQ(taken[0].object, TrayDesk);
        EXPECT_EQ(taken[0].type, *c.expected);
    }

    rt::remove_tray_icon(TrayDesk);
    EXPECT_FALSE(rt::tray_icon_exists(TrayDesk));
}

TEST_F(TrayTest, ClipboardKeepsUtf8Text) {
    const std::string text = "Clic gauche pour fermer / été « ok »";
    rt::set_clipboard_text(text);
    EXPECT_EQ(rt::clipboard_text(), text);
}

}  // namespace
