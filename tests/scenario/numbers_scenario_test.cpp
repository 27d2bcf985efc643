// A number holding what no number holds is refused, never filtered into another number:
// typed into the address dialog, in a dropped vCard, in the extended CSV import, as the
// normalisation prefix. The phone receives nothing for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// Empty books but for the SIM entry 0301 (for the normalisation).
constexpr char kPhone[] =
    R"({"phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Amt"}]},
        "objects": {"vcf": []}})";

// The commands after the window's last opening read ("AT+CSCA?" and its "AT^SPBS=ME").
Lines AfterOpening(const Scenario& scenario) {
  Lines from = scenario.ReceivedFrom("AT+CSCA?");
  return from.size() < 2 ? Lines{} : Lines(from.begin() + 2, from.end());
}

TEST(NumbersScenario, TheAddressDialogRefusesANumberThatIsNone) {
  Scenario scenario(kPhone, "ReadB=1\n");
  scenario.UseQuickPace();
  const ScriptRun run = scenario.Run(R"(click 1025
rclick 1026
click 40005
expect window 163
type 1266 Miller
type 1273 0301
type 1275 +49"\r\nATD0900;
click 1
expect message 29
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(AfterOpening(scenario), Lines{"AT^SPBS=ME"});
}

// The commands with each data line as "<data>" and its vCard text kept in `cards`.
Lines WithoutData(Lines lines, std::string& cards) {
  for (std::string& line : lines) {
    if (!line.ends_with("<SUB>")) continue;
    cards += Unhex(std::string_view(line).substr(0, line.size() - 5));
    line = "<data>";
  }
  return lines;
}

TEST(NumbersScenario, DroppedCardsWithANumberThatIsNoneAreRefusedOneByOne) {
  Scenario scenario(kPhone, "ReadB=1\n");
  scenario.UseQuickPace();
  const std::filesystem::path cards = scenario.Folder() / "cards.vcf";
  WriteFile(cards,
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Flowers\r\nTEL;CELL:0800-FLOWERS\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Fax\r\nTEL;HOME:0301\r\nTEL;FAX:030;1\r\n"
            "END:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Good\r\nTEL;HOME:+49 (30) 12-3\r\nEND:VCARD\r\n");
  // On the SIM book, then on the address book, which keeps the fax number too.
  const ScriptRun run =
      scenario.Run("click 1025\nselect 1106 0\ndrop 105 " + cards.string() +
                   "\nselect 1106 1\ndrop 105 " + cards.string() + "\nexpect rowcount 1026 1\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string refused = "message 29 Telvane Error: Please enter a telephone number\n";
  EXPECT_EQ(run.out, refused + refused + refused);
  std::string written;
  EXPECT_EQ(WithoutData(AfterOpening(scenario), written), (Lines{"AT^SPBS=SM",
                                                                 "AT+CPBR=?",
                                                                 "AT+CPBR=1",
                                                                 "AT+CPBR=2",
                                                                 "AT+CPBR=3",
                                                                 "AT+CPBR=4",
                                                                 "AT+CPBW=2,0301,129,\"Fax\"",
                                                                 "AT+CPBW=3,+4930123,145,\"Good\"",
                                                                 "AT^SPBS=ME",
                                                                 "AT^SBNR=\"vcf\",0",
                                                                 "AT^SBNR=\"vcf\",1",
                                                                 "AT^SBNR=\"vcf\",2",
                                                                 "AT^SBNR=\"vcf\",3",
                                                                 "AT^SBNR=\"vcf\",4",
                                                                 "AT^SBNR=\"vcf\",5",
                                                                 "AT^SBNR=\"vcf\",6",
                                                                 "AT^SBNR=\"vcf\",7",
                                                                 "AT^SBNR=\"vcf\",8",
                                                                 "AT^SBNR=\"vcf\",9",
                                                                 "AT^SBNW=\"vcf\",1,1,1",
                                                                 "<data>"}));
  EXPECT_NE(written.find("\r\nN:Good\r\nTEL;HOME:+4930123\r\nEND:VCARD\r\n"), std::string::npos)
      << written;
}

TEST(NumbersScenario, ExtendedCsvLinesWithANumberThatIsNoneAreSkipped) {
  Scenario scenario(kPhone, "ReadB=1\n");
  scenario.UseQuickPace();
  const std::filesystem::path csv = scenario.Folder() / "addresses.csv";
  WriteFile(csv,
            "NR;NAME;FIRSTNAME;LASTNAME;COMPANY;STREET;CITY;ZIPCODE;COUNTRY;TELNUM;TELWORK;"
            "TELCELL;TELFAX;EMAIL;WEBPAGE\n"
            "1;Quote;;Quote;;;;;;'0301\"ATD0900;';';';;\n"
            "2;Letters;;Letters;;;;;;'0302;';'0800 FLOWERS;';;\n"
            "3;Good;;Good;;;;;;'030 12-3;';';';;\n");
  const ScriptRun run = scenario.Run("click 1025\nfile " + csv.string() +
                                     "\nanswer no\nrclick 1026\nclick 40019\n"
                                     "expect rowcount 1026 1\nexpect cell 1026 0 2 030123\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 76 Telvane: Overwrite existing entries?\n");
  std::string written;
  EXPECT_EQ(WithoutData(AfterOpening(scenario), written),
            (Lines{"AT^SBNW=\"vcf\",1,1,1", "<data>"}));
  EXPECT_NE(written.find("\r\nN:Good\r\nTEL;HOME:030123\r\nEND:VCARD\r\n"), std::string::npos)
      << written;
}

TEST(NumbersScenario, ANormalisationPrefixThatIsNoNumberIsRefused) {
  Scenario scenario(kPhone, "ReadB=1\nTPref=+49\"ATD\n");
  scenario.UseQuickPace();
  const ScriptRun run =
      scenario.Run("click 1025\nselect 1106 0\nrclick 1026\nclick 40039\nexpect message 77\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(AfterOpening(scenario),
            (Lines{"AT^SPBS=SM", "AT+CPBR=?", "AT+CPBR=1", "AT+CPBR=2", "AT+CPBR=3", "AT+CPBR=4"}));
}

}  // namespace
}  // namespace telvane::testing
