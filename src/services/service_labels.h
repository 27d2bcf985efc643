// The labels of the forwarding reasons and of the lock facilities by language (English for
// every language without its own).
#pragma once

#include <string_view>

#include "services/call_forwarding.h"
#include "services/facility_locks.h"

namespace telvane::services {

std::string_view ReasonLabel(int languageId, int reason);
std::string_view FacilityLabel(int languageId, int index);

}  // namespace telvane::services
