// Menu bars, tool bars and status bars of numbered windows. Each bar is a
// direct child of its window, found again by its object name, so the window
// takes its bars with it when it closes.
#include "rt/window_bars.h"

#include <QCursor>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "rt/internal.h"
#include "rt/menu.h"

namespace rt {
namespace {

constexpr const char* menu_bar_name = "rt_menu_bar";
constexpr const char* tool_bar_name = "rt_tool_bar";
constexpr const char* status_bar_name = "rt_status_bar";

// Tool bar pictures are shown at this size, whatever their own.
constexpr int tool_bar_icon_side = 16;

// The menu bar being built by menu_title(); null once its window is gone.
QPointer<QMenuBar> g_menu_bar_being_built;

template <typename Bar>
Bar* bar_of(int window, const char* name) {
    WindowWidget* w = window_widget(window);
    return w ? w->findChild<Bar*>(name, Qt::FindDirectChildrenOnly) : nullptr;
}

// Makes a fresh bar of type Bar in window `window`, deleting the one it had.
template <typename Bar>
Bar* replace_bar(int window, const char* name) {
    WindowWidget* w = window_widget(window);
    if (!w) return nullptr;
    delete w->findChild<Bar*>(name, Qt::FindDirectChildrenOnly);
    auto* bar = new Bar(w);
    bar->setObjectName(name);
    return bar;
}

int height_of(const QWidget* bar) { return bar ? bar->sizeHint().height() : 0; }

QAction* tool_button(int window, int item) {
    const QToolBar* bar = bar_of<QToolBar>(window, tool_bar_name);
    if (!bar) return nullptr;
    for (QAction* action : bar->actions()) {
        const QVariant number = action->property(menu_item_property);
        if (number.isValid() && number.toInt() == item) return action;
    }
    return nullptr;
}

QLabel* status_field(int window, int field) {
    const QStatusBar* bar = bar_of<QStatusBar>(window, status_bar_name);
    if (!bar || field < 0) return nullptr;
    const QList<QLabel*> fields = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return field < fields.size() ? fields[field] : nullptr;
}

void show_bar(QWidget* bar, int window) {
    bar->show();
    bar->raise();
    if (WindowWidget* w = window_widget(window)) place_window_bars(*w);
}

}  // namespace

void place_window_bars(QWidget& w) {
    const int width = w.width();
    int top = 0;
    if (auto* menu = w.findChild<QMenuBar*>(menu_bar_name, Qt::FindDirectChildrenOnly)) {
        menu->setGeometry(0, 0, width, height_of(menu));
        top += menu->height();
    }
    if (auto* tools = w.findChild<QToolBar*>(tool_bar_name, Qt::FindDirectChildrenOnly))
        tools->setGeometry(0, top, width, height_of(tools));
    if (auto* status = w.findChild<QStatusBar*>(status_bar_name, Qt::FindDirectChildrenOnly)) {
        const int height = height_of(status);
        status->setGeometry(0, w.height() - height, width, height);
    }
}

void create_menu_bar(int menu, int window) {
    QMenuBar* bar = replace_bar<QMenuBar>(window, menu_bar_name);
    if (!bar) return;
    // The titles' menus are children of a root menu that is never shown
    // itself: the menu calls find every item under it, and it says which
    // window the items' events are for.
    create_popup_menu(menu);
    state().menus.at(menu)->setProperty(menu_window_property, window);
    g_menu_bar_being_built = bar;
    show_bar(bar, window);
}

void menu_title(const std::string& text) {
    State& s = state();
    if (g_menu_bar_being_built.isNull() || s.menu_being_built.empty()) return;
    QMenu* root = s.menu_being_built.front();
    auto* title = new QMenu(to_qstring(text), root);
    g_menu_bar_being_built->addMenu(title);
    s.menu_being_built = {root, title};
    if (auto* w = dynamic_cast<WindowWidget*>(g_menu_bar_being_built->parentWidget())) place_window_bars(*w);
}

void create_tool_bar(int window) {
    QToolBar* bar = replace_bar<QToolBar>(window, tool_bar_name);
    if (!bar) return;
    bar->setIconSize(QSize(tool_bar_icon_side, tool_bar_icon_side));
    bar->setMovable(false);
    bar->setFloatable(false);
    show_bar(bar, window);
}

void tool_bar_image_button(int window, int item, int image, bool toggle) {
    auto* bar = bar_of<QToolBar>(window, tool_bar_name);
    if (!bar) return;
    const QImage* picture = image_of(image);
    QAction* action = bar->addAction(picture ? QIcon(QPixmap::fromImage(*picture)) : QIcon(), QString());
    action->setProperty(menu_item_property, item);
    action->setCheckable(toggle);
    QObject::connect(action, &QAction::triggered, action, [window, item] {
        Event e;
        e.kind = EventKind::Menu;
        e.window = window;
        e.object = item;
        e.mouse = mouse_position(window, QCursor::pos());
        queue_event(std::move(e));
    });
    place_window_bars(*window_widget(window));
}

void set_tool_bar_tooltip(int window, int item, const std::string& text) {
    if (QAction* action = tool_button(window, item)) action->setToolTip(to_qstring(text));
}

std::string tool_bar_tooltip(int window, int item) {
    const QAction* action = tool_button(window, item);
    return action ? to_utf8(action->toolTip()) : std::string();
}

int tool_bar_button_state(int window, int item) {
    const QAction* action = tool_button(window, item);
    return action && action->isChecked() ? 1 : 0;
}

void set_tool_bar_button_state(int window, int item, int state) {
    QAction* action = tool_button(window, item);
    if (action && action->isCheckable()) action->setChecked(state != 0);
}

void create_status_bar(int window, const std::vector<int>& widths) {
    QStatusBar* bar = replace_bar<QStatusBar>(window, status_bar_name);
    if (!bar) return;
    const WindowWidget* w = window_widget(window);
    bar->setSizeGripEnabled(w && w->resizable);
    for (const int width : widths) {
        auto* field = new QLabel(bar);
        field->setTextFormat(Qt::PlainText);
        field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (width == remaining_width) {
            // A long text is cut at the field's end instead of widening the window.
            field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            field->setMinimumWidth(0);
            bar->addWidget(field, 1);
        } else {
            field->setFixedWidth(std::max(width, 0));
            bar->addWidget(field);
        }
    }
    show_bar(bar, window);
}

void set_status_text(int window, int field, const std::string& text) {
    if (QLabel* label = status_field(window, field)) label->setText(to_qstring(text));
}

std::string status_text(int window, int field) {
    const QLabel* label = status_field(window, field);
    return label ? to_utf8(label->text()) : std::string();
}

int menu_bar_height(int window) { return height_of(bar_of<QMenuBar>(window, menu_bar_name)); }
int tool_bar_height(int window) { return height_of(bar_of<QToolBar>(window, tool_bar_name)); }
int status_bar_height(int window) { return height_of(bar_of<QStatusBar>(window, status_bar_name)); }

}  // namespace rt
