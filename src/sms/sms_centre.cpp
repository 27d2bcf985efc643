#include "sms/sms_centre.h"

#include "link/answer_reader.h"

namespace telvane::sms {

bool ReadSmsCentre(link::Exchange& exchange, config::RunState& run) {
  if (!exchange.SendCommand("AT+CSCA?")) return false;
  const auto rest = link::After(exchange.Answer(), "+CSCA:");
  if (!rest) return false;
  // Only the "+CSCA:" line counts: a quote on a later line does not close the number.
  const std::string_view line = link::UpToControl(*rest);
  const std::size_t open = line.find('"');
  if (open == std::string_view::npos) return false;
  const std::size_t close = line.find('"', open + 1);
  if (close == std::string_view::npos) return false;

  const std::string_view number = line.substr(open + 1, close - open - 1);
  run.smsCentreNumber = std::string(number.substr(0, kCentreNumberLimit));
  // The type is whatever number stands first; with the usual answer that is the quote.
  run.smsCentreType = link::LeadingNumber(line).value_or(0);
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
