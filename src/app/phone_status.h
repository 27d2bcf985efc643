// How the main window shows the phone's status: bitmaps chosen by battery charge and
// signal quality, the reception text, the IMSI and operator fields, the clock command.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::app {

inline constexpr int kBatteryBitmaps[] = {127, 128, 129, 130, 131};
inline constexpr int kReceptionBitmaps[] = {132, 133, 134, 135, 136};
inline constexpr int kNoBitmap = 0;
// GSM 07.07: signal quality 99 means not known or not detectable.
inline constexpr int kSignalNotKnown = 99;

// Below 25 bitmap 127, below 50 128, below 75 129, below 100 130, else 131.
int BatteryBitmap(int charge);
// q = 100r/30: below 20 bitmap 132, below 40 133, below 60 134, below 80 135, else 136.
// No bitmap for 99 (no measurement).
int ReceptionBitmap(int signalQuality);
// "-%d dBm / %1.3f nW" with d = 113 - 2r and p = 10^(-d/10) mW; for 99 the
// language's "no measurement" text.
std::string ReceptionText(int signalQuality, int languageId);

// First five characters, a hyphen, the next ten.
std::string FormatImsi(std::string_view imsi);
// The rest of the "+COPS:" line after the prefix and its blanks, without blanks around its
// commas; none without the prefix.
std::optional<std::string> OperatorText(std::string_view answer);
// AT+CCLK= with the local time in quotes: "yy/MM/dd,hh:mm:ss".
std::string ClockCommand(const std::tm& localTime);

// Appends the header line and one line "'serial,'revision,'simSerial" (each cut to 29, 19
// and 29 characters) to the CSV file at `path`. False when it cannot be opened or written.
bool AppendMobileInfo(const std::string& path, std::string_view serial, std::string_view revision,
                      std::string_view simSerial);

}  // namespace telvane::app
