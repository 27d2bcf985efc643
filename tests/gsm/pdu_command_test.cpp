#include "cli/pdu_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "gsm/submit_pdu.h"

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

TEST(RunPduCommand, PrintsTheFieldsOfAReceivedMessage) {
  const Result result =
      RunPdu({"1", "07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "date: 02/08/26 19:37:41\n"
            "number: +31641600986\n"
            "report: no\n"
            "text: How are you?\n");
  EXPECT_EQ(result.err, "");
}

TEST(RunPduCommand, AppliesSwapDAndMarksStatusReports) {
  const Result result =
      RunPdu({"0", "07911326040000F006350B911346610089F6208062917314082080629173150800"}, true);
  EXPECT_EQ(result.out,
            "date: 26/08/02 19:37:41\n"
            "number: +31641600986\n"
            "report: yes\n"
            "text: 26/08/02 19:37:51\n");
}

TEST(RunPduCommand, PrintsTextAsUtf8WithControlCharactersEscaped) {
  gsm::SubmitRequest request;
  request.destination = "12345";
  request.text = "\xE4\r\n\xB7";
  const auto pdu = gsm::BuildSubmitPdu(request);
  ASSERT_TRUE(pdu);
  const Result result = RunPdu({"2", pdu->hex});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "date: \n"
            "number: 12345\n"
            "report: no\n"
            "text: \xC3\xA4\\r\\n\xC2\xB7\n");
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
