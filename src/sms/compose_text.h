// What the compose dialogs compute from the message text as it is typed: the counters
// and the "#k#" shortcut for a predefined text.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace telvane::sms {

inline constexpr int kPredefinedTextCount = 50;

struct MessageCounters {
  std::size_t characters = 0;  // "Characters:"
  std::size_t left = 0;        // characters left in the last part
  std::size_t parts = 0;       // "Message:"
};

// n characters in parts of partLength: p = ceil(n / partLength) (0 for an empty text), and
// p * partLength - n left in the last part.
MessageCounters CountMessage(std::size_t characters, std::size_t partLength);

// The text with the shortcut applied: when it holds "#", then a number k of 1..50 and a
// second "#", everything from the first "#" on becomes predefined text k. None when there
// is no such shortcut or predefined text k is empty (the typed text then stays as it is).
std::optional<std::string> ExpandPredefinedShortcut(std::string_view text,
                                                    std::span<const std::string> predefined);

}  // namespace telvane::sms
