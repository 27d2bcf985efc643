#include "phonebook/book_answers.h"

#include <string>

#include "gsm/gsm_alphabet.h"
#include "link/answer_reader.h"

namespace telvane::phonebook {
namespace {

int NumberOrZero(std::string_view text) { return link::LeadingNumber(text).value_or(0); }

// The text from `from` up to the next double quote (or the end); `end` receives the
// place of that quote.
std::string_view UpToQuote(std::string_view text, std::size_t from, std::size_t& end) {
  end = text.find('"', from);
  const std::size_t stop = end == std::string_view::npos ? text.size() : end;
  return text.substr(from, stop - from);
}

}  // namespace

void ParseBookRange(std::string_view answer, BookCapacity& capacity) {
  const std::size_t open = answer.find('(');
  if (open != std::string_view::npos) {
    capacity.first = NumberOrZero(answer.substr(open + 1));
    const std::size_t dash = answer.find('-', open);
    if (dash != std::string_view::npos) capacity.last = NumberOrZero(answer.substr(dash + 1));
  }
  const std::size_t comma = answer.find(',');
  if (comma == std::string_view::npos) return;
  capacity.numberLength = NumberOrZero(answer.substr(comma + 1));
  const std::size_t next = answer.find(',', comma + 1);
  if (next != std::string_view::npos) capacity.textLength = NumberOrZero(answer.substr(next + 1));
}

std::optional<PhonebookEntry> ParseEntryAnswer(std::string_view answer, int position) {
  const std::size_t open = answer.find('"');
  if (open == std::string_view::npos) return std::nullopt;
  PhonebookEntry entry;
  entry.position = position;
  std::size_t close = 0;
  entry.number = CutTo(link::UpToControl(UpToQuote(answer, open + 1, close)), kNumberLimit);
  if (close == std::string_view::npos) {
    entry.numberType = NumberTypeOf(entry.number);
    return entry;
  }
  const std::string_view rest = answer.substr(close + 1);
  entry.numberType = link::NumberAfterSeparator(rest, ',').value_or(NumberTypeOf(entry.number));
  const std::size_t nameOpen = rest.find('"');
  if (nameOpen != std::string_view::npos) {
    std::size_t nameClose = 0;
    std::string_view raw = UpToQuote(rest, nameOpen + 1, nameClose);
    if (nameClose == std::string_view::npos) raw = link::UpToControl(raw);  // unclosed
    std::string name = CutTo(raw, kNameLimit);
    gsm::GsmToLatin(name);
    entry.name = std::move(name);
  }
  return entry;
}

}  // namespace telvane::phonebook
