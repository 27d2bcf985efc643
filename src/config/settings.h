// The settings record: every key of Telvane.ini, read once at start-up and held for
// the run. Windows that own a key change the value here and write it back at once.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace telvane::config {

class ProfileFile;

// Slot limits of the text families (characters, the terminator not counted).
inline constexpr std::size_t kPredefinedTextLimit = 199;
inline constexpr std::size_t kPrefixLimit = 19;
inline constexpr std::size_t kCentreLimit = 29;
inline constexpr std::size_t kTPrefLimit = 9;
inline constexpr int kPortCount = 10;
inline constexpr int kNoPort = -1;

struct Settings {
  // Single keys, in the order start-up reads them.
  int debug = 0;            // "Debug": read, nothing depends on it
  int readB = 0;            // "ReadB": premature stop when reading books
  int swapD = 0;            // "SwapD": swap SMS date
  int port = kNoPort;       // "Port": 0..9 = COM1..COM10, -1 none chosen
  int monRef = 2;           // "MonRef": net monitor refresh seconds
  int monProt = 0;          // "MonProt": write the log
  int gsmConv = 0;          // "GSMconv": character conversion for 8-bit SMS
  int rem0 = 0;             // "Rem0": keep leading zeroes when normalising
  int smsStat = 0;          // "SMSstat": status reports into the SMS list
  int intPrefix = 0;        // "IntPrefix": add int. prefix for SMS
  char separator = ',';     // "Separator": first character only; nothing depends on it
  int noModem = 0;          // "NoModem": phone without the modem command set
  int waitSec = 5;          // "WaitSec": command mode polling period
  int checkSms = 0;         // "CheckSMS": command mode option
  int w2kCable = 0;         // "W2KCable": serial port even where IrDA is offered
  int smsListX = 0;         // "SMSListx": tall SMS list template
  std::string tPref;        // "TPref": normalising prefix, at most 9 characters
  int netLogMaxKb = 16384;  // "NetLogMaxKB": size at which TelvaneNet.csv is set aside

  // Key families.
  std::array<std::string, 50> ptxt;    // "Ptxt%d": predefined SMS texts
  std::array<std::string, 10> prefix;  // "Prefix%d": number prefix of a centre pair
  std::array<std::string, 10> center;  // "Center%d": service centre of the same pair
  std::array<int, 2> gCol{};           // "GCol%d": SMS groups list column widths
  std::array<int, 3> tCol{};           // "TCol%d": phone book list
  std::array<int, 3> rCol{};           // "RCol%d": Redbook list
  std::array<int, 6> sCol{};           // "SCol%d": SMS list
  std::array<int, 7> oCol{};           // "OCol%d": organizer list
  std::array<int, 2> pCol{};           // "PCol%d": predefined SMS list
  std::array<int, 5> mCol{};           // "MCol%d": net monitor call list

  // Device path of each port index ("Device%d"): the device behind "COM1:".."COM10:".
  std::array<std::string, kPortCount> device;
};

// Plain decimal conversion: optional sign and leading blanks, digits up to the first
// non-digit; text that does not start with a number gives 0. Saturates instead of
// overflowing.
int DecimalValue(std::string_view text);

// The name a port index is shown by: 0 gives "COM1:", 9 gives "COM10:".
std::string PortName(int portIndex);

// Device path used when "Device%d" is missing.
std::string DefaultDevicePath(int portIndex);

// The single keys in their order, then "TPref" and the device paths. Start-up reads
// them before it opens the port.
void ReadSingleKeys(const ProfileFile& profile, Settings& settings);

// The 50 predefined texts, the seven column width families in the order GCol, TCol,
// RCol, SCol, OCol, PCol, MCol, then the ten Prefix/Center pairs. Start-up reads them
// once the link is ready, before the main window opens.
void ReadKeyFamilies(const ProfileFile& profile, Settings& settings);

// Both of the above, for callers that do not need the start-up order between them.
Settings ReadAllSettings(const ProfileFile& profile);

// Writes an integer key as "%d". Returns false when the file could not be written.
bool WriteIntKey(ProfileFile& profile, std::string_view key, int value);

// Key of a family member: FamilyKey("TCol", 2) gives "TCol2".
std::string FamilyKey(std::string_view family, int index);
// Writes values[n] under "<family><n>" with "%d", n from 0 (saved column widths).
void WriteKeyFamily(ProfileFile& profile, std::string_view family, std::span<const int> values);

}  // namespace telvane::config
