// The content lines of vCard, vCalendar and iCalendar files: folded physical lines joined
// into one property, its name and parameters, and its value decoded (quoted-printable,
// CHARSET, UTF-8) into the program's Latin-1 text. The card and calendar readers share it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace telvane::phonebook {

// A joined property is kept up to this many bytes.
inline constexpr std::size_t kUnfoldedLimit = 4095;

struct ContentLine {
  std::string name;                // upper case, without a group prefix
  std::vector<std::string> types;  // TYPE values and bare parameters ("HOME", "PREF")
  // Every parameter as written, the key in upper case and the value unquoted; a bare
  // parameter has the key "TYPE".
  std::vector<std::pair<std::string, std::string>> parameters;
  std::string charset;  // upper case
  bool quotedPrintable = false;
  bool binary = false;  // BASE64 or ENCODING=B
  std::string_view value;

  bool Has(std::string_view type) const;
  // The value of parameter `key` (upper case), if given.
  std::optional<std::string_view> Parameter(std::string_view key) const;
};

std::string UpperCase(std::string_view text);

// "NAME;PARAM=x;BARE:value"; nothing without a ":" outside quotes. The value stays a view
// into `line`.
std::optional<ContentLine> ParseContentLine(std::string_view line);

// "=XX" octets decoded; a lone "=" (a soft line break) dropped.
std::string DecodeQuotedPrintable(std::string_view text);

// The value in Latin-1: quoted-printable decoded; UTF-8 (declared, or well-formed UTF-8 as
// most programs write without saying so) converted; other text taken as Latin-1.
std::string Latin1Value(const ContentLine& line);

// Joins physical lines into logical ones: a line starting with a blank or tab continues
// the one before, and so does every line after a quoted-printable value that ends in "=".
class ContentLineJoiner {
 public:
  // Takes the next physical line (without its line end); returns the logical line it
  // completed, if any.
  std::optional<std::string> Add(std::string_view physical);
  // The last logical line, at the end of the file.
  std::optional<std::string> Finish();

 private:
  void Append(std::string_view text);

  std::string pending_;
  bool softBreak_ = false;
};

}  // namespace telvane::phonebook
