// Cutting a message text into the parts that are sent as independent messages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sms {

// Most characters of a message text that are sent or stored; the rest is dropped.
inline constexpr std::size_t kMessageTextLimit = 4096;

// Characters per part: 160 as 7-bit codes, 140 as 8-bit data.
std::size_t SmsPartLength(bool eightBit);

// Consecutive parts of partLength characters, the last one shorter; none for an empty text
// or a partLength of 0. Each Latin character becomes exactly one GSM code (the alphabet
// table maps byte to byte, without escape sequences), so a 7-bit part of 160 characters
// always fits 160 septets.
std::vector<std::string> SplitIntoParts(std::string_view text, std::size_t partLength);

}  // namespace telvane::sms
