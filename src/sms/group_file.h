// SMS group files ("*.srp"): one member a line, "name,number", no header.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "phonebook/external_book.h"
#include "phonebook/phonebook_entry.h"

namespace telvane::sms {

struct GroupMember {
  std::string name;
  std::string number;
  bool operator==(const GroupMember&) const = default;
};

// Most members a group holds: as many as the external book its members come from.
inline constexpr std::size_t kGroupCapacity = phonebook::kExternalBookCapacity;
// Longest line a reader takes: a name, a comma, a number and a CR. Longer lines are no
// member written by this program and are skipped whole.
inline constexpr std::size_t kGroupLineLimit = phonebook::kNameLimit + phonebook::kNumberLimit + 2;

// The member of one line (without its line feed): a CR before the line end is dropped, the
// number is what follows the last ",", the name what stands before it (so a name may hold
// commas). None for a line without ",". Control characters are dropped from both, and they
// are cut to the phone book's name and number lengths.
std::optional<GroupMember> ParseGroupLine(std::string_view line);

// Gathers members from a group file's bytes, line by line, skipping over-long lines and
// stopping at kGroupCapacity members, so no input can make it hold more than that.
class GroupReader {
 public:
  // False once the group is full: the rest of the input does not matter.
  bool Take(char byte);
  // Takes a last line that has no line feed.
  void Finish();
  std::vector<GroupMember>& Members() { return members_; }
  bool Full() const { return members_.size() >= kGroupCapacity; }

 private:
  void EndLine();

  std::vector<GroupMember> members_;
  std::string line_;
  bool overLong_ = false;
};

// The members of a whole text held in memory.
std::vector<GroupMember> ParseGroupText(std::string_view text);

// The members of the file; none when it cannot be opened.
std::optional<std::vector<GroupMember>> ReadGroupFile(const std::filesystem::path& file);

// The line of a member, "name,number\n". Control characters are dropped, and commas from
// the number, so that the line always reads back as the same member.
std::string GroupLine(const GroupMember& member);

// Writes every member as a line; false when the file could not be created or written.
bool WriteGroupFile(const std::filesystem::path& file, const std::vector<GroupMember>& members);

}  // namespace telvane::sms
