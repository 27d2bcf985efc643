// Splits the text of a resource file into tokens: words, numbers, quoted strings and the
// punctuation "," and "|". "//" starts a comment to the end of the line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telvane::ui {

enum class TokenKind { End, Word, Number, String, Comma, Pipe };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // a word as written; a string's contents, unescaped and in ISO 8859-1
  long long number = 0;
  int line = 1;
};

class ResourceLexer {
 public:
  ResourceLexer(std::string_view text, std::string_view sourceName);

  // The next token; TokenKind::End at the end of the text. Throws std::runtime_error
  // naming the file and line on a malformed token.
  Token Next();
  [[noreturn]] void Fail(int line, std::string_view what) const;

 private:
  void SkipSpaceAndComments();
  Token ReadString();
  Token ReadNumber();

  std::string_view text_;
  std::string_view sourceName_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace telvane::ui
