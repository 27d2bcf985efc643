// How the main window shows the phone's status: bitmaps chosen by battery charge and
// signal quality, the reception text, the IMSI and operator fields, the clock command.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "network/reception.h"

namespace telvane::app {

inline constexpr int kBatteryBitmaps[] = {127, 128, 129, 130, 131};
// Reception and the operator line are shown alike by the net monitor.
using network::kNoBitmap;
using network::kReceptionBitmaps;
using network::kSignalNotKnown;
using network::OperatorText;
using network::ReceptionBitmap;
using network::ReceptionText;

// Below 25 bitmap 127, below 50 128, below 75 129, below 100 130, else 131.
int BatteryBitmap(int charge);

// First five characters, a hyphen, the next ten.
std::string FormatImsi(std::string_view imsi);
// AT+CCLK= with the local time in quotes: "yy/MM/dd,hh:mm:ss".
std::string ClockCommand(const std::tm& localTime);

// Appends the header line and one line "'serial,'revision,'simSerial" (each cut to 29, 19
// and 29 characters) to the CSV file at `path`. False when it cannot be opened or written.
bool AppendMobileInfo(const std::string& path, std::string_view serial, std::string_view revision,
                      std::string_view simSerial);

}  // namespace telvane::app
