// The desktop clipboard, as text.
#pragma once

#include <string>

namespace rt {

void set_clipboard_text(const std::string& text);
// "" when the clipboard holds no text.
std::string clipboard_text();

}  // namespace rt
