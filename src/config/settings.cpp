#include "config/settings.h"

#include <cstdio>

#include "base/decimal.h"
#include "config/profile_file.h"

namespace telvane::config {
namespace {

int ReadInt(const ProfileFile& profile, std::string_view key, std::string_view fallback) {
  return DecimalValue(profile.GetString(key, fallback));
}

std::string ReadText(const ProfileFile& profile, std::string_view key, std::size_t limit) {
  std::string value = profile.GetString(key, "");
  if (value.size() > limit) value.resize(limit);
  return value;
}

template <std::size_t N>
void ReadWidths(const ProfileFile& profile, std::string_view family, std::array<int, N>& widths) {
  for (std::size_t i = 0; i < N; ++i) {
    widths[i] = ReadInt(profile, FamilyKey(family, static_cast<int>(i)), "0");
  }
}

}  // namespace

int DecimalValue(std::string_view text) { return base::LeadingDecimal(text, " \t").value_or(0); }

std::string PortName(int portIndex) { return "COM" + std::to_string(portIndex + 1) + ":"; }

std::string DefaultDevicePath(int portIndex) {
  // COM1..COM4 are the classic serial ports; the rest are the USB adapters a cable
  // for such a phone shows up as today.
  if (portIndex >= 0 && portIndex < 4) return "/dev/ttyS" + std::to_string(portIndex);
  if (portIndex >= 4 && portIndex < 8) return "/dev/ttyUSB" + std::to_string(portIndex - 4);
  return "/dev/ttyACM" + std::to_string(portIndex - 8);
}

std::string FamilyKey(std::string_view family, int index) {
  return std::string(family) + std::to_string(index);
}

void WriteKeyFamily(ProfileFile& profile, std::string_view family, std::span<const int> values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    WriteIntKey(profile, FamilyKey(family, static_cast<int>(i)), values[i]);
  }
}

void ReadSingleKeys(const ProfileFile& profile, Settings& s) {
  s.debug = ReadInt(profile, "Debug", "0");
  s.readB = ReadInt(profile, "ReadB", "0");
  s.swapD = ReadInt(profile, "SwapD", "0");
  s.port = ReadInt(profile, "Port", "-1");
  s.monRef = ReadInt(profile, "MonRef", "2");
  s.monProt = ReadInt(profile, "MonProt", "0");
  s.gsmConv = ReadInt(profile, "GSMconv", "0");
  s.rem0 = ReadInt(profile, "Rem0", "0");
  s.smsStat = ReadInt(profile, "SMSstat", "0");
  s.intPrefix = ReadInt(profile, "IntPrefix", "0");
  const std::string separator = profile.GetString("Separator", ",");
  s.separator = separator.empty() ? '\0' : separator.front();
  s.noModem = ReadInt(profile, "NoModem", "0");
  s.waitSec = ReadInt(profile, "WaitSec", "5");
  s.checkSms = ReadInt(profile, "CheckSMS", "0");
  s.w2kCable = ReadInt(profile, "W2KCable", "0");
  s.smsListX = ReadInt(profile, "SMSListx", "0");
  s.tPref = ReadText(profile, "TPref", kTPrefLimit);
  s.netLogMaxKb = ReadInt(profile, "NetLogMaxKB", "16384");
  for (int i = 0; i < kPortCount; ++i) {
    s.device[i] = profile.GetString(FamilyKey("Device", i), DefaultDevicePath(i));
  }
}

void ReadKeyFamilies(const ProfileFile& profile, Settings& s) {
  for (std::size_t i = 0; i < s.ptxt.size(); ++i) {
    s.ptxt[i] = ReadText(profile, FamilyKey("Ptxt", static_cast<int>(i)), kPredefinedTextLimit);
  }
  ReadWidths(profile, "GCol", s.gCol);
  ReadWidths(profile, "TCol", s.tCol);
  ReadWidths(profile, "RCol", s.rCol);
  ReadWidths(profile, "SCol", s.sCol);
  ReadWidths(profile, "OCol", s.oCol);
  ReadWidths(profile, "PCol", s.pCol);
  ReadWidths(profile, "MCol", s.mCol);
  for (std::size_t i = 0; i < s.prefix.size(); ++i) {
    s.prefix[i] = ReadText(profile, FamilyKey("Prefix", static_cast<int>(i)), kPrefixLimit);
    s.center[i] = ReadText(profile, FamilyKey("Center", static_cast<int>(i)), kCentreLimit);
  }
}

Settings ReadAllSettings(const ProfileFile& profile) {
  Settings settings;
  ReadSingleKeys(profile, settings);
  ReadKeyFamilies(profile, settings);
  return settings;
}

bool WriteIntKey(ProfileFile& profile, std::string_view key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return profile.Write(key, text);
}

}  // namespace telvane::config
