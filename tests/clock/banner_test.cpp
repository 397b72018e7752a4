// The notice banner as the user sees it: where it is, what it says, its
// colour, how long it stays, what is spoken and which events are lost.
#include "clock/banner.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "clock/ids.h"
#include "core/ids.h"
#include "rt/events.h"
#include "rt/font.h"
#include "rt/gadget.h"
#include "rt/window.h"
#include "support/fixture.h"

namespace {

// Every shown banner: a top-level window with the program's name on it.
std::vector<QWidget*> shown_banners() {
    std::vector<QWidget*> found;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        for (const QLabel* label : top->findChildren<QLabel*>())
            if (label->text() == "Vimo Duzi") found.push_back(top);
    }
    return found;
}

rt::Event event(rt::EventKind kind, int window, int object) {
    rt::Event e;
    e.kind = kind;
    e.window = window;
    e.object = object;
    return e;
}

// Intervals of the banner's running timers, in ms.
std::vector<int> banner_timers(const QWidget* banner) {
    std::vector<int> intervals;
    for (const QTimer* timer : banner->findChildren<QTimer*>())
        if (timer->isActive()) intervals.push_back(timer->interval());
    return intervals;
}

class Banner : public test::Scenario {
protected:
    Banner() {
        rt::load_font(core::FontBannerTitle, "Verdana", 10, true);
        rt::load_font(core::FontBannerText, "Verdana", 10);
    }
    ~Banner() override {
        rt::close_window(core::WindowBanner);
        rt::close_window(core::WindowDesk);
        rt::drop_pending_events();
    }
};

TEST_F(Banner, TopCentreOfTheFirstDesktop) {
    const struct {
        int desktop_width;
        int x;
    } rows[] = {{1920, 710}, {1366, 433}, {1023, 261}, {500, 0}};
    for (const auto& row : rows) {
        screen.primary.width = row.desktop_width;
        clocks::show_notice(state, "Time is up!", "", rt::rgb(255, 255, 0), 0);
        EXPECT_EQ(rt::window_x(core::WindowBanner), row.x) << "desktop " << row.desktop_width;
        EXPECT_EQ(rt::window_y(core::WindowBanner), 5) << "desktop " << row.desktop_width;
        EXPECT_EQ(rt::window_width(core::WindowBanner), 500);
        EXPECT_EQ(rt::window_height(core::WindowBanner), 50);
    }
}

TEST_F(Banner, ProgramNameAndMessage) {
    clocks::show_notice(state, "Le temps est écoulé!", "", rt::rgb(255, 255, 0), 0);
    const struct {
        int gadget;
        const char* text;
        int x, y, width, height;
    } rows[] = {
        {clocks::GadgetBannerTitle, "Vimo Duzi", 5, 5, 90, 20},
        {clocks::GadgetBannerText, "Le temps est écoulé!", 105, 15, 390, 30},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(rt::gadget_text(row.gadget), row.text) << "gadget " << row.gadget;
        EXPECT_EQ(rt::gadget_x(row.gadget), row.x) << "gadget " << row.gadget;
        EXPECT_EQ(rt::gadget_y(row.gadget), row.y) << "gadget " << row.gadget;
        EXPECT_EQ(rt::gadget_width(row.gadget), row.width) << "gadget " << row.gadget;
        EXPECT_EQ(rt::gadget_height(row.gadget), row.height) << "gadget " << row.gadget;
    }
}

// The strip is one colour: the window's margin and the empty parts of both
// texts. Colours come in as 0xBBGGRR.
TEST_F(Banner, BackgroundInTheCallersColour) {
    const struct {
        core::Colour colour;
        QColor seen;
    } rows[] = {
        {0x00FFFF, QColor(255, 255, 0)},
        {0x808000, QColor(0, 128, 128)},
        {0x2FFFAD, QColor(173, 255, 47)},
        {0xCDFAFF, QColor(255, 250, 205)},
    };
    const struct {
        const char* where;
        int x, y;
    } points[] = {
        {"window margin", 2, 45},
        {"right of the program's name", 93, 23},
        {"under the message", 107, 43},
        {"right of the message", 492, 43},
    };
    for (const auto& row : rows) {
        clocks::show_notice(state, "Playlist saved", "", row.colour, 0);
        const auto banners = shown_banners();
        ASSERT_EQ(banners.size(), 1u);
        const QImage picture = banners.front()->grab().toImage();
        for (const auto& point : points)
            EXPECT_EQ(picture.pixelColor(point.x, point.y), row.seen)
                << point.where << " with colour " << std::hex << row.colour;
    }
}

TEST_F(Banner, ASecondNoticeReplacesTheFirst) {
    clocks::show_notice(state, "Playlist saved", "", rt::rgb(173, 255, 47), 3);
    clocks::show_notice(state, "Time is up!", "", rt::rgb(255, 255, 0), 0);
    ASSERT_EQ(shown_banners().size(), 1u);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "Time is up!");
    EXPECT_TRUE(banner_timers(shown_banners().front()).empty()) << "the first banner's timer would close the second";
}

TEST_F(Banner, ClosesItselfAfterItsSecondsOnly) {
    const struct {
        int seconds;
        std::vector<int> timers_ms;
    } rows[] = {{0, {}}, {2, {2000}}, {3, {3000}}, {255, {255000}}};
    for (const auto& row : rows) {
        clocks::show_notice(state, "New Note Created\r\nnote.txt", "", rt::rgb(255, 250, 205), row.seconds);
        ASSERT_EQ(shown_banners().size(), 1u);
        EXPECT_EQ(banner_timers(shown_banners().front()), row.timers_ms) << row.seconds << " seconds";
    }
}

TEST_F(Banner, CloseNotice) {
    clocks::show_notice(state, "Time is up!", "", rt::rgb(255, 255, 0), 0);
    clocks::close_notice();
    EXPECT_FALSE(rt::window_exists(core::WindowBanner));
    EXPECT_TRUE(shown_banners().empty());
    clocks::close_notice();
}

TEST_F(Banner, OwnedByTheDesk) {
    rt::open_window(core::WindowDesk, 0, 0, 110, 700, "Vimo Duzi", rt::WindowFlag::Borderless);
    clocks::show_notice(state, "Time is up!", "", rt::rgb(255, 255, 0), 0);
    rt::close_window(core::WindowDesk);
    EXPECT_FALSE(rt::window_exists(core::WindowBanner)) << "the banner outlived its owner";
}

TEST_F(Banner, SpokenAtRateOneWhenSoundIsOn) {
    using Spoken = std::vector<platform::FakeSpeech::Spoken>;
    const struct {
        const char* name;
        int sound_on;
        const char* lng;
        const char* spoken_text;
        Spoken spoken;
    } rows[] = {
        {"french", 1, "Fr", "évènement 1 terminé", {{"évènement 1 terminé", "fr", 1, 100}}},
        {"english", 1, "Us", "Time is up!", {{"Time is up!", "en-us", 1, 100}}},
        {"sound off", 0, "Fr", "évènement 1 terminé", {}},
        {"sound other than 1", 2, "Fr", "évènement 1 terminé", {}},
        {"nothing to say", 1, "Fr", "", {}},
    };
    for (const auto& row : rows) {
        speech = {};
        state.Sound_ON = row.sound_on;
        state.Lng = row.lng;
        clocks::show_notice(state, "Le temps est écoulé!", row.spoken_text, rt::rgb(255, 255, 0), 0);
        EXPECT_EQ(speech.spoken, row.spoken) << row.name;
        EXPECT_TRUE(rt::window_visible(core::WindowBanner)) << row.name;
    }
}

// A voice that notes what the screen showed while it spoke, and a click that
// came meanwhile.
class WatchingSpeech final : public platform::Speech {
public:
    std::string message_shown;
    QColor seen_in_banner_margin;
    bool available() override { return true; }
    void speak(const std::string&, const std::string&, int, int) override {
        message_shown = rt::gadget_text(clocks::GadgetBannerText);
        // What the window system has on screen now, not what the banner would paint.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        seen_in_banner_margin =
            screen.pixelColor(rt::window_x(core::WindowBanner) + 2, rt::window_y(core::WindowBanner) + 45);
        rt::post_event(event(rt::EventKind::Menu, core::WindowDesk, core::ItemDeskQuit));
    }
};

// Speaking blocks the loop, so the banner must be on screen before it starts.
TEST_F(Banner, OnScreenBeforeSpeakingAndEventsMeanwhileAreLost) {
    WatchingSpeech watching;
    platform::Services services = platform::install({});
    services.speech = &watching;
    platform::install(services);
    state.Sound_ON = 1;
    const struct {
        const char* message;
        core::Colour colour;
        QColor seen;
    } rows[] = {
        {"Time is up!", 0x00FFFF, QColor(255, 255, 0)},
        {"Playlist saved", 0x2FFFAD, QColor(173, 255, 47)},
        {"Le temps est écoulé!", 0x00FFFF, QColor(255, 255, 0)},
    };
    for (const auto& row : rows) {
        clocks::show_notice(state, row.message, row.message, row.colour, 0);
        EXPECT_EQ(watching.message_shown, row.message);
        EXPECT_EQ(watching.seen_in_banner_margin, row.seen) << row.message;
        EXPECT_EQ(rt::pending_event_count(), 0) << row.message;
    }
    services.speech = &speech;
    platform::install(services);
}

TEST_F(Banner, PendingEventsAreDroppedBoundHandlersRun) {
    constexpr int a_desk_gadget = 13;       // any gadget: the click must not arrive
    constexpr int needle_redraw_timer = 1;  // any timer of a window with a bound handler
    int needle_redraws = 0;
    rt::bind_window_event(core::WindowNeedleClock, rt::EventKind::Timer, [&] { ++needle_redraws; });
    rt::post_event(event(rt::EventKind::Timer, core::WindowDesk, core::TimerTick));
    rt::post_event(event(rt::EventKind::Gadget, core::WindowDesk, a_desk_gadget));
    rt::post_event(event(rt::EventKind::Timer, core::WindowNeedleClock, needle_redraw_timer));
    rt::post_event(event(rt::EventKind::Menu, core::WindowDesk, core::ItemDeskQuit));

    clocks::show_notice(state, "Time is up!", "", rt::rgb(255, 255, 0), 0);

    EXPECT_EQ(rt::pending_event_count(), 0);
    EXPECT_FALSE(rt::wait_event(0).has_value());
    EXPECT_EQ(needle_redraws, 1);
    rt::unbind_window_event(core::WindowNeedleClock, rt::EventKind::Timer);
}

}  // namespace
