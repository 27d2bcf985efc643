// Sending a write or delete command to a phone book, with the PIN2 protocol the phone
// demands for the fixed dialling book.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "link/exchange.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

// The result of a write operation for the window: whether the phone and the tables
// changed, the message to show ("Telvane Error"; 0 for none) and the PhonebookTable slot
// the operation changed.
using base::Outcome;

inline constexpr std::size_t kPin2Limit = 19;

// The PIN2 dialog: the text entered on OK (possibly empty), none on Cancel.
using AskPin2 = std::function<std::optional<std::string>()>;

// What a write needs besides the store: the phone, the PIN2 kept for the run and the
// dialog that asks for it.
struct WriteContext {
  link::Exchange& exchange;
  PhonebookStore& store;
  std::optional<std::string>& storedPin2;
  AskPin2 askPin2;
};

// 1 to 19 digits.
bool IsValidPin2(std::string_view pin);
// The phone's answer asks for the PIN2 ("+CME ERROR: SIM PIN2 required", either case).
bool AsksForPin2(std::string_view answer);

enum class Pin2Check { kReady, kCancelled, kInvalid };

// With no stored PIN2: empties it, asks, and keeps a valid answer (1 to 19 digits).
Pin2Check EnsurePin2(WriteContext& context);

enum class SendResult { kAccepted, kFailed, kPin2Rejected };

// Sends `command` to the current book. For the fixed dialling book: AT+CMEE=2, the
// command, on "REQUIRED" AT+CPIN? and AT+CPIN=<PIN2> (a refusal empties the stored
// PIN2 and ends here), then `finalStep` (the command again when empty), then AT+CMEE=0.
// The PIN2 must have been made ready before.
SendResult FixedDiallingWrite(WriteContext& context, std::string_view command,
                              const std::function<bool()>& finalStep = {});

}  // namespace telvane::phonebook
