// Drag and drop between the program's gadgets and other programs.
#include "rt/dragdrop.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "rt/internal.h"

namespace rt {
namespace {

// What a drop offers, as far as `accepted` allows; kind None when nothing.
DropData drop_data(const QMimeData& mime, DropKind accepted) {
    if (accepts(accepted, DropKind::Files) && mime.hasUrls()) {
        // Each path stays one path: a name holding a line feed is not two files.
        DropData files{DropKind::Files, {}, {}};
        for (const QUrl& url : mime.urls()) {
            if (url.isLocalFile()) files.files.push_back(to_utf8(url.toLocalFile()));
        }
        if (!files.files.empty()) return files;
    }
    // The picture itself stays with the source; the program knows what it dragged.
    if (accepts(accepted, DropKind::Image) && mime.hasImage()) return {DropKind::Image, {}, {}};
    if (accepts(accepted, DropKind::Text) && mime.hasText() && !mime.text().isEmpty())
        return {DropKind::Text, to_utf8(mime.text()), {}};
    return {};
}

class DropFilter final : public QObject {
public:
    DropFilter(QWidget* gadget, int number, DropKind accepted)
        : QObject(gadget), accepted(accepted), gadget_(gadget), number_(number) {}
    DropKind accepted;
    std::function<void(const DropData&)> on_enter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            const DropData data = drop_data(*drag->mimeData(), accepted);
            if (data.kind == DropKind::None) {
                drag->ignore();
            } else {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
                if (event->type() == QEvent::DragEnter && on_enter) on_enter(data);
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            DropData data = drop_data(*drop->mimeData(), accepted);
            if (data.kind == DropKind::None) {
                drop->ignore();
                return true;
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            Event e;
            e.kind = EventKind::GadgetDrop;
            e.window = window_number_of(gadget_);
            e.object = number_;
            e.drop = std::move(data);
            // Where the drop fell in the gadget, also when a viewport of it took the drop.
            const QPoint at = static_cast<QWidget*>(watched)->mapTo(gadget_, drop->position().toPoint());
            e.mouse = mouse_position(e.window, gadget_->mapToGlobal(at));
            e.mouse.gadget_x = at.x();
            e.mouse.gadget_y = at.y();
            queue_event(std::move(e));
            return true;
        }
        default: return false;
        }
    }

private:
    QWidget* gadget_;
    int number_;
};

// The gadget's drop filter, if drops were enabled on it.
DropFilter* drop_filter(QWidget* widget) {
    // The filter class has no meta-object of its own, so it is found by dynamic_cast.
    for (QObject* child : widget->children()) {
        if (auto* filter = dynamic_cast<DropFilter*>(child)) return filter;
    }
    return nullptr;
}

bool drag(QMimeData* mime, const QPixmap& picture) {
    QWidget* source = state().drag_source.data();
    if (!source) {
        delete mime;
        return false;
    }
    auto* drag = new QDrag(source);
    drag->setMimeData(mime);
    if (!picture.isNull()) drag->setPixmap(picture);
    const bool taken = drag->exec(Qt::CopyAction) == Qt::CopyAction;
    // The drop took the mouse's release, which the source button never saw.
    end_button_drag(state().drag_source.data());
    return taken;
}

}  // namespace

void enable_gadget_drop(int gadget, DropKind accepted) {
    QWidget* widget = gadget_widget(gadget);
    if (!widget) return;
    DropFilter* filter = drop_filter(widget);
    // A scrolled view (a list) takes its drops on its viewport.
    auto* scrolled = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = scrolled ? scrolled->viewport() : widget;
    if (filter) {
        filter->accepted = accepted;
    } else {
        target->installEventFilter(new DropFilter(widget, gadget, accepted));
    }
    widget->setAcceptDrops(accepted != DropKind::None);
    target->setAcceptDrops(accepted != DropKind::None);
}

void set_drag_enter_action(int gadget, std::function<void(const DropData&)> action) {
    QWidget* widget = gadget_widget(gadget);
    if (DropFilter* filter = widget ? drop_filter(widget) : nullptr) filter->on_enter = std::move(action);
}

bool drag_files(const std::vector<std::string>& paths) {
    QList<QUrl> urls;
    for (const std::string& path : paths) urls.append(QUrl::fromLocalFile(to_qstring(path)));
    if (urls.isEmpty()) return false;
    auto* mime = new QMimeData;
    mime->setUrls(urls);
    return drag(mime, QPixmap());
}

bool drag_image(int image) {
    const QImage* picture = image_of(image);
    if (!picture) return false;
    auto* mime = new QMimeData;
    mime->setImageData(*picture);
    return drag(mime, QPixmap::fromImage(*picture));
}

}  // namespace rt
