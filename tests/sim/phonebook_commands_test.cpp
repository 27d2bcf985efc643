// Phone books as the program and standard tools use them: selection, reading, writing with
// escaped names, the Redbook, and PIN2 before fixed-dialling writes.
#include <gtest/gtest.h>

#include <string>

#include "engine_test.h"
#include "sim/text_encoding.h"

namespace telvane::sim {
namespace {

class PhonebookCommandsTest : public EngineTest {
 protected:
  static std::string Ok(std::string_view line) {
    return "\r\n" + std::string(line) + "\r\n\r\nOK\r\n";
  }
};

TEST_F(PhonebookCommandsTest, ReadsSimEntriesSingleAndAsRange) {
  EXPECT_EQ(Send("AT^SPBS=SM"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBR=?"), Ok("+CPBR: (1-250),40,16"));
  EXPECT_EQ(Send("AT+CPBR=3"), Ok("+CPBR: 3,\"+491702345678\",145,\"Anna Schmidt\""));
  EXPECT_EQ(Send("AT+CPBR=13"), "\r\nOK\r\n");  // an empty position
  EXPECT_EQ(Send("AT+CPBR=43"), Ok("+CPBR: 43,\"112\",129,\"Notruf\""));
  // A range leaves out the empty position 13.
  EXPECT_EQ(Send("AT+CPBR=12,14"),
            "\r\n+CPBR: 12,\"+33612345678\",145,\"Am\x05lie Moreau\"\r\n"
            "+CPBR: 14,\"+491715566778\",145,\"Tobias Fischer\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBS?"), Ok("+CPBS: \"SM\",43,250"));
  EXPECT_EQ(Send("AT+CPBR=251"), "\r\nERROR\r\n");
  Send("AT+CMEE=2");
  EXPECT_EQ(Send("AT+CPBR=0"), "\r\n+CME ERROR: invalid index\r\n");
  EXPECT_EQ(Send("AT+CPBS=\"XX\""), "\r\n+CME ERROR: operation not supported\r\n");
}

TEST_F(PhonebookCommandsTest, NamesAreGsmCodesOnTheWireAndUcs2HexAfterCscs) {
  // "Jürgen Müller": ü is the GSM code 0x7E.
  EXPECT_EQ(Send("AT+CPBR=4"), Ok("+CPBR: 4,\"+491523456789\",145,\"J~rgen M~ller\""));
  Send("AT+CSCS=\"UCS2\"");
  EXPECT_EQ(Send("AT+CPBR=2"), Ok("+CPBR: 2,\"+4930123456\",145,\"0050006100700061\""));
  EXPECT_EQ(Send("AT+CPBW=50,\"0301\",129,\"004F006D00E4\""), "\r\nOK\r\n");  // "Omä"
  Send("AT+CSCS=\"GSM\"");
  EXPECT_EQ(Send("AT+CPBR=50"), Ok("+CPBR: 50,\"0301\",129,\"Om{\""));
}

TEST_F(PhonebookCommandsTest, WritesEscapedNamesFirstFreeAndDeletes) {
  // As the program sends it: number unquoted, ö escaped as \7C, @ as \00.
  EXPECT_EQ(Send("AT+CPBW=12,+4930,145,\"J\\7Crg \\00 Home\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBR=12"),
            Ok(std::string("+CPBR: 12,\"+4930\",145,\"J|rg ") + '\0' + " Home\""));
  EXPECT_EQ(engine_->Snapshot().books.sim.Find(12)->name, std::string("J\x7Crg \0 Home", 11));
  // Type 145 without "+" is shown with it; an empty position takes the first free one (13).
  EXPECT_EQ(Send("AT+CPBW=,\"4989\",145,\"Neu\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBR=13"), Ok("+CPBR: 13,\"+4989\",145,\"Neu\""));
  EXPECT_EQ(Send("AT+CPBW=13"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBR=13"), "\r\nOK\r\n");
  // A quote as \22, read back the same way; an unquoted name loses its blanks.
  EXPECT_EQ(Send("AT+CPBW=47,0301,129,\"Bar \\22X\\22\""), "\r\nOK\r\n");
  EXPECT_EQ(engine_->Snapshot().books.sim.Find(47)->name, "Bar \"X\"");
  EXPECT_EQ(Send("AT+CPBR=47"), Ok("+CPBR: 47,\"0301\",129,\"Bar \\22X\\22\""));
  // Outside quotes the line is read in capitals.
  EXPECT_EQ(Send("AT+CPBW=48,0302,129,Anna Maria"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBR=48"), Ok("+CPBR: 48,\"0302\",129,\"ANNAMARIA\""));

  Send("AT+CMEE=2");
  EXPECT_EQ(Send("AT+CPBW=46,0301,129,\"\\7\""),
            "\r\n+CME ERROR: invalid characters in text string\r\n");
  EXPECT_EQ(Send("AT+CPBW=46,0301,129,\"a\\0Db\""),  // a CR would break the answer line
            "\r\n+CME ERROR: invalid characters in text string\r\n");
  EXPECT_EQ(Send("AT+CPBW=46,0301,129,\"Seventeen chars!!\""),
            "\r\n+CME ERROR: text string too long\r\n");
  EXPECT_EQ(Send("AT+CPBW=46,03x1,129,\"Bad\""),
            "\r\n+CME ERROR: invalid characters in dial string\r\n");
  EXPECT_EQ(Send("AT+CPBW=46,0301,128,\"Bad\""), "\r\n+CME ERROR: operation not supported\r\n");
  Send("AT+CPBS=LD");
  EXPECT_EQ(Send("AT+CPBW=1,0301,129,\"X\""), "\r\n+CME ERROR: operation not allowed\r\n");
  EXPECT_EQ(engine_->Snapshot().books.sim.Find(46), nullptr);
}

TEST_F(PhonebookCommandsTest, FixedDiallingWriteWantsPin2AsThePhoneDoes) {
  Send("AT^SPBS=FD");
  EXPECT_EQ(Send("AT+CPIN?"), Ok("+CPIN: READY"));
  EXPECT_EQ(Send("AT+CPBW=6,110,129,\"Polizei\""), "\r\nERROR\r\n");
  Send("AT+CMEE=2");
  EXPECT_EQ(Send("AT+CPBW=6,110,129,\"Polizei\""), "\r\n+CME ERROR: SIM PIN2 required\r\n");
  EXPECT_EQ(Send("AT+CPIN?"), Ok("+CPIN: SIM PIN2"));
  EXPECT_EQ(Send("AT+CPIN=4321"), "\r\n+CME ERROR: incorrect password\r\n");
  EXPECT_EQ(Send("AT+CPBW=6"), "\r\n+CME ERROR: SIM PIN2 required\r\n");
  EXPECT_EQ(Send("AT+CPIN=1234"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPIN?"), Ok("+CPIN: READY"));
  EXPECT_EQ(Send("AT+CPBW=6,110,129,\"Polizei\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPBR=6"), Ok("+CPBR: 6,\"110\",129,\"Polizei\""));
  // ATZ does not forget the PIN2; reading FD never needed it.
  Send("ATZ");
  Send("ATE0");
  EXPECT_EQ(Send("AT+CPBW=6"), "\r\nOK\r\n");
}

TEST_F(PhonebookCommandsTest, RedbookListsMarkedEntriesAndVipCards) {
  EXPECT_EQ(Send("AT^SPBS=RD"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SPBG=?"), Ok("^SPBG: (1-30),40,16"));
  EXPECT_EQ(Send("AT^SPBG=1"), Ok("^SPBG: 1,\"+491711234567\",145,\"Mama!\""));
  EXPECT_EQ(Send("AT^SPBG=2"), Ok("^SPBG: 2,\"+4930123987\",145,\"Schmidt;Anna!\""));
  // Marking a SIM entry puts it into the Redbook, after the other SIM entries.
  Send("AT^SPBS=SM");
  Send("AT+CPBW=3,+491702345678,145,\"Anna Schmidt!\"");
  EXPECT_EQ(Send("AT^SPBG=2"), Ok("^SPBG: 2,\"+491702345678\",145,\"Anna Schmidt!\""));
  EXPECT_EQ(Send("AT^SPBG=30"), "\r\nOK\r\n");
}

TEST_F(PhonebookCommandsTest, OwnNumbersCallListsAndAddressBookView) {
  Send("AT+CPBS=ON");
  EXPECT_EQ(Send("AT+CPBR=1"), Ok("+CPBR: 1,\"+491701112233\",145,\"Eigene Nummer\""));
  Send("AT+CPBS=\"LD\"");
  EXPECT_EQ(Send("AT+CPBR=3"), Ok("+CPBR: 3,\"0891\",129,\"\""));
  Send("AT+CPBS=ME");
  EXPECT_EQ(Send("AT+CPBR=4"), Ok("+CPBR: 4,\"+14155550123\",145,\"Miller;John\""));
  EXPECT_EQ(Send("AT+CPBW=4,123,129,\"X\""), "\r\nERROR\r\n");
}

}  // namespace
}  // namespace telvane::sim
