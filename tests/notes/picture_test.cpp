// The picture window: its size, the pictures it refuses, and the animation
// of a GIF frame after frame, each for its own delay.
#include "notes/picture.h"

#include <sys/stat.h>

#include <gtest/gtest.h>
#include <zlib.h>

#include "core/ids.h"
#include "notes/drops.h"
#include "notes/ids.h"
#include "notes_fixture.h"
#include "rt/codec.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/timer.h"
#include "rt/window.h"
#include "support/gif_file.h"

namespace {

using notes::PictureSize;

std::string png_file(int width, int height, std::uint32_t argb = 0xFF336699) {
    rt::Pixels pixels{width, height, std::vector<std::uint32_t>(std::size_t(width) * height, argb)};
    const auto bytes = rt::encode_png(pixels);
    return {bytes.begin(), bytes.end()};
}

TEST(ShownPictureSize, WidePicturesAreScaledTo800PixelsWide) {
    const struct {
        int width, height;
        PictureSize shown;
    } cases[] = {
        {1600, 1200, {800, 600}}, {1024, 4000, {800, 3125}}, {800, 10, {800, 10}},
        {1, 1, {1, 1}},           {801, 1, {800, 1}},        {3000, 1, {800, 1}},
        {1000, 333, {800, 266}},  {1000, 334, {800, 267}},   {16384, 16384, {800, 800}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        EXPECT_EQ(notes::shown_picture_size(c.width, c.height), c.shown);
    }
}

class PictureWindow : public test::NotesScenario {
protected:
    std::string picture(const std::string& name, const std::string& bytes) {
        test::write_file(working_file(name), bytes);
        return working_file(name);
    }
    // The colour shown at the animation's top-left pixel.
    static QRgb shown_colour() {
        const auto* canvas = dynamic_cast<const rt::CanvasWidget*>(rt::gadget_widget(notes::GadgetAnimation));
        return canvas ? canvas->surface.pixel(0, 0) : 0;
    }
    int timer_ms() { return rt::window_timer_period(core::WindowPicture, core::TimerAnimation); }
    // The animation timer's tick, as the toolkit would queue it; its bound handler runs in the wait.
    bool tick() {
        rt::post_event({.kind = rt::EventKind::Timer, .window = core::WindowPicture, .object = core::TimerAnimation});
        return !rt::wait_event(0).has_value();
    }
};

TEST_F(PictureWindow, APictureOpensAtItsShownSizeAboveTheOtherWindows) {
    const struct {
        int width, height;
        int shown_width, shown_height;
    } cases[] = {{1600, 1200, 800, 600}, {1024, 4000, 800, 3125}, {1, 1, 1, 1}, {640, 480, 640, 480}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const std::string path = picture("p.png", png_file(c.width, c.height));
        notes::open_picture(state, path);
        ASSERT_TRUE(rt::window_exists(core::WindowPicture));
        EXPECT_EQ(rt::window_width(core::WindowPicture), c.shown_width);
        EXPECT_EQ(rt::window_height(core::WindowPicture), c.shown_height);
        EXPECT_EQ(rt::window_title(core::WindowPicture), "Vimo Duzi/Viewer - " + path);
        EXPECT_TRUE(rt::window_widget(core::WindowPicture)->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(rt::gadget_width(notes::GadgetPicture), c.shown_width);
        EXPECT_EQ(rt::image_width(notes::ImagePicture), c.shown_width);
        EXPECT_EQ(timer_ms(), 0) << "a still picture has no timer";
    }
}

TEST_F(PictureWindow, PicturesThatDoNotDecodeWithinTheCapsShowNothing) {
    const std::string good_png = png_file(64, 64);
    // A sound PNG header that claims 20000 x 20000 pixels, then the rest of a small picture.
    std::string huge = good_png;
    constexpr std::size_t width_at = 16, height_at = 20, header_chunk_at = 12, header_chunk_size = 17;
    for (const std::size_t offset : {width_at, height_at}) {
        huge[offset] = 0;
        huge[offset + 1] = 0;
        huge[offset + 2] = char(20000 >> 8);
        huge[offset + 3] = char(20000 & 0xFF);
    }
    const auto crc = ::crc32(0, reinterpret_cast<const Bytef*>(huge.data() + header_chunk_at), header_chunk_size);
    for (int i = 0; i < 4; ++i) huge[header_chunk_at + header_chunk_size + i] = char(crc >> (24 - 8 * i));
    const std::string gif = test::gif_file(8, 8, {{test::GifRed, 10}, {test::GifBlue, 10}});
    const std::string jpeg_start = "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xFF\xDB";
    ASSERT_EQ(::mkfifo(working_file("fifo.png").c_str(), 0600), 0);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"huge.png", huge},      {"cut.png", good_png.substr(0, good_png.size() / 2)},
        {"cut.jpg", jpeg_start}, {"cut.gif", gif.substr(0, 20)},
        {"empty.bmp", ""},       {"text.png", "not a picture at all"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        notes::open_picture(state, picture(c.name, c.bytes));
        EXPECT_FALSE(rt::window_exists(core::WindowPicture));
    }
    notes::open_picture(state, working_file("fifo.png"));
    notes::open_picture(state, working_file("missing.png"));
    EXPECT_FALSE(rt::window_exists(core::WindowPicture));
    EXPECT_TRUE(dialogs.shown().empty()) << "nothing happens, not even a message";
}

TEST_F(PictureWindow, AThreeFrameGifShowsEachFrameForItsOwnDelay) {
    // 50 ms, 0 ms (shown for 100 ms) and 250 ms.
    const std::string path =
        picture("a.gif", test::gif_file(4, 4, {{test::GifRed, 5}, {test::GifGreen, 0}, {test::GifBlue, 25}}));
    notes::open_picture(state, path);
    ASSERT_TRUE(rt::window_exists(core::WindowPicture));
    EXPECT_EQ(shown_colour(), test::gif_red);
    EXPECT_EQ(timer_ms(), 50);

    const struct {
        std::uint32_t colour;
        int ms;
    } steps[] = {{test::gif_green, 100}, {test::gif_blue, 250}, {test::gif_red, 50}, {test::gif_green, 100}};
    for (const auto& step : steps) {
        ASSERT_TRUE(tick()) << "the tick is handled by the window's own handler";
        EXPECT_EQ(shown_colour(), step.colour);
        EXPECT_EQ(timer_ms(), step.ms);
    }
}

TEST_F(PictureWindow, AWideGifIsDrawnScaledAndAHugeOneIsCapped) {
    notes::open_picture(state, picture("wide.gif", test::gif_file(1600, 2, {{test::GifRed, 1}, {test::GifBlue, 1}})));
    EXPECT_EQ(rt::window_width(core::WindowPicture), 800);
    EXPECT_EQ(rt::window_height(core::WindowPicture), 1);
    EXPECT_EQ(timer_ms(), 100) << "10 ms is below 20 ms: shown for 100 ms";

    std::vector<test::GifFrame> frames(10000, {test::GifGreen, 0});
    notes::open_picture(state, picture("many.gif", test::gif_file(1, 1, frames)));
    ASSERT_TRUE(rt::window_exists(core::WindowPicture));
    EXPECT_EQ(state.notes.picture.frames.size(), std::size_t(rt::max_animation_frames));
    EXPECT_EQ(timer_ms(), 100);
}

TEST_F(PictureWindow, ANewDropOrTheCloseStopsTheAnimation) {
    const std::string gif = picture("a.gif", test::gif_file(2, 2, {{test::GifRed, 5}, {test::GifBlue, 5}}));
    notes::open_picture(state, gif);
    ASSERT_EQ(timer_ms(), 50);
    notes::open_dropped_file(state, working_file("missing.txt"));
    EXPECT_EQ(timer_ms(), 0);
    EXPECT_TRUE(rt::window_exists(core::WindowPicture)) << "the picture stays, still";
    EXPECT_FALSE(tick()) << "no handler is bound any more";

    notes::open_picture(state, gif);
    notes::close_picture(state);
    EXPECT_FALSE(rt::window_exists(core::WindowPicture));
    EXPECT_EQ(timer_ms(), 0);
    EXPECT_FALSE(tick());
    EXPECT_TRUE(state.notes.picture.frames.empty());
    notes::close_picture(state);  // closing again does nothing
}

}  // namespace
