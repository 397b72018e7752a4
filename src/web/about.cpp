#include "web/about.h"

#include "core/ids.h"
#include "core/images.h"
#include "desk/launch.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/gadget_hyperlink.h"
#include "rt/image.h"
#include "rt/window.h"
#include "web/help.h"
#include "web/ids.h"
#include "web/texts.h"
#include "web/update_check.h"

namespace web {

namespace {

constexpr int width = 600, height = 210;
constexpr rt::Colour white = rt::rgb(255, 255, 255);
constexpr rt::Colour black = rt::rgb(0, 0, 0);
constexpr rt::Colour banner_square = rt::rgb(169, 236, 9);
constexpr rt::Colour banner_name = rt::rgb(82, 82, 82);
constexpr rt::Colour link_hover = rt::rgb(255, 0, 0);
constexpr int banner_width = 596, banner_height = 55;
constexpr int banner_name_size = 60;  // pixels
constexpr int rule_y = 60, rule_left = 12, rule_right_margin = 10;

void draw_banner(const core::State& s) {
    if (!rt::start_drawing_gadget(GadgetAboutBanner)) return;
    rt::fill_box(0, 0, banner_width, banner_height, white);
    rt::path_move_to(10, 10);
    rt::path_line_to(55, 10);
    rt::path_line_to(55, 55);
    rt::path_line_to(10, 55);
    rt::path_close();
    rt::fill_path(banner_square);
    rt::path_add_text(65, -5, s.identity.program_name, core::FontSplashText, banner_name_size);
    rt::fill_path(banner_name);
    if (rt::image_exists(core::ImageLogo)) rt::draw_image(core::ImageLogo, 10, 7);
    rt::stop_drawing();
}

// The rule under the banner and the window's two outlines, on a surface behind the gadgets.
void draw_frame() {
    rt::create_canvas_gadget(GadgetAboutFrame, 0, 0, width, height);
    rt::lower_gadget(GadgetAboutFrame);
    if (!rt::start_drawing_gadget(GadgetAboutFrame)) return;
    rt::fill_box(0, 0, width, height, white);
    rt::draw_line(rule_left, rule_y, width - rule_right_margin, rule_y, black);
    rt::outline_box(0, 0, width, height, white);
    rt::outline_box(1, 1, width - 2, height - 2, black);
    rt::stop_drawing();
}

void text(int gadget, int x, int y, int w, int h, const std::string& t, unsigned flags) {
    rt::create_text_gadget(gadget, x, y, w, h, t, flags);
    rt::set_gadget_back_colour(gadget, white);
}

}  // namespace

std::string about_text(const core::State& s) {
    const core::Identity& id = s.identity;
    return id.program_name + " " + id.edition + texts::about_credits_1.in(s.Lng) + id.version + " (" + id.architecture +
           ")" + texts::about_credits_2.in(s.Lng) + id.build_date + texts::about_credits_3.in(s.Lng);
}

std::string mail_address(const core::State& s) {
    return url_encode("mailto:" + s.identity.contact_address + "?Subject=" + std::string(mail_subject));
}

void show_about(const core::State& s) {
    using F = rt::WindowFlag;
    rt::open_window(core::WindowAbout, 0, 0, width, height, std::string(texts::about_title),
                    F::Borderless | F::ScreenCentered, core::WindowDesk);
    rt::set_window_background(core::WindowAbout, white);
    draw_frame();
    rt::create_canvas_gadget(GadgetAboutBanner, 2, 2, banner_width, banner_height);
    draw_banner(s);
    text(GadgetAboutVersion, 470, 60, 120, 15, std::string(texts::about_version) + s.identity.version,
         rt::TextFlag::Right);
    rt::create_hyperlink_gadget(GadgetAboutWeb, 13, 65, 400, 15, web_base(platform::environment()), link_hover);
    rt::create_hyperlink_gadget(GadgetAboutContact, 13, 80, 395, 15, s.identity.contact_address, link_hover);
    rt::create_button_gadget(GadgetAboutCheck, 545, 75, 45, 20, std::string(texts::about_check));
    text(GadgetAboutText, 5, 100, 580, 70, about_text(s), rt::TextFlag::Centre);
    rt::create_image_gadget(GadgetAboutLicencesPicture, 5, 172, 32, 32, core::ImageLicences);
    rt::create_hyperlink_gadget(GadgetAboutLicences, 35, 175, 90, 15, std::string(texts::about_licences), link_hover);
    rt::create_hyperlink_gadget(GadgetAboutToolkit, 35, 190, 150, 15, texts::about_toolkit.in(s.Lng), link_hover);
    rt::create_button_gadget(GadgetAboutOk, 250, 180, 100, 25, std::string(texts::about_ok));
    rt::activate_window(core::WindowAbout);
}

void close_about() { rt::close_window(core::WindowAbout); }

void open_web_site(const core::State& s) { desk::open_with_desktop(s, web_base(platform::environment())); }

void write_to_maker(const core::State& s) { desk::open_with_desktop(s, mail_address(s)); }

void open_licences(const core::State& s) {
    const core::Language language =
        core::language_of(s.Lng) == core::Language::French ? core::Language::French : core::Language::English;
    if (const auto page = installed_help_page(s, language, licences_page)) {
        desk::open_with_desktop(s, *page);
        return;
    }
    rt::message_box(texts::help_missing_title.in(s.Lng), texts::help_missing.in(s.Lng), rt::MessageButtons::Ok,
                    rt::MessageIcon::Warning);
}

void open_toolkit_site(const core::State& s) { desk::open_with_desktop(s, std::string(texts::toolkit_address)); }

}  // namespace web
