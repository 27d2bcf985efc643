// Program text (ISO 8859-1) as the script runner prints it: UTF-8 on one line.
#pragma once

#include <string>
#include <string_view>

namespace telvane::ui::headless {

// UTF-8, with a line break written as \n, a carriage return as \r, a backslash as \\.
std::string OutputText(std::string_view latin1);
// OutputText in double quotes, with a quote written as \".
std::string Quoted(std::string_view latin1);

}  // namespace telvane::ui::headless
