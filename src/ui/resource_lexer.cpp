#include "ui/resource_lexer.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

#include "gsm/latin1_text.h"

namespace telvane::ui {
namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

ResourceLexer::ResourceLexer(std::string_view text, std::string_view sourceName)
    : text_(text), sourceName_(sourceName) {
  // A byte order mark at the start of a UTF-8 file is not part of the text.
  if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

void ResourceLexer::Fail(int line, std::string_view what) const {
  throw std::runtime_error(std::string(sourceName_) + ":" + std::to_string(line) + ": " +
                           std::string(what));
}

void ResourceLexer::SkipSpaceAndComments() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++pos_;
    } else if (text_.substr(pos_).starts_with("//")) {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    } else {
      return;
    }
  }
}

Token ResourceLexer::Next() {
  SkipSpaceAndComments();
  Token token;
  token.line = line_;
  if (pos_ >= text_.size()) return token;
  const char c = text_[pos_];
  if (c == '"') return ReadString();
  if (IsDigit(c) || (c == '-' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) {
    return ReadNumber();
  }
  if (c == ',' || c == '|') {
    ++pos_;
    token.kind = c == ',' ? TokenKind::Comma : TokenKind::Pipe;
    token.text = std::string(1, c);
    return token;
  }
  if (c == '{' || c == '}') {  // the brace forms of BEGIN and END
    ++pos_;
    token.kind = TokenKind::Word;
    token.text = c == '{' ? "BEGIN" : "END";
    return token;
  }
  if (IsWordStart(c)) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
    token.kind = TokenKind::Word;
    token.text = std::string(text_.substr(start, pos_ - start));
    return token;
  }
  Fail(line_, std::string("unexpected character '") + c + "'");
}

Token ResourceLexer::ReadNumber() {
  Token token;
  token.kind = TokenKind::Number;
  token.line = line_;
  const std::size_t start = pos_;
  bool negative = false;
  if (text_[pos_] == '-') {
    negative = true;
    ++pos_;
  }
  int base = 10;
  if (text_.substr(pos_).starts_with("0x") || text_.substr(pos_).starts_with("0X")) {
    base = 16;
    pos_ += 2;
  }
  const std::size_t digitsStart = pos_;
  while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
  std::string_view digits = text_.substr(digitsStart, pos_ - digitsStart);
  // A trailing "L" (long) suffix is allowed, as resource compilers do.
  if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.remove_suffix(1);
  long long value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      value > 0xFFFFFFFFLL) {
    Fail(line_, "bad number \"" + std::string(text_.substr(start, pos_ - start)) + "\"");
  }
  token.number = negative ? -value : value;
  token.text = std::string(text_.substr(start, pos_ - start));
  return token;
}

Token ResourceLexer::ReadString() {
  Token token;
  token.kind = TokenKind::String;
  token.line = line_;
  ++pos_;  // the opening quote
  std::string utf8;
  while (true) {
    if (pos_ >= text_.size() || text_[pos_] == '\n') Fail(token.line, "unterminated string");
    const char c = text_[pos_++];
    if (c == '"') {
      if (pos_ < text_.size() && text_[pos_] == '"') {  // "" stands for one quote
        utf8.push_back('"');
        ++pos_;
        continue;
      }
      break;
    }
    if (c != '\\') {
      utf8.push_back(c);
      continue;
    }
    if (pos_ >= text_.size()) Fail(token.line, "unterminated string");
    const char escaped = text_[pos_++];
    switch (escaped) {
      case 'n': utf8.push_back('\n'); break;
      case 't': utf8.push_back('\t'); break;
      case 'r': utf8.push_back('\r'); break;
      case '\\': utf8.push_back('\\'); break;
      case '"': utf8.push_back('"'); break;
      default: Fail(token.line, std::string("unknown escape \\") + escaped + " in string");
    }
  }
  if (!gsm::IsValidUtf8(utf8)) Fail(token.line, "string is not valid UTF-8");
  token.text = gsm::Utf8ToLatin1(utf8);
  return token;
}

}  // namespace telvane::ui
