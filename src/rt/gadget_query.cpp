// Reading back tooltips and visibility of gadgets.
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

}  // namespace rt
