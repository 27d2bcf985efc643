// The phone's real-time clock.
#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// Accepts "yy/MM/dd,hh:mm:ss" with an optional time zone "+zz"/"-zz" in quarter hours,
// which this phone does not keep.
std::optional<std::string> ClockSetting(std::string_view parameters) {
  auto text = ParseQuoted(parameters);
  if (!text) {
    return std::nullopt;
  }
  if (text->size() == 20 && ((*text)[17] == '+' || (*text)[17] == '-')) {
    const auto zone = ParseNumber(std::string_view(*text).substr(18));
    if (!zone || *zone > 48) {
      return std::nullopt;
    }
    text->resize(17);
  }
  if (!PhoneClock::Parse(*text)) {
    return std::nullopt;
  }
  return text;
}

Reply Clock(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({"+CCLK: \"" + context.Clock().Read(context.Now()) + "\""});
    case CommandForm::kTest: return Reply::Ok();
    case CommandForm::kSet: {
      const auto setting = ClockSetting(request.parameters);
      if (!setting) {
        return Reply::BadParameters();
      }
      context.Clock().Set(*setting, context.Now());
      context.MarkChanged();
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddClockCommands(CommandTable& table) { table.Add("+CCLK", Clock); }

}  // namespace telvane::sim
