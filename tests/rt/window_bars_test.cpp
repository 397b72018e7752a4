// Menu bars, tool bars and status bars of numbered windows, the editor's
// options, gadgets that let clicks through, and the period of a window timer.
#include "rt/window_bars.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/gadget_options.h"
#include "rt/image.h"
#include "rt/internal.h"
#include "rt/menu.h"
#include "rt/timer.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

using rt::EventKind;
using rt_test::take_events;

enum : int {
    WindowNotes = 27,
    WindowViewer = 26,
    MenuNotes = 27,
    ItemNew = 76,
    ItemSave = 78,
    ItemClose = 83,
    ItemOnTop = 72,
    ItemSaveAs = 75,
    GadgetText = 204,
    GadgetPicture = 5,
    ImageButton = 80,
    TimerAnimation = 8,
};

class WindowBars : public rt_test::RuntimeTest {
protected:
    void SetUp() override {
        rt::open_window(WindowNotes, 0, 0, 600, 400, "Notes", rt::WindowFlag::Resizable);
        rt::create_menu_bar(MenuNotes, WindowNotes);
        rt::menu_title("Options");
        rt::menu_item(ItemNew, "Nouvelle");
        rt::menu_item(ItemSave, "Enregistrer");
        rt::menu_separator();
        rt::menu_item(ItemClose, "Fermer");
        rt::create_status_bar(WindowNotes, {rt::remaining_width, 60});
    }

    static QMenuBar* bar() { return rt::window_widget(WindowNotes)->findChild<QMenuBar*>(); }
    static QAction* item(const QString& text) {
        for (QAction* a : rt::state().menus.at(MenuNotes)->findChildren<QAction*>())
            if (a->text() == text) return a;
        return nullptr;
    }
};

TEST_F(WindowBars, MenuBarItemsQueueTheirNumberForTheWindow) {
    ASSERT_NE(bar(), nullptr);
    ASSERT_EQ(bar()->actions().size(), 1);
    EXPECT_EQ(bar()->actions().front()->text(), "Options");
    ASSERT_NE(item("Fermer"), nullptr);
    item("Fermer")->trigger();
    const auto events = take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::Menu);
    EXPECT_EQ(events[0].window, WindowNotes);
    EXPECT_EQ(events[0].object, ItemClose);
}

TEST_F(WindowBars, MenuBarItemsAnswerTheMenuCallsThroughTheMenuNumber) {
    EXPECT_FALSE(rt::menu_item_disabled(MenuNotes, ItemSave));
    rt::disable_menu_item(MenuNotes, ItemSave, true);
    EXPECT_FALSE(item("Enregistrer")->isEnabled());
    EXPECT_TRUE(rt::menu_item_disabled(MenuNotes, ItemSave));
    EXPECT_FALSE(rt::menu_item_disabled(MenuNotes, 999));
    rt::set_menu_item_text(MenuNotes, ItemNew, "New");
    EXPECT_EQ(rt::menu_item_text(MenuNotes, ItemNew), "New");
}

TEST_F(WindowBars, BarsHugTheEdgesAndFollowTheWindowSize) {
    const int menu = rt::menu_bar_height(WindowNotes);
    const int status = rt::status_bar_height(WindowNotes);
    EXPECT_GT(menu, 10);
    EXPECT_GT(status, 10);
    EXPECT_EQ(rt::tool_bar_height(WindowNotes), 0);
    EXPECT_EQ(rt::menu_bar_height(WindowViewer), 0) << "a window that is not open has no bars";

    const struct { int width, height; } sizes[] = {{600, 400}, {900, 700}, {300, 200}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        rt::resize_window(WindowNotes, size.width, size.height);
        const QWidget* menu_bar = bar();
        const QWidget* status_bar = rt::window_widget(WindowNotes)->findChild<QStatusBar*>();
        EXPECT_EQ(menu_bar->geometry(), QRect(0, 0, size.width, menu));
        EXPECT_EQ(status_bar->geometry(), QRect(0, size.height - status, size.width, status));
    }
}

TEST_F(WindowBars, StatusFieldsHoldTheirTextAndWidth) {
    rt::set_status_text(WindowNotes, 0, "Sauvegarde OK");
    rt::set_status_text(WindowNotes, 1, "UTF-8");
    rt::set_status_text(WindowNotes, 2, "no such field");
    EXPECT_EQ(rt::status_text(WindowNotes, 0), "Sauvegarde OK");
    EXPECT_EQ(rt::status_text(WindowNotes, 1), "UTF-8");
    EXPECT_EQ(rt::status_text(WindowNotes, 2), "");
    EXPECT_EQ(rt::status_text(WindowNotes, -1), "");
    const auto fields = rt::window_widget(WindowNotes)->findChild<QStatusBar*>()->findChildren<QLabel*>();
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[1]->width(), 60);

    // A long path does not widen the window.
    rt::set_status_text(WindowNotes, 0, std::string(2000, 'x'));
    rt::process_events_for(0);
    EXPECT_EQ(rt::window_width(WindowNotes), 600);
}

TEST_F(WindowBars, ToolBarButtonsQueueMenuEventsAndTogglesKeepTheirState) {
    rt::open_window(WindowViewer, 0, 0, 800, 550, "Viewer", rt::WindowFlag::Resizable);
    rt::create_image(ImageButton, 16, 16, rt::rgb(255, 0, 0));
    rt::create_tool_bar(WindowViewer);
    rt::tool_bar_image_button(WindowViewer, ItemOnTop, ImageButton, true);
    rt::tool_bar_image_button(WindowViewer, ItemSaveAs, ImageButton);
    rt::set_tool_bar_tooltip(WindowViewer, ItemOnTop, "Rester au Dessus (OnTop)");
    EXPECT_EQ(rt::tool_bar_tooltip(WindowViewer, ItemOnTop), "Rester au Dessus (OnTop)");
    EXPECT_GT(rt::tool_bar_height(WindowViewer), 16);

    const QList<QAction*> buttons = rt::window_widget(WindowViewer)->findChild<QToolBar*>()->actions();
    ASSERT_EQ(buttons.size(), 2);
    buttons[0]->trigger();
    EXPECT_EQ(rt::tool_bar_button_state(WindowViewer, ItemOnTop), 1);
    buttons[1]->trigger();
    EXPECT_EQ(rt::tool_bar_button_state(WindowViewer, ItemSaveAs), 0) << "a push button has no state";
    buttons[0]->trigger();
    EXPECT_EQ(rt::tool_bar_button_state(WindowViewer, ItemOnTop), 0);

    const auto events = take_events();
    ASSERT_EQ(events.size(), 3u);
    const int items[] = {ItemOnTop, ItemSaveAs, ItemOnTop};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, EventKind::Menu);
        EXPECT_EQ(events[i].window, WindowViewer);
        EXPECT_EQ(events[i].object, items[i]);
    }
    rt::set_tool_bar_button_state(WindowViewer, ItemOnTop, 1);
    EXPECT_EQ(rt::tool_bar_button_state(WindowViewer, ItemOnTop), 1);
    EXPECT_TRUE(take_events().empty()) << "the program's own change is no click";
}

TEST_F(WindowBars, ClosingTheWindowTakesItsBars) {
    rt::close_window(WindowNotes);
    EXPECT_EQ(rt::status_bar_height(WindowNotes), 0);
    EXPECT_EQ(rt::menu_bar_height(WindowNotes), 0);
    rt::set_status_text(WindowNotes, 0, "after");
    EXPECT_EQ(rt::status_text(WindowNotes, 0), "");
}

class EditorOptions : public rt_test::RuntimeTest {
protected:
    void SetUp() override {
        rt::open_window(WindowNotes, 0, 0, 600, 400, "Notes", 0);
        rt::create_editor_gadget(GadgetText, 0, 0, 600, 400);
    }
    static QPlainTextEdit* editor() { return static_cast<QPlainTextEdit*>(rt::gadget_widget(GadgetText)); }
};

TEST_F(EditorOptions, ReadOnlyAndWordWrapSwitchBothWays) {
    EXPECT_FALSE(rt::editor_read_only(GadgetText));
    EXPECT_TRUE(rt::editor_word_wrap(GadgetText));
    rt::set_editor_read_only(GadgetText, true);
    rt::set_editor_word_wrap(GadgetText, false);
    EXPECT_TRUE(editor()->isReadOnly());
    EXPECT_EQ(editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(rt::editor_read_only(GadgetText));
    EXPECT_FALSE(rt::editor_word_wrap(GadgetText));
    rt::set_text(GadgetText, "set by the program");
    EXPECT_EQ(rt::gadget_text(GadgetText), "set by the program");
    rt::set_editor_read_only(GadgetText, false);
    rt::set_editor_word_wrap(GadgetText, true);
    EXPECT_FALSE(editor()->isReadOnly());
    EXPECT_EQ(editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(EditorOptions, OtherGadgetsIgnoreThem) {
    rt::create_button_gadget(GadgetPicture, 0, 0, 10, 10, "b");
    rt::set_editor_read_only(GadgetPicture, true);
    EXPECT_FALSE(rt::editor_read_only(GadgetPicture));
    EXPECT_FALSE(rt::editor_word_wrap(GadgetPicture));
    EXPECT_FALSE(rt::editor_read_only(9999));
}

TEST(ClickThrough, AClickOnAPictureThatLetsClicksThroughIsAClickOnTheWindow) {
    for (const bool through : {false, true}) {
        SCOPED_TRACE(through ? "through" : "not through");
        rt::open_window(7, 0, 0, 40, 30, "picture", 0);
        rt::create_canvas_gadget(GadgetPicture, 0, 0, 40, 30);
        rt::set_gadget_click_through(GadgetPicture, through);
        QWidget* window = rt::window_widget(7);
        window->show();
        // Delivered the way the toolkit does: to the widget under the mouse.
        QWidget* target = window->childAt(QPoint(10, 10));
        if (!target) target = window;
        const QPoint at = target->mapFrom(window, QPoint(10, 10));
        QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
        bool window_click = false;
        for (const rt::Event& e : take_events())
            window_click = window_click || (e.kind == EventKind::LeftClick && e.window == 7);
        EXPECT_EQ(window_click, through);
        rt::shutdown();
    }
}

TEST(WindowTimer, ItsPeriodIsKnownWhileItRuns) {
    rt::open_window(7, 0, 0, 40, 30, "picture", 0);
    EXPECT_EQ(rt::window_timer_period(7, TimerAnimation), 0);
    rt::add_window_timer(7, TimerAnimation, 250);
    EXPECT_EQ(rt::window_timer_period(7, TimerAnimation), 250);
    rt::add_window_timer(7, TimerAnimation, 100);
    EXPECT_EQ(rt::window_timer_period(7, TimerAnimation), 100);
    rt::remove_window_timer(7, TimerAnimation);
    EXPECT_EQ(rt::window_timer_period(7, TimerAnimation), 0);
    rt::shutdown();
}

}  // namespace
