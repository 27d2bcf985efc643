// The argument words of a UI script line and the control lookup the verbs and checks share.
#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "gsm/latin1_text.h"
#include "ui/headless/headless_dialog.h"
#include "ui/headless/script.h"

namespace telvane::ui::headless {

// The argument words of a line (after the verb, or after "expect CHECK").
class Arguments {
 public:
  explicit Arguments(const ScriptLine& line)
      : line_(line), head_(line.words[0] == "expect" ? 2 : 1) {}

  std::size_t Count() const { return line_.ArgumentCount(); }
  void RequireCount(std::size_t low, std::size_t high, std::string_view usage) const {
    if (Count() < low || Count() > high) throw ScriptError("usage: " + std::string(usage));
  }
  const std::string& Word(std::size_t index) const { return line_.words[head_ + index]; }
  int Int(std::size_t index) const {
    std::string_view word = Word(index);
    if (word.starts_with('+')) word.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
      throw ScriptError("\"" + Word(index) + "\" is not a number");
    }
    return value;
  }
  bool OnOff(std::size_t index) const {
    if (Word(index) == "on") return true;
    if (Word(index) == "off") return false;
    throw ScriptError("expected on or off, found \"" + Word(index) + "\"");
  }
  // The text after the first `count` arguments, unescaped, in ISO 8859-1.
  std::string TextAfter(std::size_t count) const {
    return gsm::Utf8ToLatin1(line_.RestAfter(head_ + count));
  }

 private:
  const ScriptLine& line_;
  std::size_t head_;
};

inline const ControlState& RequireControl(const HeadlessDialog& dialog, int id) {
  const ControlState* control = dialog.Control(id);
  if (!control) {
    throw ScriptError("window " + std::to_string(dialog.TemplateId()) + " has no control " +
                      std::to_string(id));
  }
  return *control;
}

}  // namespace telvane::ui::headless
