#include "sms/group_file.h"

#include <cstdio>

#include "base/file_handle.h"
#include "base/replacing_file.h"

namespace telvane::sms {
namespace {

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::string Printable(std::string_view text, std::size_t limit, bool dropCommas) {
  std::string out;
  for (const char c : text) {
    if (out.size() >= limit) break;
    if (!IsControl(c) && !(dropCommas && c == ',')) out += c;
  }
  return out;
}

}  // namespace

std::optional<GroupMember> ParseGroupLine(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  const std::size_t comma = line.rfind(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return GroupMember{Printable(line.substr(0, comma), phonebook::kNameLimit, false),
                     Printable(line.substr(comma + 1), phonebook::kNumberLimit, false)};
}

bool GroupReader::Take(char byte) {
  if (Full()) return false;
  if (byte == '\n') {
    EndLine();
  } else if (line_.size() < kGroupLineLimit) {
    line_ += byte;
  } else {
    overLong_ = true;
  }
  return !Full();
}

void GroupReader::Finish() {
  if (!line_.empty() || overLong_) EndLine();
}

void GroupReader::EndLine() {
  if (!overLong_ && !Full()) {
    if (auto member = ParseGroupLine(line_)) members_.push_back(std::move(*member));
  }
  line_.clear();
  overLong_ = false;
}

std::vector<GroupMember> ParseGroupText(std::string_view text) {
  GroupReader reader;
  for (const char c : text) {
    if (!reader.Take(c)) break;
  }
  reader.Finish();
  return std::move(reader.Members());
}

std::optional<std::vector<GroupMember>> ReadGroupFile(const std::filesystem::path& file) {
  base::FileHandle in = base::OpenFile(file, "rb");
  if (!in) return std::nullopt;
  GroupReader reader;
  for (int c = std::fgetc(in.get()); c != EOF; c = std::fgetc(in.get())) {
    if (!reader.Take(static_cast<char>(c))) break;
  }
  reader.Finish();
  return std::move(reader.Members());
}

std::string GroupLine(const GroupMember& member) {
  return Printable(member.name, phonebook::kNameLimit, false) + "," +
         Printable(member.number, phonebook::kNumberLimit, true) + "\n";
}

bool WriteGroupFile(const std::filesystem::path& file, const std::vector<GroupMember>& members) {
  std::string text;
  for (const GroupMember& member : members) text += GroupLine(member);
  return base::ReplaceFileWith(file, text);
}

}  // namespace telvane::sms
