#include "phonebook/vcard_file.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "phonebook/content_line.h"
#include "phonebook/entry_command.h"
#include "phonebook/file_fields.h"
#include "phonebook/phonebook_entry.h"
#include "phonebook/phonebook_store.h"
#include "phonebook/text_lines.h"

namespace telvane::phonebook {
namespace {

constexpr std::size_t kLineLimit = 1023;

// The ";"-separated components, each with the escapes "\;", "\,", "\\", "\n" resolved and
// control characters dropped.
std::vector<std::string> Components(std::string_view value) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      parts.back() += (next == 'n' || next == 'N') ? ' ' : next;
    } else if (c == ';') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  for (std::string& part : parts) part = CleanName(part);
  return parts;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string text;
  for (const std::string& part : parts) {
    if (&part != &parts.front()) text += separator;
    text += part;
  }
  return text;
}

std::string Component(const std::vector<std::string>& parts, std::size_t index) {
  return index < parts.size() ? CutTo(parts[index], kFieldLimit) : std::string{};
}

// A field that several properties may fill: a higher rank replaces a lower one, the first
// of equal rank stays.
struct Candidate {
  int rank = -1;
  void Offer(std::string& field, int offered, std::string value) {
    if (offered <= rank || value.empty()) return;
    rank = offered;
    field = std::move(value);
  }
};

class CardBuilder {
 public:
  void Take(const ContentLine& property) {
    if (property.binary) return;
    const std::string& name = property.name;
    const std::string value = Latin1Value(property);
    const int pref = property.Has("PREF") ? 1 : 0;
    if (name == "FN") {
      contact_.formattedName = CutTo(Joined(Components(value), ";"), kNameLimit);
    } else if (name == "N") {
      const auto parts = Components(value);
      contact_.lastName = Component(parts, 0);
      contact_.firstName = Component(parts, 1);
    } else if (name == "ORG") {
      auto parts = Components(value);
      std::erase(parts, std::string{});
      contact_.company = CutTo(Joined(parts, ", "), kFieldLimit);
    } else if (name == "URL") {
      url_.Offer(contact_.webAddress, pref, CutTo(CleanName(value), kFieldLimit));
    } else if (name == "EMAIL") {
      email_.Offer(contact_.email, pref, CutTo(CleanName(value), kFieldLimit));
    } else if (name == "ADR") {
      TakeAddress(Components(value), (property.Has("HOME") ? 2 : 0) + pref);
    } else if (name == "TEL") {
      // A value that is no number stays as the card holds it, for the writers to refuse.
      const std::optional<std::string> dial = DialNumber(value);
      TakeNumber(property, dial ? *dial : value, pref);
    }
  }
  const VcardContact& Contact() const { return contact_; }

 private:
  void TakeAddress(const std::vector<std::string>& parts, int rank) {
    if (rank <= address_.rank) return;
    address_.rank = rank;
    contact_.street = Component(parts, 2);
    contact_.city = Component(parts, 3);
    contact_.postalCode = Component(parts, 5);
    contact_.country = Component(parts, 6);
  }
  void TakeNumber(const ContentLine& property, std::string number, int pref) {
    if (property.Has("PAGER") || property.Has("MODEM") || property.Has("BBS")) return;
    if (property.Has("FAX")) {
      const int place = property.Has("HOME") ? 2 : property.Has("WORK") ? 1 : 0;
      fax_.Offer(contact_.faxNumber, place * 2 + pref, std::move(number));
    } else if (property.Has("CELL") || property.Has("MOBILE")) {
      cell_.Offer(contact_.cellNumber, pref, std::move(number));
    } else if (property.Has("WORK")) {
      work_.Offer(contact_.workNumber, pref, std::move(number));
    } else {
      home_.Offer(contact_.homeNumber, (property.Has("HOME") ? 2 : 0) + pref, std::move(number));
    }
  }

  VcardContact contact_;
  Candidate url_, email_, address_, fax_, cell_, work_, home_;
};

// Joins folded physical lines into properties and builds the cards between BEGIN and END.
class CardReader {
 public:
  explicit CardReader(const std::function<bool(const VcardContact&)>& card) : card_(card) {}

  // False once the caller wants no more cards.
  bool Line(std::string_view line) {
    const std::optional<std::string> done = joiner_.Add(line);
    return !done || Take(*done);
  }
  bool Finish() {
    const std::optional<std::string> done = joiner_.Finish();
    return !done || Take(*done);
  }

 private:
  bool Take(const std::string& line) {
    const std::optional<ContentLine> property = ParseContentLine(line);
    if (!property) return true;
    const std::string value = UpperCase(property->value);
    if (property->name == "BEGIN" && value.starts_with("VCARD")) {
      builder_.emplace();
    } else if (property->name == "END" && value.starts_with("VCARD")) {
      if (!builder_) return true;
      const bool more = card_(builder_->Contact());
      builder_.reset();
      return more;
    } else if (builder_) {
      builder_->Take(*property);
    }
    return true;
  }

  const std::function<bool(const VcardContact&)>& card_;
  std::optional<CardBuilder> builder_;
  ContentLineJoiner joiner_;
};

}  // namespace

std::string VcardContact::DisplayName() const {
  if (!formattedName.empty()) return formattedName;
  std::string name = lastName;
  if (!firstName.empty()) name += ";" + firstName;
  return CutTo(name, kNameLimit);
}

bool ReadVcardFile(const std::filesystem::path& file,
                   const std::function<bool(const VcardContact&)>& card) {
  BoundedLineReader reader(file, kLineLimit);
  if (!reader.IsOpen()) return false;
  CardReader cards(card);
  TextLine line;
  bool first = true;
  while (reader.Next(line)) {
    std::string_view text = line.text;
    if (first && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // UTF-8 byte order mark
    first = false;
    if (line.overlong) continue;
    if (!cards.Line(text)) return true;
  }
  cards.Finish();
  return true;
}

}  // namespace telvane::phonebook
