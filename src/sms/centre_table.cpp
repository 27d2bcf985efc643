#include "sms/centre_table.h"

#include "sms/settings_text.h"

namespace telvane::sms {

std::optional<std::size_t> PairWithoutCentre(const CentreRoutes& routes) {
  for (std::size_t i = 0; i < kCentreRouteCount; ++i) {
    const std::string& prefix = routes.prefix[i];
    if (!prefix.empty() && static_cast<unsigned char>(prefix.front()) > ' ' &&
        routes.center[i].empty()) {
      return i;
    }
  }
  return std::nullopt;
}

CentreRoutes CleanRoutes(const CentreRoutes& typed) {
  CentreRoutes clean;
  for (std::size_t i = 0; i < kCentreRouteCount; ++i) {
    clean.prefix[i] = OneLineText(typed.prefix[i], config::kPrefixLimit);
    clean.center[i] = OneLineText(typed.center[i], config::kCentreLimit);
  }
  return clean;
}

bool StoreRoutes(const CentreRoutes& routes, config::Settings& settings,
                 config::ProfileFile& profile) {
  bool written = true;
  for (std::size_t i = 0; i < kCentreRouteCount; ++i) {
    settings.prefix[i] = routes.prefix[i];
    settings.center[i] = routes.center[i];
    const int index = static_cast<int>(i);
    written = profile.Write(config::FamilyKey("Prefix", index), routes.prefix[i]) && written;
    written = profile.Write(config::FamilyKey("Center", index), routes.center[i]) && written;
  }
  return written;
}

}  // namespace telvane::sms
