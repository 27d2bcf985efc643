// The words the organizer shows in each language: column headers, category labels
// (`CategoryKeyword`) and repeat labels (`RepeatKind`). Texts are Latin-1.
#pragma once

#include <array>
#include <string_view>

namespace telvane::organizer {

inline constexpr int kColumnCount = 7;
inline constexpr int kCategoryCount = 4;
inline constexpr int kRepeatKindCount = 5;

// The vCalendar CATEGORIES words, index 0 to 3.
inline constexpr std::array<std::string_view, kCategoryCount> kCategoryKeywords = {
    "ANNIVERSARY", "MEETING", "MISCELLANEOUS", "PHONE CALL"};
inline constexpr int kCategoryMiscellaneous = 2;
inline constexpr int kCategoryPhoneCall = 3;

// RepeatKind: 0 once, 1 daily, 2 weekly, 3 monthly, 4 yearly; the vCalendar rule of
// kinds 1 to 4.
inline constexpr std::array<std::string_view, kRepeatKindCount> kRepeatRules = {"", "D1", "W1",
                                                                                "M1", "Y1"};

// Header of list column 0..6 in the language; English for languages without a table.
std::string_view ColumnTitle(int languageId, int column);
// Label of category index 0..3 (the vCalendar word in English).
std::string_view CategoryLabel(int languageId, int index);
// Label of repeat kind 0..4.
std::string_view RepeatLabel(int languageId, int kind);

// The index whose label equals `label`, or -1.
int CategoryIndexOfLabel(int languageId, std::string_view label);
int RepeatKindOfLabel(int languageId, std::string_view label);

}  // namespace telvane::organizer
