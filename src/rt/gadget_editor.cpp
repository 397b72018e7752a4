// Multi-line editor and frame gadgets, and the text of the gadget kinds kept
// outside gadget.cpp.
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

namespace {

// The innermost open gadget list; null when none.
QWidget* open_list() {
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    return lists.empty() ? nullptr : lists.back().data();
}

}  // namespace

void create_editor_gadget(int number, int x, int y, int width, int height) {
    free_gadget(number);
    QWidget* parent = open_list();
    if (!parent) return;
    auto* editor = new QPlainTextEdit(parent);
    editor->setGeometry(x, y, width, height);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor->setAttribute(Qt::WA_NoMousePropagation);
    // set_text() blocks the signal, so only the user's edits come here.
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor,
                     [editor, number] { queue_gadget_event(editor, number, EventType::Change); });
    editor->show();
    state().gadgets[number] = Gadget{editor, GadgetKind::Editor};
}

void create_frame_gadget(int number, int x, int y, int width, int height, const std::string& caption) {
    free_gadget(number);
    QWidget* parent = open_list();
    if (!parent) return;
    auto* frame = new QGroupBox(to_qstring(caption), parent);
    frame->setGeometry(x, y, width, height);
    // Only a drawing: clicks on it are clicks on the window.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->show();
    state().gadgets[number] = Gadget{frame, GadgetKind::Frame};
}

void set_own_kind_text(const Gadget& g, const QString& text) {
    switch (g.kind) {
    case GadgetKind::Editor: {
        auto* editor = static_cast<QPlainTextEdit*>(g.widget.data());
        const QSignalBlocker quiet(editor);
        editor->setPlainText(text);
        break;
    }
    case GadgetKind::Frame: static_cast<QGroupBox*>(g.widget.data())->setTitle(text); break;
    default: break;  // calendars and date fields show dates, set through their own calls
    }
}

std::string own_kind_text(const Gadget& g) {
    switch (g.kind) {
    case GadgetKind::Editor: return to_utf8(static_cast<QPlainTextEdit*>(g.widget.data())->toPlainText());
    case GadgetKind::Frame: return to_utf8(static_cast<QGroupBox*>(g.widget.data())->title());
    default: return {};
    }
}

}  // namespace rt
