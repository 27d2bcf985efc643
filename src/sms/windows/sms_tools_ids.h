// Control and command ids of the service centre dialog, the SMS group window and the
// predefined texts window.
#pragma once

namespace telvane::sms::tools_ids {

// Service centre dialog (template 153): pair i has prefix edit kFirstPrefix + 2i and
// centre edit kFirstPrefix + 2i + 1.
inline constexpr int kCentreTemplate = 153;
inline constexpr int kFirstPrefix = 1247;

// SMS group window (template 148, menu 149).
inline constexpr int kGroupTemplate = 148;
inline constexpr int kGroupMenu = 149;
inline constexpr int kBookList = 1225;
inline constexpr int kAddToGroup = 1226;
inline constexpr int kGroupList = 1039;
inline constexpr int kSaveGroup = 40042;
inline constexpr int kLoadGroup = 40043;
inline constexpr int kDeleteGroup = 40044;
inline constexpr int kSendToGroup = 40045;

// Predefined texts window (template 143, menu 144).
inline constexpr int kPredefinedTemplate = 143;
inline constexpr int kPredefinedList = 1174;
inline constexpr int kSaveTexts = 1176;
inline constexpr int kStoreSms = 40027;
inline constexpr int kDeleteText = 40041;

// Messages.
inline constexpr int kStrOverwrite = 76;       // "Overwrite existing entries?"
inline constexpr int kStrEditTooltip = 79;     // "Press left mouse button to edit the entry"
inline constexpr int kStrCantOpenExport = 25;  // "Can't open export file"
inline constexpr int kStrCantOpenFile = 36;    // "Can't open file"

}  // namespace telvane::sms::tools_ids
