#include "app/audio_library.h"

#include <filesystem>

#include "platform/program_files.h"
#include "platform/services.h"
#include "rt/dialogs.h"

namespace app {

namespace {

bool present(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && std::filesystem::is_regular_file(path, error) && size >= std::uintmax_t(audio_library_min_size);
}

}  // namespace

std::string audio_library_path() {
    return platform::program_files(platform::environment()).library_folder + audio_library_name;
}

void check_audio_library(core::State& s) {
    const std::string name = audio_library_name;
    const std::string path = audio_library_path();
    if (present(path)) {
        s.Audio_Available = 1;
        return;
    }
    s.Audio_Available = 0;
    const auto answer = rt::message_box("Information",
                                        name + " est nécessaire pour utiliser les Webradio. Télécharger ?\r\n(" + name +
                                            " is necessary  To listen WebRadio. Download ? )",
                                        rt::MessageButtons::YesNo, rt::MessageIcon::Information);
    if (answer != rt::MessageAnswer::Yes) return;

    // Code the program will load: only over HTTPS, capped, and moved into
    // place only once complete.
    platform::HttpLimits limits;
    limits.https_only = true;
    limits.max_bytes = 32 * 1024 * 1024;
    limits.total_timeout_ms = 120000;
    const auto result = platform::http().get_to_file(s.identity.web_address + "/" + name, path, limits);
    if (!result.ok || result.status != 200) return;  // a failed transfer says nothing

    if (!present(path)) {
        rt::message_box("Erreur (error)", "Ne peut pas télécharger " + name + "\r\n(can't download " + name + ")");
        std::error_code error;
        std::filesystem::remove(path, error);
        return;
    }
    s.Audio_Available = 1;
}

}  // namespace app
