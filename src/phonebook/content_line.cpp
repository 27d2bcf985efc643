#include "phonebook/content_line.h"

#include <algorithm>
#include <cctype>

#include "gsm/hex.h"
#include "gsm/latin1_text.h"
#include "phonebook/file_fields.h"

namespace telvane::phonebook {
namespace {

std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

void AddParameter(ContentLine& line, std::string_view parameter) {
  const std::size_t equals = parameter.find('=');
  const std::string key =
      equals == std::string_view::npos ? "TYPE" : UpperCase(parameter.substr(0, equals));
  const std::string_view raw =
      Unquoted(equals == std::string_view::npos ? parameter : parameter.substr(equals + 1));
  line.parameters.emplace_back(key, std::string(raw));
  const std::string value = UpperCase(raw);
  if (value == "QUOTED-PRINTABLE") {
    line.quotedPrintable = true;
  } else if (value == "BASE64" || (key == "ENCODING" && value == "B")) {
    line.binary = true;
  } else if (key == "CHARSET") {
    line.charset = value;
  } else if (key == "TYPE") {
    for (std::string_view type : SplitFields(value, ',')) line.types.emplace_back(type);
  } else if (key == "PREF") {
    line.types.emplace_back("PREF");
  }
}

}  // namespace

bool ContentLine::Has(std::string_view type) const {
  return std::find(types.begin(), types.end(), type) != types.end();
}

std::optional<std::string_view> ContentLine::Parameter(std::string_view key) const {
  for (const auto& [name, value] : parameters) {
    if (name == key) return std::string_view(value);
  }
  return std::nullopt;
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::optional<ContentLine> ParseContentLine(std::string_view text) {
  bool quoted = false;
  std::size_t colon = 0;
  for (; colon < text.size(); ++colon) {
    if (text[colon] == '"') quoted = !quoted;
    if (text[colon] == ':' && !quoted) break;
  }
  if (colon >= text.size()) return std::nullopt;
  ContentLine line;
  line.value = text.substr(colon + 1);
  const std::vector<std::string_view> head = SplitFields(text.substr(0, colon), ';');
  std::string_view name = head.front();
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos)
    name.remove_prefix(dot + 1);
  line.name = UpperCase(name);
  for (std::size_t i = 1; i < head.size(); ++i) AddParameter(line, head[i]);
  return line;
}

std::string DecodeQuotedPrintable(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '=') {
      bytes += text[i];
    } else if (const auto octet = gsm::ReadHexOctet(text, i + 1)) {
      bytes += static_cast<char>(*octet);
      i += 2;
    }
  }
  return bytes;
}

std::string Latin1Value(const ContentLine& line) {
  std::string bytes =
      line.quotedPrintable ? DecodeQuotedPrintable(line.value) : std::string(line.value);
  if (line.charset == "UTF-8" || (line.charset.empty() && gsm::IsValidUtf8(bytes))) {
    return gsm::Utf8ToLatin1(bytes);
  }
  return bytes;
}

std::optional<std::string> ContentLineJoiner::Add(std::string_view physical) {
  const bool continues = !physical.empty() && (physical.front() == ' ' || physical.front() == '\t');
  if (continues && !pending_.empty()) {
    Append(physical.substr(1));
    return std::nullopt;
  }
  if (softBreak_) {
    Append(physical);
    return std::nullopt;
  }
  std::optional<std::string> done = Finish();
  Append(physical);
  return done;
}

std::optional<std::string> ContentLineJoiner::Finish() {
  std::string line;
  line.swap(pending_);
  softBreak_ = false;
  if (line.empty()) return std::nullopt;
  return line;
}

void ContentLineJoiner::Append(std::string_view text) {
  pending_.append(text.substr(0, kUnfoldedLimit - std::min(kUnfoldedLimit, pending_.size())));
  // A quoted-printable value ending in "=" goes on in the next line.
  softBreak_ = !pending_.empty() && pending_.back() == '=' &&
               UpperCase(std::string_view(pending_).substr(0, pending_.find(':')))
                       .find("QUOTED-PRINTABLE") != std::string::npos;
  if (softBreak_) pending_.pop_back();
}

}  // namespace telvane::phonebook
