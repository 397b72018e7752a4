// The event queue: order, timeouts, bound handlers and timer ticks.
#include <chrono>
#include <thread>

#include <QPointer>

#include <gtest/gtest.h>

#include "rt/app.h"
#include "rt/timer.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

using rt::EventKind;
using rt_test::take_events;

enum : int { WindowDesk = 9, WindowBanner = 15, TimerTick = 1, TimerBlink = 2 };

rt::Event event(EventKind kind, int window, int object = -1) {
    rt::Event e;
    e.kind = kind;
    e.window = window;
    e.object = object;
    return e;
}

class EventsTest : public rt_test::RuntimeTest {};

TEST_F(EventsTest, WaitWithNothingQueuedReturnsNothing) {
    EXPECT_FALSE(rt::wait_event(0).has_value());
    EXPECT_FALSE(rt::wait_event(30).has_value());
}

TEST_F(EventsTest, PostedEventsComeBackInOrder) {
    const rt::Event posted[] = {event(EventKind::Menu, WindowDesk, 35), event(EventKind::Timer, WindowDesk, 1),
                                event(EventKind::Gadget, WindowBanner, 13)};
    for (const rt::Event& e : posted) rt::post_event(e);
    EXPECT_EQ(rt::pending_event_count(), 3);
    const auto taken = take_events();
    ASSERT_EQ(taken.size(), std::size(posted));
    for (std::size_t i = 0; i < taken.size(); ++i) {
        EXPECT_EQ(taken[i].kind, posted[i].kind) << "event " << i;
        EXPECT_EQ(taken[i].window, posted[i].window) << "event " << i;
        EXPECT_EQ(taken[i].object, posted[i].object) << "event " << i;
    }
}

TEST_F(EventsTest, BoundHandlerRunsInsideTheWaitInsteadOfReturning) {
    int closes = 0;
    rt::bind_window_event(WindowBanner, EventKind::CloseWindow, [&] { ++closes; });
    rt::post_event(event(EventKind::CloseWindow, WindowBanner));
    rt::post_event(event(EventKind::CloseWindow, WindowDesk));  // another window: not bound
    rt::post_event(event(EventKind::LeftClick, WindowBanner));  // another kind: not bound
    EXPECT_EQ(closes, 0) << "the handler runs in the wait, not when the event is queued";

    const auto taken = take_events();
    EXPECT_EQ(closes, 1);
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].window, WindowDesk);
    EXPECT_EQ(taken[1].kind, EventKind::LeftClick);

    rt::unbind_window_event(WindowBanner, EventKind::CloseWindow);
    rt::post_event(event(EventKind::CloseWindow, WindowBanner));
    EXPECT_EQ(take_events().size(), 1u);
    EXPECT_EQ(closes, 1);
}

TEST_F(EventsTest, HandlerMayUnbindItself) {
    int runs = 0;
    rt::bind_window_event(WindowBanner, EventKind::Timer, [&] {
        ++runs;
        rt::unbind_window_event(WindowBanner, EventKind::Timer);
    });
    rt::post_event(event(EventKind::Timer, WindowBanner));
    rt::post_event(event(EventKind::Timer, WindowBanner));
    EXPECT_EQ(take_events().size(), 1u);
    EXPECT_EQ(runs, 1);
}

TEST_F(EventsTest, DropPendingEventsEmptiesTheQueue) {
    for (int i = 0; i < 5; ++i) rt::post_event(event(EventKind::Menu, WindowDesk, i));
    rt::drop_pending_events();
    EXPECT_EQ(rt::pending_event_count(), 0);
    EXPECT_FALSE(rt::wait_event(0).has_value());
}

TEST_F(EventsTest, TimerTicksWhileBlockedBecomeOneEvent) {
    rt::open_window(WindowDesk, 0, 0, 100, 100, "", rt::WindowFlag::Invisible);
    rt::add_window_timer(WindowDesk, TimerTick, 10);
    // A handler that blocks the thread for many periods.
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    const auto tick = rt::wait_event(0);
    ASSERT_TRUE(tick.has_value());
    EXPECT_EQ(tick->kind, EventKind::Timer);
    EXPECT_EQ(tick->window, WindowDesk);
    EXPECT_EQ(tick->object, TimerTick);
    EXPECT_EQ(rt::pending_event_count(), 0) << "no burst of the ticks that fell meanwhile";
}

TEST_F(EventsTest, TimerTicksDuringAPumpCoalescePerTimer) {
    rt::open_window(WindowDesk, 0, 0, 100, 100, "", rt::WindowFlag::Invisible);
    rt::add_window_timer(WindowDesk, TimerTick, 5);
    rt::add_window_timer(WindowDesk, TimerBlink, 5);
    // As under a modal dialog: the toolkit runs, the program does not take events.
    rt::process_events_for(100);
    // Counted before anything runs the toolkit again: the timers go on ticking.
    ASSERT_EQ(rt::pending_event_count(), 2) << "one tick per timer";
    const auto first = rt::wait_event(0), second = rt::wait_event(0);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->object, second->object);
}

TEST_F(EventsTest, RemovedOrClosedTimersLeaveNoTicks) {
    rt::open_window(WindowDesk, 0, 0, 100, 100, "", rt::WindowFlag::Invisible);
    rt::add_window_timer(WindowDesk, TimerTick, 5);
    rt::process_events_for(30);
    ASSERT_EQ(rt::pending_event_count(), 1);
    rt::remove_window_timer(WindowDesk, TimerTick);
    EXPECT_EQ(rt::pending_event_count(), 0) << "the queued tick goes with the timer";
    rt::process_events_for(30);
    EXPECT_EQ(rt::pending_event_count(), 0);

    rt::add_window_timer(WindowDesk, TimerBlink, 5);
    rt::close_window(WindowDesk);
    rt::process_events_for(30);
    EXPECT_EQ(rt::pending_event_count(), 0);
}

TEST_F(EventsTest, WhatQtDeletesLaterIsGoneAfterTheNextWait) {
    // As Qt does when a handler of the program calls into it.
    QPointer<QObject> left = new QObject;
    left->deleteLater();
    rt::wait_event(0);
    EXPECT_TRUE(left.isNull());
    left = new QObject;
    left->deleteLater();
    rt::wait_event(20);
    EXPECT_TRUE(left.isNull());
}

TEST_F(EventsTest, WaitReturnsAsSoonAsATimerTicks) {
    rt::open_window(WindowDesk, 0, 0, 100, 100, "", rt::WindowFlag::Invisible);
    rt::add_window_timer(WindowDesk, TimerTick, 20);
    // A generous timeout: the wait must end on the tick, long before it.
    const auto tick = rt::wait_event(10000);
    ASSERT_TRUE(tick.has_value());
    EXPECT_EQ(tick->kind, EventKind::Timer);
}

}  // namespace
