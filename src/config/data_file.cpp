#include "config/data_file.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "config/ini_file.h"
#include "config/install_mode.h"
#include "config/keys.h"
#include "config/multiline.h"
#include "config/texts.h"
#include "core/ids.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program_files.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace config {

namespace {

using core::State;
namespace k = keys;

int to_int(std::int64_t v) {
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return int(v);
}

// The two hour formats; any other stored value is read as 24 hours.
constexpr int twelve_hours = 12;
constexpr int twenty_four_hours = 24;
constexpr std::uint32_t alpha_bits = 0xFF000000u;

// Whether `text` starts, after blanks, with a decimal number (sign allowed).
bool starts_with_number(std::string_view text) {
    text = trim_blanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// A needle clock colour (alpha in the top byte, then red, green, blue; only
// the low 32 bits count). A value that is no number gives `fallback`; one
// without an alpha byte is opaque, since a transparent needle is never meant.
std::uint32_t read_needle_colour(const IniFile& ini, std::string_view key, std::uint32_t fallback) {
    const std::string text = ini.read_string(key, "");
    if (!starts_with_number(text)) return fallback;
    const auto colour = std::uint32_t(parse_integer(text));
    return (colour & alpha_bits) == 0 ? colour | alpha_bits : colour;
}

// The folder a new data file goes in, created when missing (an installed
// program's per-user folder, the first time); false when it cannot be.
bool make_folder_of(const std::string& path) {
    const std::string folder = platform::folder_of(path);
    if (folder.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

std::int64_t rounded(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 9.2e18) return 0;
    return std::llround(v);
}

std::string numbered(std::string_view prefix, int n) {
    std::string key(prefix);
    key += std::to_string(n);
    return key;
}

void read_global(IniFile& ini, State& s) {
    ini.select_group(k::Global);
    s.BackGroundColor = core::Colour(ini.read_number(k::BackGroundColor, 0));
    for (std::size_t page = 0; page < std::size(k::page_colour_keys); ++page) {
        const std::string fallback = format_colour(core::default_page_colours[page]);
        s.Page_Colors[page] = core::Colour(parse_number(ini.read_string(k::page_colour_keys[page], fallback)));
    }
    s.TextColor = double(rounded(ini.read_real(k::TextColor, 0)));
    s.X_Origin = to_int(ini.read_integer(k::X_Origin, 0));
    s.Y_Origin = to_int(ini.read_integer(k::Y_Origin, 0));
    s.Desk_Height = to_int(ini.read_integer(k::Desk_Height, s.Desk_Height));
    s.ClockBar_X = to_int(ini.read_integer(k::ClockBar_X, s.ClockBar_X));
    s.ClockBar_Y = to_int(ini.read_integer(k::ClockBar_Y, s.ClockBar_Y));
    s.On_Top = to_int(ini.read_integer(k::On_Top, 1));
    s.Confirm_Del = to_int(ini.read_integer(k::Confirm_Del, 1));
    s.Sound_ON = to_int(ini.read_integer(k::Sound_ON, 0));
    s.Volume = to_int(ini.read_integer(k::Volume, 50));
    s.Loop_PlayList = to_int(ini.read_integer(k::Loop_PlayList, 0));
    s.Clock_Type =
        ini.read_integer(k::Clock_Type, twenty_four_hours) == twelve_hours ? twelve_hours : twenty_four_hours;
    s.Lng = ini.read_string(k::Lng, "Fr");
    s.Show_Separators = to_int(ini.read_integer(k::Show_Separators, 1));
    s.Music_Dir = ini.read_string(k::Music_Dir, "");
    s.X_WinInfo = to_int(ini.read_integer(k::X_WinInfo, 200));
    s.Y_WinInfo = to_int(ini.read_integer(k::Y_WinInfo, 5));
    s.ToDo_FileName = ini.read_string(k::ToDo_FileName, "");
    s.ToDo_BG_Color = core::Colour(ini.read_number(k::ToDo_BG_Color, 13826810));
    s.ToDo_Txt_Color = core::Colour(ini.read_number(k::ToDo_Txt_Color, 0));
    s.ToDo_Font_Name = ini.read_string(k::ToDo_Font_Name, "Verdana");
    s.ToDo_Font_Size = to_int(ini.read_integer(k::ToDo_Font_Size, 10));
    s.Zoom = to_int(ini.read_integer(k::Zoom, 100));
    s.Needle_Clock_ON = to_int(ini.read_integer(k::Needle_Clock_ON, 0));
    s.Needle_Clock_X = to_int(ini.read_integer(k::Needle_Clock_X, 200));
    s.Needle_Clock_Y = to_int(ini.read_integer(k::Needle_Clock_Y, 20));
    s.Needle_Clock_Size = to_int(ini.read_integer(k::Needle_Clock_Size, 200));
    s.Needle_Clock_BG_Color = read_needle_colour(ini, k::Needle_Clock_BG_Color, core::default_needle_background);
    s.Needle_Clock_FG_Color = read_needle_colour(ini, k::Needle_Clock_FG_Color, core::default_needle_colour);
}

// Calls `take(n, name, value)` for the first `limit` keys of `group`, n from 1.
template <typename Take>
void walk(IniFile& ini, std::string_view group, int limit, Take take) {
    if (!ini.select_group(group)) return;
    ini.examine_keys();
    for (int n = 1; n <= limit && ini.next_key(); ++n) take(n, ini.key_name(), ini.key_value());
}

void read_slots_and_lists(IniFile& ini, State& s) {
    const int slots = core::slot_count_max;
    walk(ini, k::MRU, core::mru_count,
         [&](int n, const std::string&, std::string value) { s.MRU[std::size_t(n)] = std::move(value); });

    if (ini.select_group(k::Separators)) {
        ini.examine_keys();
        while (ini.next_key()) {
            for (int n = 1; n <= core::separator_titles; ++n)
                if (ini.key_name() == separator_key(n)) s.separators[std::size_t(n)].title = ini.key_value();
        }
    }

    walk(ini, k::Run, slots, [&](int n, const std::string&, std::string value) {
        auto& slot = s.slot_table[std::size_t(n)];
        std::error_code error;
        const bool kept = keeps_missing_target(value) || std::filesystem::exists(value, error);
        slot.target = kept ? std::move(value) : std::string();
    });

    if (ini.select_group(k::RunAsAdmin)) {
        ini.examine_keys();
        while (ini.next_key()) {
            std::string name = ini.key_name();
            for (auto at = name.find(k::RunPrefix); at != std::string::npos; at = name.find(k::RunPrefix))
                name.erase(at, k::RunPrefix.size());
            const std::int64_t slot = parse_integer(name);
            if (slot >= 1 && slot <= slots)
                s.slot_table[std::size_t(slot)].elevated = to_int(parse_integer(ini.key_value()));
        }
    }

    walk(ini, k::ToolTip, slots,
         [&](int n, const std::string&, std::string value) { s.slot_table[std::size_t(n)].title = std::move(value); });

    // The n-th key of these two groups makes the load read the key numbered n.
    for (auto [group, prefix, field] : {std::tuple{k::Parameters, k::ParamPrefix, &core::Slot::parameters},
                                        std::tuple{k::StartDirectory, k::DirPrefix, &core::Slot::start_folder}}) {
        int count = 0;
        walk(ini, group, slots, [&](int n, const std::string&, const std::string&) { count = n; });
        for (int n = 1; n <= count; ++n) s.slot_table[std::size_t(n)].*field = ini.read_string(numbered(prefix, n), "");
    }

    if (ini.select_group(k::Calendar)) {
        for (int n = 1; n <= 3; ++n) {
            s.Event_Time[std::size_t(n)] = rounded(ini.read_real(numbered(k::EventPrefix, n), 0));
            s.Event_Text[std::size_t(n)] =
                decode_lines(ini.read_string(numbered(k::EventTextPrefix, n) + std::string(k::EventTextSuffix), ""));
        }
    }

    walk(ini, k::Radio_Fav, core::favourite_station_count, [&](int n, const std::string& name, std::string value) {
        s.favourites[std::size_t(n - 1)].name = name;
        s.favourites[std::size_t(n - 1)].address = std::move(value);
    });
    walk(ini, k::Radio_ShortName, core::favourite_station_count, [&](int n, const std::string&, std::string value) {
        s.favourites[std::size_t(n - 1)].short_label = std::move(value);
    });
}

// The save-all readings of the live desk: its place, inner height and volume.
void read_desk(State& s) {
    if (!rt::window_exists(core::WindowDesk)) return;
    s.X_Origin = rt::window_x(core::WindowDesk);
    s.Y_Origin = rt::window_y(core::WindowDesk);
    s.Desk_Height = rt::window_height(core::WindowDesk);
    if (rt::gadget_exists(core::GadgetVolume)) s.Volume = rt::gadget_state(core::GadgetVolume);
}

void tell(std::string_view title, std::string_view text, rt::MessageIcon icon) {
    rt::message_box(std::string(title), std::string(text), rt::MessageButtons::Ok, icon);
}

void tell_write_failed(const std::string& path) {
    tell(texts::save_failed_title,
         std::string(texts::write_failed_fr) + path + std::string(texts::write_failed_us) + path + ")",
         rt::MessageIcon::Warning);
}

template <typename Write>
bool set_key(const State& s, std::string_view group, Write write) {
    IniFile ini;
    if (!ini.open(s.Data_File_Path)) {
        if (const auto text = texts::key_failed.strictly_in(s.Lng))
            tell(*texts::key_failed_title.strictly_in(s.Lng), *text, rt::MessageIcon::Warning);
        return false;
    }
    ini.select_group(group);
    write(ini);
    if (!ini.close()) {
        tell_write_failed(s.Data_File_Path);
        return false;
    }
    return true;
}

}  // namespace

std::string separator_key(int n) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", n);
    return std::string(k::SeparatorPrefix) + digits;
}

bool keeps_missing_target(std::string_view target) {
    if (target.empty()) return true;
    // Removable and network drives may simply not be mounted yet.
    for (std::string_view mount : {"/media/", "/mnt/", "/run/media/"})
        if (target.starts_with(mount)) return true;
    // A local path (or a path of the system drive of a file brought from elsewhere).
    return target.front() != 'C' && target.front() != '/';
}

LoadResult load_data_file(State& s) {
    // What a write cut short by a crash left beside the file.
    if (!s.Data_File_Path.empty()) platform::remove_stale_temporaries(s.Data_File_Path);
    IniFile ini;
    if (!ini.open(s.Data_File_Path)) {
        const std::string name =
            s.Data_File_Path.empty() ? s.identity.data_file_name : platform::file_name(s.Data_File_Path);
        const std::string text = std::string(texts::not_found_1) + name + std::string(texts::not_found_2) + name +
                                 std::string(texts::not_found_3);
        const auto answer = rt::message_box(std::string(texts::not_found_title), text, rt::MessageButtons::YesNo,
                                            rt::MessageIcon::Question);
        if (answer != rt::MessageAnswer::Yes) return LoadResult::Declined;
        return create_data_file(s) ? LoadResult::Created : LoadResult::CreateFailed;
    }
    read_global(ini, s);
    read_slots_and_lists(ini, s);
    ini.close();  // read only: nothing changed, nothing written
    return LoadResult::Loaded;
}

bool create_data_file(State& s) {
    const std::string path = new_data_file_path(s);
    s.Data_File_Path = path;

    // An installed program's per-user folder is made the first time; a
    // working folder that is gone stays gone.
    const bool installed = platform::program_files(platform::environment()).installed;
    IniFile ini;
    if ((installed && !make_folder_of(path)) || !ini.create(path)) {
        tell(texts::create_failed_title, texts::create_failed, rt::MessageIcon::Warning);
        return false;
    }
    const std::string& name = s.identity.program_name;
    ini.add_comment(name);
    ini.add_comment(std::string(texts::comment_initialisation_fr) + name);
    ini.add_comment(std::string(texts::comment_initialisation_us) + name);
    ini.add_comment(texts::comment_notice);
    ini.add_comment("");

    ini.select_group(k::Global);
    ini.write_integer(k::BackGroundColor, core::default_background);
    for (std::size_t page = 0; page < std::size(k::page_colour_keys); ++page)
        ini.write_integer(k::page_colour_keys[page], core::default_page_colours[page]);
    ini.write_integer(k::TextColor, 0);
    ini.write_integer(k::X_Origin, 1);
    ini.write_integer(k::Y_Origin, 1);
    ini.write_integer(k::Desk_Height, 700);
    ini.write_integer(k::ClockBar_X, s.ClockBar_X);
    ini.write_integer(k::ClockBar_Y, s.ClockBar_Y);
    ini.write_integer(k::On_Top, 1);
    ini.write_integer(k::Confirm_Del, 1);
    ini.write_integer(k::Sound_ON, 0);
    ini.write_integer(k::Volume, 50);
    ini.write_integer(k::Loop_PlayList, 0);
    ini.write_integer(k::Clock_Type, twenty_four_hours);
    ini.write_string(k::Lng, "Fr");
    if (!ini.close()) {
        tell(texts::create_failed_title, texts::create_failed, rt::MessageIcon::Warning);
        return false;
    }

    tell(texts::created_title, std::string(texts::created_1) + path + std::string(texts::created_2),
         rt::MessageIcon::Information);

    s.BackGroundColor = core::default_background;
    for (std::size_t page = 0; page < std::size(k::page_colour_keys); ++page)
        s.Page_Colors[page] = core::default_page_colours[page];
    return true;
}

bool save_all(State& s) {
    read_desk(s);

    IniFile ini;
    if (!ini.open(s.Data_File_Path)) {
        tell(texts::save_failed_title, texts::save_failed, rt::MessageIcon::Warning);
        return false;
    }
    ini.select_group(k::Global);
    ini.write_integer(k::X_Origin, s.X_Origin);
    ini.write_integer(k::Y_Origin, s.Y_Origin);
    ini.write_integer(k::Desk_Width, s.Desk_Width);
    ini.write_integer(k::Desk_Height, s.Desk_Height);
    ini.write_integer(k::ClockBar_X, s.ClockBar_X);
    ini.write_integer(k::ClockBar_Y, s.ClockBar_Y);
    ini.write_real(k::TextColor, s.TextColor);
    ini.write_integer(k::On_Top, s.On_Top);
    ini.write_integer(k::Confirm_Del, s.Confirm_Del);
    ini.write_integer(k::Sound_ON, s.Sound_ON);
    ini.write_integer(k::Volume, s.Volume);
    ini.write_integer(k::Loop_PlayList, s.Loop_PlayList);
    ini.write_integer(k::Clock_Type, s.Clock_Type);
    ini.write_string(k::Lng, s.Lng);
    ini.write_integer(k::Show_Separators, s.Show_Separators);
    ini.write_integer(k::Needle_Clock_ON, s.Needle_Clock_ON);
    ini.write_integer(k::Needle_Clock_X, s.Needle_Clock_X);
    ini.write_integer(k::Needle_Clock_Y, s.Needle_Clock_Y);
    ini.write_integer(k::Needle_Clock_Size, s.Needle_Clock_Size);
    ini.write_integer(k::Needle_Clock_BG_Color, s.Needle_Clock_BG_Color);
    ini.write_integer(k::Needle_Clock_FG_Color, s.Needle_Clock_FG_Color);

    for (auto [group, prefix, field] : {std::tuple{k::Run, k::RunPrefix, &core::Slot::target},
                                        std::tuple{k::ToolTip, k::ToolTipPrefix, &core::Slot::title},
                                        std::tuple{k::Parameters, k::ParamPrefix, &core::Slot::parameters},
                                        std::tuple{k::StartDirectory, k::DirPrefix, &core::Slot::start_folder}}) {
        ini.select_group(group);
        for (int n = 1; n <= core::slot_count_max; ++n)
            ini.write_string(numbered(prefix, n), s.slot_table[std::size_t(n)].*field);
    }

    // These two always end the file.
    for (auto [group, field] : {std::pair{k::Radio_Fav, &core::FavouriteStation::address},
                                std::pair{k::Radio_ShortName, &core::FavouriteStation::short_label}}) {
        ini.remove_group(group);
        ini.select_group(group);
        for (const auto& favourite : s.favourites) ini.write_string(favourite.name, favourite.*field);
    }

    if (!ini.close()) {
        tell_write_failed(s.Data_File_Path);
        return false;
    }
    return true;
}

bool set_integer_key(const State& s, std::string_view group, std::string_view key, std::int64_t value) {
    return set_key(s, group, [&](IniFile& ini) { ini.write_integer(key, value); });
}

bool set_string_key(const State& s, std::string_view group, std::string_view key, std::string_view value) {
    return set_key(s, group, [&](IniFile& ini) { ini.write_string(key, value); });
}

std::optional<std::int64_t> read_integer_key(const State& s, std::string_view group, std::string_view key) {
    IniFile ini;
    if (!ini.open(s.Data_File_Path) || !ini.select_group(group)) return std::nullopt;
    // A fallback no stored number can equal tells a missing key.
    constexpr std::int64_t missing = std::numeric_limits<std::int64_t>::min();
    const std::int64_t value = ini.read_integer(key, missing);
    if (value == missing) return std::nullopt;
    return value;
}

}  // namespace config
