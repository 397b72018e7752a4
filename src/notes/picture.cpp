// The picture window; see picture.h.
#include "notes/picture.h"

#include <algorithm>

#include "core/ids.h"
#include "notes/ids.h"
#include "notes/texts.h"
#include "platform/files.h"
#include "rt/animation.h"
#include "rt/codec.h"
#include "rt/draw.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/gadget_options.h"
#include "rt/image.h"
#include "rt/timer.h"
#include "rt/window.h"

namespace notes {
namespace {

std::span<const std::uint8_t> as_bytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

void draw_frame(const PictureWindow& p) {
    if (p.frames.empty() || !rt::set_image_pixels(ImagePicture, p.frames[p.frame].pixels)) return;
    if (!rt::start_drawing_gadget(GadgetAnimation)) return;
    rt::draw_image(ImagePicture, 0, 0, p.shown_width, p.shown_height);
    rt::stop_drawing();
}

// Timer 8 of the picture window: the next frame, for its own delay.
void next_frame(core::State& s) {
    PictureWindow& p = s.notes.picture;
    rt::remove_window_timer(core::WindowPicture, core::TimerAnimation);
    if (!rt::window_exists(core::WindowPicture) || p.frames.empty()) return;
    p.frame = (p.frame + 1) % p.frames.size();
    rt::add_window_timer(core::WindowPicture, core::TimerAnimation, p.frames[p.frame].delay_ms);
    draw_frame(p);
}

// Puts the picture into image ImagePicture: the first frame of an animated
// GIF (its frames kept in `p`), or the whole picture. False when it does not decode.
bool load_picture(PictureWindow& p, const std::string& bytes) {
    p.frames.clear();
    p.frame = 0;
    if (rt::sniff_image_format(as_bytes(bytes)) != rt::ImageFormat::Gif)
        return rt::load_image_from_memory(ImagePicture, as_bytes(bytes));
    auto animation = rt::decode_animation(as_bytes(bytes));
    if (!animation || !rt::set_image_pixels(ImagePicture, animation->frames.front().pixels)) return false;
    p.frames = std::move(animation->frames);
    return true;
}

}  // namespace

PictureSize shown_picture_size(int width, int height) {
    if (width <= max_picture_width) return {width, height};
    // Rounded to the nearest pixel, in integers so that 4000 * 800 / 1024 is 3125 exactly.
    const std::int64_t scaled = (std::int64_t(height) * max_picture_width * 2 + width) / (std::int64_t(width) * 2);
    return {max_picture_width, int(std::max<std::int64_t>(scaled, 1))};
}

void open_picture(core::State& s, const std::string& path) {
    PictureWindow& p = s.notes.picture;
    const platform::ReadResult file = platform::read_regular_file(path, max_picture_file_bytes);
    if (!file.ok() || !load_picture(p, file.bytes)) return;
    const PictureSize shown = shown_picture_size(rt::image_width(ImagePicture), rt::image_height(ImagePicture));
    p.shown_width = shown.width;
    p.shown_height = shown.height;

    rt::open_window(
        core::WindowPicture, 0, 0, shown.width, shown.height, std::string(texts::picture_title) + path,
        rt::WindowFlag::Tool | rt::WindowFlag::CloseBox | rt::WindowFlag::ScreenCentered | rt::WindowFlag::TopMost);
    if (!rt::window_exists(core::WindowPicture)) {
        p.frames.clear();
        return;
    }
    if (p.frames.empty()) {
        if (shown.width != rt::image_width(ImagePicture)) rt::resize_image(ImagePicture, shown.width, shown.height);
        rt::create_image_gadget(GadgetPicture, 0, 0, shown.width, shown.height, ImagePicture);
        rt::set_gadget_click_through(GadgetPicture, true);
        return;
    }
    rt::create_canvas_gadget(GadgetAnimation, 0, 0, shown.width, shown.height);
    rt::set_gadget_click_through(GadgetAnimation, true);
    if (p.frames.size() > 1) {
        rt::add_window_timer(core::WindowPicture, core::TimerAnimation, p.frames.front().delay_ms);
        rt::bind_window_event(core::WindowPicture, rt::EventKind::Timer, [&s] { next_frame(s); });
    }
    draw_frame(p);
}

void stop_animation(core::State&) {
    rt::unbind_window_event(core::WindowPicture, rt::EventKind::Timer);
    rt::remove_window_timer(core::WindowPicture, core::TimerAnimation);
}

void close_picture(core::State& s) {
    stop_animation(s);
    rt::close_window(core::WindowPicture);
    PictureWindow& p = s.notes.picture;
    p.frames = {};
    p.frame = 0;
    rt::free_image(ImagePicture);
}

}  // namespace notes
