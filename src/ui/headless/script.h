// The text of a UI script: one command a line, split into its words.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::ui::headless {

// A malformed script line; `what()` names the line.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptLine {
  int number = 0;                  // 1-based line number in the script file
  std::vector<std::string> words;  // the verb (and for expect its check), then arguments
  std::string text;                // the line after leading blanks, as written (UTF-8)

  // The rest of the line after the first `wordCount` words, with `\n`, `\r` and `\\`
  // unescaped and trailing blanks removed; "" when nothing follows.
  std::string RestAfter(std::size_t wordCount) const;
  // The number of argument words after the verb (and after "expect CHECK").
  std::size_t ArgumentCount() const;
};

inline constexpr std::size_t kMaxScriptLineLength = 65536;
inline constexpr std::size_t kMaxScriptLines = 1000000;

// Reads every command line; blank lines and lines starting with "#" are left out. Throws
// ScriptError for an unknown verb or check, an over-long line, or a bad quote.
std::vector<ScriptLine> ParseScript(std::istream& in, std::string_view scriptName);

// Replaces `\n`, `\r` and `\\`; any other backslash stays as written.
std::string Unescape(std::string_view text);

}  // namespace telvane::ui::headless
