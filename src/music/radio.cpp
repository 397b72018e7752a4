#include "music/radio.h"

#include "core/ids.h"
#include "music/engine.h"
#include "music/player.h"
#include "music/texts.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace music {

void web_radio_button(core::State& s) {
    if (radio_engine_usable(s)) return;  // the web radio window comes with the playlists
    rt::message_box(texts::missing_engine_title.in(s.Lng), texts::missing_engine.in(s.Lng), rt::MessageButtons::Ok,
                    rt::MessageIcon::Error);
}

void radio_stop(core::State& s) {
    if (s.Audio_Available != 1) return;
    stop_radio_stream(s);
    rt::set_gadget_back_colour(core::GadgetNowPlaying, radio_idle_colour);
    if (rt::window_exists(core::WindowRadio)) rt::set_text(core::GadgetNowPlaying, "");
}

}  // namespace music
