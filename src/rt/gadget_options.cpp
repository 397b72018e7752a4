// Editor and mouse options of gadgets; see gadget_options.h.
#include "rt/gadget_options.h"

#include <QPlainTextEdit>

#include "rt/internal.h"

namespace rt {
namespace {

QPlainTextEdit* editor_of(int number) {
    const Gadget* g = gadget_entry(number);
    return g && g->kind == GadgetKind::Editor ? static_cast<QPlainTextEdit*>(g->widget.data()) : nullptr;
}

}  // namespace

void set_editor_read_only(int number, bool on) {
    if (QPlainTextEdit* editor = editor_of(number)) editor->setReadOnly(on);
}

bool editor_read_only(int number) {
    const QPlainTextEdit* editor = editor_of(number);
    return editor && editor->isReadOnly();
}

void set_editor_word_wrap(int number, bool on) {
    if (QPlainTextEdit* editor = editor_of(number))
        editor->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool editor_word_wrap(int number) {
    const QPlainTextEdit* editor = editor_of(number);
    return editor && editor->lineWrapMode() != QPlainTextEdit::NoWrap;
}

void set_gadget_click_through(int number, bool on) {
    if (QWidget* w = gadget_widget(number)) w->setAttribute(Qt::WA_TransparentForMouseEvents, on);
}

}  // namespace rt
