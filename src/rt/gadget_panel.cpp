// Tab panel gadgets.
#include "rt/gadget_panel.h"

#include <QSignalBlocker>
#include <QTabWidget>

#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

namespace {

// Marks a page with the number of its panel.
constexpr const char* page_mark = "vd_panel_page";

QTabWidget* panel_of(int number) {
    const Gadget* g = gadget_entry(number);
    return g && g->kind == GadgetKind::Panel ? static_cast<QTabWidget*>(g->widget.data()) : nullptr;
}

std::vector<QPointer<QWidget>>& open_lists() {
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    return lists;
}

bool is_page(const QWidget* widget) { return widget && widget->property(page_mark).isValid(); }

}  // namespace

void create_panel_gadget(int number, int x, int y, int width, int height) {
    free_gadget(number);
    auto& lists = open_lists();
    if (lists.empty()) return;
    auto* panel = new QTabWidget(lists.back().data());
    panel->setGeometry(x, y, width, height);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    // Only the user's choice is an event: adding the first tab or the
    // program's own choice happens with the signal blocked.
    QObject::connect(panel, &QTabWidget::currentChanged, panel,
                     [panel, number](int) { queue_gadget_event(panel, number, EventType::Change); });
    panel->show();
    state().gadgets[number] = Gadget{panel, GadgetKind::Panel};
}

void add_panel_tab(int number, const std::string& text) {
    QTabWidget* panel = panel_of(number);
    if (!panel) return;
    auto& lists = open_lists();
    if (!lists.empty() && is_page(lists.back()) && lists.back()->property(page_mark).toInt() == number)
        lists.pop_back();
    auto* page = new QWidget;
    page->setProperty(page_mark, number);
    {
        const QSignalBlocker quiet(panel);
        panel->addTab(page, to_qstring(text));
    }
    lists.push_back(page);
}

void close_panel_gadget() {
    auto& lists = open_lists();
    if (lists.size() > 1 && is_page(lists.back())) lists.pop_back();
}

int panel_tab_count(int number) {
    const QTabWidget* panel = panel_of(number);
    return panel ? panel->count() : 0;
}

std::string panel_tab_text(int number, int tab) {
    const QTabWidget* panel = panel_of(number);
    return panel && tab >= 0 && tab < panel->count() ? to_utf8(panel->tabText(tab)) : std::string();
}

void set_panel_tab_text(int number, int tab, const std::string& text) {
    QTabWidget* panel = panel_of(number);
    if (panel && tab >= 0 && tab < panel->count()) panel->setTabText(tab, to_qstring(text));
}

int panel_current_tab(int number) {
    const QTabWidget* panel = panel_of(number);
    return panel ? panel->currentIndex() : -1;
}

void set_panel_current_tab(int number, int tab) {
    QTabWidget* panel = panel_of(number);
    if (!panel || tab < 0 || tab >= panel->count()) return;
    const QSignalBlocker quiet(panel);
    panel->setCurrentIndex(tab);
}

}  // namespace rt
