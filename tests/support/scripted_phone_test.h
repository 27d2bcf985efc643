// A scripted phone for tests of the phone's subsystems: answers queued in order, and the
// commands sent since the last look.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "link/link_fixture.h"

namespace telvane::testing {

using Lines = std::vector<std::string>;
inline constexpr const char* kOk = "\r\nOK\r\n";

class ScriptedPhoneTest : public SerialExchangeTest {
 protected:
  // The commands sent since the last call: all of them are in the peer's record once a
  // closing "AT" has been answered.
  Lines SentLines() {
    peer_.Reply(kOk);
    EXPECT_TRUE(exchange_.SendCommand("AT"));
    const Lines all = peer_.Lines();
    Lines recent(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end() - 1);
    seen_ = all.size();
    return recent;
  }
  void Replies(std::initializer_list<std::string> answers) {
    for (const std::string& answer : answers) peer_.Reply(answer);
  }

 private:
  std::size_t seen_ = 0;
};

}  // namespace telvane::testing
