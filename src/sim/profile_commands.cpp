// The audio profile of GSM 07.07: alert sound mode (AT+CALM), ringer sound level
// (AT+CRSL, the ring tone volume of AT^SRTC: one setting on this phone), loudspeaker
// volume (AT+CLVL) and microphone mute (AT+CMUT).
#include "sim/at_params.h"
#include "sim/service_commands.h"

namespace telvane::sim {
namespace {

// A number setting with "?", "=?" and "=<n>" within the range `range` gives.
template <typename Access>
CommandHandler Level(std::string prefix, Access access) {
  return
      [prefix = std::move(prefix), access](CommandContext& context, const CommandRequest& request) {
        auto [value, range] = access(context.State());
        switch (request.form) {
          case CommandForm::kQuery: return Reply::Ok({prefix + std::to_string(value)});
          case CommandForm::kTest: return Reply::Ok({prefix + RangeText(range.low, range.high)});
          case CommandForm::kSet: {
            const auto number = ParseNumber(request.parameters);
            if (!number) return Reply::Error();
            if (!range.Contains(*number)) return Reply::BadParameters();
            value = *number;
            context.MarkChanged();
            return Reply::Ok();
          }
          case CommandForm::kAction: break;
        }
        return Reply::Error();
      };
}

struct LevelRef {
  int& value;
  Range range;
};

}  // namespace

void AddProfileCommands(CommandTable& table) {
  table.Add("+CALM", Level("+CALM: ", [](PhoneState& state) {
              return LevelRef{state.profile.alertMode, Range{0, 2}};
            }));
  table.Add("+CRSL", Level("+CRSL: ", [](PhoneState& state) {
              return LevelRef{state.audio.volume, state.audio.volumeRange};
            }));
  table.Add("+CLVL", Level("+CLVL: ", [](PhoneState& state) {
              const Profile& profile = state.profile;
              return LevelRef{state.profile.speakerVolume,
                              Range{profile.speakerRangeLow, profile.speakerRangeHigh}};
            }));
  table.Add("+CMUT", [](CommandContext& context, const CommandRequest& request) {
    bool& mute = context.State().profile.mute;
    if (request.form == CommandForm::kTest) return Reply::Ok({"+CMUT: (0,1)"});
    if (request.form == CommandForm::kQuery) return Reply::Ok({mute ? "+CMUT: 1" : "+CMUT: 0"});
    if (request.form != CommandForm::kSet) return Reply::Error();
    const auto number = ParseNumber(request.parameters);
    if (!number) return Reply::Error();
    if (*number > 1) return Reply::BadParameters();
    mute = *number == 1;
    context.MarkChanged();
    return Reply::Ok();
  });
}

}  // namespace telvane::sim
