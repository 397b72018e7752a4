#include "rt/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace rt {

namespace {

DialogScript* g_script = nullptr;

QString q(const std::string& s) { return QString::fromStdString(s); }

// Dialogs stay above the desk, which may be topmost, and give the focus back
// to the window that had it: keyboard shortcuts only work in an active window.
class ModalScope {
public:
    ModalScope() : previous_(QApplication::activeWindow()) {}
    ~ModalScope() {
        if (previous_) {
            previous_->activateWindow();
            previous_->raise();
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    QPointer<QWidget> previous_;
};

template <typename Dialog>
void on_top(Dialog& d) {
    d.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QMessageBox::Icon qt_icon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qt_buttons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The answer of a box closed without a button.
MessageAnswer dismissed(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

std::uint32_t to_bgr(const QColor& c) {
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

QColor from_bgr(std::uint32_t c) { return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)); }

}  // namespace

DialogScript::DialogScript() : previous_(g_script) { g_script = this; }

DialogScript::~DialogScript() { g_script = previous_; }

std::optional<ScriptedAnswer> DialogScript::take(ShownDialog d) {
    shown_.push_back(std::move(d));
    if (answers_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    ScriptedAnswer a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

MessageAnswer message_box(const std::string& title, const std::string& text, MessageButtons buttons, MessageIcon icon) {
    if (g_script) {
        auto a = g_script->take({DialogKind::Message, title, text, buttons, icon, {}});
        return a ? a->message : dismissed(buttons);
    }
    ModalScope scope;
    QMessageBox box(qt_icon(icon), q(title), q(text), qt_buttons(buttons));
    on_top(box);
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return dismissed(buttons);
    }
}

std::optional<std::string> input_box(const std::string& title, const std::string& prompt, const std::string& initial) {
    if (g_script) {
        auto a = g_script->take({DialogKind::Input, title, prompt, {}, {}, initial});
        return a ? a->text : std::nullopt;
    }
    ModalScope scope;
    QInputDialog dialog;
    on_top(dialog);
    dialog.setWindowTitle(q(title));
    dialog.setLabelText(q(prompt));
    dialog.setTextValue(q(initial));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

namespace {

std::optional<std::vector<std::string>> file_dialog(DialogKind kind, const std::string& title, const std::string& start,
                                                    const std::string& filter, bool many = false,
                                                    bool confirm_replace = true) {
    if (g_script) {
        auto a = g_script->take({kind, title, start, {}, {}, filter});
        if (!a) return std::nullopt;
        if (a->files) return a->files;
        if (a->text) return std::vector<std::string>{*a->text};
        return std::nullopt;
    }
    ModalScope scope;
    QFileDialog dialog(nullptr, q(title), q(start), q(filter));
    on_top(dialog);
    switch (kind) {
    case DialogKind::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirm_replace);
        break;
    case DialogKind::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    default: dialog.setFileMode(many ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile); break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    std::vector<std::string> out;
    for (const QString& f : dialog.selectedFiles()) out.push_back(f.toStdString());
    return out;
}

}  // namespace

std::optional<std::string> open_file(const std::string& title, const std::string& start_path,
                                     const std::string& filter) {
    auto files = file_dialog(DialogKind::OpenFile, title, start_path, filter);
    if (!files || files->empty()) return std::nullopt;
    return files->front();
}

std::optional<std::vector<std::string>> open_files(const std::string& title, const std::string& start_path,
                                                   const std::string& filter) {
    return file_dialog(DialogKind::OpenFile, title, start_path, filter, true);
}

std::optional<std::string> save_file(const std::string& title, const std::string& start_path, const std::string& filter,
                                     bool confirm_replace) {
    auto files = file_dialog(DialogKind::SaveFile, title, start_path, filter, false, confirm_replace);
    if (!files || files->empty()) return std::nullopt;
    return files->front();
}

std::optional<std::string> choose_folder(const std::string& title, const std::string& start_path) {
    auto files = file_dialog(DialogKind::Folder, title, start_path, {});
    if (!files || files->empty()) return std::nullopt;
    return files->front();
}

std::optional<std::uint32_t> choose_colour(std::uint32_t initial) {
    if (g_script) {
        auto a = g_script->take({DialogKind::Colour, {}, {}, {}, {}, {}});
        return a ? a->colour : std::nullopt;
    }
    ModalScope scope;
    QColorDialog dialog(from_bgr(initial));
    on_top(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return to_bgr(dialog.selectedColor());
}

std::optional<FontChoice> choose_font(const FontChoice& initial) {
    if (g_script) {
        auto a = g_script->take({DialogKind::Font, {}, initial.face, {}, {}, {}});
        return a ? a->font : std::nullopt;
    }
    ModalScope scope;
    QFont start(q(initial.face), initial.size > 0 ? initial.size : -1);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    QFontDialog dialog(start);
    on_top(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont f = dialog.selectedFont();
    return FontChoice{f.family().toStdString(), f.pointSize(), f.bold(), f.italic()};
}

}  // namespace rt
