// Cross-check against an independent encoder: gammu builds SMS-SUBMIT PDUs and the SMS list
// decoder must read each back to the same number and text; for plain 7-bit texts our own
// SMS-SUBMIT must equal gammu's octet for octet. 7-bit messages come from gammu's
// "displaysms", which encodes without a phone; 8-bit messages from "addsms" of a backup file,
// stored with AT+CMGW on the simulated phone. UCS2 texts and texts gammu cuts into parts with
// a concatenation header ("displaysms" -unicode, -len) decode to their texts.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gsm/latin1_text.h"
#include "gsm/listed_pdu.h"
#include "gsm/submit_pdu.h"
#include "sim/pty_phone.h"
#include "support/child_process.h"
#include "support/hex_text.h"
#include "support/temp_dir.h"

namespace telvane::gsm {
namespace {

constexpr auto kGammuTimeLimit = std::chrono::seconds(60);

// Runs a program and returns its standard output.
std::string RunAndCapture(const std::string& program, const std::vector<std::string>& args) {
  std::vector<std::string> command{program};
  command.insert(command.end(), args.begin(), args.end());
  return telvane::testing::RunProgram(command, {}, kGammuTimeLimit).out;
}

// The PDUs gammu prints as "Whole PDU : HEX".
std::vector<std::string> WholePdus(const std::string& output) {
  std::vector<std::string> pdus;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.starts_with("Whole PDU")) continue;
    const auto colon = line.find(": ");
    if (colon != std::string::npos) pdus.push_back(line.substr(colon + 2));
  }
  return pdus;
}

struct CrossCase {
  std::string number;
  std::string utf8Text;  // what gammu is given
  std::string expectedNumber;
  std::string expectedText;             // ISO 8859-1, as the SMS list shows it
  std::vector<std::string> options{};   // further gammu options
  std::optional<SubmitRequest> ours{};  // our own SMS-SUBMIT must equal gammu's
};

// A plain 7-bit text (ISO 8859-1, characters both sides map alike) through the centre
// +491234567890, valid for 1 day ("DAY") or 3 ("3DAYS"): gammu's PDU and ours agree.
CrossCase Plain(const std::string& number, const std::string& text, int validityDays, bool report) {
  SubmitRequest request;
  request.serviceCentre = "+491234567890";
  request.destination = number;
  request.text = text;
  request.validityDays = validityDays;
  request.statusReport = report;
  std::vector<std::string> options = {"-smscnumber", "+491234567890", "-validity",
                                      validityDays == 1 ? "DAY" : "3DAYS"};
  if (report) options.push_back("-report");
  return {number, gsm::Latin1ToUtf8(text), number, text, options, request};
}

std::vector<CrossCase> SevenBitCases() {
  const std::string german =
      "Gr\xFC\xDF"
      "e aus K\xF6ln! \xC4\xD6\xDC \xE4\xF6\xFC \xE9\xE8\xF9\xEC\xF2 "
      "\xC7 \xD1\xF1 \xE0 \xC5\xE5 \xC6\xE6 \xD8\xF8 \xC9 \xA3\xA5\xA7\xBF $_@";
  std::string full;
  for (int i = 0; i < 16; ++i) full += "0123456789";
  return {
      {"+491701234567", "hello_world @x", "+491701234567", "hello_world @x"},
      {"12345", "Hi", "12345", "Hi"},
      {"0049301234", "a", "+49301234", "a"},
      {"+353861234567", gsm::Latin1ToUtf8(german), "+353861234567", german},
      {"12345678901234567890", "12345678@", "12345678901234567890", "12345678@"},
      {"5550100", "1234567@", "5550100", "1234567@"},
      {"+12", full, "+12", full},
      {"+447700900123", "", "+447700900123", ""},
      // GSM line feed shows as carriage return; Greek capitals and the escape code as the
      // middle dot; characters of the extension table as a middle dot and the code after it.
      {"+4930123", "line1\nline2", "+4930123", "line1\rline2"},
      {"+4930123", "\xCE\x94\xCE\xA6\xCE\x93", "+4930123", "\xB7\xB7\xB7"},
      {"+4930123", "[x]{y}~\xE2\x82\xAC", "+4930123",
       "\xB7<x\xB7>\xB7(y\xB7)\xB7=\xB7"
       "e"},
      // Service centre, status report, validity and flash change nothing the list shows.
      {"+491701234567",
       "Report please",
       "+491701234567",
       "Report please",
       {"-smscnumber", "+491234567890", "-report", "-validity", "DAY"}},
      {"+491701234567", "Flash!", "+491701234567", "Flash!", {"-flash"}},
      Plain("+491701234567", "hellohello", 1, false),
      Plain("01701234567", "Caf\xE9 @ 5$ _x_ \xC4\xD6\xDC\xE4\xF6\xFC\xDF \xA3\xA5\xA7\xBF\xE0", 3,
            true),
      Plain("12345", "12345678@", 1, true),
      Plain("+3531234567890123", std::string(160, 'z'), 3, false),
  };
}

std::string FindGammu() { return telvane::testing::FindOnPath("gammu").value_or(""); }

constexpr const char* kNoGammu =
    "gammu is not on PATH: install the Debian package \"gammu\" to run this cross-check "
    "(the CI test script installs it)";

// A gammu configuration that encodes without a phone.
std::string DummyConfig(const telvane::testing::TempDir& dir) {
  const std::string config = (dir / "gammurc-dummy").string();
  std::ofstream(config) << "[gammu]\nconnection = none\nmodel = dummy\ndevice = "
                        << ::testing::TempDir() << "\n";
  return config;
}

TEST(GammuCrossCheck, SevenBitMessagesFromGammuReadBackAndPlainOnesEqualOurs) {
  const std::string gammu = FindGammu();
  ASSERT_FALSE(gammu.empty()) << kNoGammu;
  const telvane::testing::TempDir dir;
  const std::string config = DummyConfig(dir);

  for (const CrossCase& cross : SevenBitCases()) {
    std::vector<std::string> args = {"-c", config, "displaysms", "TEXT", cross.number};
    args.insert(args.end(), cross.options.begin(), cross.options.end());
    args.insert(args.end(), {"-textutf8", cross.utf8Text});
    const std::vector<std::string> pdus = WholePdus(RunAndCapture(gammu, args));
    ASSERT_EQ(pdus.size(), 1u) << "gammu gave no single PDU for " << cross.number << " "
                               << cross.utf8Text;
    for (int status : {2, 3}) {
      const ListedPdu row = DecodeListedPdu(pdus[0], status, false);
      EXPECT_EQ(row.number, cross.expectedNumber) << pdus[0];
      EXPECT_EQ(row.text, cross.expectedText) << pdus[0];
      EXPECT_EQ(row.date, "");
      EXPECT_FALSE(row.statusReport);
    }
    if (cross.ours) {
      const auto ours = BuildSubmitPdu(*cross.ours);
      ASSERT_TRUE(ours);
      EXPECT_EQ(ours->hex, pdus[0]) << cross.expectedText;
    }
  }
}

struct LongCase {
  std::vector<std::string> options;  // -unicode, -len
  std::string utf8Text;
  std::string expectedText;  // ISO 8859-1, all parts joined
  std::size_t parts;
};

std::vector<LongCase> LongCases() {
  std::string digits;
  for (int i = 0; i < 20; ++i) digits += "0123456789";
  std::string latin;  // 100 characters, 67 and 33 in two UCS2 parts
  for (int i = 0; i < 10; ++i) latin += "\xC4rger \xFC\xDF ";
  const std::string mixed =
      "Gr\xC3\xBC\xC3\x9F\xC3\xA9, \xD0\xBC\xD0\xB8\xD1\x80 \xE2\x82\xAC"
      "5 \xF0\x9F\x98\x80!";
  return {
      {{"-unicode"}, mixed, "Gr\xFC\xDF\xE9, ??? ?5 ?!", 1},
      // Characters the GSM table would change come through UCS2 unchanged.
      {{"-unicode"}, "{[\\]}|^\r\n@$_", "{[\\]}|^\r\n@$_", 1},
      {{"-len", "200"}, digits, digits, 2},
      {{"-unicode", "-len", "100"}, gsm::Latin1ToUtf8(latin), latin, 2},
  };
}

// UCS2 texts, and texts long enough for gammu to cut into parts with a concatenation header:
// each part decodes to its piece of the text.
TEST(GammuCrossCheck, PdusFromGammuDisplaysmsUnicodeAndLenDecodeToTheirTexts) {
  const std::string gammu = FindGammu();
  ASSERT_FALSE(gammu.empty()) << kNoGammu;
  const telvane::testing::TempDir dir;
  const std::string config = DummyConfig(dir);

  for (const LongCase& cross : LongCases()) {
    std::vector<std::string> args = {"-c", config, "displaysms", "TEXT", "+491701234567"};
    args.insert(args.end(), cross.options.begin(), cross.options.end());
    args.insert(args.end(), {"-textutf8", cross.utf8Text});
    const std::vector<std::string> pdus = WholePdus(RunAndCapture(gammu, args));
    ASSERT_EQ(pdus.size(), cross.parts) << cross.utf8Text;
    for (int status : {2, 3}) {
      std::string joined;
      for (const std::string& pdu : pdus) {
        const ListedPdu row = DecodeListedPdu(pdu, status, false);
        EXPECT_EQ(row.number, "+491701234567") << pdu;
        joined += row.text;
      }
      EXPECT_EQ(joined, cross.expectedText);
    }
  }
}

struct EightBitCase {
  std::string number;
  std::string bytes;
  std::string expectedNumber;
  std::string expectedText;  // the bytes through the GSM table, as the SMS list shows them
};

std::vector<EightBitCase> EightBitCases() {
  std::string full;
  for (int i = 0; i < 140; ++i) full.push_back(static_cast<char>('A' + i % 26));
  return {
      {"+491701234567", std::string("\xE4\x5F\x0D\x40\xFF\x00", 6), "+491701234567",
       std::string("\xE4\xA7\n@\xFF@", 6)},
      {"0123456789", "Hello 8-bit", "0123456789", "Hello 8-bit"},
      {"+3531234567", full, "+3531234567", full},
      {"5550100", std::string("\x01\x02\x1B\x80", 4), "5550100", "\xA3$\xB7\x80"},
  };
}

TEST(GammuCrossCheck, EightBitMessagesStoredByGammuReadBack) {
  const std::string gammu = FindGammu();
  ASSERT_FALSE(gammu.empty()) << kNoGammu;
  sim::PhoneState empty = sim::DemoPhone();
  empty.messages.clear();
  const auto phone = sim::PtyPhone::Start(std::move(empty), {});
  const telvane::testing::TempDir dir;
  const std::string config = (dir / "gammurc-at").string();
  std::ofstream(config) << "[gammu]\nconnection = at\ndevice = " << phone->DevicePath() << "\n";

  const std::vector<EightBitCase> cases = EightBitCases();
  const std::string backup = (dir / "8bit.smsbackup").string();
  {
    std::ofstream file(backup);
    for (std::size_t i = 0; i < cases.size(); ++i) {
      file << "[SMSBackup" << (i < 10 ? "00" : "0") << i << "]\nPDU = Submit\nState = UnSent\n"
           << "Number = \"" << cases[i].number
           << "\"\nCoding = 8bit\nText00 = " << telvane::testing::Hex(cases[i].bytes)
           << "\nLength = " << cases[i].bytes.size() << "\nFolder = 2\nClass = 1\n\n";
    }
  }
  RunAndCapture(gammu, {"-c", config, "addsms", "2", backup, "-yes"});

  std::vector<std::string> pdus;
  for (const sim::StoredMessage& stored : phone->StateSnapshot().messages)
    pdus.push_back(stored.pdu);
  ASSERT_EQ(pdus.size(), cases.size()) << "gammu did not store every message";
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (int status : {2, 3}) {
      const ListedPdu row = DecodeListedPdu(pdus[i], status, false);
      EXPECT_EQ(row.number, cases[i].expectedNumber) << pdus[i];
      EXPECT_EQ(row.text, cases[i].expectedText) << pdus[i];
    }
  }
}

}  // namespace
}  // namespace telvane::gsm
