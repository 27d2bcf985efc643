#include "phonebook/file_fields.h"

#include <algorithm>

#include "phonebook/entry_command.h"

namespace telvane::phonebook {

int ParsePosition(std::string_view field, int limit) {
  std::size_t at = field.find_first_not_of(' ');
  if (at == std::string_view::npos) return 0;
  int value = 0;
  bool digits = false;
  for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
    value = value * 10 + (field[at] - '0');
    if (value > limit) return 0;
    digits = true;
  }
  return digits ? value : 0;
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t at = line.find(separator);
    fields.push_back(line.substr(0, at));
    if (at == std::string_view::npos) break;
    line.remove_prefix(at + 1);
  }
  return fields;
}

std::string ExportName(std::string_view name) {
  if (!name.empty() && name.back() == '!') name.remove_suffix(1);
  return CleanName(name);
}

std::string FieldText(std::string_view text, char separator) {
  std::string field = CleanName(text);
  std::replace(field.begin(), field.end(), separator, ' ');
  return field;
}

}  // namespace telvane::phonebook
