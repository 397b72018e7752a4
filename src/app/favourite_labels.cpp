#include "app/favourite_labels.h"

#include "core/ids.h"
#include "core/images.h"
#include "music/radio.h"
#include "rt/gadget.h"
#include "rt/image.h"

namespace app {

void show_favourite_station_buttons(const core::State& s) {
    if (s.Audio_Available == 1) {
        for (int i = 1; i <= core::favourite_station_count; ++i) music::show_station_button(s, i);
        return;
    }
    // Without the engine one plain band covers the three buttons.
    constexpr int band_image = core::ImageStationLabel1;
    constexpr rt::Colour band_colour = core::default_page_colours[1];
    rt::create_image(band_image, 108, 15, band_colour);
    rt::use_gadget_list(core::WindowDesk);
    rt::create_image_gadget(core::GadgetFavourite1, 1, 158, 108, 14, band_image);
}

}  // namespace app
