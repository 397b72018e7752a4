// Popup menus and keyboard shortcuts. A menu is built in order:
// create_popup_menu() starts it, and each menu_item(), menu_separator() and
// open_submenu() adds to it (or to the innermost open submenu). Choosing an
// item queues a Menu event with the item number and the window the menu was
// shown for. Item numbers are looked up within one menu and its submenus.
#pragma once

#include <functional>
#include <string>

namespace rt {

// Starts building menu `menu`, replacing one with that number.
void create_popup_menu(int menu);
// `image`: an image number shown beside the text, or -1. A tab in `text`
// separates the shortcut shown at the right.
void menu_item(int item, const std::string& text, int image = -1);
void menu_separator();
// `on_open`, when given, runs each time the submenu opens, before it shows:
// for work its items will want done by the time one is chosen.
void open_submenu(const std::string& text, int image = -1, std::function<void()> on_open = {});
void close_submenu();

bool menu_exists(int menu);
void free_menu(int menu);

void set_menu_item_text(int menu, int item, const std::string& text);
std::string menu_item_text(int menu, int item);
// A check mark beside the item.
void set_menu_item_checked(int menu, int item, bool checked);
bool menu_item_checked(int menu, int item);
void disable_menu_item(int menu, int item, bool disabled);
// True when the item is greyed (false when there is no such item).
bool menu_item_disabled(int menu, int item);

// Shows the menu for window `window` with its top-left corner at desktop
// position (x, y), or at the mouse when x or y is -1. Returns at once; the
// choice comes as an event.
void display_popup_menu(int menu, int window, int x = -1, int y = -1);

// Queues a Menu event for `item` when `keys` (for example "Ctrl+D" or "F1")
// are pressed while a widget of `window` has the keyboard. False when
// `keys` are not understood. The same keys again replace the item.
bool add_keyboard_shortcut(int window, const std::string& keys, int item);
void remove_keyboard_shortcut(int window, const std::string& keys);
// Runs `action` each time the Ctrl key goes down while a widget of `window`
// has the keyboard, before the rest of a Ctrl shortcut is typed: for work
// that the shortcut will want done by then. The key itself goes on as usual.
void set_control_key_action(int window, std::function<void()> action);

}  // namespace rt
