// Numbered gadgets (controls). Gadget numbers are unique across all windows;
// creating a number in use replaces the old gadget. A new gadget goes into the
// current gadget list: the window last opened or named by use_gadget_list(),
// or the innermost open container. Geometry is in pixels, relative to the
// gadget's parent (the window's inner area or the container).
//
// Gadget events (EventKind::Gadget, with the gadget's window and number):
//   button, image button  LeftClick, RightClick, DragStart
//   image                 LeftClick, RightClick, LeftDoubleClick
//   canvas                LeftButtonDown, MouseMove, LeftButtonUp, LeftClick,
//                         RightClick, LeftDoubleClick (mouse in MousePosition::gadget_x/y)
//   checkbox              LeftClick (the state has already changed)
//   string, spin, slider  Change, for changes by the user only
// A text gadget has no events: clicks on it count as clicks on its window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rt/colour.h"

namespace rt {

struct TextFlag {
    enum : unsigned {
        Centre = 1u << 0,
        Right = 1u << 1,   // left aligned when neither is set
        Border = 1u << 2,  // a sunken frame
        Fit = 1u << 3,     // one line, drawn smaller when it would not fit the width
    };
};

struct ButtonFlag {
    enum : unsigned {
        Toggle = 1u << 0,  // stays down after a click; its state is 1 while down
        // An image button drawn as its picture alone on its parent's
        // background, without a frame; while the left mouse button holds it
        // down, the picture sits one pixel lower and to the right in a sunken frame.
        Flat = 1u << 1,
    };
};

// Makes window `window` the current gadget list (and closes open containers).
void use_gadget_list(int window);

void create_text_gadget(int number, int x, int y, int width, int height, const std::string& text, unsigned flags = 0);
void create_button_gadget(int number, int x, int y, int width, int height, const std::string& text, unsigned flags = 0);
// `image`: an image number shown at its own size, or -1 for none.
void create_image_button_gadget(int number, int x, int y, int width, int height, int image, unsigned flags = 0);
// Shows `image` (or nothing for -1) at the top left, unscaled.
void create_image_gadget(int number, int x, int y, int width, int height, int image);
void create_progress_gadget(int number, int x, int y, int width, int height, int minimum, int maximum);
// A white drawing surface; see start_drawing_gadget() in rt/draw.h.
void create_canvas_gadget(int number, int x, int y, int width, int height);
// A one-line text field.
void create_string_gadget(int number, int x, int y, int width, int height, const std::string& text);
void create_checkbox_gadget(int number, int x, int y, int width, int height, const std::string& text);
// A number field with up and down arrows; its state is the value, minimum to maximum.
void create_spin_gadget(int number, int x, int y, int width, int height, int minimum, int maximum);
// A spin field that takes whatever is typed, so that the program can judge
// it: its text (gadget_text) stays as typed, its arrows step the number it
// shows within minimum to maximum, and its state is that number clamped to
// the range (minimum when the text is no number).
void create_typed_spin_gadget(int number, int x, int y, int width, int height, int minimum, int maximum);
// A slider, horizontal unless taller than wide; its state is the value, minimum to maximum.
void create_slider_gadget(int number, int x, int y, int width, int height, int minimum, int maximum);
// A container gadget; it becomes the current gadget list until close_container_gadget().
void open_container_gadget(int number, int x, int y, int width, int height, bool border = false);
// Makes container gadget `number`, made earlier, the current gadget list
// again, to add to it; false (and no change) when it is not a container.
bool reopen_container_gadget(int number);
void close_container_gadget();

bool gadget_exists(int number);
void free_gadget(int number);

// Text of a text, button, string or checkbox gadget, and the text a spin
// field shows (read only); "" for the others.
void set_text(int number, const std::string& text);
std::string gadget_text(int number);
// State: the value of a progress bar, spin or slider (clamped to its range);
// 1 or 0 for a checkbox or a toggle button; 0 for the others.
void set_state(int number, int state);
int gadget_state(int number);
// The picture of an image or image button gadget, copied now; -1 clears it.
void set_gadget_image(int number, int image);
void set_tooltip(int number, const std::string& text);
// `font`: a font number; -1 (or a number not loaded) for the default font.
void set_gadget_font(int number, int font);
// The language of the names a gadget shows of itself (month and day names of
// a calendar, first day of the week): a locale name such as "fr_FR".
void set_gadget_language(int number, const std::string& locale_name);
void set_gadget_front_colour(int number, Colour colour);
void set_gadget_back_colour(int number, Colour colour);

// -1 for any value keeps the current one.
void move_gadget(int number, int x, int y, int width = -1, int height = -1);
// 0 when the gadget does not exist.
int gadget_x(int number);
int gadget_y(int number);
int gadget_width(int number);
int gadget_height(int number);
// Puts the gadget below the other gadgets of its list, as a background.
void lower_gadget(int number);
void hide_gadget(int number, bool hidden);
void disable_gadget(int number, bool disabled);

}  // namespace rt

// Drop-down lists (gadget_combo.cpp). A list starts with no line chosen; the
// user's choice of a line queues a Change event. gadget_text() gives the
// chosen line's text.
namespace rt {

void create_combo_gadget(int number, int x, int y, int width, int height);
void add_gadget_item(int number, const std::string& text);
void clear_gadget_items(int number);
int gadget_item_count(int number);
// The text of line `index` (0 for the first); "" when there is no such line.
std::string gadget_item_text(int number, int index);
// The chosen line, 0 for the first; -1 when none is chosen or the gadget is not a list.
int gadget_selected_item(int number);
// -1 chooses no line; a line out of range chooses none too.
void set_gadget_selected_item(int number, int index);

}  // namespace rt

// Multi-line editors and captioned frames (gadget_editor.cpp). set_text() and
// gadget_text() work on both: an editor's whole text (lines joined by "\n"),
// a frame's caption.
namespace rt {

// A multi-line text editor that wraps long lines at word boundaries; the
// user's edits queue Change events.
void create_editor_gadget(int number, int x, int y, int width, int height);
// A frame drawn around an area, with `caption` in its top edge. It holds no
// gadgets: those created after it on the same list are drawn over it.
void create_frame_gadget(int number, int x, int y, int width, int height, const std::string& caption);

}  // namespace rt

// Month calendars and date fields (gadget_calendar.cpp). Dates are the
// program's date values: whole seconds since 1970-01-01 00:00:00 counted in
// local wall-clock time, without time-zone conversion.
namespace rt {

// A month calendar showing the month of `date_value` with that day chosen.
void create_calendar_gadget(int number, int x, int y, int width, int height, std::int64_t date_value);
// The chosen day at 00:00:00; 0 when the gadget is not a calendar.
std::int64_t calendar_gadget_date(int number);

// A date and time field with a check box in front and up and down arrows. Its
// value is 0 while the box is unticked, and the field is then empty; ticking
// it again brings back the last date it showed. `mask`: see date_display_format.
void create_date_gadget(int number, int x, int y, int width, int height, const std::string& mask);
void set_date_gadget_mask(int number, const std::string& mask);
// 0 unticks the box; any other value ticks it and shows that date and time
// (seconds kept, even when the mask does not show them).
void set_date_gadget_value(int number, std::int64_t date_value);
// 0 when unticked or when the gadget is not a date field.
std::int64_t date_gadget_value(int number);

// The toolkit's display format of a program date mask: %yyyy, %yy, %mm, %dd,
// %hh, %ii and %ss become the year, two-digit year, month, day, hour (00-23),
// minute and second, each zero-padded; any other text is shown as it is.
std::string date_display_format(const std::string& mask);

}  // namespace rt

// Reading back what a gadget shows (gadget_query.cpp).
namespace rt {

// The tooltip; "" when none or no such gadget.
std::string gadget_tooltip(int number);
// True when the gadget was hidden with hide_gadget() (not when only its window is).
bool gadget_hidden(int number);
// The colour given with set_gadget_back_colour(); nothing before one was given.
std::optional<Colour> gadget_back_colour(int number);
// The text colour it is drawn with: the one last set, else the toolkit's; 0 when no such gadget.
Colour gadget_front_colour(int number);
// The number of the image an image or image button gadget shows; -1 when
// none, or for other gadgets.
int gadget_image(int number);

}  // namespace rt
