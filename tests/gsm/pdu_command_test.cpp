#include "cli/pdu_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace telvane::cli {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunPdu(std::vector<std::string> args, bool swapDate = false) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunPduCommand(args, swapDate, out, err);
  return {status, out.str(), err.str()};
}

TEST(RunPduCommand, PrintsTheFieldsOfAMessage) {
  const struct {
    std::vector<std::string> args;
    bool swapDate;
    std::string out;
  } cases[] = {
      // A received message.
      {{"1", "07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07"},
       false,
       "date: 02/08/26 19:37:41\nnumber: +31641600986\nreport: no\ntext: How are you?\n"},
      // A status report, with SwapD.
      {{"0", "07911326040000F006350B911346610089F6208062917314082080629173150800"},
       true,
       "date: 26/08/02 19:37:41\nnumber: +31641600986\nreport: yes\ntext: 26/08/02 19:37:51\n"},
      // A stored message to 12345 holding "ä\r\n·" (GSM codes 7B 0A 0D 10): the text as
      // UTF-8 with its control characters escaped.
      {{"2", "00110005812143F50000AA047B450302"},
       false,
       "date: \nnumber: 12345\nreport: no\ntext: \xC3\xA4\\r\\n\xC2\xB7\n"},
      // From the sender "Telvane", a UCS2 text "Ü ж" after a concatenation header.
      {{"0", "00440DD0D432DB1E7697010008208062917314080C050003A7020100DC00200436"},
       false,
       "date: 02/08/26 19:37:41\nnumber: Telvane\nreport: no\ntext: \xC3\x9C ?\n"},
  };
  for (const auto& c : cases) {
    const Result result = RunPdu(c.args, c.swapDate);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, "");
  }
}

TEST(RunPduCommand, DecodesGarbageToEmptyFields) {
  const Result result = RunPdu({"3", "not hex"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "date: \nnumber: \nreport: no\ntext: \n");
}

TEST(RunPduCommand, RejectsBadUsageWithExitStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {}, {"1"}, {"4", "00"}, {"x", "00"}, {"01", "00"}, {"", "00"}, {"1", "00", "extra"}};
  for (const auto& args : bad) {
    const Result result = RunPdu(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("usage: telvane-cli pdu STATUS HEX"), std::string::npos);
  }
}

}  // namespace
}  // namespace telvane::cli
