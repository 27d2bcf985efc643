// Column headers of the group and predefined texts lists, by the program's language.
#pragma once

#include <string_view>

namespace telvane::sms {

// "Name" and "Number" of both lists of the group window.
std::string_view GroupNameTitle(int languageId);
std::string_view GroupNumberTitle(int languageId);
// "Text" and "Nr."/"#" of the predefined texts list.
std::string_view PredefinedTextTitle(int languageId);
std::string_view PredefinedNumberTitle(int languageId);

}  // namespace telvane::sms
