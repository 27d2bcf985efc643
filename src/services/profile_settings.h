// The profile settings with their GSM 07.07 commands: alert mode (AT+CALM), ringer level
// (AT+CRSL), loudspeaker volume (AT+CLVL), microphone mute (AT+CMUT) and vibrator
// (AT+CVIB).
#pragma once

#include <optional>
#include <string_view>

#include "link/answer_reader.h"
#include "link/exchange.h"

namespace telvane::services {

// A level with the range the phone reported for it.
struct LevelSetting {
  link::NumberRange range{};
  std::optional<int> value{};
};

struct ProfileReading {
  std::optional<bool> vibrator{};
  std::optional<bool> mute{};
  std::optional<int> alertMode{};
  std::optional<LevelSetting> ringer{};   // none when the range query failed
  std::optional<LevelSetting> speaker{};  // likewise
};

// Reads the profile in this order: AT+CVIB?, AT+CMUT?, AT+CALM?, AT+CRSL=?, AT+CRSL?,
// AT+CLVL=?, AT+CLVL?. A level's value is asked only when its range was read.
ProfileReading ReadProfile(link::Exchange& exchange);

// The range in "(low-high)" behind `prefix`, none when absent.
std::optional<link::NumberRange> ReadRange(std::string_view answer, std::string_view prefix);

// AT+CALM=<mode>, AT+CRSL=<level>, AT+CLVL=<volume>: true when the phone accepted it.
bool SetAlertMode(link::Exchange& exchange, int mode);
bool SetRingerLevel(link::Exchange& exchange, int level);
bool SetSpeakerVolume(link::Exchange& exchange, int volume);
// AT+CMUT=1 or 0, AT+CVIB=1 or 0.
bool SetMute(link::Exchange& exchange, bool on);
bool SetVibrator(link::Exchange& exchange, bool on);

}  // namespace telvane::services
