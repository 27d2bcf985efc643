// The fifty predefined texts: the settings' "Ptxt%d" values and how the predefined texts
// window changes and saves them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "config/profile_file.h"
#include "config/settings.h"

namespace telvane::sms {

inline constexpr std::size_t kPredefinedTextCount = 50;
// Characters an edited text keeps (one message part).
inline constexpr std::size_t kPredefinedEditLimit = 160;

using PredefinedTexts = std::array<std::string, kPredefinedTextCount>;

// A text as an in-place edit leaves it: one line, at most 160 characters.
std::string EditedText(std::string_view typed);

// Stores every text in the settings and writes each to "Ptxt<i>", the empty ones too, so a
// text deleted in the window stays deleted at the next start. Texts are kept to the slot of
// 199 characters. False when the settings file could not be written.
bool SavePredefinedTexts(const PredefinedTexts& texts, config::Settings& settings,
                         config::ProfileFile& profile);

}  // namespace telvane::sms
