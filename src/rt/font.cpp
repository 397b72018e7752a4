// Numbered fonts.
#include "rt/font.h"

#include <QFontMetrics>
#include <algorithm>

#include "rt/internal.h"

namespace rt {

QFont font_of(int number) {
    const auto& fonts = state().fonts;
    const auto found = fonts.find(number);
    return found == fonts.end() ? QApplication::font() : found->second;
}

void load_font(int number, const std::string& face, int size, bool bold, bool italic, bool underline) {
    QFont font(to_qstring(face), std::max(size, 1), bold ? QFont::Bold : QFont::Normal, italic);
    font.setUnderline(underline);
    state().fonts[number] = font;
}

void free_font(int number) { state().fonts.erase(number); }

bool font_exists(int number) { return state().fonts.contains(number); }

int text_width(int font, const std::string& text) {
    return QFontMetrics(font_of(font)).horizontalAdvance(to_qstring(text));
}

int text_height(int font) { return QFontMetrics(font_of(font)).height(); }

}  // namespace rt
