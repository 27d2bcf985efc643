#include "sms/sms_deletion.h"

#include <string>

#include "base/decimal.h"

namespace telvane::sms {

std::optional<int> IndexOfCell(std::string_view cell) {
  const std::optional<int> index = base::LeadingDecimal(cell);
  if (!index || *index < 0) return std::nullopt;
  return index;
}

std::vector<bool> DeleteMessages(link::Exchange& exchange, std::span<const int> indexes) {
  std::vector<bool> deleted;
  deleted.reserve(indexes.size());
  for (const int index : indexes) {
    deleted.push_back(exchange.SendCommand("AT+CMGD=" + std::to_string(index)));
  }
  return deleted;
}

}  // namespace telvane::sms
