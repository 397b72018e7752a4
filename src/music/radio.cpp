#include "music/radio.h"

#include "music/texts.h"
#include "rt/dialogs.h"

namespace music {

void web_radio_button(core::State& s) {
    if (s.Audio_Available == 1) return;  // the web radio window comes with the music player
    rt::message_box(texts::missing_engine_title.in(s.Lng), texts::missing_engine.in(s.Lng), rt::MessageButtons::Ok,
                    rt::MessageIcon::Error);
}

}  // namespace music
