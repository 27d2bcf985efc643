// The SMS service centre: reading it from the phone and choosing one by recipient prefix.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/app_context.h"
#include "config/settings.h"
#include "link/exchange.h"

namespace telvane::sms {

inline constexpr std::size_t kCentreRouteCount = 10;
// Most characters of a centre number kept from the phone's answer.
inline constexpr std::size_t kCentreNumberLimit = config::kCentreLimit;

// The ten "Prefix%d"/"Center%d" pairs.
struct CentreRoutes {
  std::array<std::string, kCentreRouteCount> prefix;
  std::array<std::string, kCentreRouteCount> center;
};

struct CentreAnswer {
  std::string_view number;        // the quoted number, whole
  int type = 0;                   // the number right after "+CSCA:" (0 when the quote stands there)
  std::optional<int> statedType;  // the number after the "," that follows the quoted number
};

// The "+CSCA:" line of an answer: the first quoted text on it, the number in front of it
// and the one after it. None without that line or without a complete quoted number on it.
std::optional<CentreAnswer> ParseCentreAnswer(std::string_view answer);

// AT+CSCA? ; on OK with "+CSCA:" stores the quoted number (cut to 29 characters) and the type
// (the number right after "+CSCA:" and its blanks, 0 when the quoted number stands there) into
// run.smsCentreNumber / run.smsCentreType. Returns false (run state unchanged) on failure,
// also when the "+CSCA:" line holds no complete quoted number.
bool ReadSmsCentre(link::Exchange& exchange, config::RunState& run);

// The centre for a recipient as typed: the first pair (0..9) with a non-empty prefix occurring
// anywhere in it gives its centre; otherwise defaultCentre. An empty centre of such a pair
// stays empty: the phone then uses its own centre.
std::string CentreFor(std::string_view recipient, std::string_view defaultCentre,
                      const CentreRoutes& routes);

CentreRoutes RoutesFrom(const config::Settings& settings);

}  // namespace telvane::sms
