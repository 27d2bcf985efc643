#include "phonebook/fixed_dialling.h"

#include <algorithm>
#include <cctype>

namespace telvane::phonebook {

bool IsValidPin2(std::string_view pin) {
  return !pin.empty() && pin.size() <= kPin2Limit &&
         std::all_of(pin.begin(), pin.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "+CME ERROR: SIM PIN2 required": phones write the word in either case.
bool AsksForPin2(std::string_view answer) {
  constexpr std::string_view kWord = "REQUIRED";
  for (std::size_t at = 0; at + kWord.size() <= answer.size(); ++at) {
    std::size_t i = 0;
    while (i < kWord.size() &&
           std::toupper(static_cast<unsigned char>(answer[at + i])) == kWord[i]) {
      ++i;
    }
    if (i == kWord.size()) return true;
  }
  return false;
}

Pin2Check EnsurePin2(WriteContext& context) {
  if (context.storedPin2 && !context.storedPin2->empty()) return Pin2Check::kReady;
  context.storedPin2.reset();
  if (!context.askPin2) return Pin2Check::kCancelled;
  std::optional<std::string> entered = context.askPin2();
  if (!entered) return Pin2Check::kCancelled;
  if (!IsValidPin2(*entered)) return Pin2Check::kInvalid;
  context.storedPin2 = std::move(entered);
  return Pin2Check::kReady;
}

SendResult FixedDiallingWrite(WriteContext& context, std::string_view command,
                              const std::function<bool()>& finalStep) {
  link::Exchange& exchange = context.exchange;
  const auto again = [&] { return finalStep ? finalStep() : exchange.SendCommand(command); };
  if (context.store.currentBook != Book::kSimFix) {
    return again() ? SendResult::kAccepted : SendResult::kFailed;
  }
  exchange.SendCommand("AT+CMEE=2");
  exchange.SendCommand(command);
  if (AsksForPin2(exchange.Answer())) {
    exchange.SendCommand("AT+CPIN?");
    const std::string pin = context.storedPin2.value_or("");
    // A PIN2 that is not plain digits never reaches the command line.
    if (!IsValidPin2(pin) || !exchange.SendCommand("AT+CPIN=" + pin)) {
      context.storedPin2.reset();
      return SendResult::kPin2Rejected;
    }
  }
  const bool accepted = again();
  exchange.SendCommand("AT+CMEE=0");
  return accepted ? SendResult::kAccepted : SendResult::kFailed;
}

}  // namespace telvane::phonebook
