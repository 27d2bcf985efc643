#include "app/phone_status.h"

#include <cmath>
#include <cstdio>

#include "base/file_handle.h"
#include "config/locale_info.h"
#include "link/answer_reader.h"

namespace telvane::app {

int BatteryBitmap(int charge) {
  if (charge < 25) return kBatteryBitmaps[0];
  if (charge < 50) return kBatteryBitmaps[1];
  if (charge < 75) return kBatteryBitmaps[2];
  if (charge < 100) return kBatteryBitmaps[3];
  return kBatteryBitmaps[4];
}

int ReceptionBitmap(int signalQuality) {
  if (signalQuality == kSignalNotKnown) return kNoBitmap;
  const int q = 100 * signalQuality / 30;
  if (q < 20) return kReceptionBitmaps[0];
  if (q < 40) return kReceptionBitmaps[1];
  if (q < 60) return kReceptionBitmaps[2];
  if (q < 80) return kReceptionBitmaps[3];
  return kReceptionBitmaps[4];
}

std::string ReceptionText(int signalQuality, int languageId) {
  if (signalQuality == kSignalNotKnown) {
    return languageId == config::kLangGerman ? "keine Messung" : "no measurement";
  }
  const int d = 113 - 2 * signalQuality;
  const double nanowatt = std::pow(10.0, -d / 10.0) * 1e6;
  char text[64];
  std::snprintf(text, sizeof text, "-%d dBm / %1.3f nW", d, nanowatt);
  return text;
}

std::string FormatImsi(std::string_view imsi) {
  std::string text(imsi.substr(0, 5));
  text += '-';
  if (imsi.size() > 5) text += imsi.substr(5, 10);
  return text;
}

std::optional<std::string> OperatorText(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  if (!cursor.SkipTo("+COPS:")) return std::nullopt;
  return link::StandardShape(cursor.Line());
}

std::string ClockCommand(const std::tm& t) {
  char year[8];
  std::snprintf(year, sizeof year, "%04d", (t.tm_year + 1900) % 10000);
  char command[64];
  std::snprintf(command, sizeof command, "AT+CCLK=\"%s/%02d/%02d,%02d:%02d:%02d\"", year + 2,
                t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return command;
}

bool AppendMobileInfo(const std::string& path, std::string_view serial, std::string_view revision,
                      std::string_view simSerial) {
  base::FileHandle file = base::OpenFile(path, "a");
  if (!file) return false;
  const std::string serialField(serial.substr(0, 29));
  const std::string revisionField(revision.substr(0, 19));
  const std::string simSerialField(simSerial.substr(0, 29));
  std::fputs("SERIAL,VERSION,SIMSERIAL\n", file.get());
  std::fprintf(file.get(), "'%s,'%s,'%s\n", serialField.c_str(), revisionField.c_str(),
               simSerialField.c_str());
  return base::CloseFile(file);
}

}  // namespace telvane::app
