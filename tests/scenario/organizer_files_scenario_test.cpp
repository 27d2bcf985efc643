// The organizer's files against the simulated phone: a CSV export, "&Delete organizer"
// and the CSV import of that file leave the phone holding the same entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "support/hex_text.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Slot(int index, const std::string& properties) {
  return R"({"index": )" + std::to_string(index) +
         R"(, "text": "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n)" + properties +
         R"(END:VEVENT\r\nEND:VCALENDAR\r\n"})";
}

// Four entries in slots 1, 2, 4 and 7: every category, alarms and none, repeats and none.
const std::string kPhone =
    R"({"objects": {"vcs": [)" +
    Slot(1, R"(CATEGORIES:MEETING\r\nDTSTART:20261208T090000\r\nDALARM:20261208T090000\r\n)"
            R"(DESCRIPTION:Teamsitzung\r\n)") +
    "," +
    Slot(2, R"(CATEGORIES:ANNIVERSARY\r\nRRULE:Y1\r\nDTSTART:20261214T000000\r\n)"
            R"(DESCRIPTION:Anna\r\n)") +
    "," + Slot(4, R"(CATEGORIES:PHONE CALL\r\nDTSTART:20261209T143000\r\nDESCRIPTION:0301\r\n)") +
    "," +
    Slot(7, R"(CATEGORIES:MISCELLANEOUS\r\nRRULE:W1\r\nDTSTART:20270615T120000\r\n)"
            R"(DALARM:20270615T120000\r\nDESCRIPTION:Tom & Jerry\r\n)") +
    "]}}";

// The commands that write `object` into `slot`: the preparation, then per 100-byte block
// its header and its data line.
Lines Write(int slot, const std::string& properties) {
  const std::string object = "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n" + properties +
                             "END:VEVENT\r\nEND:VCALENDAR\r\n";
  const std::size_t blocks = (object.size() + 99) / 100;
  Lines lines = {"AT^SBNW=\"vcs\",0"};
  for (std::size_t block = 0; block < blocks; ++block) {
    lines.push_back("AT^SBNW=\"vcs\"," + std::to_string(slot) + "," + std::to_string(block + 1) +
                    "," + std::to_string(blocks));
    lines.push_back(Hex(object.substr(block * 100, 100)) + "<SUB>");
  }
  return lines;
}

TEST(OrganizerFilesScenario, CsvExportDeleteAllAndImportGiveThePhoneTheSameEntries) {
  Scenario scenario(kPhone);
  const std::string csv = (scenario.Folder() / "organizer.csv").string();
  const ScriptRun run = scenario.Run("click 1041\nfile " + csv + "\nclick 40024\nexpect opened " +
                                     csv + "\nclick 40049\nanswer yes\nfile " + csv + R"(
click 40026
close
click 1041
expect cell 1047 0 3 2026/12/08
expect cell 1047 0 6 Teamsitzung
expect cell 1047 1 1 Yearly
expect cell 1047 2 5 PHONE CALL
expect cell 1047 3 2 *
expect cell 1047 3 4 12:00
expect cell 1047 3 6 Tom & Jerry
expect cell 1047 4 3 
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 89 Telvane: Shall the whole organizer be deleted?\n");

  Lines expected;
  for (int slot = 1; slot <= 50; ++slot) {
    expected.push_back("AT^SBNW=\"vcs\"," + std::to_string(slot) + ",0");
  }
  for (const Lines& write :
       {Write(1,
              "CATEGORIES:MEETING\r\nDTSTART:20261208T090000\r\nDALARM:20261208T090000\r\n"
              "AALARM:20261208T090000\r\nDESCRIPTION:Teamsitzung\r\n"),
        Write(2,
              "CATEGORIES:ANNIVERSARY\r\nRRULE:Y1\r\nDTSTART:20261214T000000\r\n"
              "DESCRIPTION:Anna\r\n"),
        Write(3, "CATEGORIES:PHONE CALL\r\nDTSTART:20261209T143000\r\nDESCRIPTION:0301\r\n"),
        Write(4,
              "CATEGORIES:MISCELLANEOUS\r\nRRULE:W1\r\nDTSTART:20270615T120000\r\n"
              "DALARM:20270615T120000\r\nAALARM:20270615T120000\r\n"
              "DESCRIPTION:Tom & Jerry\r\n")}) {
    expected.insert(expected.end(), write.begin(), write.end());
  }
  for (int slot = 1; slot <= 50; ++slot) {
    expected.push_back("AT^SBNR=\"vcs\"," + std::to_string(slot));
  }
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNW=\"vcs\",1,0"), expected);
}

}  // namespace
}  // namespace telvane::testing
