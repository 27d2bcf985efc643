#include "services/profile_settings.h"

#include <string>

namespace telvane::services {
namespace {

std::optional<int> Query(link::Exchange& exchange, std::string_view command,
                         std::string_view prefix) {
  if (!exchange.SendCommand(command)) return std::nullopt;
  return link::NumberAfter(exchange.Answer(), prefix);
}

std::optional<bool> QuerySwitch(link::Exchange& exchange, std::string_view command,
                                std::string_view prefix) {
  const auto value = Query(exchange, command, prefix);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<LevelSetting> QueryLevel(link::Exchange& exchange, std::string_view stem,
                                       std::string_view prefix) {
  if (!exchange.SendCommand(std::string(stem) + "=?")) return std::nullopt;
  const auto range = ReadRange(exchange.Answer(), prefix);
  if (!range) return std::nullopt;
  return LevelSetting{*range, Query(exchange, std::string(stem) + "?", prefix)};
}

bool Set(link::Exchange& exchange, std::string_view stem, int value) {
  return exchange.SendCommand(std::string(stem) + "=" + std::to_string(value));
}

}  // namespace

std::optional<link::NumberRange> ReadRange(std::string_view answer, std::string_view prefix) {
  link::AnswerCursor cursor(answer);
  if (!cursor.SkipTo(prefix) || !cursor.MoveTo('(')) return std::nullopt;
  return cursor.Range();
}

ProfileReading ReadProfile(link::Exchange& exchange) {
  ProfileReading reading;
  reading.vibrator = QuerySwitch(exchange, "AT+CVIB?", "+CVIB:");
  reading.mute = QuerySwitch(exchange, "AT+CMUT?", "+CMUT:");
  reading.alertMode = Query(exchange, "AT+CALM?", "+CALM:");
  reading.ringer = QueryLevel(exchange, "AT+CRSL", "+CRSL:");
  reading.speaker = QueryLevel(exchange, "AT+CLVL", "+CLVL:");
  return reading;
}

bool SetAlertMode(link::Exchange& exchange, int mode) { return Set(exchange, "AT+CALM", mode); }
bool SetRingerLevel(link::Exchange& exchange, int level) { return Set(exchange, "AT+CRSL", level); }
bool SetSpeakerVolume(link::Exchange& exchange, int volume) {
  return Set(exchange, "AT+CLVL", volume);
}
bool SetMute(link::Exchange& exchange, bool on) { return Set(exchange, "AT+CMUT", on ? 1 : 0); }
bool SetVibrator(link::Exchange& exchange, bool on) { return Set(exchange, "AT+CVIB", on ? 1 : 0); }

}  // namespace telvane::services
