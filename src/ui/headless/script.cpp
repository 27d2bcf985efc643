#include "ui/headless/script.h"

#include <algorithm>
#include <array>

namespace telvane::ui::headless {
namespace {

constexpr std::array<std::string_view, 21> kVerbs = {
    "click",  "check",  "type",   "select", "rows", "dblclick",  "key",
    "header", "rclick", "updown", "date",   "time", "drop",      "timer",
    "close",  "answer", "file",   "print",  "dump", "helpfails", "edit"};
constexpr std::array<std::string_view, 15> kChecks = {
    "text",   "checked", "enabled", "rowcount", "cell", "message", "bitmap", "pos",
    "window", "opened",  "item",    "current",  "rows", "caption", "visible"};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Splits into words at blanks; "double quotes" keep a word with blanks together. A word
// starting with "#" starts a comment.
std::vector<std::string> SplitWords(std::string_view text, int lineNumber,
                                    std::string_view scriptName) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (true) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos >= text.size() || text[pos] == '#') break;
    std::string word;
    if (text[pos] == '"') {
      const std::size_t close = text.find('"', pos + 1);
      if (close == std::string_view::npos) {
        throw ScriptError(std::string(scriptName) + ":" + std::to_string(lineNumber) +
                          ": unterminated quote");
      }
      word = text.substr(pos + 1, close - pos - 1);
      pos = close + 1;
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && !IsBlank(text[pos])) ++pos;
      word = text.substr(start, pos - start);
    }
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next == 'n' || next == 'r' || next == '\\') {
        out.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : '\\');
        ++i;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string ScriptLine::RestAfter(std::size_t wordCount) const {
  std::string_view rest = text;
  for (std::size_t i = 0; i < wordCount; ++i) {
    std::size_t pos = 0;
    while (pos < rest.size() && IsBlank(rest[pos])) ++pos;
    while (pos < rest.size() && !IsBlank(rest[pos])) ++pos;
    rest.remove_prefix(pos);
  }
  // One run of blanks separates the text from the words before it.
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
  return Unescape(rest);
}

std::size_t ScriptLine::ArgumentCount() const {
  const std::size_t head = !words.empty() && words[0] == "expect" ? 2 : 1;
  return words.size() > head ? words.size() - head : 0;
}

std::vector<ScriptLine> ParseScript(std::istream& in, std::string_view scriptName) {
  std::vector<ScriptLine> lines;
  std::string raw;
  int number = 0;
  const auto fail = [&](const std::string& what) {
    throw ScriptError(std::string(scriptName) + ":" + std::to_string(number) + ": " + what);
  };
  while (std::getline(in, raw)) {
    ++number;
    if (raw.size() > kMaxScriptLineLength) fail("line too long");
    if (static_cast<std::size_t>(number) > kMaxScriptLines) fail("script too long");
    std::string_view text = raw;
    if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // byte order mark
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    if (text.empty() || text.front() == '#') continue;
    ScriptLine line;
    line.number = number;
    line.text = std::string(text);
    line.words = SplitWords(text, number, scriptName);
    const std::string& verb = line.words.front();
    if (verb == "expect") {
      if (line.words.size() < 2) fail("expect needs a check");
      if (!Contains(kChecks, line.words[1])) fail("unknown check \"" + line.words[1] + "\"");
    } else if (!Contains(kVerbs, verb)) {
      fail("unknown verb \"" + verb + "\"");
    }
    lines.push_back(std::move(line));
  }
  if (in.bad()) throw ScriptError(std::string(scriptName) + ": read error");
  return lines;
}

}  // namespace telvane::ui::headless
