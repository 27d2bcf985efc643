#include "sms/predefined_texts.h"

#include "sms/settings_text.h"

namespace telvane::sms {

static_assert(std::tuple_size_v<decltype(config::Settings::ptxt)> == kPredefinedTextCount);

std::string EditedText(std::string_view typed) { return OneLineText(typed, kPredefinedEditLimit); }

bool SavePredefinedTexts(const PredefinedTexts& texts, config::Settings& settings,
                         config::ProfileFile& profile) {
  bool written = true;
  for (std::size_t i = 0; i < kPredefinedTextCount; ++i) {
    settings.ptxt[i] = OneLineText(texts[i], config::kPredefinedTextLimit);
    written =
        profile.Write(config::FamilyKey("Ptxt", static_cast<int>(i)), settings.ptxt[i]) && written;
  }
  return written;
}

}  // namespace telvane::sms
