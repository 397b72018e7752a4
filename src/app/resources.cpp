#include "app/resources.h"

#include <initializer_list>

#include "core/images.h"
#include "rt/font.h"

namespace app {

namespace {

struct FontSpec {
    const char* face;
    int size;
    bool bold = false;
    bool italic = false;
};

// Font number -> face, size in points, style.
constexpr FontSpec font_table[] = {
    {"Verdana", 8},               // 0
    {"Verdana", 8},               // 1
    {"Verdana", 16, true},        // 2
    {"Verdana", 11},              // 3
    {"Verdana", 9},               // 4
    {"Verdana", 10},              // 5
    {"Verdana", 6},               // 6
    {"Verdana", 8},               // 7
    {"Verdana", 10},              // 8
    {"Verdana", 8},               // 9
    {"Verdana", 7},               // 10
    {"Verdana", 8},               // 11
    {"Verdana", 10},              // 12
    {"Verdana", 8, false, true},  // 13
    {"Verdana", 8},               // 14
    {"Verdana", 10, true},        // 15
    {"Verdana", 10},              // 16
    {"Verdana", 10},              // 17
    {"Verdana", 16, true},        // 18
    {"Verdana", 9},               // 19
    {"Verdana", 6},               // 20
    {"Verdana", 8},               // 21
    {"Verdana", 10, true},        // 22
    {"Verdana", 9},               // 23
    {"Verdana", 10},              // 24
    {"Verdana", 8},               // 25
    {"Verdana", 9},               // 26
    {"Verdana", 10},              // 27
    {"Verdana", 10, true},        // 28
    {"Verdana", 10},              // 29
    {"Consolas", 9},              // 30
    {"Consolas", 10},             // 31
    {"Verdana", 9},               // 32
    {"Verdana", 8},               // 33
};

void fonts(int first, int last) {
    for (int n = first; n <= last; ++n) load_numbered_font(n);
}

void images(int first, int last) {
    for (int n = first; n <= last; ++n) core::load_embedded_image(n);
}

}  // namespace

void load_numbered_font(int number) {
    if (number < 0 || number >= int(std::size(font_table))) return;
    const FontSpec& f = font_table[number];
    rt::load_font(number, f.face, f.size, f.bold, f.italic);
}

void load_fonts_and_tool_images() {
    images(47, 61);
    fonts(1, 6);
    images(62, 62);
    fonts(7, 10);
    images(63, 63);
    fonts(11, 13);
    images(64, 65);
    fonts(14, 20);
    images(66, 69);
    fonts(21, 30);
    images(70, 73);
    fonts(31, 31);
    images(74, 81);
    fonts(32, 32);
}

void load_menu_images() {
    images(1, 1);
    images(5, 29);
    images(36, 36);
    images(35, 35);
    images(37, 46);
}

void load_music_info_resources() {
    images(82, 82);
    fonts(33, 33);
}

}  // namespace app
