#include "gsm/phonebook_escape.h"

#include "gsm/text_replace.h"

namespace telvane::gsm {

void PhonebookEscape(std::string& name) {
  for (const EscapePair& pair : kPhonebookEscapes) {
    ReplaceAll(name, std::string_view(&pair.letter, 1), pair.escape);
  }
}

}  // namespace telvane::gsm
