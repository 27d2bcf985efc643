#include "network/reception.h"

#include <cmath>
#include <cstdio>

#include "config/locale_info.h"
#include "link/answer_reader.h"

namespace telvane::network {

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

std::optional<int> ReceptionLevel(int signalQuality) {
  if (signalQuality < 0 || signalQuality > 31) return std::nullopt;
  return 113 - 2 * signalQuality;
}

std::optional<std::string> OperatorText(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  if (!cursor.SkipTo("+COPS:")) return std::nullopt;
  return link::StandardShape(cursor.Line());
}

}  // namespace telvane::network
