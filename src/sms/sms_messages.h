// String table and template ids of the SMS messages (caption "Telvane Error" unless noted).
#pragma once

namespace telvane::sms {

inline constexpr int kStrNotSent = 34;      // "Message(s) could not be send" (Retry/Cancel)
inline constexpr int kStrNotStored = 61;    // "Message could not be stored"
inline constexpr int kStrSaveUnsent = 75;   // "Save unsend message?" (Yes/No)
inline constexpr int kSendingBox = 146;     // "Sending SMS message", shows "%d / %d"

}  // namespace telvane::sms
