// The organizer window against the simulated phone: the fifty reads, adding, modifying and
// deleting with the exact commands, refusals that keep the rows, and the checks that send
// nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Event(const std::string& properties) {
  return "BEGIN:VCALENDAR\\r\\nVERSION:1.0\\r\\nBEGIN:VEVENT\\r\\n" + properties +
         "END:VEVENT\\r\\nEND:VCALENDAR\\r\\n";
}

std::string Slot(int index, const std::string& properties) {
  return R"({"index": )" + std::to_string(index) + R"(, "text": ")" + Event(properties) + "\"}";
}

// Slots 1, 2 and 4 hold entries, and 7 unless `withSlot7` is false.
std::string Phone(const std::string& faults = "", bool withSlot7 = true) {
  std::string slots =
      Slot(1,
           "CATEGORIES:MEETING\\r\\nDTSTART:20261208T090000\\r\\nDALARM:20261208T090000\\r\\n"
           "DESCRIPTION:Teamsitzung\\r\\n") +
      "," +
      Slot(2,
           "CATEGORIES:ANNIVERSARY\\r\\nRRULE:Y1\\r\\nDTSTART:20261214T000000\\r\\n"
           "DESCRIPTION:Anna\\r\\n") +
      "," +
      Slot(4, "CATEGORIES:PHONE CALL\\r\\nDTSTART:20261209T143000\\r\\nDESCRIPTION:0301\\r\\n");
  if (withSlot7) {
    slots += "," + Slot(7,
                        "CATEGORIES:ANNIVERSARY\\r\\nRRULE:Y1\\r\\nDTSTART:20270615T120000\\r\\n"
                        "DALARM:20270615T120000\\r\\nDESCRIPTION:Hochzeitstag\\r\\n");
  }
  return R"({"objects": {"vcs": [)" + slots + R"(]}, "faults": [)" + faults + "]}";
}

Lines Reads(int last) {
  Lines reads;
  for (int slot = 1; slot <= last; ++slot)
    reads.push_back("AT^SBNR=\"vcs\"," + std::to_string(slot));
  return reads;
}

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// MEETING, weekly, alarm, 2001-12-24 18:30, "Xmas party": the eleven lines in two blocks.
const Lines kXmasBlocks = {
    "424547494E3A5643414C454E4441520D0A56455253494F4E3A312E300D0A424547494E3A564556454E540D0A"
    "43415445474F524945533A4D454554494E470D0A5252554C453A57310D0A445453544152543A3230303131"
    "323234543138333030300D0A44<SUB>",
    "414C41524D3A3230303131323234543138333030300D0A41414C41524D3A32303031313232345431383330"
    "30300D0A4445534352495054494F4E3A586D61732070617274790D0A454E443A564556454E540D0A454E44"
    "3A5643414C454E4441520D0A<SUB>"};

constexpr const char* kTypeXmas = R"(
select 1050 1
select 1067 2
check 1205 on
date 1049 2001-12-24
time 1048 18:30
type 1051 Xmas party
)";

TEST(OrganizerScenario, ReadsFiftySlotsAddsIntoTheFirstFreeOneAndShowsItAgain) {
  Scenario scenario(Phone());
  const ScriptRun run = scenario.Run(std::string(R"(
click 1041
expect window 108
expect rowcount 1047 50
expect cell 1047 0 0 1
expect cell 1047 0 2 *
expect cell 1047 0 3 2026/12/08
expect cell 1047 0 4 09:00
expect cell 1047 0 5 MEETING
expect cell 1047 0 6 Teamsitzung
expect cell 1047 1 1 Yearly
expect cell 1047 2 3 
expect cell 1047 49 0 50
expect rowcount 1050 4
expect rowcount 1067 5
expect text 1050 ANNIVERSARY
expect text 1067 Date
type 1051 Xmas party for everyone
expect message 30
)") + kTypeXmas + R"(
click 1052
expect cell 1047 2 1 Weekly
expect cell 1047 2 3 2001/12/24
close
click 1041
expect cell 1047 2 0 3
expect cell 1047 2 1 Weekly
expect cell 1047 2 2 *
expect cell 1047 2 3 2001/12/24
expect cell 1047 2 4 18:30
expect cell 1047 2 5 MEETING
expect cell 1047 2 6 Xmas party
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNR=\"vcs\",1"),
            Concat({Reads(50),
                    {"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",3,1,2", kXmasBlocks[0],
                     "AT^SBNW=\"vcs\",3,2,2", kXmasBlocks[1]},
                    Reads(50)}));
  EXPECT_NE(ReadFile(scenario.SettingsFile()).find("OCol6=160"), std::string::npos);
}

TEST(OrganizerScenario, ModifyOfSlotSevenWritesItThereAndARowGoesToTheReplyDialog) {
  Scenario scenario(Phone());
  const ScriptRun run = scenario.Run(R"(
click 1041
dblclick 1047 6
expect window 142
expect text 1170 7
expect text 1167 ANNIVERSARY
expect text 1168 Yearly
expect checked 1208 on
expect text 1169 Hochzeitstag
dump 1165
select 1167 2
select 1168 1
check 1208 off
date 1165 2027-01-02
time 1166 06:30
type 1169 Yoga am Morgen um sechs
expect message 30
type 1169 Yoga am Morgen
click 1
expect window 108
expect cell 1047 6 1 Daily
expect cell 1047 6 2 
expect cell 1047 6 3 2027/01/02
expect cell 1047 6 6 Yoga am Morgen
rows 1047 0
rclick 1047
click 40057
expect window 122
expect text 1077 2026/12/08 09:00 MEETING Teamsitzung
close
expect window 108
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("control 1165 Calendar text=\"\" enabled=on visible=on date=2027-06-15 "
                         "time=00:00:00 bold=2027-06-15"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNW=\"vcs\",0"),
            (Lines{"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",7,1,2",
                   "424547494E3A5643414C454E4441520D0A56455253494F4E3A312E300D0A424547494E3A5645"
                   "56454E540D0A43415445474F524945533A4D495343454C4C414E454F55530D0A5252554C453A"
                   "44310D0A445453544152543A323032373031303254303633<SUB>",
                   "AT^SBNW=\"vcs\",7,2,2",
                   "3030300D0A4445534352495054494F4E3A596F676120616D204D6F7267656E0D0A454E443A56"
                   "4556454E540D0A454E443A5643414C454E4441520D0A<SUB>",
                   // The reply dialog reads the service centre.
                   "AT+CSCA?"}));
}

TEST(OrganizerScenario, DeletesTheSelectedSlotAfterASortAndTheWholeOrganizer) {
  // Erasing slot 1 is refused twice: its row stays, "Can't delete entry" once for all 50.
  Scenario scenario(
      Phone(R"({"kind": "error", "command": "AT^SBNW=\"vcs\",1,0", "count": 2})", false));
  const ScriptRun run = scenario.Run(R"(
click 1041
header 1047 3
expect cell 1047 0 0 3
expect cell 1047 47 0 1
expect cell 1047 48 0 4
expect cell 1047 49 0 2
rows 1047 48
click 1053
expect cell 1047 48 0 4
expect cell 1047 48 3 
rows 1047 49
key 1047 delete
answer no
rows 1047 47
click 1053
expect message 50
expect cell 1047 47 6 Teamsitzung
click 40049
answer yes
expect message 50
header 1047 0
expect cell 1047 0 6 Teamsitzung
expect cell 1047 1 3 
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  Lines erases = {"AT^SBNW=\"vcs\",4,0", "AT^SBNW=\"vcs\",1,0"};
  for (int slot = 1; slot <= 50; ++slot) {
    erases.push_back("AT^SBNW=\"vcs\"," + std::to_string(slot) + ",0");
  }
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNW=\"vcs\",4,0"), erases);
  EXPECT_NE(run.out.find("message 14 "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("message 89 "), std::string::npos) << run.out;
}

TEST(OrganizerScenario, RefusedBlockKeepsTheRowAndChecksSendNothing) {
  // Slot 3 is the only free one. A block header is refused once, then the second block's
  // data line once (one message each, the row kept); a PHONE CALL needs a number; once
  // slot 3 is written Add finds no free slot.
  std::string others;
  for (int slot = 5; slot <= 50; ++slot) {
    if (slot != 7) others += "," + Slot(slot, "DESCRIPTION:x\\r\\n");
  }
  std::string state = Phone(R"({"kind": "error", "command": "AT^SBNW=\"vcs\",3,1", "count": 1},
                               {"kind": "error", "command": "414C41524D", "count": 1})");
  state.insert(state.find("]}, \"faults\""), others);
  Scenario scenario(state);
  const ScriptRun run = scenario.Run(std::string(R"(
click 1041
)") + kTypeXmas + R"(
click 1052
expect message 33
click 1052
expect message 33
expect cell 1047 2 3 
expect cell 1047 2 6 
select 1050 3
type 1051 Anna
click 1052
expect message 31
select 1050 1
type 1051 Xmas party
click 1052
expect cell 1047 2 6 Xmas party
click 1052
expect message 32
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const Lines write = {"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",3,1,2", kXmasBlocks[0],
                       "AT^SBNW=\"vcs\",3,2,2", kXmasBlocks[1]};
  // A refused header ends its write.
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNW=\"vcs\",0"),
            Concat({{"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",3,1,2"}, write, write}));
  int refusals = 0;
  for (auto at = run.out.find("message 33 "); at != std::string::npos;
       at = run.out.find("message 33 ", at + 1)) {
    ++refusals;
  }
  EXPECT_EQ(refusals, 2) << run.out;
}

TEST(OrganizerScenario, ReadRefusedAtSlotTenLeavesNineRowsAndFilledBoxes) {
  Scenario scenario(Phone(R"({"kind": "error", "command": "AT^SBNR=\"vcs\",10", "count": 1})"));
  const ScriptRun run = scenario.Run(std::string(R"(
click 1041
expect rowcount 1047 9
expect cell 1047 8 0 9
expect rowcount 1050 4
expect rowcount 1067 5
)") + kTypeXmas + R"(
click 1052
expect cell 1047 2 6 Xmas party
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNR=\"vcs\",1"),
            Concat({Reads(10),
                    {"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",3,1,2", kXmasBlocks[0],
                     "AT^SBNW=\"vcs\",3,2,2", kXmasBlocks[1]}}));
}

std::string Example(const std::string& name) {
  return ReadFile(std::filesystem::path(TELVANE_EXAMPLES_DIR) / name);
}

TEST(OrganizerScenario, ObjectsOfOtherProgramsShowWhatIsReadableAndAreNeverOverwritten) {
  // A VTODO without a start, a date without a time, LF line ends, a quoted-printable
  // description, and a description past the 1024 bytes kept.
  Scenario scenario(Example("organizer-foreign.json"));
  const ScriptRun run = scenario.Run(std::string(R"(
click 1041
expect cell 1047 0 3 
expect cell 1047 0 5 MISCELLANEOUS
expect cell 1047 0 6 Milch kaufen
expect cell 1047 1 1 Yearly
expect cell 1047 1 3 
expect cell 1047 1 4 
expect cell 1047 2 3 2026/12/24
expect cell 1047 2 4 18:30
expect cell 1047 2 6 Bescherung
expect cell 1047 3 3 2026/12/27
expect cell 1047 3 6 
expect cell 1047 4 4 09:00
expect cell 1047 4 5 BUSINESS
expect cell 1047 4 6 
dblclick 1047 4
expect current 1167 0
expect current 1168 0
close
)") + kTypeXmas + R"(
click 1052
expect cell 1047 5 6 Xmas party
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNW=\"vcs\",0"),
            (Lines{"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",6,1,2", kXmasBlocks[0],
                   "AT^SBNW=\"vcs\",6,2,2", kXmasBlocks[1]}));
}

TEST(OrganizerScenario, ExamplePhonesOfAnEmptyAndAFullOrganizer) {
  for (const auto& [file, lastDate] :
       {std::pair{"organizer-empty.json", ""}, std::pair{"organizer-full.json", "2027/01/22"}}) {
    Scenario scenario(Example(file));
    const ScriptRun run =
        scenario.Run(std::string("click 1041\nexpect rowcount 1047 50\n") +
                     "expect cell 1047 49 3 " + lastDate + "\nclose\nclick 40001\n");
    EXPECT_EQ(run.status, 0) << file << run.out << run.err;
  }
}

}  // namespace
}  // namespace telvane::testing
