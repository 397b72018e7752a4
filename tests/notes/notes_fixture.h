// Scenario support for the notes, viewer and picture tests: a data file in
// the temporary working folder, a desktop and a login name, and what the
// windows show read back through the runtime layer.
#pragma once

#include <QPlainTextEdit>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/files.h"
#include "rt/app.h"
#include "rt/internal.h"
#include "support/fixture.h"

namespace test {

class NotesScenario : public Scenario {
protected:
    NotesScenario() {
        write_file(working_file("Vimo_Desk.ini"), "\xEF\xBB\xBF\r\n[Global]\r\nLng = Fr\r\n");
        state.Data_File_Path = working_file("Vimo_Desk.ini");
        env.folders[platform::UserFolder::Desktop] = work / "Desktop";
        env.login = "ana";
    }
    ~NotesScenario() override {
        platform::set_write_fault(std::nullopt);
        rt::shutdown();
    }

    // The value of `key` in the data file, or nothing when it is not there.
    std::optional<std::string> stored(const std::string& key) {
        const std::string bytes = read_file(working_file("Vimo_Desk.ini"));
        const std::string head = "\r\n" + key + " = ";
        const auto at = bytes.find(head);
        if (at == std::string::npos) return std::nullopt;
        const auto start = at + head.size();
        return bytes.substr(start, bytes.find("\r\n", start) - start);
    }

    // Every file name in `folder`, for checking that no temporary file stays.
    static std::vector<std::string> names_in(const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static QPlainTextEdit* editor(int gadget) { return static_cast<QPlainTextEdit*>(rt::gadget_widget(gadget)); }
    static QColor text_colour(int gadget) { return editor(gadget)->palette().color(QPalette::Text); }
    static QColor background(int gadget) { return editor(gadget)->palette().color(QPalette::Base); }
};

}  // namespace test
