// The yardstick of the start-up benchmark: the least a Qt 6 Widgets program
// does to show what the desk shows. One frameless 110 x 700 window titled
// "Bare Desk", holding 300 labels with a 32 x 32 picture each (three pages of
// 100 in three columns, the first page shown, as on the desk) and a clock
// label that a one-second timer updates. It loads no file and ends on SIGTERM.
//
//   build/bench/vd_bare_desk        (started by build/bench/vd_startup_exec)
#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTime>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int window_width = 110, window_height = 700;
constexpr int label_count = 300, page_count = 3, labels_per_page = label_count / page_count;
constexpr int picture_size = 32;
constexpr int column_x[] = {3, 38, 73};
constexpr int column_count = 3;
constexpr int row_pitch = 35;
constexpr int page_top = 265, page_height = 2000;
constexpr int clock_x = 5, clock_y = 5, clock_width = 100, clock_height = 24;
constexpr int tick_ms = 1000;

// A strip of distinct 32 x 32 cells, so that each label holds its own picture.
QPixmap picture_strip() {
    QPixmap strip(picture_size * label_count, picture_size);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int n = 0; n < label_count; ++n) {
        painter.setBrush(QColor::fromHsv(n * 360 / label_count, 160, 200));
        painter.drawRoundedRect(n * picture_size + 2, 2, picture_size - 4, picture_size - 4, 6, 6);
    }
    return strip;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle("Bare Desk");
    window.setFixedSize(window_width, window_height);
    window.move(10, 10);

    auto* clock = new QLabel(&window);
    clock->setGeometry(clock_x, clock_y, clock_width, clock_height);
    clock->setAlignment(Qt::AlignCenter);
    const auto show_time = [clock] { clock->setText(QTime::currentTime().toString("HH:mm:ss")); };
    show_time();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, show_time);
    tick.start(tick_ms);

    const QPixmap strip = picture_strip();
    for (int page = 0; page < page_count; ++page) {
        auto* area = new QWidget(&window);
        area->setGeometry(1, page_top, window_width - 2, page_height);
        for (int i = 0; i < labels_per_page; ++i) {
            const int n = page * labels_per_page + i;
            auto* label = new QLabel(area);
            label->setPixmap(strip.copy(n * picture_size, 0, picture_size, picture_size));
            label->setGeometry(column_x[i % column_count], (i / column_count) * row_pitch, picture_size, picture_size);
        }
        area->setVisible(page == 0);
    }

    window.show();
    return application.exec();
}
