// The desktop clipboard, as text.
#include "rt/clipboard.h"

#include <QClipboard>

#include "rt/internal.h"

namespace rt {

void set_clipboard_text(const std::string& text) { QApplication::clipboard()->setText(to_qstring(text)); }

std::string clipboard_text() { return to_utf8(QApplication::clipboard()->text()); }

}  // namespace rt
