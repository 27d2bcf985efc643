// Ring tone, hands-free and vibrator settings.
#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// AT^SRTC: ring tone and volume; the action form starts or stops the test tone.
Reply RingTone(CommandContext& context, const CommandRequest& request) {
  Audio& audio = context.State().audio;
  switch (request.form) {
    case CommandForm::kTest:
      return Reply::Ok({"^SRTC: " + RangeText(audio.toneRange.low, audio.toneRange.high) + "," +
                        RangeText(audio.volumeRange.low, audio.volumeRange.high)});
    case CommandForm::kQuery:
      return Reply::Ok({"^SRTC: " + std::to_string(audio.tone) + "," +
                        std::to_string(audio.volume) + "," + (audio.playing ? "1" : "0")});
    case CommandForm::kAction:
      audio.playing = !audio.playing;
      context.MarkChanged();
      return Reply::Ok();
    case CommandForm::kSet: {
      const auto values = ParseNumbers(request.parameters, 1, 2);
      if (!values) {
        return Reply::Error();
      }
      const int tone = (*values)[0];
      const int volume = values->size() > 1 ? (*values)[1] : audio.volume;
      if (!audio.toneRange.Contains(tone) || !audio.volumeRange.Contains(volume)) {
        return Reply::BadParameters();
      }
      audio.tone = tone;
      audio.volume = volume;
      context.MarkChanged();
      return Reply::Ok();
    }
  }
  return Reply::Error();
}

// An on/off setting with "?", "=?" and "=0"/"=1".
CommandHandler Switch(std::string prefix, bool Audio::*field) {
  return
      [prefix = std::move(prefix), field](CommandContext& context, const CommandRequest& request) {
        bool& value = context.State().audio.*field;
        switch (request.form) {
          case CommandForm::kQuery: return Reply::Ok({prefix + (value ? "1" : "0")});
          case CommandForm::kTest: return Reply::Ok({prefix + "(0,1)"});
          case CommandForm::kSet: {
            const auto number = ParseNumber(request.parameters);
            if (!number) {
              return Reply::Error();
            }
            if (*number > 1) {
              return Reply::BadParameters();
            }
            value = *number == 1;
            context.MarkChanged();
            return Reply::Ok();
          }
          case CommandForm::kAction: break;
        }
        return Reply::Error();
      };
}

Reply HandsfreeVolume(CommandContext& context, const CommandRequest& request) {
  Audio& audio = context.State().audio;
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"^SNFV: " + std::to_string(audio.handsfreeVolume)});
    case CommandForm::kTest:
      return Reply::Ok(
          {"^SNFV: " + RangeText(audio.handsfreeVolumeRange.low, audio.handsfreeVolumeRange.high)});
    case CommandForm::kSet: {
      const auto number = ParseNumber(request.parameters);
      if (!number) {
        return Reply::Error();
      }
      if (!audio.handsfreeVolumeRange.Contains(*number)) {
        return Reply::BadParameters();
      }
      audio.handsfreeVolume = *number;
      context.MarkChanged();
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddAudioCommands(CommandTable& table) {
  table.Add("^SRTC", RingTone);
  table.Add("^SNFS", Switch("^SNFS: ", &Audio::handsfree));
  table.Add("^SNFV", HandsfreeVolume);
  table.Add("+CVIB", Switch("+CVIB: ", &Audio::vibrator));
}

}  // namespace telvane::sim
