// The embedded pictures: the set of numbers and sizes the program relies on,
// and pictures a user can tell apart, checked through the runtime loader.
#include "core/images.h"

#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "rt/image.h"

namespace {

// Width and height of every embedded image, written out independently of the table.
std::map<int, std::pair<int, int>> expected_sizes() {
    std::map<int, std::pair<int, int>> sizes;
    for (int n = 5; n <= 29; ++n) sizes[n] = {16, 16};
    for (int n = 35; n <= 82; ++n) sizes[n] = {16, 16};
    sizes[1] = {48, 48};
    sizes[2] = {48, 48};
    for (const int n : {6, 27, 28, 29, 63}) sizes[n] = {32, 32};
    sizes[82] = {104, 24};
    return sizes;
}

// Pixels of two same-sized images that a user would see as different: an
// opacity or a colour channel apart by more than a faint antialiasing step.
int different_pixels(const rt::Pixels& a, const rt::Pixels& b) {
    constexpr int visible_step = 48;
    int count = 0;
    for (std::size_t i = 0; i < a.argb.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8) {
            const int channel_a = int(a.argb[i] >> shift & 0xFF), channel_b = int(b.argb[i] >> shift & 0xFF);
            if (std::abs(channel_a - channel_b) > visible_step) {
                ++count;
                break;
            }
        }
    return count;
}

TEST(EmbeddedImages, EveryNumberOnceWithItsSize) {
    const auto expected = expected_sizes();
    ASSERT_EQ(expected.size(), 75u);
    std::map<int, int> seen;
    for (const core::EmbeddedImage& image : core::embedded_images()) {
        ++seen[image.number];
        const auto it = expected.find(image.number);
        if (it == expected.end()) {
            ADD_FAILURE() << "image " << image.number << " is not one of the program's numbers";
            continue;
        }
        EXPECT_EQ(std::make_pair(image.width, image.height), it->second) << "image " << image.number;
        EXPECT_NE(image.png, nullptr);
        EXPECT_GT(image.size, 0u);
    }
    for (const auto& [number, size] : expected) EXPECT_EQ(seen[number], 1) << "image " << number;
    EXPECT_EQ(core::find_embedded_image(3), nullptr);
    EXPECT_EQ(core::find_embedded_image(83), nullptr);
    ASSERT_NE(core::find_embedded_image(82), nullptr);
    EXPECT_EQ(core::find_embedded_image(82)->width, 104);
}

// Each one loads into its numbered slot at its size, is visibly drawn, and
// differs from every other one.
TEST(EmbeddedImages, LoadDrawnAndDistinct) {
    const auto expected = expected_sizes();
    std::map<int, rt::Pixels> loaded;
    for (const auto& [number, size] : expected) {
        rt::free_image(number);
        ASSERT_TRUE(core::load_embedded_image(number)) << "image " << number;
        ASSERT_TRUE(rt::image_exists(number));
        EXPECT_EQ(rt::image_width(number), size.first) << "image " << number;
        EXPECT_EQ(rt::image_height(number), size.second) << "image " << number;
        auto pixels = rt::image_pixels(number);
        ASSERT_TRUE(pixels.has_value());

        int visible = 0, transparent = 0;
        std::set<std::uint32_t> colours;
        for (const std::uint32_t argb : pixels->argb) {
            if (argb >> 24 == 0) {
                ++transparent;
                continue;
            }
            ++visible;
            colours.insert(argb | 0xFF000000u);
        }
        // A picture covers a fair part of its square but never all of it as one flat colour.
        EXPECT_GT(visible, int(pixels->argb.size()) / 8) << "image " << number << " is nearly empty";
        EXPECT_GE(colours.size(), 3u) << "image " << number << " is a flat square";
        // Icons sit on menus, buttons and the lime banner: their corners stay transparent.
        EXPECT_GT(transparent, 0) << "image " << number << " has no transparent background";
        loaded[number] = std::move(*pixels);
    }
    // Two pictures a user must tell apart differ in more than a few stray pixels.
    constexpr int least_different_pixels = 24;
    for (auto a = loaded.begin(); a != loaded.end(); ++a)
        for (auto b = std::next(a); b != loaded.end(); ++b) {
            const rt::Pixels& x = a->second;
            const rt::Pixels& y = b->second;
            if (x.width != y.width || x.height != y.height) continue;
            EXPECT_GE(different_pixels(x, y), least_different_pixels)
                << "images " << a->first << " and " << b->first << " look the same";
        }
}

TEST(EmbeddedImages, UnknownNumberLoadsNothing) {
    rt::free_image(3);
    EXPECT_FALSE(core::load_embedded_image(3));
    EXPECT_FALSE(rt::image_exists(3));
    EXPECT_FALSE(core::load_embedded_images({core::ImageQuit, 3}));
    EXPECT_TRUE(rt::image_exists(core::ImageQuit)) << "the known number is still loaded";
    EXPECT_TRUE(core::load_embedded_images({core::ImageLogo, core::ImageMusicInfoStrip}));
}

}  // namespace
