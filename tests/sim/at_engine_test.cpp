#include "sim/at_engine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <utility>

#include "engine_test.h"
#include "sim/state_json.h"

namespace telvane::sim {
namespace {

TEST(EngineEchoTest, EchoesEachCharacterUntilAte0AndAgainAfterAte1OrAtz) {
  AtEngine engine(DemoPhone());
  EXPECT_EQ(engine.Feed("A"), "A");
  EXPECT_EQ(engine.Feed("T\r"), "T\r\r\nOK\r\n");
  EXPECT_EQ(engine.Feed("ATE0\r"), "ATE0\r\r\nOK\r\n");
  EXPECT_EQ(engine.Feed("AT\r"), "\r\nOK\r\n");
  EXPECT_EQ(engine.Feed("ATE1\r"), "\r\nOK\r\n");
  EXPECT_EQ(engine.Feed("AT\r"), "AT\r\r\nOK\r\n");
  engine.Feed("ATE0\r");
  EXPECT_EQ(engine.Feed("ATZ\r"), "\r\nOK\r\n");
  EXPECT_EQ(engine.Feed("AT\r"), "AT\r\r\nOK\r\n");
}

TEST_F(EngineTest, FramesInformationLinesAndResultCodesAsVerbosePhone) {
  EXPECT_EQ(Send("AT+CBC"), "\r\n+CBC: 0,80\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CGMI"), "\r\nSIEMENS\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("ATI"), "\r\nSIEMENS\r\nS45\r\nREVISION 21\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT"), "\r\nOK\r\n");
  // Numeric result codes after ATV0.
  EXPECT_EQ(Send("ATV0"), "0\r");
  EXPECT_EQ(Send("AT+CSQ"), "+CSQ: 17,99\r\n0\r");
  EXPECT_EQ(Send("AT+NOPE"), "4\r");
  EXPECT_EQ(Send("ATV1"), "\r\nOK\r\n");
}

TEST_F(EngineTest, RecognisesCommandsInEitherCaseAndIgnoresLinesWithoutAttention) {
  EXPECT_EQ(Send("at+cgmm"), "\r\nS45\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("noise"), "");
  EXPECT_EQ(Send("\x1b"), "");
  EXPECT_EQ(engine_->Feed("\n\r\n"), "");
  EXPECT_EQ(Send("xyAT+CGMM"), "\r\nS45\r\n\r\nOK\r\n");  // locks on to "AT" after noise
  EXPECT_EQ(engine_->Feed("AT+CGMX\b\bMM\r"), "\r\nS45\r\n\r\nOK\r\n");
}

TEST_F(EngineTest, UnknownCommandsAndSyntaxErrorsArePlainErrorWhateverCmee) {
  Send("AT+CMEE=2");
  EXPECT_EQ(Send("AT+XYZ"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CBC+CSQ"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT#"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CPBR"), "\r\nERROR\r\n");
}

TEST_F(EngineTest, CmeeChoosesTheErrorForm) {
  EXPECT_EQ(Send("AT+CMEE?"), "\r\n+CMEE: 0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMEE=?"), "\r\n+CMEE: (0-2)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CVIB=7"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CMEE=1"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CVIB=7"), "\r\n+CME ERROR: 4\r\n");
  EXPECT_EQ(Send("AT+CMEE=2"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CVIB=7"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("AT+CMEE?"), "\r\n+CMEE: 2\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMEE=3"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("ATZ"), "\r\nOK\r\n");  // the profile: echo on, CMEE 0
  EXPECT_EQ(engine_->Feed("AT+CVIB=7\r"), "AT+CVIB=7\r\r\nERROR\r\n");
}

TEST_F(EngineTest, RegistrationInAllFormsWithLocationWhateverN) {
  EXPECT_EQ(Send("AT+CREG=?"), "\r\n+CREG: (0-2)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 0,1,\"0F3C\",\"A1B2\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG=2"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 2,1,\"0F3C\",\"A1B2\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG=1"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 1,1,\"0F3C\",\"A1B2\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG"), "\r\nERROR\r\n");
  // A zero byte on the command line is ignored.
  EXPECT_EQ(engine_->Feed(std::string("AT+CREG?\0\r", 10)),
            "\r\n+CREG: 1,1,\"0F3C\",\"A1B2\"\r\n\r\nOK\r\n");
  // Radio off: not registered, no location, no signal, no operator.
  Send("AT+CREG=2");
  EXPECT_EQ(Send("AT+CFUN=0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 2,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSQ"), "\r\n+CSQ: 99,99\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+COPS?"), "\r\n+COPS: 0\r\n\r\nOK\r\n");
  Send("AT+CFUN=1");
  EXPECT_EQ(Send("AT+COPS?"), "\r\n+COPS: 0,0,\"Nordnetz\"\r\n\r\nOK\r\n");
}

TEST_F(EngineTest, StatusAndIdentityAnswers) {
  EXPECT_EQ(Send("AT+CGMR"), "\r\n21\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CGSN"), "\r\n350123451234567\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+GSN"), "\r\n350123451234567\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CIMI"), "\r\n262010123456789\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SCID"), "\r\n^SCID: 89490200001234567892\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CGMI=?"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CGMI?"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CSQ=?"), "\r\n+CSQ: (0-31,99),(0-7,99)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPIN?"), "\r\n+CPIN: READY\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCS=\"UCS2\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCS?"), "\r\n+CSCS: \"UCS2\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNW=?"),
            "\r\n^SBNW: (\"bmp\",(0-3)),(\"mid\",(0-9)),(\"vcf\",(0-500)),(\"vcs\",(0-50))"
            "\r\n\r\nOK\r\n");
}

TEST_F(EngineTest, ChainedCommandsRunInOrderAndStopAtTheFirstError) {
  EXPECT_EQ(Send("AT+CBC;+CSQ"), "\r\n+CBC: 0,80\r\n\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("ATE0V1;+CVIB=1;+BAD;+CVIB=0"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CVIB?"), "\r\n+CVIB: 1\r\n\r\nOK\r\n");
}

TEST_F(EngineTest, AudioSettingsChangeAndReadBack) {
  EXPECT_EQ(Send("AT^SRTC=?"), "\r\n^SRTC: (0-41),(0-4)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC?"), "\r\n^SRTC: 12,3,0\r\n\r\nOK\r\n");
  EXPECT_FALSE(engine_->TakeStateChanged());
  EXPECT_EQ(Send("AT^SRTC=7,2"), "\r\nOK\r\n");
  EXPECT_TRUE(engine_->TakeStateChanged());
  EXPECT_EQ(Send("AT^SRTC"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC?"), "\r\n^SRTC: 7,2,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC=9"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC?"), "\r\n^SRTC: 9,2,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC=0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SRTC?"), "\r\n^SRTC: 0,2,0\r\n\r\nOK\r\n");

  EXPECT_EQ(Send("AT^SNFS=1"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SNFS?"), "\r\n^SNFS: 1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SNFV=4"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SNFV?"), "\r\n^SNFV: 4\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SNFV=?"), "\r\n^SNFV: (0-4)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CVIB=1"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CVIB?"), "\r\n+CVIB: 1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CVIB=?"), "\r\n+CVIB: (0,1)\r\n\r\nOK\r\n");

  const auto& audio = engine_->Snapshot().audio;
  EXPECT_EQ(
      std::tuple(audio.tone, audio.volume, audio.handsfree, audio.handsfreeVolume, audio.vibrator),
      std::tuple(0, 2, true, 4, true));
}

TEST_F(EngineTest, BadParametersAreRefusedAndChangeNothing) {
  for (const char* line : {"AT^SRTC=42",
                           "AT^SRTC=1,5",
                           "AT^SRTC=1,2,3",
                           "AT^SRTC=x",
                           "AT^SNFS=2",
                           "AT^SNFS=",
                           "AT^SNFV=5",
                           "AT+CVIB=-1",
                           "AT+CREG=3",
                           "AT+CNMI=4",
                           "AT+CNMI=1,0,1,0",
                           "AT+CNMI=1,0,0,3",
                           "AT+CNMI=1,0,0,0,0,0",
                           "AT+CNMI=,1",
                           "AT+CSMS=2",
                           "AT^SMGL=5",
                           "AT+CSCS=\"LATIN\"",
                           "AT+CSCS=\"GSM",
                           "ATE2",
                           "AT+CCLK=\"26/02/30,10:00:00\"",
                           "AT+CCLK=\"26/12/06,24:00:00\"",
                           "AT+CCLK=26/12/06,10:00:00",
                           "AT+CCLK=\"26/12/06,10:00:00+99\"",
                           "AT+CFUN=2",
                           "AT+CBC?"}) {
    EXPECT_EQ(Send(line), "\r\nERROR\r\n") << line;
  }
  EXPECT_FALSE(engine_->TakeStateChanged());
  EXPECT_EQ(Send("AT^SRTC?"), "\r\n^SRTC: 12,3,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CNMI?"), "\r\n+CNMI: 0,0,0,0,0\r\n\r\nOK\r\n");
}

TEST_F(EngineTest, MessageServiceAndIndications) {
  EXPECT_EQ(Send("AT+CSMS=1"), "\r\n+CSMS: 1,1,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSMS?"), "\r\n+CSMS: 1,1,1,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CNMI=1,0,0,2"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CNMI?"), "\r\n+CNMI: 1,0,0,2,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CNMI=1,,,0,1"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CNMI?"), "\r\n+CNMI: 1,0,0,0,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CNMI=?"), "\r\n+CNMI: (0-3),(0-3),(0,2,3),(0-2),(0,1)\r\n\r\nOK\r\n");
}

TEST_F(EngineTest, SmglListsUnreadMessagesWithoutMarkingThemRead) {
  const PhoneState before = engine_->Snapshot();
  const std::string expected =
      "\r\n^SMGL: 4,0,,47\r\n" + before.messages[3].pdu + "\r\n^SMGL: 5,0,,57\r\n" +
      before.messages[4].pdu + "\r\n^SMGL: 6,0,,96\r\n" + before.messages[5].pdu +
      "\r\n^SMGL: 15,0,,25\r\n" + before.messages[14].pdu + "\r\n\r\nOK\r\n";
  EXPECT_EQ(Send("AT^SMGL=0"), expected);
  EXPECT_EQ(Send("AT^SMGL=0"), expected);  // still unread
  EXPECT_EQ(Send("AT^SMGL"), expected);
  EXPECT_EQ(engine_->Snapshot().messages[3].status, 0);
  EXPECT_EQ(Send("AT^SMGL=?"), "\r\n^SMGL: (0-4)\r\n\r\nOK\r\n");
  const std::string all = Send("AT^SMGL=4");
  EXPECT_NE(all.find("^SMGL: 1,1,,57\r\n"), std::string::npos);
  EXPECT_NE(all.find("^SMGL: 2,3,,35\r\n"), std::string::npos);
  EXPECT_EQ(Send("AT^SMGL=2"), "\r\nOK\r\n");
}

TEST_F(EngineTest, ClockIsSetValidatedAndKeepsRunning) {
  EXPECT_EQ(Send("AT+CCLK=\"01/08/31,21:55:13\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCLK?"), "\r\n+CCLK: \"01/08/31,21:55:13\"\r\n\r\nOK\r\n");
  now_ += std::chrono::hours(2) + std::chrono::minutes(5);
  EXPECT_EQ(Send("AT+CCLK?"), "\r\n+CCLK: \"01/09/01,00:00:13\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCLK=\"24/02/29,23:59:59+04\""), "\r\nOK\r\n");  // leap day, time zone
  now_ += std::chrono::seconds(1);
  EXPECT_EQ(engine_->Snapshot().clock, "24/03/01,00:00:00");
}

TEST_F(EngineTest, SwitchedOffPhoneAnswersNothing) {
  EXPECT_EQ(Send("AT^SMSO"), "\r\n^SMSO: MS OFF\r\n\r\nOK\r\n");
  EXPECT_TRUE(engine_->PoweredOff());
  EXPECT_EQ(Send("AT"), "");
  EXPECT_EQ(Send("ATZ"), "");
  EXPECT_EQ(engine_->Feed("ATE1\rAT\r"), "");
}

TEST_F(EngineTest, OverlongLineIsDiscardedWithError) {
  const std::string longLine = "AT+CBC" + std::string(AtEngine::kMaxLineBytes + 100, ';');
  EXPECT_EQ(Send(longLine), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CBC"), "\r\n+CBC: 0,80\r\n\r\nOK\r\n");
}

TEST(EngineNoiseTest, ArbitraryBytesNeverBreakTheEngine) {
  std::mt19937 random(20261206);
  const std::vector<std::string> pieces = {
      "AT", "at+cbc", "AT+CREG=", "?",  "=?", ";",    "\"",   ",",   "\r", "\n", "\x1a", "\x1b",
      "\b", "+CNMI=", "^SRTC=",   "99", "-1", "ATV0", "ATQ1", "S0=", "D",  "&",  "E1"};
  AtEngine engine(DemoPhone());
  std::size_t in = 0;
  std::size_t out = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string chunk = random() % 3 == 0 ? std::string(1, static_cast<char>(random() % 256))
                                          : pieces[random() % pieces.size()];
    in += chunk.size();
    out += engine.Feed(chunk).size();
  }
  EXPECT_LT(out, 200 * in);
  EXPECT_LT(engine.Feed(std::string(10000, 'A') + "\r").size(), 10100u);
}

// A command of a later group that prompts for a data block, to test the prompt mode.
class PromptTest : public ::testing::Test {
 protected:
  static CommandTable TableWithBlockCommand(std::string* received) {
    CommandTable table = StandardCommandTable();
    table.Add("+TBLK", [received](CommandContext&, const CommandRequest&) {
      return Reply::Prompt([received](CommandContext&, std::string_view block) {
        *received = std::string(block);
        return Reply::Ok({"+TBLK: " + std::to_string(block.size())});
      });
    });
    return table;
  }

  std::string received_ = "(none)";
  AtEngine engine_{DemoPhone(), TableWithBlockCommand(&received_)};
};

TEST_F(PromptTest, BlockEndsWithCtrlZOrIsCancelledWithEscape) {
  engine_.Feed("ATE0\r");
  EXPECT_EQ(engine_.Feed("AT+TBLK\r"), "\r\n> ");
  EXPECT_EQ(engine_.Feed("0011AT\r"), "");  // in the block, "AT\r" is data
  EXPECT_EQ(engine_.Feed("FF\x1a"), "\r\n+TBLK: 9\r\n\r\nOK\r\n");
  EXPECT_EQ(received_, "0011AT\rFF");

  received_ = "(none)";
  EXPECT_EQ(engine_.Feed("AT+TBLK\r"), "\r\n> ");
  EXPECT_EQ(engine_.Feed("0011\x1b"), "\r\nOK\r\n");
  EXPECT_EQ(received_, "(none)");
  EXPECT_EQ(engine_.Feed("AT\r"), "\r\nOK\r\n");

  EXPECT_EQ(engine_.Feed("AT+TBLK\r"), "\r\n> ");
  EXPECT_EQ(engine_.Feed(std::string(AtEngine::kMaxBlockBytes + 1, '0') + "\x1a"), "\r\nERROR\r\n");
  EXPECT_EQ(received_, "(none)");
}

TEST_F(PromptTest, BlockCharactersAreEchoedWhileEchoIsOn) {
  EXPECT_EQ(engine_.Feed("AT+TBLK\r"), "AT+TBLK\r\r\n> ");
  EXPECT_EQ(engine_.Feed("AB\x1a"), "AB\r\n+TBLK: 2\r\n\r\nOK\r\n");
}

// Automatic selection goes back to the network whose code begins the IMSI (26201 here).
TEST_F(EngineTest, AutomaticSelectionReturnsToTheHomeNetworkOrKeepsSearching) {
  EXPECT_EQ(Send("AT+COPS=1,2,26202"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+COPS?"), "\r\n+COPS: 1,0,\"Suednetz\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+COPS=0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+COPS=3,2;+COPS?"), "\r\n+COPS: 0,2,\"26201\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 0,1,\"0F3C\",\"A1B2\"\r\n\r\nOK\r\n");
  // A home network the search does not find (or a forbidden one) leaves the phone searching.
  PhoneState abroad = DemoPhone();
  abroad.identity.imsi = "262030123456789";  // Westnetz, forbidden
  Start(abroad);
  EXPECT_EQ(Send("AT+COPS=0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 0,2\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+COPS?"), "\r\n+COPS: 0\r\n\r\nOK\r\n");
}

// A "time" route moves on once a point's seconds have passed on the phone's clock.
TEST_F(EngineTest, TimeRouteMovesOnAfterEachPointsSecondsAndLoops) {
  Start(PhoneStateFromJson(R"({"status": {"route": {"advance": "time", "points": [
    {"seconds": 3, "lac": "0001", "ci": "0010"}, {"seconds": 5, "lac": "0002", "ci": "0020"}]}}})"));
  const std::string first = "\r\n+CREG: 0,1,\"0001\",\"0010\"\r\n\r\nOK\r\n";
  const std::string second = "\r\n+CREG: 0,1,\"0002\",\"0020\"\r\n\r\nOK\r\n";
  EXPECT_EQ(Send("AT+CREG?"), first);
  now_ += std::chrono::milliseconds(2999);
  EXPECT_EQ(Send("AT+CREG?"), first);
  now_ += std::chrono::milliseconds(1);
  EXPECT_EQ(Send("AT+CREG?"), second);
  now_ += std::chrono::seconds(5);
  EXPECT_EQ(Send("AT+CREG?"), first);
}

// AT^SMONC: the serving cell, then the route point's neighbours, seven cells in all.
TEST_F(EngineTest, CellMonitorListsServingAndNeighbourCellsFilledUpToSeven) {
  const std::string none = "000,00,0000,0000,00,0,0,0,0";
  std::string points = R"({"seconds": 60, "code": "310410", "lac": "FFFF", "ci": "0000",
    "rssi": 31, "neighbours": [)";
  for (int i = 0; i < 9; ++i) {
    points += std::string(i ? "," : "") + R"({"code": "26202", "ci": "000)" + std::to_string(i) +
              R"(", "bsic": 7, "channel": 1023, "rxlev": )" + std::to_string(i * 7) + "}";
  }
  points += R"(]}, {"rssi": 0}, {"registration": 3})";
  Start(PhoneStateFromJson(R"({"status": {"route": {"advance": "afterCpas", "points": [)" + points +
                           "]}}}"));
  EXPECT_EQ(Send("AT^SMONC=?"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SMONC"),
            "\r\n^SMONC: 310,410,FFFF,0000,32,82,59,51,51,262,02,0F3C,0000,07,1023,0,0,0,"
            "262,02,0F3C,0001,07,1023,7,0,0,262,02,0F3C,0002,07,1023,14,6,6,"
            "262,02,0F3C,0003,07,1023,21,13,13,262,02,0F3C,0004,07,1023,28,20,20,"
            "262,02,0F3C,0005,07,1023,35,27,27\r\n\r\nOK\r\n");
  Send("AT+CPAS");  // no neighbours, the weakest signal
  EXPECT_EQ(Send("AT^SMONC"), "\r\n^SMONC: 262,01,0F3C,A1B2,32,82,0,0,0," + none + "," + none +
                                  "," + none + "," + none + "," + none + "," + none +
                                  "\r\n\r\nOK\r\n");
  Send("AT+CPAS");  // not registered: no cell at all
  const std::string seven =
      none + "," + none + "," + none + "," + none + "," + none + "," + none + "," + none;
  EXPECT_EQ(Send("AT^SMONC"), "\r\n^SMONC: " + seven + "\r\n\r\nOK\r\n");
  EXPECT_THROW(PhoneStateFromJson(R"({"status": {"route": {"points": [
    {"neighbours": [{"bsic": 78}]}]}}})"),
               std::runtime_error);
}

}  // namespace
}  // namespace telvane::sim
