// Editors, frames, month calendars and date fields: their values through the
// number, what they show, and the events of the user's changes.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

void send_mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

using rt::EventKind;
using rt::EventType;
using rt_test::take_events;

enum : int {
    WindowCalendar = 11,
    GadgetMonth = 61,
    GadgetEventDate = 63,
    GadgetEventText = 64,
    GadgetFrame = 69,
};

// 2024-03-07 09:05:30 and that day at midnight, counted as local wall-clock seconds.
constexpr std::int64_t march_7_at_9_05_30 = 1709802330;
constexpr std::int64_t march_7 = 1709769600;
constexpr std::int64_t christmas_eve_2031_last_second = 1955923199;

class DatedGadgets : public rt_test::RuntimeTest {
protected:
    void SetUp() override { rt::open_window(WindowCalendar, 0, 0, 255, 560, "Calendrier", 0); }

    QDateTimeEdit* date_edit() { return rt::gadget_widget(GadgetEventDate)->findChild<QDateTimeEdit*>(); }
    QCheckBox* date_box() { return rt::gadget_widget(GadgetEventDate)->findChild<QCheckBox*>(); }
};

TEST(DateDisplayFormat, ProgramMasksBecomeToolkitFormats) {
    const struct {
        const char* mask;
        const char* format;
    } rows[] = {
        {"%dd/%mm/%yyyy %hh:%ii", "dd'/'MM'/'yyyy' 'HH':'mm"},
        {"%yyyy/%mm/%dd %hh:%ii", "yyyy'/'MM'/'dd' 'HH':'mm"},
        {"%dd/%mm/%yy - %hh:%ii", "dd'/'MM'/'yy' - 'HH':'mm"},
        {"%hh:%ii:%ss", "HH':'mm':'ss"},
        {"le %dd", "'le 'dd"},           // letters of the text are not fields
        {"l'an %yyyy", "'l''an 'yyyy"},  // a quote in the text stays a quote
        {"%y %%mm", "'%y %'MM"},         // a lone % and unknown fields are text
        {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(rt::date_display_format(row.mask), row.format) << row.mask;
}

TEST_F(DatedGadgets, DateFieldShowsItsValueByMask) {
    rt::create_date_gadget(GadgetEventDate, 65, 215, 180, 25, "%dd/%mm/%yy - %hh:%ii");
    rt::set_date_gadget_value(GadgetEventDate, march_7_at_9_05_30);
    const struct {
        const char* mask;
        const char* shown;
    } rows[] = {
        {"%dd/%mm/%yyyy %hh:%ii", "07/03/2024 09:05"},
        {"%yyyy/%mm/%dd %hh:%ii", "2024/03/07 09:05"},
        {"%dd/%mm/%yy - %hh:%ii", "07/03/24 - 09:05"},
    };
    for (const auto& row : rows) {
        rt::set_date_gadget_mask(GadgetEventDate, row.mask);
        EXPECT_EQ(date_edit()->text().toStdString(), row.shown) << row.mask;
        EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), march_7_at_9_05_30)
            << "the seconds are kept though not shown, with " << row.mask;
    }
}

TEST_F(DatedGadgets, UntickedMeansNoDateAndTickingBringsTheLastOneBack) {
    rt::create_date_gadget(GadgetEventDate, 65, 215, 180, 25, "%dd/%mm/%yyyy %hh:%ii");
    EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), 0) << "a new field has no date";
    EXPECT_FALSE(date_box()->isChecked());
    EXPECT_EQ(date_edit()->text().trimmed().toStdString(), "") << "an unticked field is empty";

    rt::set_date_gadget_value(GadgetEventDate, christmas_eve_2031_last_second);
    EXPECT_TRUE(date_box()->isChecked());
    EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), christmas_eve_2031_last_second);

    rt::set_date_gadget_value(GadgetEventDate, 0);
    EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), 0);
    EXPECT_EQ(date_edit()->text().trimmed().toStdString(), "");
    EXPECT_TRUE(take_events().empty()) << "the program's own changes are no events";

    // The user ticks the box: the date it last showed comes back, and that is a change.
    date_box()->click();
    EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), christmas_eve_2031_last_second);
    EXPECT_EQ(date_edit()->text().toStdString(), "24/12/2031 23:59");
    const auto events = take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::Gadget);
    EXPECT_EQ(events[0].window, WindowCalendar);
    EXPECT_EQ(events[0].object, GadgetEventDate);
    EXPECT_EQ(events[0].type, EventType::Change);

    date_box()->click();
    EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), 0);
}

TEST_F(DatedGadgets, DateFieldStepsWithItsArrows) {
    rt::create_date_gadget(GadgetEventDate, 65, 215, 180, 25, "%dd/%mm/%yyyy %hh:%ii");
    rt::set_date_gadget_value(GadgetEventDate, march_7_at_9_05_30);
    date_edit()->setCurrentSection(QDateTimeEdit::DaySection);
    date_edit()->stepBy(1);
    EXPECT_EQ(rt::date_gadget_value(GadgetEventDate), march_7_at_9_05_30 + 86400);
}

TEST_F(DatedGadgets, CalendarShowsTheMonthOfItsDateWithItsDayHighlightedInEitherLanguage) {
    rt::create_calendar_gadget(GadgetMonth, 5, 5, 245, 185, march_7_at_9_05_30);
    const auto* calendar = static_cast<QCalendarWidget*>(rt::gadget_widget(GadgetMonth));
    EXPECT_EQ(calendar->yearShown(), 2024);
    EXPECT_EQ(calendar->monthShown(), 3);
    EXPECT_EQ(rt::calendar_gadget_date(GadgetMonth), march_7);
    EXPECT_EQ(rt::calendar_gadget_date(GadgetEventDate), 0) << "not a calendar";

    // The weeks start on Monday in French and on Sunday in English.
    const auto* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    for (const char* language : {"fr_FR", "en_US", "fr_FR"}) {
        rt::set_gadget_language(GadgetMonth, language);
        const QModelIndexList highlighted = days->selectionModel()->selectedIndexes();
        ASSERT_EQ(highlighted.size(), 1) << language;
        EXPECT_EQ(highlighted.front().data().toString().toStdString(), "7") << language;
        EXPECT_EQ(rt::calendar_gadget_date(GadgetMonth), march_7) << language;
    }
}

TEST_F(DatedGadgets, TheMonthFitsItsSizeWithNoDayNameCutShort) {
    rt::create_calendar_gadget(GadgetMonth, 5, 5, 245, 185, march_7_at_9_05_30);
    const auto* calendar = static_cast<QCalendarWidget*>(rt::gadget_widget(GadgetMonth));
    for (const char* language : {"fr_FR", "en_US", "fr_FR"}) {
        rt::set_gadget_language(GadgetMonth, language);
        const QSize needed = calendar->minimumSizeHint();
        EXPECT_LE(needed.width(), calendar->width()) << language;
        EXPECT_LE(needed.height(), calendar->height()) << language;
    }

    // With room to spare, the calendar keeps the font it was given.
    rt::create_calendar_gadget(GadgetMonth, 5, 5, 400, 300, march_7_at_9_05_30);
    rt::set_gadget_language(GadgetMonth, "fr_FR");
    EXPECT_EQ(rt::gadget_widget(GadgetMonth)->font(), rt::gadget_widget(GadgetMonth)->parentWidget()->font());
}

TEST_F(DatedGadgets, EditorTextIsMultiLineAndWrapped) {
    rt::create_editor_gadget(GadgetEventText, 10, 245, 235, 50);
    rt::set_text(GadgetEventText, "Dentiste\nà 10 h");
    EXPECT_EQ(rt::gadget_text(GadgetEventText), "Dentiste\nà 10 h");
    const auto* editor = static_cast<QPlainTextEdit*>(rt::gadget_widget(GadgetEventText));
    EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_TRUE(take_events().empty()) << "set_text is no edit by the user";

    static_cast<QPlainTextEdit*>(rt::gadget_widget(GadgetEventText))->insertPlainText("!");
    const auto events = take_events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().object, GadgetEventText);
    EXPECT_EQ(events.back().type, EventType::Change);
}

TEST_F(DatedGadgets, FrameCaptionAndClicksThroughIt) {
    rt::create_frame_gadget(GadgetFrame, 5, 200, 245, 100, "1");
    EXPECT_EQ(rt::gadget_text(GadgetFrame), "1");
    rt::set_text(GadgetFrame, "2");
    EXPECT_EQ(static_cast<QGroupBox*>(rt::gadget_widget(GadgetFrame))->title().toStdString(), "2");

    send_mouse(rt::gadget_widget(GadgetFrame), QEvent::MouseButtonPress, {100, 50}, Qt::LeftButton);
    send_mouse(rt::gadget_widget(GadgetFrame), QEvent::MouseButtonRelease, {100, 50}, Qt::NoButton);
    const auto events = take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::LeftClick) << "a click on a frame is a click on its window";
}

}  // namespace
