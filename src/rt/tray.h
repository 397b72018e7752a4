// Icons in the system tray. Clicks queue Tray events (icon number, the
// owning window, type LeftClick, RightClick or LeftDoubleClick). Without a
// system tray the icons exist but show nothing, and the program goes on; a
// tray host started later shows them.
#pragma once

#include <string>

namespace rt {

// Adds tray icon `number` showing image `image`, owned by window `window`
// (the window its events name); replaces an icon with that number.
void add_tray_icon(int number, int window, int image);
void set_tray_icon_image(int number, int image);
void set_tray_tooltip(int number, const std::string& text);
void remove_tray_icon(int number);
bool tray_icon_exists(int number);
// Whether the tray icon has a picture to show.
bool tray_icon_has_picture(int number);
// Whether the desktop runs a system tray (a tray host) now.
bool tray_available();

}  // namespace rt
