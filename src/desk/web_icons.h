// Web shortcuts: slots whose target is a web address show the built-in web
// picture with the site's own icon over its bottom-right quarter.
#pragma once

#include <string>

#include "core/state.h"
#include "platform/http.h"

namespace desk {

// The site part of an address: the text after "://", without a user-name
// prefix ("user@"), up to the first ":" or "/"; "" when there is no "://".
std::string site_of(const std::string& target);

// Where a site's icon is asked for: "http://" + the site (with its port,
// when the address gives one) + "/favicon.ico"; "" when there is no site.
std::string site_icon_address(const std::string& target);

// The limits of the two site-icon requests: a site icon is small and the
// loop waits for it.
platform::HttpLimits site_icon_limits();

// The file the site icon is downloaded to: the temporary folder + "Favicon.ico".
std::string site_icon_file();

enum class SiteIcon {
    Placed,    // the site's icon is on the slot's picture; the library was rewritten
    NotFound,  // the site answered 404: the slot shows the plain web picture
    Failed,    // no answer, a failed download or a picture that does not decode: nothing changed
};

// Fetches slot n's site icon and makes the slot's picture from it.
SiteIcon fetch_site_icon(core::State& s, int n);

// Text starting with "http" dropped on free slot n: the slot becomes a web
// shortcut titled with the site, shows the web picture, then the site's icon
// when it comes; the library and the data file are written.
void make_web_shortcut(core::State& s, int n, const std::string& text);

}  // namespace desk
