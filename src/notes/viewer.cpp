// The text viewer; see viewer.h.
#include "notes/viewer.h"

#include <filesystem>

#include "core/ids.h"
#include "core/images.h"
#include "notes/ids.h"
#include "notes/line_breaks.h"
#include "notes/note_files.h"
#include "notes/text_codec.h"
#include "notes/texts.h"
#include "platform/files.h"
#include "rt/colour.h"
#include "rt/dialogs.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/gadget_options.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace notes {
namespace {

constexpr int viewer_width = 800;
constexpr int viewer_height = 550;
// The editor keeps this many pixels free above the status bar.
constexpr int editor_bottom_gap = 5;
constexpr rt::Colour viewer_text_colour = rt::rgb(0, 64, 128);
constexpr rt::Colour viewer_background = rt::rgb(236, 245, 255);

// Status bar fields, left to right.
enum StatusField : int { FieldPath, FieldSize, FieldEncoding, FieldState, FieldSpare };
const std::vector<int> status_widths = {rt::remaining_width, 200, 60, 50, 50};

struct ToolButton {
    int item;
    int image;
    bool toggle;
    std::string_view tooltip;
};

constexpr ToolButton tool_buttons[] = {
    {core::ItemViewerOnTop, core::ImageViewerOnTop, true, texts::tip_on_top},
    {core::ItemViewerWordWrap, core::ImageViewerWordWrap, true, texts::tip_word_wrap},
    {core::ItemViewerEdit, core::ImageViewerEdit, true, texts::tip_edit},
    {core::ItemViewerSaveAs, core::ImageViewerSaveAs, false, texts::tip_save_as},
};

static_assert(max_text_file_bytes == 16 * 1024 * 1024, "the refusal's text names 16 MB");

// The editor between the tool bar and the status bar.
void lay_out_viewer() {
    const int top = rt::tool_bar_height(core::WindowTextViewer);
    const int height = rt::window_height(core::WindowTextViewer) - top - rt::status_bar_height(core::WindowTextViewer) -
                       editor_bottom_gap;
    rt::move_gadget(GadgetViewerText, 0, top, rt::window_width(core::WindowTextViewer), std::max(height, 0));
}

void build_viewer_window() {
    rt::close_window(core::WindowTextViewer);
    rt::open_window(core::WindowTextViewer, 0, 0, viewer_width, viewer_height,
                    std::string(texts::viewer_building_title),
                    rt::WindowFlag::Resizable | rt::WindowFlag::CloseBox | rt::WindowFlag::ScreenCentered);
    // To the front, without staying above the other windows.
    rt::set_top_most(core::WindowTextViewer, true);
    rt::set_top_most(core::WindowTextViewer, false);
    rt::activate_window(core::WindowTextViewer);
    rt::bind_window_event(core::WindowTextViewer, rt::EventKind::SizeWindow, lay_out_viewer);

    rt::create_tool_bar(core::WindowTextViewer);
    for (const ToolButton& b : tool_buttons) {
        rt::tool_bar_image_button(core::WindowTextViewer, b.item, b.image, b.toggle);
        rt::set_tool_bar_tooltip(core::WindowTextViewer, b.item, std::string(b.tooltip));
    }
    rt::create_status_bar(core::WindowTextViewer, status_widths);

    rt::use_gadget_list(core::WindowTextViewer);
    rt::create_editor_gadget(GadgetViewerText, 0, rt::tool_bar_height(core::WindowTextViewer), viewer_width,
                             viewer_height);
    rt::set_editor_read_only(GadgetViewerText, true);
    rt::set_editor_word_wrap(GadgetViewerText, false);
    rt::set_gadget_front_colour(GadgetViewerText, viewer_text_colour);
    rt::set_gadget_back_colour(GadgetViewerText, viewer_background);
    rt::set_gadget_font(GadgetViewerText, core::FontViewer);
    lay_out_viewer();
}

}  // namespace

void open_text_viewer(core::State& s, const std::string& path) {
    build_viewer_window();
    if (!rt::window_exists(core::WindowTextViewer)) return;
    rt::set_window_title(core::WindowTextViewer, std::string(texts::viewer_loading_title));
    s.notes.viewer = {};

    const TextFile file = read_text_file(path);
    if (file.status == ReadStatus::TooLarge) {
        rt::message_box(std::string(texts::viewer_error_title), std::string(texts::viewer_too_large) + path,
                        rt::MessageButtons::Ok, rt::MessageIcon::Warning);
    }
    if (file.status != ReadStatus::Ok) return;

    const ViewerText shown = viewer_text(file.bytes);
    const std::string encoding(encoding_name(shown.encoding));
    rt::set_window_title(core::WindowTextViewer, std::string(texts::viewer_title) + path + " (" + encoding + ")");
    rt::set_status_text(core::WindowTextViewer, FieldPath, path);
    rt::set_status_text(core::WindowTextViewer, FieldSize, size_text(file.bytes.size()));
    rt::set_status_text(core::WindowTextViewer, FieldEncoding, encoding);
    rt::set_text(GadgetViewerText, lf_line_breaks(shown.text));
    rt::set_status_text(core::WindowTextViewer, FieldState, std::string(texts::viewer_loaded));
    s.notes.viewer = {path, shown.encoding, uses_crlf(shown.text)};
}

void viewer_on_top(core::State&) {
    rt::set_top_most(core::WindowTextViewer,
                     rt::tool_bar_button_state(core::WindowTextViewer, core::ItemViewerOnTop) != 0);
}

void viewer_word_wrap(core::State&) {
    rt::set_editor_word_wrap(GadgetViewerText, !rt::editor_word_wrap(GadgetViewerText));
}

void viewer_edit(core::State&) { rt::set_editor_read_only(GadgetViewerText, !rt::editor_read_only(GadgetViewerText)); }

void viewer_save_as(core::State& s) {
    if (!rt::window_exists(core::WindowTextViewer)) return;
    const TextViewer& viewer = s.notes.viewer;
    const auto chosen = rt::save_file("", viewer.path, "", false);
    if (!chosen || chosen->empty()) return;

    std::error_code ignored;
    const auto status = std::filesystem::symlink_status(*chosen, ignored);
    if (std::filesystem::exists(status)) {
        const bool folder = std::filesystem::is_directory(*chosen, ignored);
        rt::message_box(std::string(texts::viewer_error_title),
                        std::string(folder ? texts::viewer_folder_exists : texts::viewer_file_exists),
                        rt::MessageButtons::Ok, rt::MessageIcon::Warning);
        return;
    }
    const std::string text = rt::gadget_text(GadgetViewerText);
    const EncodedText encoded = encode_text(viewer.crlf_line_breaks ? crlf_line_breaks(text) : text, viewer.encoding);
    if (!platform::replace_file(*chosen, encoded.bytes)) {
        rt::message_box(std::string(texts::viewer_error_title), std::string(texts::viewer_write_failed) + *chosen,
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
        return;
    }
    if (encoded.encoding != viewer.encoding) {
        rt::message_box(std::string(texts::viewer_saved_in_utf8_title), std::string(texts::viewer_saved_in_utf8),
                        rt::MessageButtons::Ok, rt::MessageIcon::Information);
    }
}

}  // namespace notes
