// Popup menus and keyboard shortcuts.
//
// Shortcuts are matched by an application-wide key filter rather than the
// toolkit's own shortcuts, which stay silent when no window is active (no
// window manager, or just after a dialog closed) although the key reaches the
// window.
#include "rt/menu.h"

#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>

#include "rt/internal.h"

namespace rt {
namespace {

constexpr const char* item_property = menu_item_property;
constexpr const char* window_property = menu_window_property;

QMenu* menu_of(int menu) {
    const auto& menus = state().menus;
    const auto found = menus.find(menu);
    return found == menus.end() ? nullptr : found->second.get();
}

QAction* item_of(int menu, int item) {
    QMenu* root = menu_of(menu);
    if (!root) return nullptr;
    // Submenus are children of the root menu, so this finds their items too.
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->property(item_property).toInt() == item && action->property(item_property).isValid()) return action;
    }
    return nullptr;
}

QIcon icon_of(int image) {
    const QImage* picture = image_of(image);
    return picture ? QIcon(QPixmap::fromImage(*picture)) : QIcon();
}

QMenu* menu_being_built() {
    const auto& stack = state().menu_being_built;
    return stack.empty() ? nullptr : stack.back();
}

class ShortcutFilter final : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !target->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // A held key repeats; one press is one command.
        if (key->isAutoRepeat()) return false;
        auto* widget = static_cast<QWidget*>(target);
        const int window = window_number_of(widget);
        if (key->key() == Qt::Key_Control) {
            control_key_down(widget, window);
            return false;
        }
        const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
        for (const Shortcut& s : state().shortcuts) {
            if (s.window != window || s.keys != pressed) continue;
            Event e;
            e.kind = EventKind::Menu;
            e.window = window;
            e.object = s.item;
            e.mouse = mouse_position(window, QCursor::pos());
            queue_event(std::move(e));
            return true;
        }
        return false;
    }

private:
    // A key nobody takes travels up to the window, passing this filter on
    // each widget; only its first receiver counts.
    static void control_key_down(QWidget* widget, int window) {
        const QWidget* first = widget->window()->focusWidget();
        if (first ? widget != first : !widget->isWindow()) return;
        const auto& actions = state().control_key_actions;
        if (const auto found = actions.find(window); found != actions.end()) {
            const std::function<void()> action = found->second;  // it may replace itself
            action();
        }
    }
};

void install_shortcut_filter() {
    State& s = state();
    if (s.shortcut_filter) return;
    s.shortcut_filter = std::make_unique<ShortcutFilter>();
    QCoreApplication::instance()->installEventFilter(s.shortcut_filter.get());
}

std::optional<QKeyCombination> parse_keys(const std::string& keys) {
    const QKeySequence sequence = QKeySequence::fromString(to_qstring(keys), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) return std::nullopt;
    return sequence[0];
}

}  // namespace

void create_popup_menu(int menu) {
    State& s = state();
    auto built = std::make_unique<QMenu>();
    s.menu_being_built = {built.get()};
    s.menus[menu] = std::move(built);
}

void menu_item(int item, const std::string& text, int image) {
    QMenu* menu = menu_being_built();
    if (!menu) return;
    QAction* action = menu->addAction(icon_of(image), to_qstring(text));
    action->setProperty(item_property, item);
    QMenu* root = state().menu_being_built.front();
    QObject::connect(action, &QAction::triggered, action, [root, item] {
        Event e;
        e.kind = EventKind::Menu;
        e.window = root->property(window_property).isValid() ? root->property(window_property).toInt() : -1;
        e.object = item;
        e.mouse = mouse_position(e.window, QCursor::pos());
        queue_event(std::move(e));
    });
}

void menu_separator() {
    if (QMenu* menu = menu_being_built()) menu->addSeparator();
}

void open_submenu(const std::string& text, int image, std::function<void()> on_open) {
    QMenu* menu = menu_being_built();
    if (!menu) return;
    // Parented to the root menu, so that item lookups and deletion reach it.
    auto* submenu = new QMenu(to_qstring(text), state().menu_being_built.front());
    submenu->setIcon(icon_of(image));
    if (on_open) QObject::connect(submenu, &QMenu::aboutToShow, submenu, std::move(on_open));
    menu->addMenu(submenu);
    state().menu_being_built.push_back(submenu);
}

void close_submenu() {
    auto& stack = state().menu_being_built;
    if (stack.size() > 1) stack.pop_back();
}

bool menu_exists(int menu) { return menu_of(menu) != nullptr; }

void free_menu(int menu) {
    State& s = state();
    const auto found = s.menus.find(menu);
    if (found == s.menus.end()) return;
    if (!s.menu_being_built.empty() && s.menu_being_built.front() == found->second.get()) s.menu_being_built.clear();
    s.menus.erase(found);
}

void set_menu_item_text(int menu, int item, const std::string& text) {
    if (QAction* action = item_of(menu, item)) action->setText(to_qstring(text));
}

std::string menu_item_text(int menu, int item) {
    const QAction* action = item_of(menu, item);
    return action ? to_utf8(action->text()) : std::string();
}

void set_menu_item_checked(int menu, int item, bool checked) {
    QAction* action = item_of(menu, item);
    if (!action) return;
    action->setCheckable(true);
    action->setChecked(checked);
}

bool menu_item_checked(int menu, int item) {
    const QAction* action = item_of(menu, item);
    return action && action->isChecked();
}

void disable_menu_item(int menu, int item, bool disabled) {
    if (QAction* action = item_of(menu, item)) action->setDisabled(disabled);
}

bool menu_item_disabled(int menu, int item) {
    const QAction* action = item_of(menu, item);
    return action && !action->isEnabled();
}

void display_popup_menu(int menu, int window, int x, int y) {
    QMenu* m = menu_of(menu);
    if (!m) return;
    m->setProperty(window_property, window);
    m->popup(x < 0 || y < 0 ? QCursor::pos() : QPoint(x, y));
}

bool add_keyboard_shortcut(int window, const std::string& keys, int item) {
    const auto parsed = parse_keys(keys);
    if (!parsed) return false;
    install_shortcut_filter();
    remove_keyboard_shortcut(window, keys);
    state().shortcuts.push_back({window, *parsed, item});
    return true;
}

void remove_keyboard_shortcut(int window, const std::string& keys) {
    const auto parsed = parse_keys(keys);
    if (!parsed) return;
    std::erase_if(state().shortcuts, [&](const Shortcut& s) { return s.window == window && s.keys == *parsed; });
}

void set_control_key_action(int window, std::function<void()> action) {
    install_shortcut_filter();
    state().control_key_actions[window] = std::move(action);
}

}  // namespace rt
