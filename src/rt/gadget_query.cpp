// Reading back tooltips, visibility and background colours of gadgets.
#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

std::string gadget_tooltip(int number) {
    const QWidget* w = gadget_widget(number);
    return w ? to_utf8(w->toolTip()) : std::string();
}

bool gadget_hidden(int number) {
    const QWidget* w = gadget_widget(number);
    return w && w->isHidden();
}

std::optional<Colour> gadget_back_colour(int number) {
    const QWidget* w = gadget_widget(number);
    if (!w || !w->autoFillBackground()) return std::nullopt;
    const QColor c = w->palette().color(QPalette::Window);
    return rgb(c.red(), c.green(), c.blue());
}

}  // namespace rt
