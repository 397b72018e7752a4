// The needle clock: its geometry, the face it draws, its menu commands and
// its dragging.
#include "clock/needle_clock.h"

#include <gtest/gtest.h>

#include "clock/ids.h"
#include "clock_fixture.h"
#include "core/ids.h"
#include "rt/colour.h"
#include "rt/menu.h"
#include "rt/window.h"

namespace {

TEST(NeedleClockGeometry, HourHandIndex) {
    const struct {
        int hour, minute, index;
    } rows[] = {{3, 30, 17}, {15, 30, 17}, {0, 0, 0}, {12, 0, 0}, {23, 59, 59}, {11, 11, 55}, {6, 12, 31}, {9, 47, 48}};
    for (const auto& row : rows)
        EXPECT_EQ(clocks::hour_hand_index(row.hour, row.minute), row.index) << row.hour << ":" << row.minute;
}

TEST(NeedleClockGeometry, PointsAtSevenAndEightyFiveTenthsOfTheRadius) {
    const struct {
        int size, i;
        int hour_x, hour_y, minute_x, minute_y;
    } rows[] = {
        {200, 0, 100, 30, 100, 15},  {200, 15, 170, 100, 185, 100}, {200, 30, 100, 170, 100, 185},
        {200, 45, 30, 100, 15, 100}, {200, 7, 147, 48, 157, 37},    {100, 15, 85, 50, 93, 50},
        {100, 45, 15, 50, 8, 50},
    };
    for (const auto& row : rows) {
        clocks::NeedleClock n;
        clocks::compute_needle_points(n, row.size);
        const auto i = std::size_t(row.i);
        EXPECT_EQ(n.hour_x[i], row.hour_x) << "size " << row.size << " point " << row.i;
        EXPECT_EQ(n.hour_y[i], row.hour_y) << "size " << row.size << " point " << row.i;
        EXPECT_EQ(n.minute_x[i], row.minute_x) << "size " << row.size << " point " << row.i;
        EXPECT_EQ(n.minute_y[i], row.minute_y) << "size " << row.size << " point " << row.i;
    }
}

TEST(NeedleClockGeometry, StoredSizes) {
    const struct {
        int stored, size;
    } rows[] = {{0, 200},  {100, 100}, {150, 150},   {200, 200},   {-40, 200},
                {19, 200}, {20, 20},   {2000, 2000}, {100000, 200}};
    for (const auto& row : rows) EXPECT_EQ(clocks::needle_clock_size(row.stored), row.size) << row.stored;
}

class NeedleClock : public test::ClockScenario {
protected:
    NeedleClock() {
        clocks::build_needle_menu(state);
        at(2024, 5, 17, 3, 0, 20);
    }

    QImage face(int size = 200) { return picture_of_window(size, size); }
    // The window's own timer redraws it inside the wait: no event reaches the loop.
    static void redraw_by_timer() {
        rt::Event tick;
        tick.kind = rt::EventKind::Timer;
        tick.window = core::WindowNeedleClock;
        tick.object = core::TimerNeedleRedraw;
        rt::post_event(tick);
        EXPECT_FALSE(rt::wait_event(0).has_value());
    }
    static bool is(const QImage& picture, int x, int y, QColor colour) { return picture.pixelColor(x, y) == colour; }
    void face_event(rt::EventType type, int desktop_x, int desktop_y) {
        clocks::needle_face_event(
            state, gadget_event(core::WindowNeedleClock, clocks::GadgetNeedleFace, type, desktop_x, desktop_y));
    }
};

const QColor black(0, 0, 0), green(0, 255, 0), red(255, 0, 0), blue(0, 0, 255);

TEST_F(NeedleClock, FaceAtThreeOClock) {
    clocks::open_needle_clock(state);
    EXPECT_EQ(rt::window_x(core::WindowNeedleClock), 200);
    EXPECT_EQ(rt::window_y(core::WindowNeedleClock), 20);
    const QImage picture = face();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(is(picture, 3, 3, black)) << "background";
    EXPECT_TRUE(is(picture, 100, 40, green)) << "minute hand towards 12";
    EXPECT_TRUE(is(picture, 140, 100, green)) << "hour hand towards 3";
    EXPECT_TRUE(is(picture, 100, 150, black)) << "nothing towards 6";
    EXPECT_TRUE(is(picture, 100, 185, green)) << "the dot of 6";
    EXPECT_TRUE(is(picture, 137, 121, black)) << "no seconds hand at first";
}

TEST_F(NeedleClock, SecondsHandAndItsRedrawEverySecond) {
    clocks::open_needle_clock(state);
    clocks::toggle_needle_seconds(state);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuNeedleClock, core::ItemNeedleSeconds));
    EXPECT_TRUE(is(face(), 137, 121, green)) << "seconds hand towards 20 s";

    clock.advance_ms(10'000);
    redraw_by_timer();
    const QImage later = face();
    EXPECT_TRUE(is(later, 137, 121, black)) << "the seconds hand left 20 s";
    EXPECT_TRUE(is(later, 100, 160, green)) << "and points to 30 s";

    clocks::toggle_needle_seconds(state);
    EXPECT_FALSE(rt::menu_item_checked(core::MenuNeedleClock, core::ItemNeedleSeconds));
    EXPECT_TRUE(is(face(), 100, 160, black));
}

TEST_F(NeedleClock, WithoutSecondsANewMinuteMovesTheMinuteHand) {
    clocks::open_needle_clock(state);
    at(2024, 5, 17, 3, 15, 0);
    redraw_by_timer();
    const QImage picture = face();
    EXPECT_TRUE(is(picture, 150, 100, green)) << "minute hand towards 3";
    EXPECT_TRUE(is(picture, 100, 40, black)) << "no longer towards 12";
}

TEST_F(NeedleClock, MenuAsBuilt) {
    const struct {
        int item;
        const char* text;
    } rows[] = {
        {core::ItemNeedleSmall, "Taille 1 (100px)"},
        {core::ItemNeedleMedium, "Taille 2 (150px)"},
        {core::ItemNeedleLarge, "Taille 2 (200px)"},
        {core::ItemNeedleOnTop, "Premier Plan (On Top)"},
        {core::ItemNeedleSeconds, "Afficher Secondes (Show Sec.)"},
        {core::ItemNeedleTransparency25, "Transparence 25% (Transparency)"},
        {core::ItemNeedleTransparency50, "Transparence 50%"},
        {core::ItemNeedleOpaque, "Opaque"},
        {core::ItemNeedleBackground, "Couleur du Fond (Background)"},
        {core::ItemNeedleColour, "Couleur des Aiguilles (Needles)"},
        {core::ItemNeedleClose, "Fermer (Close)"},
    };
    for (const auto& row : rows) EXPECT_EQ(rt::menu_item_text(core::MenuNeedleClock, row.item), row.text);
    EXPECT_FALSE(rt::menu_item_checked(core::MenuNeedleClock, core::ItemNeedleOnTop));
}

TEST_F(NeedleClock, SizesKeepThePlaceAndCloseStoresIt) {
    state.Needle_Clock_Size = 0;
    clocks::open_needle_clock(state);
    EXPECT_EQ(rt::window_width(core::WindowNeedleClock), 200) << "size 0 opens 200 pixels";
    const struct {
        int size;
        int green_x, green_y;  // on the hour hand towards 3
    } rows[] = {{100, 70, 50}, {150, 105, 75}, {200, 140, 100}};
    for (const auto& row : rows) {
        clocks::resize_needle_clock(state, row.size);
        EXPECT_EQ(state.Needle_Clock_Size, row.size);
        EXPECT_EQ(rt::window_width(core::WindowNeedleClock), row.size);
        EXPECT_EQ(rt::window_height(core::WindowNeedleClock), row.size);
        EXPECT_EQ(rt::window_x(core::WindowNeedleClock), 200);
        EXPECT_TRUE(is(face(row.size), row.green_x, row.green_y, green)) << row.size;
    }
    clocks::resize_needle_clock(state, 150);
    rt::move_window(core::WindowNeedleClock, 321, 123);
    clocks::close_needle_clock(state);
    EXPECT_FALSE(rt::window_exists(core::WindowNeedleClock));
    EXPECT_EQ(state.Needle_Clock_X, 321);
    EXPECT_EQ(state.Needle_Clock_Y, 123);
    EXPECT_EQ(state.Needle_Clock_Size, 150);

    clocks::open_needle_clock(state);
    EXPECT_EQ(rt::window_x(core::WindowNeedleClock), 321);
    EXPECT_EQ(rt::window_width(core::WindowNeedleClock), 150);
}

TEST_F(NeedleClock, DraggingMovesAndStoresThePlace) {
    clocks::open_needle_clock(state);
    face_event(rt::EventType::LeftButtonDown, 250, 70);
    face_event(rt::EventType::MouseMove, 400, 300);
    EXPECT_EQ(rt::window_x(core::WindowNeedleClock), 350);
    EXPECT_EQ(rt::window_y(core::WindowNeedleClock), 250);
    EXPECT_EQ(state.Needle_Clock_X, 350);
    EXPECT_EQ(state.Needle_Clock_Y, 250);
    EXPECT_EQ(state.Needle_Clock_Size, 200);
    face_event(rt::EventType::LeftButtonUp, 400, 300);
    face_event(rt::EventType::MouseMove, 10, 10);
    EXPECT_EQ(rt::window_x(core::WindowNeedleClock), 350) << "a move after the release does not drag";
}

TEST_F(NeedleClock, ColoursFromTheDialogAreOpaque) {
    clocks::open_needle_clock(state);
    dialogs.answer({.colour = rt::rgb(255, 0, 0)});
    clocks::choose_needle_background(state);
    dialogs.answer({.colour = rt::rgb(0, 0, 255)});
    clocks::choose_needle_colour(state);
    dialogs.answer(rt::ScriptedAnswer::cancel());
    clocks::choose_needle_colour(state);
    EXPECT_EQ(state.Needle_Clock_BG_Color, 0xFF0000FFu);
    EXPECT_EQ(state.Needle_Clock_FG_Color, 0xFFFF0000u);
    const QImage picture = face();
    EXPECT_TRUE(is(picture, 3, 3, red));
    EXPECT_TRUE(is(picture, 100, 40, blue));
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].kind, rt::DialogKind::Colour);
}

TEST_F(NeedleClock, TransparencyOnlyWhileOpen) {
    clocks::set_needle_opacity(state, 100);
    EXPECT_EQ(state.clock.needle.opacity_percent, 50) << "nothing while closed";
    clocks::open_needle_clock(state);
    for (int percent : {25, 100, 50}) {
        clocks::set_needle_opacity(state, percent);
        EXPECT_EQ(state.clock.needle.opacity_percent, percent);
    }
}

TEST_F(NeedleClock, OnTopFlipsItsCheckMarkAndSurvivesReopening) {
    clocks::open_needle_clock(state);
    clocks::toggle_needle_on_top(state);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuNeedleClock, core::ItemNeedleOnTop));
    clocks::toggle_needle_seconds(state);  // opens the window again
    EXPECT_TRUE(state.clock.needle.on_top);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuNeedleClock, core::ItemNeedleOnTop));
    clocks::toggle_needle_on_top(state);
    EXPECT_FALSE(rt::menu_item_checked(core::MenuNeedleClock, core::ItemNeedleOnTop));
}

}  // namespace
