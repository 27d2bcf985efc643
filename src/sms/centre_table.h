// The prefix/centre table as the service centre dialog keeps it: checked, then stored in
// the settings and written to "Prefix%d" and "Center%d".
#pragma once

#include <cstddef>
#include <optional>

#include "config/profile_file.h"
#include "config/settings.h"
#include "sms/sms_centre.h"

namespace telvane::sms {

inline constexpr int kStrPrefixWithoutCentre = 103;

// The first pair whose prefix begins with a character above the blank but has no centre;
// such a table cannot be saved. A prefix beginning with a blank is not checked.
std::optional<std::size_t> PairWithoutCentre(const CentreRoutes& routes);

// The table as typed: each value made one line and cut to its slot (19 characters of a
// prefix, 29 of a centre).
CentreRoutes CleanRoutes(const CentreRoutes& typed);

// Stores all twenty values in the settings and writes them, pair i as "Prefix<i>" and
// "Center<i>". False when the settings file could not be written.
bool StoreRoutes(const CentreRoutes& routes, config::Settings& settings,
                 config::ProfileFile& profile);

}  // namespace telvane::sms
