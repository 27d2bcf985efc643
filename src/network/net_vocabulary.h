// The words the network windows show in each language: registration states, phone
// activities, call states and modes, and the column headers. Texts are Latin-1.
#pragma once

#include <string>
#include <string_view>

namespace telvane::network {

inline constexpr int kCallColumnCount = 5;
inline constexpr int kCallColumnDefaultWidths[kCallColumnCount] = {30, 30, 50, 100, 80};

// Names of the values the phone reports; a value past the table's end (or negative) is
// shown as its number.
std::string RegistrationName(int languageId, int state);
std::string ActivityName(int languageId, int activity);
std::string CallStateName(int languageId, int state);
std::string CallModeName(int languageId, int mode);

// Header of call list column 0..4.
std::string_view CallColumnTitle(int languageId, int column);
// Headers of the operator lists: the name column and the mode column.
std::string_view OperatorNameHeader(int languageId);
std::string_view OperatorModeHeader(int languageId);

}  // namespace telvane::network
