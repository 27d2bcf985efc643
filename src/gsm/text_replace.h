// In-place replacement used by the exporters to keep separators out of fields.
#pragma once

#include <string>
#include <string_view>

namespace telvane::gsm {

// Replaces every occurrence of search in text by replacement. The scan goes on after each
// inserted replacement, so a replacement that contains the search text cannot loop; an empty
// search text changes nothing. The text grows as needed (a name escaped by PhonebookEscape
// may become three times as long).
void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement);

}  // namespace telvane::gsm
