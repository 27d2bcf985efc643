// Turning the national numbers of the current book into international ones with the
// prefix of the setting TPref.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "phonebook/fixed_dialling.h"

namespace telvane::config {
struct Settings;
}

namespace telvane::phonebook {

struct NormaliseOptions {
  std::string prefix;            // "TPref", e.g. "+49"
  bool keepLeadingZero = false;  // "Rem0"
};
NormaliseOptions NormaliseOptionsFrom(const config::Settings& settings);

// The normalised number, none when the number is left alone: it already holds the
// prefix, or does not begin with "0". 030 gives +4930 (+49030 keeping the zero).
std::optional<std::string> NormalisedNumber(std::string_view number,
                                            const NormaliseOptions& options);

// Rewrites every entry of `order` (table slots, in the order the list shows them) whose
// number needs it; the entry takes the new number before the write. A new number that is
// no number (DialNumber) leaves its entry alone. `written` hears each slot with
// the write's outcome (message "Can't modify entry" on failure). For the fixed dialling book only a
// stored PIN2 is used, and a rejected PIN2 ends the run. Result false when it ended that way.
bool NormaliseEntries(WriteContext& context, const NormaliseOptions& options,
                      std::span<const std::size_t> order,
                      const std::function<void(const Outcome&)>& written = {});

}  // namespace telvane::phonebook
