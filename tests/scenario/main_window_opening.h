// What the main window shows and sends on opening over the demo phone's answers.
#pragma once

#include <string>
#include <vector>

namespace telvane::testing {

inline constexpr char kMainWindowOpeningScript[] = R"(
expect window 101
expect text 1066 SIEMENS
expect text 1001 S45
expect text 1002 21
expect text 1003 350123451234567
expect text 1006 26201-0123456789
expect text 1007 89490200001234567892
expect text 1004 80%
expect bitmap 1104 130
expect text 1005 2,1,"0F3C","A1B2"
expect text 1079 -79 dBm / 0.013 nW
expect bitmap 1105 134
expect text 1068 0,0,"Nordnetz"
expect checked 1247 off
click 40001
)";

// What the main window sends on opening, after the start-up's ATZ and ATE0.
inline const std::vector<std::string> kMainWindowOpeningCommands = {
    "AT+CMEE=0", "AT+CSMS=1", "AT^SBNW=?", "AT+CGMI",  "AT+CGMM",  "AT+CGMR",   "AT+CGSN",
    "AT+CBC",    "AT+CREG=2", "AT+CREG?",  "AT+CSQ",   "AT+COPS?", "AT^SMGL=0", "AT+CIMI",
    "AT^SCID",   "AT^SRTC=?", "AT^SRTC?",  "AT^SNFS?", "AT^SNFV?", "AT+CVIB?"};

}  // namespace telvane::testing
