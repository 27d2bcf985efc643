// Control ids of the send dialog (template 107) and the reply dialog (template 122).
#pragma once

namespace telvane::sms::compose_ids {

// What one compose dialog holds; both dialogs share the behaviour behind these controls.
struct ComposeControls {
  int text;
  int number;
  int statusReport;  // "Request status report"
  int eightBit;      // "Use 8 bit characterset"
  int flash;         // "Flash-SMS" / "Flash-message"
  int validity;      // the up-down of the validity in days
  int validityDays;  // the field beside it
  int characters;    // "Characters:"
  int left;          // characters left in the last part
  int parts;         // "Message:"
};

// Template 107, "Send SMS-message".
inline constexpr int kSendTemplate = 107;
inline constexpr int kSendName = 1045;
inline constexpr ComposeControls kSendControls{1044, 1046, 1137, 1203, 1229,
                                               1141, 1142, 1138, 1139, 1140};

// Template 122, "Send SMS reply": the number is an editable combo box of names.
inline constexpr int kReplyTemplate = 122;
inline constexpr ComposeControls kReplyControls{1077, 1078, 1133, 1201, 1230,
                                                1143, 1080, 1134, 1135, 1136};

// Template 146, the sending box, and the messages of sending.
inline constexpr int kStrEnterNumber = 29;  // "Please enter a telephone number"
inline constexpr int kStrNotSent = 34;      // "Message(s) could not be send"
inline constexpr int kStrStoreUnsent = 75;  // "Save unsend message?"

}  // namespace telvane::sms::compose_ids
