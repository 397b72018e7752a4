// Drop-down list gadgets.
#include <QComboBox>
#include <QSignalBlocker>

#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

namespace {

QComboBox* combo_of(int number) {
    const Gadget* g = gadget_entry(number);
    return g && g->kind == GadgetKind::Combo ? static_cast<QComboBox*>(g->widget.data()) : nullptr;
}

}  // namespace

std::string combo_current_text(QWidget* combo) {
    auto* list = static_cast<QComboBox*>(combo);
    return list->currentIndex() < 0 ? std::string() : to_utf8(list->currentText());
}

void create_combo_gadget(int number, int x, int y, int width, int height) {
    free_gadget(number);
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    if (lists.empty()) return;
    auto* combo = new QComboBox(lists.back().data());
    combo->setGeometry(x, y, width, height);
    combo->setAttribute(Qt::WA_NoMousePropagation);
    combo->setMaxVisibleItems(20);
    QObject::connect(combo, &QComboBox::activated, combo,
                     [combo, number](int) { queue_gadget_event(combo, number, EventType::Change); });
    combo->show();
    state().gadgets[number] = Gadget{combo, GadgetKind::Combo};
}

void add_gadget_item(int number, const std::string& text) {
    if (QComboBox* combo = combo_of(number)) {
        const QSignalBlocker quiet(combo);
        combo->addItem(to_qstring(text));
        // Adding the first line would choose it; the list starts with none chosen.
        if (combo->count() == 1) combo->setCurrentIndex(-1);
    }
}

void clear_gadget_items(int number) {
    if (QComboBox* combo = combo_of(number)) {
        const QSignalBlocker quiet(combo);
        combo->clear();
    }
}

int gadget_item_count(int number) {
    const QComboBox* combo = combo_of(number);
    return combo ? combo->count() : 0;
}

std::string gadget_item_text(int number, int index) {
    const QComboBox* combo = combo_of(number);
    return combo && index >= 0 && index < combo->count() ? to_utf8(combo->itemText(index)) : std::string();
}

int gadget_selected_item(int number) {
    const QComboBox* combo = combo_of(number);
    return combo ? combo->currentIndex() : -1;
}

void set_gadget_selected_item(int number, int index) {
    if (QComboBox* combo = combo_of(number)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

}  // namespace rt
