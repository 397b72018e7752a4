#include "clock/tick.h"

#include <cstdio>

#include "clock/ids.h"
#include "clock/talking_clock.h"
#include "platform/services.h"
#include "rt/gadget.h"

namespace clocks {

bool time_texts(int clock_type, int hour, int minute, TimeTexts& out) {
    char text[16];
    if (clock_type == 24) {
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
        out = {text, "-"};
        return true;
    }
    if (clock_type != 12) return false;
    if (hour >= 12) {
        std::snprintf(text, sizeof text, "%d:%02d", hour > 12 ? hour - 12 : 12, minute);
        out = {text, "PM"};
    } else {
        // Morning hours keep two digits; midnight reads 00.
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
        out = {text, "AM"};
    }
    return true;
}

void tick(app::State& s) {
    const auto now = platform::clock().local_now();
    const auto t = platform::local_time(now);
    if (TimeTexts texts; time_texts(s.Clock_Type, t.hour, t.minute, texts)) {
        rt::set_text(GadgetTime, texts.time);
        rt::set_text(GadgetMarker, texts.marker);
    }
    rt::set_text(GadgetSeconds, platform::format_date("%ss", now));
    if (s.Sound_ON != 0 && t.second == 0) speak_the_time(s);
}

}  // namespace clocks
