// Control ids and strings of the call forwarding (138), locks (139) and profile (154)
// windows.
#pragma once

namespace telvane::services::window_ids {

// Call forwarding: the reason, then per class row its box, delay field, delay up-down and
// number, in the order Voice, Data, Fax, All.
inline constexpr int kReason = 1114;
struct ForwardRow {
  int box;
  int classCode;
  int delayField;
  int delayUpDown;
  int number;
};
inline constexpr ForwardRow kVoiceRow{1115, 1, 1119, 1121, 1126};
inline constexpr ForwardRow kDataRow{1116, 2, 1122, 1123, 1127};
inline constexpr ForwardRow kFaxRow{1117, 4, 1124, 1125, 1128};
inline constexpr ForwardRow kAllRow{1129, 7, 1130, 1131, 1132};
inline constexpr int kActivate = 1144, kDeactivate = 1145, kInstall = 1162, kDelete = 1163;

// Locks.
inline constexpr int kFacility = 1148;
inline constexpr int kLockVoice = 1149, kLockData = 1150, kLockFax = 1151, kLockAll = 1152;
inline constexpr int kLocked = 1154, kLockActivate = 1155, kLockDeactivate = 1156;
inline constexpr int kPassword = 1157;

// Profile.
inline constexpr int kAlertNormal = 1248, kAlertSilent = 1249, kAlertBeep = 1250;
inline constexpr int kRingerUpDown = 1252, kSpeakerUpDown = 1254;
inline constexpr int kMute = 1233, kVibraMode = 1256;

// Strings.
inline constexpr int kStrEnterNumber = 29;
inline constexpr int kStrCantActivateForward = 51, kStrCantDeactivateForward = 52;
inline constexpr int kStrCantActivateLock = 53, kStrCantDeactivateLock = 54;
inline constexpr int kStrVibratorOn = 99, kStrCantVibratorOn = 100;
inline constexpr int kStrVibratorOff = 101, kStrCantVibratorOff = 102;
inline constexpr int kStrMuteOn = 104, kStrCantMuteOn = 105;
inline constexpr int kStrMuteOff = 106, kStrCantMuteOff = 107;

}  // namespace telvane::services::window_ids
