// Hyperlinks: a click on the text is the gadget's event, and the text reads
// back as a text gadget's does.
#include "rt/gadget_hyperlink.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

constexpr int window = 13, link = 84;

void send_mouse(QWidget* w, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, at, w->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

class HyperlinkTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override {
        rt::open_window(window, 0, 0, 600, 210, "About", 0);
        rt::create_hyperlink_gadget(link, 13, 80, 395, 15, "contact@example.org", rt::rgb(255, 0, 0));
    }
};

TEST_F(HyperlinkTest, AClickReleasedOverTheTextIsALeftClick) {
    QWidget* w = rt::gadget_widget(link);
    ASSERT_NE(w, nullptr);
    send_mouse(w, QEvent::MouseButtonPress, {5, 5});
    send_mouse(w, QEvent::MouseButtonRelease, {5, 5});
    // Pressed on the link but released away from it: no click.
    send_mouse(w, QEvent::MouseButtonPress, {5, 5});
    send_mouse(w, QEvent::MouseButtonRelease, {500, 5});

    const auto events = rt_test::take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, rt::EventKind::Gadget);
    EXPECT_EQ(events[0].window, window);
    EXPECT_EQ(events[0].object, link);
    EXPECT_EQ(events[0].type, rt::EventType::LeftClick);
}

TEST_F(HyperlinkTest, TextReadsBackPlainAndTheHoverShowsIt) {
    EXPECT_EQ(rt::gadget_text(link), "contact@example.org");
    rt::set_text(link, "<b>not markup</b>");
    EXPECT_EQ(rt::gadget_text(link), "<b>not markup</b>");

    QWidget* w = rt::gadget_widget(link);
    EXPECT_EQ(w->palette().color(QPalette::WindowText), rt::to_qcolor(rt::link_colour));
    EXPECT_FALSE(w->font().underline());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(w, &enter);
    EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(w->font().underline());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
    EXPECT_FALSE(w->font().underline());
}

}  // namespace
