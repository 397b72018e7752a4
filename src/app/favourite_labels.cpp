#include "app/favourite_labels.h"

#include "clock/ids.h"
#include "core/ids.h"
#include "core/images.h"
#include "rt/draw.h"
#include "rt/font.h"
#include "rt/gadget.h"
#include "rt/image.h"

namespace app {

namespace {

constexpr int label_image_base = core::ImageStationLabel1 - 1;
constexpr int label_width = 36, label_height = 14;
constexpr rt::Colour label_colours[] = {rt::rgb(240, 248, 255), rt::rgb(135, 206, 250), rt::rgb(173, 216, 230)};
constexpr int label_text_alpha = 150;

}  // namespace

void draw_favourite_label(const core::State& s, int i) {
    const int image = label_image_base + i;
    const std::string& label = s.favourites[std::size_t(i - 1)].short_label;
    rt::create_image(image, label_width, label_height, label_colours[i - 1]);
    if (!rt::start_drawing_image(image)) return;
    rt::path_add_text((label_width - rt::text_width(core::Font8, label)) / 2, 0, label, core::Font8);
    rt::fill_path(rt::rgb(0, 0, 0), label_text_alpha);
    rt::stop_drawing();
}

void show_favourite_station_buttons(const core::State& s) {
    constexpr int buttons[] = {core::GadgetFavourite1, core::GadgetFavourite2, core::GadgetFavourite3};
    if (s.Audio_Available == 1) {
        for (int i = 1; i <= 3; ++i) rt::set_tooltip(buttons[i - 1], s.favourites[std::size_t(i - 1)].name);
        for (int i = 1; i <= 3; ++i) {
            draw_favourite_label(s, i);
            rt::set_gadget_image(buttons[i - 1], label_image_base + i);
        }
        return;
    }
    constexpr int band_image = label_image_base + 1;
    constexpr rt::Colour band_colour = core::default_page_colours[1];
    rt::create_image(band_image, 108, 15, band_colour);
    rt::use_gadget_list(core::WindowDesk);
    rt::create_image_gadget(core::GadgetFavourite1, 1, 158, 108, 14, band_image);
}

}  // namespace app
