// Reading back tooltips, visibility, colours and pictures of gadgets.
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

Colour gadget_front_colour(int number) {
    const QWidget* w = gadget_widget(number);
    if (!w) return 0;
    const QColor c = w->palette().color(QPalette::WindowText);
    return rgb(c.red(), c.green(), c.blue());
}

int gadget_image(int number) {
    const QWidget* w = gadget_widget(number);
    if (!w) return -1;
    const QVariant image = w->property(gadget_image_property);
    return image.isValid() ? image.toInt() : -1;
}

}  // namespace rt
