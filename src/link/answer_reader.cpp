#include "link/answer_reader.h"

#include "base/decimal.h"

namespace telvane::link {

bool AnswerCursor::SkipTo(std::string_view prefix) {
  const std::size_t at = rest_.find(prefix);
  if (at == std::string_view::npos) return false;
  rest_.remove_prefix(at + prefix.size());
  return true;
}

bool AnswerCursor::SkipPast(char separator) { return MoveTo(separator) && Take(separator); }

bool AnswerCursor::MoveTo(char c) {
  const std::size_t at = rest_.find(c);
  if (at == std::string_view::npos) return false;
  rest_.remove_prefix(at);
  return true;
}

void AnswerCursor::SkipLineBreaks() {
  while (Take('\r') || Take('\n')) {
  }
}

std::optional<AnswerCursor> AnswerCursor::LineAfter(std::string_view prefix) {
  if (!SkipTo(prefix)) return std::nullopt;
  const std::string_view line = UpToControl(rest_);
  rest_.remove_prefix(line.size());
  return AnswerCursor(line);
}

std::optional<int> AnswerCursor::Number() { return base::TakeDecimal(rest_); }

std::optional<std::string_view> AnswerCursor::Quoted() {
  const std::string_view start = rest_;
  if (Expect('"')) {
    if (const std::size_t close = rest_.find('"'); close != std::string_view::npos) {
      const std::string_view text = rest_.substr(0, close);
      rest_.remove_prefix(close + 1);
      return text;
    }
  }
  rest_ = start;
  return std::nullopt;
}

std::optional<NumberRange> AnswerCursor::Range() {
  const std::string_view start = rest_;
  const auto low = Expect('(') ? Number() : std::nullopt;
  const auto high = low && Expect('-') ? Number() : std::nullopt;
  if (high && Expect(')')) return NumberRange{*low, *high};
  rest_ = start;
  return std::nullopt;
}

std::string_view AnswerCursor::Line() {
  SkipBlanks();
  const std::string_view line = UpToControl(rest_);
  rest_.remove_prefix(line.size());
  return line;
}

void AnswerCursor::SkipBlanks() {
  while (Take(' ')) {
  }
}

bool AnswerCursor::Expect(char c) {
  SkipBlanks();
  return Take(c);
}

bool AnswerCursor::Take(char c) {
  if (!rest_.starts_with(c)) return false;
  rest_.remove_prefix(1);
  return true;
}

std::string_view UpToControl(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x20) ++end;
  return text.substr(0, end);
}

std::optional<std::string_view> After(std::string_view answer, std::string_view prefix) {
  AnswerCursor cursor(answer);
  if (!cursor.SkipTo(prefix)) return std::nullopt;
  return cursor.Rest();
}

std::optional<int> NumberAfter(std::string_view answer, std::string_view prefix) {
  AnswerCursor cursor(answer);
  return cursor.SkipTo(prefix) ? cursor.Number() : std::nullopt;
}

std::string StandardShape(std::string_view text) {
  std::string compact;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == ' ' && compact.ends_with(',')) continue;
    if (!quoted && c == ',') {
      while (compact.ends_with(' ')) compact.pop_back();
    }
    compact += c;
  }
  return compact;
}

std::string InformationValue(std::string_view answer, std::string_view prefix) {
  AnswerCursor cursor(answer);
  std::string_view last;
  for (cursor.SkipLineBreaks(); !cursor.AtEnd(); cursor.SkipLineBreaks()) {
    const std::string_view line = cursor.Line();
    if (line == "OK") break;
    if (!line.empty()) last = line;
    if (!cursor.AtEnd() && cursor.Rest().front() != '\r' && cursor.Rest().front() != '\n') {
      cursor = AnswerCursor(cursor.Rest().substr(1));  // a stray control character
    }
  }
  AnswerCursor line(last);
  if (!prefix.empty() && line.StartsWith(prefix)) line.SkipTo(prefix);
  std::string value = StandardShape(line.Line());
  while (!value.empty() && value.back() == ' ') value.pop_back();
  const std::size_t blank = value.rfind(' ');
  return blank == std::string::npos ? value : value.substr(blank + 1);
}

int CountOccurrences(std::string_view answer, std::string_view prefix) {
  if (prefix.empty()) return 0;
  AnswerCursor cursor(answer);
  int count = 0;
  while (cursor.SkipTo(prefix)) ++count;
  return count;
}

}  // namespace telvane::link
