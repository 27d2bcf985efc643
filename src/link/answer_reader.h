// Reading a phone's answer with a cursor that walks it field by field: move behind a
// prefix or a separator, then read a number, a quoted text, a range "(low-high)" or the
// rest of the line. Each read skips the blanks in front of its field; a read that fails
// leaves the cursor where it was. Every read stays inside the text it is given.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace telvane::link {

struct NumberRange {
  int low = 0;
  int high = 0;
};

class AnswerCursor {
 public:
  explicit AnswerCursor(std::string_view text) : rest_(text) {}

  // Moves behind the next `prefix`; false (cursor unchanged) when none follows.
  bool SkipTo(std::string_view prefix);
  // Moves behind the next `separator`; false (cursor unchanged) when none follows.
  bool SkipPast(char separator);
  // Moves in front of the next `c`; false (cursor unchanged) when none follows.
  bool MoveTo(char c);
  // Moves over CR and LF characters.
  void SkipLineBreaks();

  // A cursor over the rest of the line behind the next `prefix` (up to the first control
  // character); this cursor moves to the end of that line. None when no prefix follows.
  std::optional<AnswerCursor> LineAfter(std::string_view prefix);

  // An optional sign and digits up to the first non-digit, saturating at +-INT_MAX.
  std::optional<int> Number();
  // The text between a double quote standing here and the next one.
  std::optional<std::string_view> Quoted();
  // "(low-high)" standing here, ")" included.
  std::optional<NumberRange> Range();
  // The text up to the first control character; the cursor moves to that character.
  std::string_view Line();

  bool StartsWith(std::string_view text) const { return rest_.starts_with(text); }
  bool AtEnd() const { return rest_.empty(); }
  // The text not read yet.
  std::string_view Rest() const { return rest_; }

 private:
  void SkipBlanks();
  // Takes `c` standing here; Expect skips blanks first.
  bool Take(char c);
  bool Expect(char c);

  std::string_view rest_;
};

// The text up to the first control character (below 0x20).
std::string_view UpToControl(std::string_view text);

// The text right after the first `prefix`; none when absent.
std::optional<std::string_view> After(std::string_view answer, std::string_view prefix);

// The number right after the first `prefix` (blanks allowed between).
std::optional<int> NumberAfter(std::string_view answer, std::string_view prefix);

// `text` without the blanks around commas outside double quotes: "0, 0, \"A, B\"" gives
// "0,0,\"A, B\"".
std::string StandardShape(std::string_view text);

// The value of a one-line information answer in its standard shape: the last line before
// the first "OK" line, behind `prefix` when it starts with it, the blanks around commas
// dropped, its last word ("+CSQ: 21, 99" and "+CSQ:21,99" both give "21,99"). Empty when
// no line precedes the "OK".
std::string InformationValue(std::string_view answer, std::string_view prefix);

// How often `prefix` occurs, non-overlapping.
int CountOccurrences(std::string_view answer, std::string_view prefix);

}  // namespace telvane::link
