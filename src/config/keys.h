// Group and key names of the data file.
#pragma once

#include <string_view>

namespace config::keys {

// Groups, in the order a full data file holds them.
inline constexpr std::string_view Global = "Global";
inline constexpr std::string_view Run = "Run";
inline constexpr std::string_view ToolTip = "ToolTip";
inline constexpr std::string_view Parameters = "Parameters";
inline constexpr std::string_view StartDirectory = "StartDirectory";
inline constexpr std::string_view MRU = "MRU";
inline constexpr std::string_view Separators = "Separators";
inline constexpr std::string_view RunAsAdmin = "RunAsAdmin";
inline constexpr std::string_view Calendar = "Calendar";
inline constexpr std::string_view Radio = "Radio";
inline constexpr std::string_view Radio_Fav = "Radio_Fav";
inline constexpr std::string_view Radio_ShortName = "Radio_ShortName";

// Keys of group Global.
inline constexpr std::string_view BackGroundColor = "BackGroundColor";
inline constexpr std::string_view BackGroundColor_P1 = "BackGroundColor_P1";
inline constexpr std::string_view BackGroundColor_P2 = "BackGroundColor_P2";
inline constexpr std::string_view BackGroundColor_P3 = "BackGroundColor_P3";
// The colours of pages 1 to 3, in page order.
inline constexpr std::string_view page_colour_keys[] = {BackGroundColor_P1, BackGroundColor_P2, BackGroundColor_P3};
inline constexpr std::string_view TextColor = "TextColor";
inline constexpr std::string_view X_Origin = "X_Origin";
inline constexpr std::string_view Y_Origin = "Y_Origin";
inline constexpr std::string_view Desk_Width = "Desk_Width";
inline constexpr std::string_view Desk_Height = "Desk_Height";
inline constexpr std::string_view ClockBar_X = "ClockBar_X";
inline constexpr std::string_view ClockBar_Y = "ClockBar_Y";
inline constexpr std::string_view On_Top = "On_Top";
inline constexpr std::string_view Confirm_Del = "Confirm_Del";
inline constexpr std::string_view Sound_ON = "Sound_ON";
inline constexpr std::string_view Volume = "Volume";
inline constexpr std::string_view Loop_PlayList = "Loop_PlayList";
inline constexpr std::string_view Clock_Type = "Clock_Type";
inline constexpr std::string_view Lng = "Lng";
inline constexpr std::string_view Show_Separators = "Show_Separators";
inline constexpr std::string_view Music_Dir = "Music_Dir";
inline constexpr std::string_view X_WinInfo = "X_WinInfo";
inline constexpr std::string_view Y_WinInfo = "Y_WinInfo";
inline constexpr std::string_view ToDo_FileName = "ToDo_FileName";
inline constexpr std::string_view ToDo_BG_Color = "ToDo_BG_Color";
inline constexpr std::string_view ToDo_Txt_Color = "ToDo_Txt_Color";
inline constexpr std::string_view ToDo_Font_Name = "ToDo_Font_Name";
inline constexpr std::string_view ToDo_Font_Size = "ToDo_Font_Size";
inline constexpr std::string_view Zoom = "Zoom";
inline constexpr std::string_view Needle_Clock_ON = "Needle_Clock_ON";
inline constexpr std::string_view Needle_Clock_X = "Needle_Clock_X";
inline constexpr std::string_view Needle_Clock_Y = "Needle_Clock_Y";
inline constexpr std::string_view Needle_Clock_Size = "Needle_Clock_Size";
inline constexpr std::string_view Needle_Clock_BG_Color = "Needle_Clock_BG_Color";
inline constexpr std::string_view Needle_Clock_FG_Color = "Needle_Clock_FG_Color";

// Prefixes of the numbered keys; the number follows in plain decimal.
inline constexpr std::string_view RunPrefix = "Run";
inline constexpr std::string_view ToolTipPrefix = "ToolTip";
inline constexpr std::string_view ParamPrefix = "Param";
inline constexpr std::string_view DirPrefix = "Dir";
inline constexpr std::string_view MRUPrefix = "MRU";
// "Separator" + the separator number in three digits ("Separator007").
inline constexpr std::string_view SeparatorPrefix = "Separator";

// Keys of group Calendar, for events 1 to 3: "Event_1", "Evt_1_Text".
inline constexpr std::string_view EventPrefix = "Event_";
inline constexpr std::string_view EventTextPrefix = "Evt_";
inline constexpr std::string_view EventTextSuffix = "_Text";

}  // namespace config::keys
