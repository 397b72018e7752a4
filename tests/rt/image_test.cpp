// Numbered images: drawing results pixel by pixel, size changes, and files.
#include "rt/image.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "rt/colour.h"
#include "rt/draw.h"
#include "rt/font.h"
#include "rt_test.h"

namespace {

using rt_test::RuntimeTest;

enum : int { ImageTarget = 1, ImageSource = 2, ImageCopy = 3 };

using rt::Colour;

constexpr std::uint32_t opaque_blue = 0xFF0000FF;

std::uint32_t pixel(int image, int x, int y) {
    const auto p = rt::image_pixels(image);
    if (!p || x >= p->width || y >= p->height) {
        ADD_FAILURE() << "no pixel " << x << "," << y << " in image " << image;
        return 0;
    }
    return p->argb[std::size_t(y) * p->width + x];
}

// Channels within one step of each other: blending rounds.
::testing::AssertionResult close_argb(std::uint32_t actual, std::uint32_t expected) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > 1)
            return ::testing::AssertionFailure() << std::hex << "actual 0x" << actual << ", expected 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

class ImageTest : public RuntimeTest {};

TEST_F(ImageTest, DrawImageBlendsBySourceAlpha) {
    const struct {
        const char* name;
        Colour background;
        int background_alpha;
        std::uint32_t source;
        std::uint32_t expected;
        std::uint32_t untouched;  // the pixel beside, which nothing covers
    } cases[] = {
        {"opaque red over blue", rt::rgb(0, 0, 255), 255, 0xFFFF0000, 0xFFFF0000, opaque_blue},
        {"half red over blue", rt::rgb(0, 0, 255), 255, 0x80FF0000, 0xFF80007F, opaque_blue},
        {"transparent over blue", rt::rgb(0, 0, 255), 255, 0x00FF0000, opaque_blue, opaque_blue},
        {"half red over nothing", rt::rgb(0, 0, 0), 0, 0x80FF0000, 0x80FF0000, 0x00000000},
        {"quarter white over half black", rt::rgb(0, 0, 0), 128, 0x40FFFFFF, 0xA0666666, 0x80000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(rt::create_image(ImageTarget, 2, 1, c.background, c.background_alpha));
        ASSERT_TRUE(rt::set_image_pixels(ImageSource, {1, 1, {c.source}}));
        ASSERT_TRUE(rt::start_drawing_image(ImageTarget));
        rt::draw_image(ImageSource, 1, 0);
        rt::stop_drawing();
        EXPECT_TRUE(close_argb(pixel(ImageTarget, 1, 0), c.expected));
        EXPECT_EQ(pixel(ImageTarget, 0, 0), c.untouched);
    }
}

TEST_F(ImageTest, BoxesAndLinesArePixelExact) {
    // Image 5 x 4 on white; each case draws once and lists the pixels it must
    // have turned black ('#') and left white ('.').
    const struct {
        const char* name;
        void (*draw)();
        const char* rows[4];
    } cases[] = {
        {"fill box", [] { rt::fill_box(1, 1, 3, 2, rt::rgb(0, 0, 0)); }, {".....", ".###.", ".###.", "....."}},
        {"outline box", [] { rt::outline_box(0, 0, 5, 4, rt::rgb(0, 0, 0)); }, {"#####", "#...#", "#...#", "#####"}},
        {"horizontal line", [] { rt::draw_line(1, 2, 3, 2, rt::rgb(0, 0, 0)); }, {".....", ".....", ".###.", "....."}},
        {"box clipped at the edge",
         [] { rt::fill_box(3, 2, 10, 10, rt::rgb(0, 0, 0)); },
         {".....", ".....", "...##", "...##"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(rt::create_image(ImageTarget, 5, 4, rt::rgb(255, 255, 255)));
        ASSERT_TRUE(rt::start_drawing_image(ImageTarget));
        c.draw();
        rt::stop_drawing();
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 5; ++x) {
                const std::uint32_t expected = c.rows[y][x] == '#' ? 0xFF000000 : 0xFFFFFFFF;
                EXPECT_EQ(pixel(ImageTarget, x, y), expected) << "at " << x << "," << y;
            }
        }
    }
}

TEST_F(ImageTest, TextStaysInsideItsMeasuredBox) {
    constexpr int font = 1, x = 3, y = 4;
    rt::load_font(font, "Verdana", 12, true);
    const std::string text = "Wq";
    const int width = rt::text_width(font, text), height = rt::text_height(font);
    ASSERT_GT(width, 0);
    const struct {
        const char* name;
        void (*draw)(const std::string&);
    } cases[] = {
        {"text", [](const std::string& t) { rt::draw_text(x, y, t, font, rt::rgb(0, 0, 0)); }},
        {"text outlines filled",
         [](const std::string& t) {
             rt::path_add_text(x, y, t, font);
             rt::fill_path(rt::rgb(0, 0, 0));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(rt::create_image(ImageTarget, width + 20, height + 20, rt::rgb(255, 255, 255)));
        ASSERT_TRUE(rt::start_drawing_image(ImageTarget));
        c.draw(text);
        rt::stop_drawing();

        const auto p = rt::image_pixels(ImageTarget);
        int inked = 0;
        for (int py = 0; py < p->height; ++py) {
            for (int px = 0; px < p->width; ++px) {
                if (p->argb[std::size_t(py) * p->width + px] == 0xFFFFFFFF) continue;
                ++inked;
                // One pixel of slack for anti-aliased edges.
                EXPECT_TRUE(px >= x - 1 && px <= x + width && py >= y - 1 && py <= y + height)
                    << "ink at " << px << "," << py << " outside the " << width << "x" << height << " box";
            }
        }
        EXPECT_GT(inked, 0);
    }
}

TEST_F(ImageTest, VectorFillHonoursAlpha) {
    ASSERT_TRUE(rt::create_image(ImageTarget, 10, 10, rt::rgb(255, 255, 255)));
    ASSERT_TRUE(rt::start_drawing_image(ImageTarget));
    rt::path_move_to(0, 0);
    rt::path_line_to(10, 0);
    rt::path_line_to(10, 10);
    rt::path_line_to(0, 10);
    rt::path_close();
    rt::fill_path(rt::rgb(0, 0, 0), 128);
    rt::stop_drawing();
    // Half-transparent black over white: mid grey.
    EXPECT_TRUE(close_argb(pixel(ImageTarget, 5, 5), 0xFF7F7F7F));
}

TEST_F(ImageTest, DrawingOnItselfReadsTheOldPixels) {
    ASSERT_TRUE(rt::set_image_pixels(ImageTarget, {3, 1, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF}}));
    ASSERT_TRUE(rt::start_drawing_image(ImageTarget));
    rt::draw_image(ImageTarget, 1, 0);
    rt::stop_drawing();
    EXPECT_EQ(rt::image_pixels(ImageTarget)->argb, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFF0000, 0xFF00FF00}));
}

TEST_F(ImageTest, ReplacingOrFreeingTheTargetEndsTheDrawing) {
    const struct {
        const char* name;
        void (*end_target)();
    } cases[] = {
        {"freed", [] { rt::free_image(ImageTarget); }},
        {"created again", [] { rt::create_image(ImageTarget, 2, 2, rt::rgb(255, 255, 255)); }},
        {"resized", [] { rt::resize_image(ImageTarget, 2, 2); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(rt::create_image(ImageTarget, 2, 2, rt::rgb(255, 255, 255)));
        ASSERT_TRUE(rt::start_drawing_image(ImageTarget));
        c.end_target();
        ASSERT_TRUE(rt::create_image(ImageTarget, 2, 2, rt::rgb(255, 255, 255)));
        rt::fill_box(0, 0, 2, 2, rt::rgb(0, 0, 0));  // no drawing is open: nothing happens
        EXPECT_EQ(pixel(ImageTarget, 1, 1), 0xFFFFFFFFu);
    }
}

TEST_F(ImageTest, GrabResizeAndCopyGiveTheAskedSizes) {
    // 2 x 2: red, green / blue, white.
    ASSERT_TRUE(rt::set_image_pixels(ImageSource, {2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}}));

    ASSERT_TRUE(rt::grab_image(ImageSource, ImageTarget, 1, 1, 2, 3));
    EXPECT_EQ(rt::image_width(ImageTarget), 2);
    EXPECT_EQ(rt::image_height(ImageTarget), 3);
    EXPECT_EQ(pixel(ImageTarget, 0, 0), 0xFFFFFFFFu);  // the source's (1, 1)
    EXPECT_EQ(pixel(ImageTarget, 1, 0) >> 24, 0u);     // outside the source: transparent
    EXPECT_EQ(pixel(ImageTarget, 0, 2) >> 24, 0u);

    ASSERT_TRUE(rt::copy_image(ImageSource, ImageCopy));
    ASSERT_TRUE(rt::resize_image(ImageCopy, 7, 3));
    EXPECT_EQ(rt::image_width(ImageCopy), 7);
    EXPECT_EQ(rt::image_height(ImageCopy), 3);
    EXPECT_EQ(rt::image_width(ImageSource), 2) << "the copy must not share the source";

    EXPECT_FALSE(rt::resize_image(ImageCopy, 0, 3));
    EXPECT_FALSE(rt::grab_image(ImageSource, ImageTarget, 0, 0, -1, 1));
    EXPECT_FALSE(rt::copy_image(99, ImageCopy));
    EXPECT_EQ(rt::image_width(ImageCopy), 7) << "a failed change leaves the image";
}

TEST_F(ImageTest, CreateRefusesSizesOverTheCaps) {
    const struct {
        int width, height;
        bool ok;
    } cases[] = {
        {1, 1, true}, {0, 1, false}, {1, -5, false}, {16385, 1, false}, {8193, 8193, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::create_image(ImageTarget, c.width, c.height), c.ok) << c.width << "x" << c.height;
    }
}

class ImageFileTest : public RuntimeTest {
protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() / ("rt_image_test_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        RuntimeTest::TearDown();
    }
    std::filesystem::path folder;
};

TEST_F(ImageFileTest, SavePngReplacesTheFileAndLoadsBackTheSamePixels) {
    const rt::Pixels original{2, 1, {0x80102030, 0xFFFFFFFF}};
    const auto path = (folder / "icon.png").string();
    std::ofstream(path) << "old contents";
    ASSERT_TRUE(rt::set_image_pixels(ImageSource, original));
    ASSERT_TRUE(rt::save_png(ImageSource, path));

    ASSERT_TRUE(rt::load_image(ImageTarget, path));
    // Half alpha goes through premultiplied storage: a colour step may round.
    const auto loaded = rt::image_pixels(ImageTarget);
    EXPECT_TRUE(close_argb(loaded->argb[0], original.argb[0]));
    EXPECT_EQ(loaded->argb[1], original.argb[1]);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(ImageFileTest, FailedLoadsAndSavesChangeNothing) {
    ASSERT_TRUE(rt::create_image(ImageTarget, 4, 4));
    const auto not_an_image = (folder / "notes.png").string();
    std::ofstream(not_an_image) << "plain text, whatever the name says";

    EXPECT_FALSE(rt::load_image(ImageTarget, not_an_image));
    EXPECT_FALSE(rt::load_image(ImageTarget, (folder / "missing.png").string()));
    EXPECT_EQ(rt::image_width(ImageTarget), 4);

    EXPECT_FALSE(rt::save_png(ImageTarget, (folder / "no such folder" / "x.png").string()));
    EXPECT_FALSE(rt::save_png(99, (folder / "x.png").string()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(ImageFileTest, CellsOfAStripBecomeTheAskedImagesOnly) {
    // Three 2 x 2 cells side by side, each one colour; the middle one half transparent.
    const std::uint32_t colours[] = {0xFF112233, 0x80FF0000, 0xFF445566};
    rt::Pixels strip{6, 2, {}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) strip.argb.push_back(colours[x / 2]);
    const std::vector<std::uint8_t> png = rt::encode_png(strip);

    enum : int { CellImage1 = 11, CellImage2 = 12 };
    ASSERT_TRUE(rt::load_image_cells(png, 2, 3, [](int cell) { return cell == 0 ? -1 : 10 + cell; }));
    EXPECT_FALSE(rt::image_exists(10));
    EXPECT_EQ(rt::image_width(CellImage1), 2);
    EXPECT_EQ(rt::image_height(CellImage1), 2);
    EXPECT_TRUE(close_argb(pixel(CellImage1, 1, 1), colours[1]));
    EXPECT_EQ(pixel(CellImage2, 0, 0), colours[2]);
    EXPECT_EQ(pixel(CellImage2, 1, 1), colours[2]);

    // A strip of another shape, no picture or a cut one makes no image.
    const auto all = [](int cell) { return 20 + cell; };
    EXPECT_FALSE(rt::load_image_cells(png, 2, 2, all));
    EXPECT_FALSE(rt::load_image_cells(png, 3, 2, all));
    const std::string text = "not a picture";
    EXPECT_FALSE(rt::load_image_cells({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 2, 3, all));
    EXPECT_FALSE(rt::load_image_cells(std::span(png).first(png.size() - 20), 2, 3, all));
    for (int n = 20; n < 23; ++n) EXPECT_FALSE(rt::image_exists(n));
}

TEST_F(ImageFileTest, LoadTellsFormatsByContent) {
    ASSERT_TRUE(rt::set_image_pixels(ImageSource, {1, 1, {0xFF123456}}));
    const auto misnamed = (folder / "photo.jpg").string();
    ASSERT_TRUE(rt::save_png(ImageSource, misnamed));
    ASSERT_TRUE(rt::load_image(ImageTarget, misnamed));
    EXPECT_EQ(pixel(ImageTarget, 0, 0), 0xFF123456u);
}

}  // namespace
