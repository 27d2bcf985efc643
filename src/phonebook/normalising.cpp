#include "phonebook/normalising.h"

#include "config/settings.h"
#include "phonebook/entry_command.h"
#include "phonebook/phonebook_messages.h"

namespace telvane::phonebook {

NormaliseOptions NormaliseOptionsFrom(const config::Settings& settings) {
  return NormaliseOptions{settings.tPref, settings.rem0 != 0};
}

std::optional<std::string> NormalisedNumber(std::string_view number,
                                            const NormaliseOptions& options) {
  if (options.prefix.empty()) return std::nullopt;
  if (number.find(options.prefix) != std::string_view::npos) return std::nullopt;
  if (number.empty() || number.front() != '0') return std::nullopt;
  const std::string_view kept = options.keepLeadingZero ? number : number.substr(1);
  return CutTo(options.prefix + std::string(kept), kNumberLimit);
}

bool NormaliseEntries(WriteContext& context, const NormaliseOptions& options,
                      std::span<const std::size_t> order,
                      const std::function<void(const Outcome&)>& written) {
  PhonebookStore& store = context.store;
  for (const std::size_t slot : order) {
    if (slot >= store.EntryCount() || store.IsDeleted(slot)) continue;
    PhonebookEntry& entry = store.entries[slot];
    const auto number = NormalisedNumber(entry.number, options);
    if (!number) continue;
    // A prefix or number holding what no number holds leaves the entry alone.
    const std::optional<std::string> dial = DialNumber(*number);
    if (!dial) continue;
    entry.number = *dial;
    entry.numberType = NumberTypeOf(entry.number);
    const SendResult result = FixedDiallingWrite(
        context, WriteCommand(entry.position, entry.number, entry.numberType, entry.name));
    if (result == SendResult::kPin2Rejected) {
      if (written) written(Outcome{false, kStrPin2Rejected, slot});
      return false;
    }
    const bool accepted = result == SendResult::kAccepted;
    if (written) written(Outcome{accepted, accepted ? 0 : kStrCantModify, slot});
  }
  return true;
}

}  // namespace telvane::phonebook
