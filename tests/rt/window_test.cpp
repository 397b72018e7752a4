// Numbered windows: the close box, clicks on the window's own area, sizes.
#include "rt/window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt_test.h"

namespace {

using rt::EventKind;
using rt_test::take_events;

enum : int {
    WindowDesk = 9,
    WindowClock = 17,
    GadgetTime = 13,
    GadgetStartStop = 20,
    GadgetProgress = 21,
};

class WindowTest : public rt_test::RuntimeTest {};

TEST_F(WindowTest, CloseBoxQueuesCloseWindowAndLeavesTheWindowOpen) {
    rt::open_window(WindowDesk, 10, 10, 120, 300, "Desk", rt::WindowFlag::CloseBox);
    QCloseEvent close;
    QCoreApplication::sendEvent(rt::window_widget(WindowDesk), &close);

    EXPECT_TRUE(rt::window_exists(WindowDesk));
    EXPECT_TRUE(rt::window_visible(WindowDesk));
    const auto taken = take_events();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].kind, EventKind::CloseWindow);
    EXPECT_EQ(taken[0].window, WindowDesk);

    rt::close_window(WindowDesk);
    EXPECT_FALSE(rt::window_exists(WindowDesk));
}

void click(QWidget* target, Qt::MouseButton button, QPoint at) {
    const QPointF global = target->mapToGlobal(QPointF(at));
    QCursor::setPos(global.toPoint());  // as a real click leaves it
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

TEST_F(WindowTest, ClicksOnTheWindowOrItsTextsAreWindowClicks) {
    rt::open_window(WindowDesk, 0, 0, 200, 200, "Desk", 0);
    rt::create_text_gadget(GadgetTime, 10, 20, 80, 20, "12:34");
    rt::create_button_gadget(GadgetStartStop, 10, 50, 80, 20, "Start");
    rt::create_progress_gadget(GadgetProgress, 10, 80, 80, 10, 0, 100);

    const struct {
        const char* name;
        QWidget* target;
        Qt::MouseButton button;
        QPoint at;  // in the target
        std::vector<EventKind> expected;
        QPoint window_at;  // where the window event says the mouse was
    } cases[] = {
        {"left on the window",
         rt::window_widget(WindowDesk),
         Qt::LeftButton,
         {5, 150},
         {EventKind::LeftClick},
         {5, 150}},
        {"right on the window",
         rt::window_widget(WindowDesk),
         Qt::RightButton,
         {6, 7},
         {EventKind::RightClick},
         {6, 7}},
        {"left on a text", rt::gadget_widget(GadgetTime), Qt::LeftButton, {3, 4}, {EventKind::LeftClick}, {13, 24}},
        {"left on a button", rt::gadget_widget(GadgetStartStop), Qt::LeftButton, {3, 4}, {EventKind::Gadget}, {13, 54}},
        {"right on a button",
         rt::gadget_widget(GadgetStartStop),
         Qt::RightButton,
         {3, 4},
         {EventKind::Gadget},
         {13, 54}},
        {"left on a progress bar", rt::gadget_widget(GadgetProgress), Qt::LeftButton, {3, 4}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        click(c.target, c.button, c.at);
        const auto taken = take_events();
        ASSERT_EQ(taken.size(), c.expected.size());
        for (std::size_t i = 0; i < taken.size(); ++i) {
            EXPECT_EQ(taken[i].kind, c.expected[i]);
            EXPECT_EQ(taken[i].window, WindowDesk);
            EXPECT_EQ(QPoint(taken[i].mouse.window_x, taken[i].mouse.window_y), c.window_at);
        }
    }
}

TEST_F(WindowTest, OpeningANumberAgainReplacesTheWindowAndItsGadgets) {
    rt::open_window(WindowClock, 0, 0, 100, 50, "Old", 0);
    rt::create_text_gadget(GadgetTime, 0, 0, 100, 20, "12:00");
    rt::open_window(WindowClock, 0, 0, 110, 60, "New", 0);
    EXPECT_EQ(rt::window_title(WindowClock), "New");
    EXPECT_FALSE(rt::gadget_exists(GadgetTime));
    int clocks = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) clocks += w->windowTitle() == "Old" || w->windowTitle() == "New";
    EXPECT_EQ(clocks, 1);
}

TEST_F(WindowTest, GeometryIsOuterPositionAndInnerSize) {
    rt::open_window(WindowClock, 30, 40, 110, 60, "Clock", rt::WindowFlag::Resizable);
    EXPECT_EQ(rt::window_x(WindowClock), 30);
    EXPECT_EQ(rt::window_y(WindowClock), 40);
    EXPECT_EQ(rt::window_width(WindowClock), 110);
    EXPECT_EQ(rt::window_height(WindowClock), 60);

    rt::set_window_size_limits(WindowClock, 50, 50, 200, 0);
    rt::resize_window(WindowClock, 500, 20);
    EXPECT_EQ(rt::window_width(WindowClock), 200) << "held to the maximum";
    EXPECT_EQ(rt::window_height(WindowClock), 50) << "held to the minimum";
    rt::set_window_geometry(WindowClock, 5, 6, 70, 80);
    EXPECT_EQ(QRect(rt::window_x(WindowClock), rt::window_y(WindowClock), rt::window_width(WindowClock),
                    rt::window_height(WindowClock)),
              QRect(5, 6, 70, 80));
    EXPECT_EQ(rt::window_width(99), 0);
}

TEST_F(WindowTest, OnlyOutsideResizesQueueSizeWindow) {
    rt::open_window(WindowDesk, 0, 0, 120, 300, "Desk", rt::WindowFlag::Resizable);
    rt::resize_window(WindowDesk, 130, 310);
    EXPECT_TRUE(take_events().empty()) << "the program's own resize";

    // As the window manager would: through the platform window.
    rt::window_widget(WindowDesk)->windowHandle()->resize(150, 320);
    rt::window_widget(WindowDesk)->windowHandle()->resize(160, 330);
    std::optional<rt::Event> e;
    while ((e = rt::wait_event(1000)) && e->kind != EventKind::SizeWindow) {}
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->window, WindowDesk);
    EXPECT_EQ(rt::window_width(WindowDesk), 160);
    EXPECT_EQ(rt::pending_event_count(), 0) << "one event for a run of size changes";
}

TEST_F(WindowTest, MouseOutsideTheWindowIsMinusOne) {
    rt::open_window(WindowClock, 100, 100, 50, 50, "Clock", 0);
    QCursor::setPos(10, 10);
    EXPECT_EQ(rt::window_mouse_x(WindowClock), -1);
    EXPECT_EQ(rt::window_mouse_y(WindowClock), -1);
    EXPECT_EQ(rt::window_mouse_x(99), -1);
}

}  // namespace
