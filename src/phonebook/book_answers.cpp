#include "phonebook/book_answers.h"

#include <string>

#include "gsm/gsm_alphabet.h"
#include "link/answer_reader.h"

namespace telvane::phonebook {
namespace {

struct QuotedField {
  std::string_view text;
  bool closed = false;  // false: the closing quote is missing, the text runs to the line's end
};

// The quoted text the cursor stands in front of.
QuotedField ReadQuoted(link::AnswerCursor& cursor) {
  if (const auto quoted = cursor.Quoted()) return {*quoted, true};
  cursor.SkipPast('"');
  return {link::UpToControl(cursor.Rest()), false};
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
  const QuotedField number = ReadQuoted(cursor);
  entry.number = CutTo(link::UpToControl(number.text), kNumberLimit);
  entry.numberType = NumberTypeOf(entry.number);
  if (!number.closed) return entry;
  link::AnswerCursor type = cursor;  // the name is looked for from the number on
  if (type.SkipPast(',')) entry.numberType = type.Number().value_or(entry.numberType);
  if (cursor.MoveTo('"')) {
    std::string name = CutTo(ReadQuoted(cursor).text, kNameLimit);
    gsm::GsmToLatin(name);
    entry.name = std::move(name);
  }
  return entry;
}

}  // namespace telvane::phonebook
