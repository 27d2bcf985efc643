// Feeds arbitrary bytes to the SMS group file reader, as a group file a user loads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sms/group_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto members = telvane::sms::ParseGroupText(text);

  // The group keeps to its capacity, and no member carries a control character (a line
  // end, Ctrl-Z) into a command or file, or grows beyond a phone book name or number.
  if (members.size() > telvane::sms::kGroupCapacity) std::abort();
  for (const auto& member : members) {
    if (member.name.size() > telvane::phonebook::kNameLimit ||
        member.number.size() > telvane::phonebook::kNumberLimit ||
        member.number.find(',') != std::string_view::npos) {
      std::abort();
    }
    for (const char c : member.name + member.number) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x20 || byte == 0x7F) std::abort();
    }
    // A member written and read again stays the same member.
    const auto again = telvane::sms::ParseGroupText(telvane::sms::GroupLine(member));
    if (again.size() != 1 || !(again.front() == member)) std::abort();
  }
  return 0;
}
