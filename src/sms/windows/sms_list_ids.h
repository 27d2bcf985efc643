// Control, command and string ids of the SMS list window (templates 120 and 152, menu 121)
// and its View SMS dialog (template 126).
#pragma once

namespace telvane::sms::list_ids {

inline constexpr int kTemplate = 120;
inline constexpr int kTallTemplate = 152;
inline constexpr int kMenu = 121;

inline constexpr int kList = 1072;
inline constexpr int kMessageCount = 1146, kMaximum = 1147, kOverflowLine = 1204;
inline constexpr int kDelete = 1073, kPredefined = 1175, kRefresh = 1196;
inline constexpr int kGroups = 1228, kCentre = 1246;

// Menu 121.
inline constexpr int kSendStored = 40028, kNewOrReply = 40015, kView = 40018;
inline constexpr int kExportCsv = 40020, kExportXml = 40053, kTransfer = 40037;

// The View SMS dialog.
inline constexpr int kViewTemplate = 126;
inline constexpr int kViewText = 1098, kViewSender = 1099, kViewDate = 1100, kViewStatus = 1102;

inline constexpr int kStrListTooltip = 12;      // "Functions with right mouse button click"
inline constexpr int kStrFirstStatus = 42;      // 42..45: the four message states
inline constexpr int kStrNoPhonebookRead = 74;  // "Please read in a phonebook before ..."

}  // namespace telvane::sms::list_ids
