// The shortest time a conversation with the simulated phone can take: every byte of every
// command and answer on the wire (10 bits a byte), plus the phone's latency before each
// answer. Counted from the simulator's transcript, whose framing is known: a received line
// ended by CR, a data block by its Ctrl-Z (shown as <SUB>), an answer of k lines as
// "\r\nL1\r\n...\r\nLk-1\r\n" then "\r\nFINAL\r\n", and a prompt as "\r\n> ".
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::bench {

// Bytes of a transcript text: each escape (<CR>, <SUB>, <4F>, ...) is one byte.
inline std::size_t UnescapedSize(std::string_view text) {
  static constexpr std::array<std::string_view, 5> kNamed = {"<CR>", "<LF>", "<SUB>", "<ESC>",
                                                             "<NUL>"};
  const auto isHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
  std::size_t size = 0;
  for (std::size_t i = 0; i < text.size(); ++size) {
    std::size_t step = 1;
    if (text[i] == '<') {
      for (std::string_view named : kNamed) {
        if (text.substr(i).starts_with(named)) step = named.size();
      }
      if (step == 1 && i + 3 < text.size() && isHex(text[i + 1]) && isHex(text[i + 2]) &&
          text[i + 3] == '>') {
        step = 4;
      }
    }
    i += step;
  }
  return size;
}

struct WireLimit {
  std::size_t sentBytes = 0;      // to the phone
  std::size_t answerBytes = 0;    // from the phone, echo left out
  std::size_t answeredUnits = 0;  // lines and blocks the phone answered (one latency each)

  double Seconds(int baudRate, std::chrono::milliseconds latency) const {
    return double(sentBytes + answerBytes) * 10.0 / baudRate +
           double(answeredUnits) * std::chrono::duration<double>(latency).count();
  }
};

inline WireLimit CountWire(const std::vector<std::string>& transcript) {
  WireLimit limit;
  std::vector<std::string_view> answer;
  const auto endAnswer = [&] {
    if (answer.empty()) return;
    ++limit.answeredUnits;
    if (answer.size() == 1 && answer.front() == "> ") {
      limit.answerBytes += 4;
    } else {
      for (std::string_view line : answer) limit.answerBytes += UnescapedSize(line);
      limit.answerBytes += 4 + (answer.size() > 1 ? 2 * answer.size() : 0);
    }
    answer.clear();
  };
  for (const std::string& line : transcript) {
    const std::string_view text = std::string_view(line).substr(2);
    if (line.starts_with("> ")) {
      endAnswer();
      const bool block = text.ends_with("<SUB>") || text.ends_with("<ESC>");
      limit.sentBytes += UnescapedSize(text) + (block ? 0 : 1);  // a line's CR
    } else if (line.starts_with("< ")) {
      answer.push_back(text);
    }
  }
  endAnswer();
  return limit;
}

}  // namespace telvane::bench
