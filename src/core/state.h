// The program's global state: identity texts, settings held in memory with
// their built-in start values, run-time flags and the fixed tables. One
// instance lives for the whole run; a test resets it with `g_state = {}`.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/clock_run.h"
#include "core/desk_run.h"
#include "core/notes_run.h"
#include "core/music_run.h"

namespace core {

inline constexpr int slot_count_max = 300;   // slots are numbered 1-300
inline constexpr int separator_count = 31;   // separators are numbered 1-31
inline constexpr int separator_titles = 30;  // titles of separators 1-30 are stored
inline constexpr int page_colour_count = 21;
inline constexpr int favourite_station_count = 3;
inline constexpr int mru_count = 5;
// The desk window's greatest height in pixels; its least is `Desk_Min_Height`.
inline constexpr int desk_max_height = 1600;

// Colours are 0xBBGGRR: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

// The desk's background and the three pages' colours of a new data file.
inline constexpr Colour default_background = 14474460;                            // $DCDCDC
inline constexpr Colour default_page_colours[] = {14474460, 16775408, 13499135};  // $DCDCDC, $FFF8F0, $CDFAFF

// The needle clock's colours, ARGB with the alpha in the top byte.
inline constexpr std::uint32_t default_needle_background = 0xFF000000u;  // opaque black
inline constexpr std::uint32_t default_needle_colour = 0xFF00FF00u;      // opaque green

struct Slot {
    int number = 0;      // 1-300; 0 for the unused entry 0
    std::string target;  // program, document, folder or web address; "" when free
    int elevated = 0;    // 1 launches with elevation
    std::string parameters;
    std::string start_folder;
    std::string title;  // tooltip and slot menu title
    int control = -1;   // gadget number of the slot's picture; -1 when none
    int picture = -1;   // image number of the 32 x 32 picture; -1 when none
    int x = 0, y = 0;   // cell position inside its page, pixels
};

struct Separator {
    std::string title;
    int title_band = -1;  // gadget number
    int click_area = -1;  // gadget number
};

struct FavouriteStation {
    std::string name;         // shown as the button's tooltip
    std::string short_label;  // drawn on the button, at most 5 letters
    std::string address;      // stream address
};

// The build time of this version, as a date value: 2018-09-14 09:28:10.
inline constexpr std::int64_t build_time = 1536917290;

struct Identity {
    std::string program_name = "Vimo Duzi";
    std::string edition = "2017 Edition";
    std::string version = "3.16.17";
    std::string build_date = "2018.09.14 09:28";  // build time, "%yyyy.%mm.%dd %hh:%ii"
    std::string build_stamp = "201809140928";     // build time, "%yyyy%mm%dd%hh%ii"
    std::string base_name = "Vimo_Desk";
    std::string data_file_name = "Vimo_Desk.ini";
    std::string architecture = "x64";
    std::string maker_name = "Vimo Duzi Team";
    // The maker's web server, without a trailing slash; also the base of the
    // audio engine download.
    std::string web_address = "https://vimo-duzi.example";
    std::string contact_address = "contact@vimo-duzi.example";

    // Base_Name + " " + Build_Stamp + " " + Version: the first line of the
    // developer version file.
    std::string version_line() const { return base_name + " " + build_stamp + " " + version; }
};

struct State {
    Identity identity;

    // Settings held in memory, with their built-in start values.
    int X_Origin = 0, Y_Origin = 0;
    int Desk_Width = 110;
    int Desk_Height = 700;
    int Desk_Min_Height = 233;
    int ClockBar_X = 800, ClockBar_Y = 5;
    int On_Top = 0;
    int Confirm_Del = 0;
    int Sound_ON = 0;
    int Volume = 0;
    int Loop_PlayList = 0;
    int Clock_Type = 24;
    std::string Lng = "Fr";
    int Show_Separators = 0;
    int Zoom = 100;
    Colour BackGroundColor = default_background;
    std::array<Colour, page_colour_count> Page_Colors{default_page_colours[0]};
    double TextColor = 0;
    int Needle_Clock_ON = 1;
    int Needle_Clock_Alpha = 50;
    int Needle_Clock_X = 200, Needle_Clock_Y = 20;
    int Needle_Clock_Size = 200;
    std::uint32_t Needle_Clock_BG_Color = default_needle_background;
    std::uint32_t Needle_Clock_FG_Color = default_needle_colour;
    int Slot_Count = slot_count_max;
    int Icon_Size = 32;
    int Viewer_Max_Width = 800, Viewer_Max_Height = 600;
    std::array<std::string, mru_count + 1> MRU;  // entries 1-5
    std::string Music_Dir;
    int X_WinInfo = 200, Y_WinInfo = 5;
    std::string ToDo_FileName;
    Colour ToDo_BG_Color = 13826810;
    Colour ToDo_Txt_Color = 0;
    std::string ToDo_Font_Name = "Verdana";
    int ToDo_Font_Size = 10;

    // The three scheduled events: date value (0 when unset) and text; entries 1-3.
    std::array<std::int64_t, 4> Event_Time{};
    std::array<std::string, 4> Event_Text;

    // Run-time state shared between subsystems.
    std::string Install_Mode_Text;
    std::string Data_File_Path;
    std::string Data_Folder;
    int Audio_Available = 0;
    int Desk_Visible = 1;
    bool Hidden_Desk_Told = false;  // the user was told how to show a desk hidden without a tray
    int Desk_Inner_Height = 0;
    bool Move_Icons_Mode = false;
    int Window_Dragging = 0;
    int Drag_Offset_X = 0, Drag_Offset_Y = 0;
    int Selected_Slot = 0;
    int Drag_Source_Slot = 0;  // slot whose picture is dragged in move mode; 0 when none
    std::string Station_Separator = " --- ";
    // The web radio: the stations of group Radio as list 44 shows them, the
    // station last chosen or started, and the list's text Listen last took.
    std::vector<music::Station> Station_List;
    std::string Station_Name, Station_Address;
    std::string Selected_Station;

    // The player: the playlist, the entry that was current when the last file
    // started, the title shown for it, the mute and pause switches and what
    // they remember of the now-playing line.
    music::PlayList Play_List;
    std::string Playing_File;
    std::string Display_Title;
    bool Music_Muted = false;
    int Muted_Volume = 0;  // the volume slider's position when mute went on
    bool Player_Paused = false;
    std::string Saved_Status_Text;
    // The tags of the playing file, "" when it has none.
    std::string Tag_Title, Tag_Artist, Tag_Album, Tag_Year, Tag_Track;
    // The radio's engine library (null until bound, or when it does not load)
    // and its handles, null when none.
    void* Audio_Library = nullptr;
    FMOD_SYSTEM* Radio_System = nullptr;
    FMOD_SOUND* Radio_Sound = nullptr;
    FMOD_CHANNEL* Radio_Channel = nullptr;

    // Fixed tables, allocated once; index 0 is unused where numbering starts at 1.
    std::vector<Slot> slot_table = std::vector<Slot>(slot_count_max + 1);
    std::vector<Separator> separators = std::vector<Separator>(separator_count + 2);
    std::array<FavouriteStation, favourite_station_count> favourites;

    // The subsystems' run-time state, never stored: the clock's (stopwatch,
    // countdown, needle clock, which scheduled events fired), the desk's
    // (page shown, slot being moved, icon library), the notes' (new-note
    // flag, the viewed text, the picture's frames) and the music's (engine
    // entry points, what pause and mute remember).
    clocks::ClockRun clock;
    desk::DeskRun desk;
    notes::NotesRun notes;
    music::MusicRun music;
};

// The one instance of the running program.
inline State g_state;

}  // namespace core
