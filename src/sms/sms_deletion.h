// Deleting messages from the phone's memory with AT+CMGD, one per index.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "link/exchange.h"

namespace telvane::sms {

inline constexpr int kStrCantDelete = 50;  // "Can't delete entry"

// The storage index of a row's index cell; none when the cell holds no index.
std::optional<int> IndexOfCell(std::string_view cell);

// Sends "AT+CMGD=<index>" for each index in order; for each, whether the phone deleted it.
std::vector<bool> DeleteMessages(link::Exchange& exchange, std::span<const int> indexes);

}  // namespace telvane::sms
