#include "sim/transcript.h"

#include <gtest/gtest.h>

namespace telvane::sim {
namespace {

TEST(TranscriptTest, SplitsAnswersIntoLinesAndShowsControlBytes) {
  Transcript transcript(std::nullopt);
  transcript.Received("AT+CMGS=23");
  transcript.Sent("\r\n> ");
  transcript.Received(EscapeForTranscript(std::string("0011\x1b\r\n", 7)) + "<SUB>");
  transcript.Sent(std::string("\x00\xff\r\n+CMGS: 5\r\n\r\nOK\r\n", 20));
  const std::vector<std::string> expected = {
      "> AT+CMGS=23", "< > ", "> 0011<ESC><CR><LF><SUB>", "< <NUL><FF>", "< +CMGS: 5", "< OK"};
  EXPECT_EQ(transcript.Lines(), expected);
}

}  // namespace
}  // namespace telvane::sim
