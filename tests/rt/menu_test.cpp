// Popup menus and keyboard shortcuts.
#include "rt/menu.h"

#include <QAction>
#include <QMenu>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

using rt::EventKind;
using rt_test::take_events;

enum : int {
    WindowDesk = 9,
    WindowNotes = 12,
    GadgetNoteText = 60,
    GadgetDeskField = 61,
    MenuDesk = 39,
    ItemHide = 35,
    ItemAlwaysOnTop = 36,
    ItemFrench = 37,
    ItemEnglish = 38,
};

class MenuTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override {
        rt::open_window(WindowDesk, 0, 0, 100, 100, "Desk", 0);
        rt::create_popup_menu(MenuDesk);
        rt::menu_item(ItemHide, "Cacher\tCtrl+H");
        rt::menu_separator();
        rt::menu_item(ItemAlwaysOnTop, "Toujours visible");
        rt::open_submenu("Langue");
        rt::menu_item(ItemFrench, "Français");
        rt::menu_item(ItemEnglish, "English");
        rt::close_submenu();
    }

    // The action the user would pick, found by its text.
    static QAction* action(const QString& text) {
        for (QAction* a : rt::state().menus.at(MenuDesk)->findChildren<QAction*>()) {
            if (a->text() == text) return a;
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    }
};

TEST_F(MenuTest, ChoosingAnItemQueuesItsNumberForTheWindow) {
    rt::display_popup_menu(MenuDesk, WindowDesk, 10, 10);
    const struct {
        const char* text;
        int item;
    } cases[] = {{"Cacher\tCtrl+H", ItemHide}, {"English", ItemEnglish}};
    for (const auto& c : cases) {
        action(c.text)->trigger();
        const auto taken = take_events();
        ASSERT_EQ(taken.size(), 1u) << c.text;
        EXPECT_EQ(taken[0].kind, EventKind::Menu);
        EXPECT_EQ(taken[0].object, c.item);
        EXPECT_EQ(taken[0].window, WindowDesk);
    }
}

TEST_F(MenuTest, ASubmenuDoesItsOpeningWorkEachTimeItOpens) {
    int opened = 0;
    rt::create_popup_menu(MenuDesk);
    rt::open_submenu("Listes", -1, [&] { ++opened; });
    rt::menu_item(ItemFrench, "Première");
    rt::close_submenu();
    rt::display_popup_menu(MenuDesk, WindowDesk, 10, 10);
    EXPECT_EQ(opened, 0) << "not before the submenu itself opens";

    QMenu* lists = rt::state().menus.at(MenuDesk)->findChild<QMenu*>();
    ASSERT_NE(lists, nullptr);
    for (int time = 1; time <= 2; ++time) {
        lists->popup(QPoint(20, 20));
        EXPECT_EQ(opened, time);
        lists->hide();
    }
}

TEST_F(MenuTest, ItemsAreChangedThroughTheirNumbersInSubmenusToo) {
    rt::set_menu_item_checked(MenuDesk, ItemFrench, true);
    rt::set_menu_item_text(MenuDesk, ItemEnglish, "Anglais");
    rt::disable_menu_item(MenuDesk, ItemAlwaysOnTop, true);
    EXPECT_TRUE(rt::menu_item_checked(MenuDesk, ItemFrench));
    EXPECT_FALSE(rt::menu_item_checked(MenuDesk, ItemEnglish));
    EXPECT_EQ(rt::menu_item_text(MenuDesk, ItemEnglish), "Anglais");
    EXPECT_FALSE(action("Toujours visible")->isEnabled());
    EXPECT_EQ(rt::menu_item_text(MenuDesk, 999), "");
}

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeat = false) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(target, &event);
}

TEST_F(MenuTest, ShortcutFiresOnlyForKeysReachingItsWindow) {
    rt::open_window(WindowNotes, 0, 0, 100, 100, "Notes", 0);
    rt::create_string_gadget(GadgetNoteText, 0, 0, 100, 20, "");
    ASSERT_TRUE(rt::add_keyboard_shortcut(WindowDesk, "Ctrl+H", ItemHide));
    ASSERT_TRUE(rt::add_keyboard_shortcut(WindowNotes, "F1", ItemFrench));
    EXPECT_FALSE(rt::add_keyboard_shortcut(WindowDesk, "Ctrl+Nonsense", ItemHide));

    const struct {
        const char* name;
        QWidget* target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool repeat;
        int item;  // -1: no event
        int window;
    } cases[] = {
        {"desk, its keys", rt::window_widget(WindowDesk), Qt::Key_H, Qt::ControlModifier, false, ItemHide, WindowDesk},
        {"desk, held key repeating", rt::window_widget(WindowDesk), Qt::Key_H, Qt::ControlModifier, true, -1, 0},
        {"desk, without Ctrl", rt::window_widget(WindowDesk), Qt::Key_H, Qt::NoModifier, false, -1, 0},
        {"notes, the desk's keys", rt::window_widget(WindowNotes), Qt::Key_H, Qt::ControlModifier, false, -1, 0},
        {"notes' text field, its keys", rt::gadget_widget(GadgetNoteText), Qt::Key_F1, Qt::NoModifier, false,
         ItemFrench, WindowNotes},
        {"desk, the notes' keys", rt::window_widget(WindowDesk), Qt::Key_F1, Qt::NoModifier, false, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.target, c.key, c.modifiers, c.repeat);
        const auto taken = take_events();
        if (c.item < 0) {
            EXPECT_TRUE(taken.empty());
            continue;
        }
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].kind, EventKind::Menu);
        EXPECT_EQ(taken[0].object, c.item);
        EXPECT_EQ(taken[0].window, c.window);
    }

    rt::remove_keyboard_shortcut(WindowDesk, "Ctrl+H");
    press(rt::window_widget(WindowDesk), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(take_events().empty());
}

TEST_F(MenuTest, TheControlKeyActionRunsOnceForEachCtrlPressInItsWindow) {
    rt::create_string_gadget(GadgetDeskField, 0, 0, 100, 20, "");
    rt::open_window(WindowNotes, 0, 0, 100, 100, "Notes", 0);
    int runs = 0;
    rt::set_control_key_action(WindowDesk, [&runs] { ++runs; });

    const struct {
        const char* name;
        QWidget* target;
        Qt::Key key;
        bool repeat;
        int runs_after;
    } cases[] = {
        {"Ctrl on the desk", rt::window_widget(WindowDesk), Qt::Key_Control, false, 1},
        {"Ctrl held, repeating", rt::window_widget(WindowDesk), Qt::Key_Control, true, 1},
        {"the shortcut's own key", rt::window_widget(WindowDesk), Qt::Key_1, false, 1},
        {"Ctrl on another window", rt::window_widget(WindowNotes), Qt::Key_Control, false, 1},
        // The field does not take Ctrl, which travels on up to the desk itself.
        {"Ctrl in a field of the desk", rt::gadget_widget(GadgetDeskField), Qt::Key_Control, false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.target, c.key, Qt::ControlModifier, c.repeat);
        EXPECT_EQ(runs, c.runs_after);
    }
    EXPECT_TRUE(take_events().empty()) << "Ctrl alone is no shortcut";
}

}  // namespace
