// Feeds arbitrary AT+CMGL answers to the "+CMGL:" parser and the SMS list's rows. The first
// byte picks the SwapD setting; the rest is the answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "link/answer_reader.h"
#include "sms/message_listing.h"
#include "sms/sms_list.h"

namespace {

bool Digits(std::string_view text) {
  return text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool swapDate = (data[0] & 1) != 0;
  const std::string_view answer(reinterpret_cast<const char*>(data + 1), size - 1);

  telvane::phonebook::ExternalBookTable book;
  book.Add({1, "+491701234567", 145, "Carla+"});
  book.Add({2, "0301234567", 129, "Anna"});

  const auto messages = telvane::sms::ParseMessageListing(answer, swapDate);
  // At most one entry per header.
  if (messages.size() > static_cast<std::size_t>(telvane::link::CountOccurrences(answer, "+CMGL:")))
    std::abort();
  int position = 0;
  for (const auto& message : messages) {
    const auto row = telvane::sms::MakeSmsListRow(message, position++, book);
    // The index and status go back to the phone in AT+CMGD and into the View dialog.
    if (!Digits(row.cells[telvane::sms::kColIndex]) ||
        !Digits(row.cells[telvane::sms::kColStatus]) ||
        row.cells[telvane::sms::kColStatus].size() > 11) {
      std::abort();
    }
    if (telvane::sms::CompareSmsRows(row, row, telvane::sms::kColIndex) != 0) std::abort();
  }
  return 0;
}
