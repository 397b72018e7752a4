// The widgets behind image and canvas gadgets, and the mouse watch on buttons:
// each turns the toolkit's mouse input into gadget events.
#include <QAbstractButton>
#include <QMouseEvent>
#include <QPaintEvent>

#include "rt/internal.h"

namespace rt {

ImageWidget::ImageWidget(int number, QWidget* parent) : QWidget(parent), number(number) {}

void ImageWidget::paintEvent(QPaintEvent*) {
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    after_double_click_ = false;
    if (event->button() == Qt::RightButton)
        queue_gadget_event(this, number, EventType::RightClick, event->position().toPoint());
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !after_double_click_ && rect().contains(at))
        queue_gadget_event(this, number, EventType::LeftClick, at);
    after_double_click_ = false;
}

void ImageWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    after_double_click_ = true;
    queue_gadget_event(this, number, EventType::LeftDoubleClick, event->position().toPoint());
}

CanvasWidget::CanvasWidget(int number, QWidget* parent) : QWidget(parent), number(number) { setMouseTracking(true); }

void CanvasWidget::fit_surface() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (surface.size() == wanted) return;
    QImage fitted(wanted, image_format);
    fitted.fill(Qt::white);
    if (!surface.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(0, 0, surface);
    }
    surface = std::move(fitted);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface, event->rect());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) queue_gadget_event(this, number, EventType::LeftButtonDown, at);
    if (event->button() == Qt::RightButton) queue_gadget_event(this, number, EventType::RightClick, at);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    queue_gadget_event(this, number, EventType::MouseMove, event->position().toPoint());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    queue_gadget_event(this, number, EventType::LeftButtonUp, at);
    if (rect().contains(at)) queue_gadget_event(this, number, EventType::LeftClick, at);
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        queue_gadget_event(this, number, EventType::LeftDoubleClick, event->position().toPoint());
}

void CanvasWidget::resizeEvent(QResizeEvent*) {
    // The surface is about to be replaced under the open painter.
    end_drawing_inside(this);
    fit_surface();
}

namespace {

class ButtonMouse final : public QObject {
public:
    ButtonMouse(QAbstractButton* button, int gadget) : QObject(button), button_(button), gadget_(gadget) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if (mouse->button() == Qt::RightButton) queue_gadget_event(button_, gadget_, EventType::RightClick, at);
            if (mouse->button() == Qt::LeftButton) press_ = at;
            break;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if (press_ && (mouse->buttons() & Qt::LeftButton) &&
                (at - *press_).manhattanLength() >= QApplication::startDragDistance()) {
                press_.reset();
                // The drag that follows takes the release: the button must not stay down.
                button_->setDown(false);
                queue_gadget_event(button_, gadget_, EventType::DragStart, at);
            }
            break;
        }
        case QEvent::MouseButtonRelease: press_.reset(); break;
        default: break;
        }
        return false;
    }

private:
    QAbstractButton* button_;
    int gadget_;
    std::optional<QPoint> press_;  // where the left button went down, until a drag starts
};

}  // namespace

void watch_button_mouse(QAbstractButton* button, int gadget) {
    button->installEventFilter(new ButtonMouse(button, gadget));
}

void end_button_drag(QWidget* source) {
    // The mouse moved over the button while the drag began, which pressed it down again.
    if (auto* button = qobject_cast<QAbstractButton*>(source)) button->setDown(false);
}

}  // namespace rt
