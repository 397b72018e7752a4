// Clock scenarios: fake services and a desk window with the clock bar built,
// the fake clock standing at a chosen second.
#pragma once

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <string>

#include "clock/clock_bar.h"
#include "core/ids.h"
#include "platform/clock.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/window.h"
#include "support/fixture.h"

namespace test {

class ClockScenario : public Scenario {
protected:
    ClockScenario() {
        rt::open_window(core::WindowDesk, 30, 40, 110, 700, "Vimo Duzi", rt::WindowFlag::Borderless);
        clocks::build_clock_bar(state);
    }
    ~ClockScenario() override { rt::shutdown(); }

    // The fake clock at that local time; the monotonic clock is left alone.
    void at(int year, int month, int day, int hour, int minute, int second) {
        clock.set_local(platform::date_value(year, month, day, hour, minute, second));
    }

    // What the shown top-level window of that inner size looks like; a null
    // picture when there is none.
    static QImage picture_of_window(int width, int height) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->width() == width && top->height() == height) return top->grab().toImage();
        return {};
    }

    static rt::Event gadget_event(int window, int gadget, rt::EventType type, int desktop_x = 0, int desktop_y = 0) {
        rt::Event e;
        e.kind = rt::EventKind::Gadget;
        e.window = window;
        e.object = gadget;
        e.type = type;
        e.mouse.desktop_x = desktop_x;
        e.mouse.desktop_y = desktop_y;
        return e;
    }
};

}  // namespace test
