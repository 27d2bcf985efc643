#include "phonebook/book_answers.h"

#include <string>

#include "gsm/gsm_alphabet.h"
#include "link/answer_reader.h"

namespace telvane::phonebook {
namespace {

// The quoted text the cursor stands in front of; an unclosed one runs to the line's end.
// `closed` tells which of the two it was.
std::string_view QuotedField(link::AnswerCursor& cursor, bool& closed) {
  const auto quoted = cursor.Quoted();
  closed = quoted.has_value();
  if (closed) return *quoted;
  cursor.SkipPast('"');
  return link::UpToControl(cursor.Rest());
}

}  // namespace

void ParseBookRange(std::string_view answer, BookCapacity& capacity) {
  link::AnswerCursor cursor(answer);
  cursor.SkipPast(':');
  if (const auto range = cursor.Range()) {
    capacity.first = range->low;
    capacity.last = range->high;
  }
  if (!cursor.SkipPast(',')) return;
  capacity.numberLength = cursor.Number().value_or(0);
  if (cursor.SkipPast(',')) capacity.textLength = cursor.Number().value_or(0);
}

std::optional<PhonebookEntry> ParseEntryAnswer(std::string_view answer, int position) {
  link::AnswerCursor cursor(answer);
  if (!cursor.MoveTo('"')) return std::nullopt;
  PhonebookEntry entry;
  entry.position = position;
  bool closed = false;
  entry.number = CutTo(link::UpToControl(QuotedField(cursor, closed)), kNumberLimit);
  const int typeByNumber = NumberTypeOf(entry.number);
  link::AnswerCursor type = cursor;
  entry.numberType = closed && type.SkipPast(',') ? type.Number().value_or(typeByNumber) : typeByNumber;
  if (closed && cursor.MoveTo('"')) {
    std::string name = CutTo(QuotedField(cursor, closed), kNameLimit);
    gsm::GsmToLatin(name);
    entry.name = std::move(name);
  }
  return entry;
}

}  // namespace telvane::phonebook
