#include "sms/sms_centre.h"

#include "link/answer_reader.h"

namespace telvane::sms {

std::optional<CentreAnswer> ParseCentreAnswer(std::string_view answer) {
  // Only the "+CSCA:" line counts: a quote on a later line does not close the number.
  auto line = link::AnswerCursor(answer).LineAfter("+CSCA:");
  if (!line) return std::nullopt;
  // The type is whatever number stands first; with the usual answer that is the quote.
  const int type = link::AnswerCursor(*line).Number().value_or(0);
  const auto number = line->MoveTo('"') ? line->Quoted() : std::nullopt;
  if (!number) return std::nullopt;
  const std::optional<int> statedType = line->SkipPast(',') ? line->Number() : std::nullopt;
  return CentreAnswer{*number, type, statedType};
}

bool ReadSmsCentre(link::Exchange& exchange, config::RunState& run) {
  if (!exchange.SendCommand("AT+CSCA?")) return false;
  const auto centre = ParseCentreAnswer(exchange.Answer());
  if (!centre) return false;
  run.smsCentreNumber = std::string(centre->number.substr(0, kCentreNumberLimit));
  run.smsCentreType = centre->type;
  return true;
}

std::string CentreFor(std::string_view recipient, std::string_view defaultCentre,
                      const CentreRoutes& routes) {
  for (std::size_t i = 0; i < kCentreRouteCount; ++i) {
    const std::string& prefix = routes.prefix[i];
    if (!prefix.empty() && recipient.find(prefix) != std::string_view::npos) {
      return routes.center[i];
    }
  }
  return std::string(defaultCentre);
}

CentreRoutes RoutesFrom(const config::Settings& settings) {
  static_assert(std::tuple_size_v<decltype(settings.prefix)> == kCentreRouteCount);
  static_assert(std::tuple_size_v<decltype(settings.center)> == kCentreRouteCount);
  return CentreRoutes{settings.prefix, settings.center};
}

}  // namespace telvane::sms
