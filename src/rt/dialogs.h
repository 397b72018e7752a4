// Modal dialogs: message box, input box, file, folder, colour and font choosers.
//
// Every dialog the program shows goes through here. In normal runs Qt's own
// dialogs are shown; a test installs a DialogScript, which answers each dialog
// from a queue and records what was shown, so no window ever opens in a test.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace rt {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

enum class DialogKind { Message, Input, OpenFile, SaveFile, Folder, Colour, Font };

// A font choice: face name, size in points and style.
struct FontChoice {
    std::string face;
    int size = 0;
    bool bold = false;
    bool italic = false;
};

// Shows a message box and waits for the answer. Closing the box without a
// button answers Cancel, or No when there is no Cancel button, or Ok for a
// lone Ok button.
MessageAnswer message_box(const std::string& title, const std::string& text,
                          MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);

// One-line text entry. Returns nothing when the user cancels, and the text
// (possibly empty) when the user confirms.
std::optional<std::string> input_box(const std::string& title, const std::string& prompt,
                                     const std::string& initial = {});

// File choosers. `filter` uses the toolkit's notation, e.g. "Images (*.png *.ico);;All (*)".
// Each returns nothing when cancelled.
std::optional<std::string> open_file(const std::string& title, const std::string& start_path,
                                     const std::string& filter = {});
std::optional<std::vector<std::string>> open_files(const std::string& title, const std::string& start_path,
                                                   const std::string& filter = {});
// save_file() asks before replacing an existing file unless `confirm_replace`
// is false, for a caller that guards existing names itself.
std::optional<std::string> save_file(const std::string& title, const std::string& start_path,
                                     const std::string& filter = {}, bool confirm_replace = true);
std::optional<std::string> choose_folder(const std::string& title, const std::string& start_path);

// Colour chooser; colours are 0xBBGGRR (red in the low byte). Nothing when cancelled.
std::optional<std::uint32_t> choose_colour(std::uint32_t initial);

// Font chooser. Nothing when cancelled.
std::optional<FontChoice> choose_font(const FontChoice& initial);

// What one dialog showed, as recorded by a DialogScript.
struct ShownDialog {
    DialogKind kind{};
    std::string title;
    std::string text;  // message or prompt; start path for the choosers
    MessageButtons buttons{};
    MessageIcon icon{};
    std::string initial;  // initial text of an input box
};

// A scripted answer. A message box takes `message`; an input box or a file or
// folder chooser takes `text` (nothing means cancel); the colour and font
// choosers take theirs. `files` answers open_files.
struct ScriptedAnswer {
    MessageAnswer message = MessageAnswer::Ok;
    std::optional<std::string> text;
    std::optional<std::vector<std::string>> files;
    std::optional<std::uint32_t> colour;
    std::optional<FontChoice> font;

    static ScriptedAnswer button(MessageAnswer a) {
        ScriptedAnswer answer;
        answer.message = a;
        return answer;
    }
    static ScriptedAnswer typed(std::string s) {
        ScriptedAnswer answer;
        answer.text = std::move(s);
        return answer;
    }
    static ScriptedAnswer cancel() { return button(MessageAnswer::Cancel); }
};

// Answers dialogs from a queue while it is installed and records every dialog.
// A dialog that finds the queue empty is answered as if the user closed it
// (see message_box) and counted in `unanswered`, so a test can check for
// dialogs it did not expect.
class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void answer(ScriptedAnswer a) { answers_.push_back(std::move(a)); }
    void answer(MessageAnswer a) { answers_.push_back(ScriptedAnswer::button(a)); }

    const std::vector<ShownDialog>& shown() const { return shown_; }
    int unanswered() const { return unanswered_; }
    std::size_t pending() const { return answers_.size(); }

    // Used by the dialog functions: records `d` and takes the next answer.
    std::optional<ScriptedAnswer> take(ShownDialog d);

private:
    std::deque<ScriptedAnswer> answers_;
    std::vector<ShownDialog> shown_;
    int unanswered_ = 0;
    DialogScript* previous_ = nullptr;
};

}  // namespace rt
