// Control, command and string ids of the main window (template 101, menu 102).
#pragma once

namespace telvane::app::main_ids {

// Identity and status fields.
inline constexpr int kMaker = 1066, kModel = 1001, kRevision = 1002, kSerial = 1003;
inline constexpr int kBattery = 1004, kBatteryBitmap = 1104;
inline constexpr int kNet = 1005, kReception = 1079, kReceptionBitmap = 1105;
inline constexpr int kOperator = 1068, kImsi = 1006, kSimSerial = 1007, kUnread = 1244;

// Ring tone and switches.
inline constexpr int kVolume = 1012, kVolumeUpDown = 1013, kTone = 1014, kToneUpDown = 1015;
inline constexpr int kTest = 1016, kToneOff = 1247, kHandsfree = 1234, kVibrator = 1245;
inline constexpr int kRefresh = 1194;

// Function buttons.
inline constexpr int kPhonebook = 1025, kOrganizer = 1041, kNetinfo = 1054, kNetmonitor = 1190;
inline constexpr int kSmsList = 1071, kCallForwarding = 1111, kLocks = 1153, kProfile = 1257;
inline constexpr int kSendLogo = 1036, kDeleteLogo = 1076, kSendTone = 1037;
inline constexpr int kSyncTime = 1063, kSwitchOff = 1008;

// Menu commands.
inline constexpr int kOptions = 40003, kDownloadLogo = 40030, kDownloadTone = 40032;
inline constexpr int kSaveMobileInfo = 40047, kCommandMode = 40054, kExit = 40001, kInfo = 40002;

// Strings.
inline constexpr int kStrCantOpenExportFile = 25;
inline constexpr int kStrUnreadMessage = 42;
inline constexpr int kStrTimeSynchronized = 69, kStrTimeSettingError = 17;
inline constexpr int kStrBye = 70;
inline constexpr int kStrToneActivated = 81, kStrCantActivateTone = 82;
inline constexpr int kStrToneDeactivated = 83, kStrCantDeactivateTone = 84;
inline constexpr int kStrHandsfreeOn = 85, kStrCantHandsfreeOn = 86;
inline constexpr int kStrHandsfreeOff = 87, kStrCantHandsfreeOff = 88;

}  // namespace telvane::app::main_ids
