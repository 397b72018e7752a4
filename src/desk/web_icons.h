// Web shortcuts: slots whose target is a web address show the built-in web
// picture with the site's own icon over its bottom-right quarter.
#pragma once

#include <string>
#include <vector>

#include "core/state.h"

namespace desk {

// The site part of an address: the text after "://", without a user-name
// prefix ("user@"), up to the first ":" or "/"; "" when there is no "://".
std::string site_of(const std::string& target);

// Where a site's icon is asked for: "http://" + the site (with its port,
// when the address gives one) + "/favicon.ico"; "" when there is no site.
std::string site_icon_address(const std::string& target);

// A site icon is small, and the loop waits for it: the header request and
// the download of one icon take at most this long together; at a start
// without the icon library all the sites are asked at once, within the
// second limit altogether.
inline constexpr int site_icon_budget_ms = 4000;
inline constexpr int start_site_icons_budget_ms = 5000;
// Larger pictures are refused before they are decoded.
inline constexpr int site_icon_max_side = 512;

enum class SiteIcon {
    Placed,    // the site's icon is on the slot's picture; the library was rewritten
    NotFound,  // the site answered 404: the slot shows the plain web picture
    Failed,    // no answer, a failed download or a picture that does not decode: nothing changed
};

// Fetches slot n's site icon and makes the slot's picture from it; writes
// the library when the icon was placed.
SiteIcon fetch_site_icon(core::State& s, int n);

// The site icons of the web slots `slots`, asked for all at once within
// `budget_ms` altogether, each placed on its slot's picture as above; the
// library is left to the caller. One result for each slot, in order.
std::vector<SiteIcon> fetch_site_icons(core::State& s, const std::vector<int>& slots, int budget_ms);

// Text starting with "http" dropped on free slot n: the slot becomes a web
// shortcut titled with the site, shows the web picture, then the site's icon
// when it comes; the library and the data file are written.
void make_web_shortcut(core::State& s, int n, const std::string& text);

}  // namespace desk
