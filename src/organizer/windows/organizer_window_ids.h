// Control, command and string ids of the organizer window (template 108, menu 140) and
// its modify dialog (template 142).
#pragma once

namespace telvane::organizer::window_ids {

inline constexpr int kTemplate = 108;
inline constexpr int kMenu = 140;

inline constexpr int kList = 1047;
inline constexpr int kTimePicker = 1048, kCalendar = 1049;
inline constexpr int kCategory = 1050, kDescription = 1051, kRepeat = 1067, kAlarm = 1205;
inline constexpr int kAdd = 1052, kDelete = 1053;

// Menu 140.
inline constexpr int kModify = 40023, kExportCsv = 40024, kImportCsv = 40026;
inline constexpr int kDeleteAll = 40049, kExportXml = 40052, kExportVcs = 40055;
inline constexpr int kSendSms = 40057;

// The modify dialog.
inline constexpr int kModifyTemplate = 142;
inline constexpr int kModifyCalendar = 1165, kModifyTime = 1166, kModifyCategory = 1167;
inline constexpr int kModifyRepeat = 1168, kModifyDescription = 1169, kModifySlot = 1170;
inline constexpr int kModifyAlarm = 1208;

inline constexpr int kStrAskDelete = 14;     // "Do you really want to delete this entry?"
inline constexpr int kStrAskDeleteAll = 89;  // "Shall the whole organizer be deleted?"

}  // namespace telvane::organizer::window_ids
