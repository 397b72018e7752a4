// Month calendar and date field gadgets. Date values count local wall-clock
// seconds as if the local calendar were UTC, so they go to and from the
// toolkit's dates in UTC: no time zone ever shifts them.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QSignalBlocker>

#include <optional>

#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

namespace {

QDateTime to_qdatetime(std::int64_t date_value) { return QDateTime::fromSecsSinceEpoch(date_value, Qt::UTC); }
std::int64_t to_date_value(const QDateTime& t) { return t.toSecsSinceEpoch(); }

QWidget* open_list() {
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    return lists.empty() ? nullptr : lists.back().data();
}

// A month calendar that fits its size: the toolkit cuts short a day name
// wider than its column ("sa..."), so the font steps down from the one the
// calendar was given until the whole month fits, again when the language
// changes the names. A language that starts the week on another day moves
// the days to other cells, but the toolkit leaves the highlight on the cell
// it was on (the 8th shown for the 9th): the selected date is placed again.
class MonthCalendar final : public QCalendarWidget {
public:
    using QCalendarWidget::QCalendarWidget;

    void fit() {
        if (!base_font_) base_font_ = font();
        setFont(shrunk_to_fit(*base_font_, [this](const QFont& f) {
            setFont(f);
            const QSize needed = minimumSizeHint();
            return needed.width() <= width() && needed.height() <= height();
        }));
    }

protected:
    void changeEvent(QEvent* e) override {
        QCalendarWidget::changeEvent(e);
        if (e->type() != QEvent::LocaleChange) return;
        fit();
        setSelectedDate(selectedDate());
    }

private:
    std::optional<QFont> base_font_;
};

// A check box and a date-time editor side by side. Unticked, the editor shows
// nothing (its lowest value with a blank special text) and keeps the date it
// showed for when the box is ticked again.
class DateField final : public QWidget {
public:
    DateField(int number, QWidget* parent) : QWidget(parent) {
        box_ = new QCheckBox(this);
        edit_ = new QDateTimeEdit(this);
        edit_->setTimeSpec(Qt::UTC);
        edit_->setCalendarPopup(false);
        edit_->setSpecialValueText(QStringLiteral(" "));
        kept_ = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
        QObject::connect(box_, &QCheckBox::clicked, this, [this, number](bool ticked) {
            show_ticked(ticked);
            queue_gadget_event(this, number, EventType::Change);
        });
        QObject::connect(edit_, &QDateTimeEdit::dateTimeChanged, this, [this, number](const QDateTime& t) {
            if (box_->isChecked()) kept_ = t;
            queue_gadget_event(this, number, EventType::Change);
        });
        show_ticked(false);
    }

    void set_value(std::int64_t date_value) {
        const QSignalBlocker quiet_box(box_), quiet_edit(edit_);
        if (date_value != 0) kept_ = to_qdatetime(date_value);
        box_->setChecked(date_value != 0);
        show_ticked(date_value != 0);
    }

    std::int64_t value() const { return box_->isChecked() ? to_date_value(edit_->dateTime()) : 0; }

    void set_format(const QString& format) { edit_->setDisplayFormat(format); }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int box_width = box_->sizeHint().width();
        box_->setGeometry(0, 0, box_width, height());
        edit_->setGeometry(box_width + 2, 0, std::max(0, width() - box_width - 2), height());
    }

private:
    void show_ticked(bool ticked) {
        const QSignalBlocker quiet(edit_);
        edit_->setEnabled(ticked);
        edit_->setDateTime(ticked ? kept_ : edit_->minimumDateTime());
    }

    QCheckBox* box_;
    QDateTimeEdit* edit_;
    QDateTime kept_;  // the date shown while ticked
};

template <typename W>
W* entry_as(int number, GadgetKind kind) {
    const Gadget* g = gadget_entry(number);
    return g && g->kind == kind ? static_cast<W*>(g->widget.data()) : nullptr;
}

// "'" starts and ends quoted text in the toolkit's formats; two stand for one.
void quote_into(QString& format, const QString& literal) {
    if (literal.isEmpty()) return;
    QString quoted = literal;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    format += QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace

std::string date_display_format(const std::string& mask) {
    static const struct {
        const char* field;
        const char* format;
    } fields[] = {{"%yyyy", "yyyy"}, {"%yy", "yy"}, {"%mm", "MM"}, {"%dd", "dd"},
                  {"%hh", "HH"},     {"%ii", "mm"}, {"%ss", "ss"}};
    const QString m = to_qstring(mask);
    QString format, literal;
    for (qsizetype i = 0; i < m.size();) {
        bool matched = false;
        for (const auto& f : fields) {
            const QString field = QString::fromLatin1(f.field);
            if (m.mid(i, field.size()) != field) continue;
            quote_into(format, literal);
            literal.clear();
            format += QString::fromLatin1(f.format);
            i += field.size();
            matched = true;
            break;
        }
        if (!matched) literal += m[i++];
    }
    quote_into(format, literal);
    return to_utf8(format);
}

void create_calendar_gadget(int number, int x, int y, int width, int height, std::int64_t date_value) {
    free_gadget(number);
    QWidget* parent = open_list();
    if (!parent) return;
    auto* calendar = new MonthCalendar(parent);
    calendar->setGeometry(x, y, width, height);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->fit();
    calendar->setSelectedDate(to_qdatetime(date_value).date());
    calendar->setAttribute(Qt::WA_NoMousePropagation);
    calendar->show();
    state().gadgets[number] = Gadget{calendar, GadgetKind::Calendar};
}

std::int64_t calendar_gadget_date(int number) {
    const auto* calendar = entry_as<QCalendarWidget>(number, GadgetKind::Calendar);
    return calendar ? to_date_value(QDateTime(calendar->selectedDate(), QTime(0, 0), Qt::UTC)) : 0;
}

void create_date_gadget(int number, int x, int y, int width, int height, const std::string& mask) {
    free_gadget(number);
    QWidget* parent = open_list();
    if (!parent) return;
    auto* field = new DateField(number, parent);
    field->set_format(to_qstring(date_display_format(mask)));
    field->setGeometry(x, y, width, height);
    field->setAttribute(Qt::WA_NoMousePropagation);
    field->show();
    state().gadgets[number] = Gadget{field, GadgetKind::DateField};
}

void set_date_gadget_mask(int number, const std::string& mask) {
    if (auto* field = entry_as<DateField>(number, GadgetKind::DateField))
        field->set_format(to_qstring(date_display_format(mask)));
}

void set_date_gadget_value(int number, std::int64_t date_value) {
    if (auto* field = entry_as<DateField>(number, GadgetKind::DateField)) field->set_value(date_value);
}

std::int64_t date_gadget_value(int number) {
    const auto* field = entry_as<DateField>(number, GadgetKind::DateField);
    return field ? field->value() : 0;
}

}  // namespace rt
