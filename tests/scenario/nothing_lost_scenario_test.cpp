// The user's files and the phone's data survive failed reads, odd input, wrong devices and
// interrupted writes: the files' bytes before and after, and what the phone received.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main_window_opening.h"
#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kOldBook = "[SIM]\r\n1,OldSim1,0301\r\n[INT]\r\n2,Alpha+,0401\r\n";

fs::path ExternalBook(const Scenario& scenario) {
  return scenario.SettingsFile().parent_path() / "Telvane.phb";
}

// Opens the phone book, chooses SIM and closes it again.
const char* const kOpenChooseSimClose = R"(
click 1025
expect window 105
select 1106 0
close
expect window 101
click 40001
)";

TEST(NothingLostScenario, ExternalBookKeepsSectionsOfBooksNotReadCompletely) {
  {  // No device: nothing is read, so nothing is written.
    Scenario scenario("", "Device0=/nonexistent/ttyUSB9\n");
    WriteFile(scenario.SettingsFile(), "[Telvane]\nPort=0\nDevice0=/nonexistent/ttyUSB9\n");
    WriteFile(ExternalBook(scenario), kOldBook);
    const ScriptRun run = scenario.Run(kOpenChooseSimClose);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(ReadFile(ExternalBook(scenario)), kOldBook);
    // One failed opening, one "Read error".
    EXPECT_EQ(run.out,
              "message 721 Telvane Error: Can't open COM port: the serial device does not "
              "exist. Connect the phone's cable, or choose another device under Options.\n"
              "message 98 Telvane Error: Read error COM-port\n");
  }
  {  // The address book read is cut off at object 3, the SIM is read to its end: only the
     // SIM section is new.
    Scenario scenario(
        R"({"phonebooks": {"SM": [{"position": 4, "number": "0302", "name": "NewSim"}]},
        "faults": [{"kind": "cutOff", "command": "AT^SBNR=\"vcf\",3", "count": 1}]})");
    WriteFile(ExternalBook(scenario), kOldBook);
    const ScriptRun run = scenario.Run(kOpenChooseSimClose);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(ReadFile(ExternalBook(scenario)),
              "[SIM]\r\n4,NewSim,0302\r\n[INT]\r\n2,Alpha+,0401\r\n");
  }
  {  // The line goes away in the middle of the SIM read.
    Scenario scenario(R"({"faults": [{"kind": "lineGone", "command": "AT+CPBR=7", "count": 1}]})");
    WriteFile(ExternalBook(scenario), kOldBook);
    const ScriptRun run = scenario.Run(kOpenChooseSimClose);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const std::string after = ReadFile(ExternalBook(scenario));
    EXPECT_NE(after.find("[SIM]\r\n1,OldSim1,0301\r\n[INT]\r\n"), std::string::npos) << after;
  }
}

// Final results are whole lines: a model and a SIM name that hold their words are data.
TEST(NothingLostScenario, AModelAndANameHoldingResultWordsAreData) {
  {
    Scenario scenario(R"({"identity": {"model": "NOTEBOOK"}})");
    std::string script = kMainWindowOpeningScript;
    script.replace(script.find("1001 S45"), 8, "1001 NOTEBOOK");
    const ScriptRun run = scenario.Run(script);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    std::vector<std::string> commands{"ATZ", "ATE0"};
    commands.insert(commands.end(), kMainWindowOpeningCommands.begin(),
                    kMainWindowOpeningCommands.end());
    EXPECT_EQ(scenario.Received(), commands);
  }
  Scenario scenario(R"({"phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Anna"},
      {"position": 2, "number": "0302", "name": "ERROR: call me"},
      {"position": 3, "number": "0303", "name": "Bob"}]}})",
                    "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
select 1106 0
expect rowcount 1026 3
expect cell 1026 0 1 Anna
expect cell 1026 1 1 Bob
expect cell 1026 2 1 ERROR: call me
expect cell 1026 2 2 0302
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SPBS=SM"),
            (std::vector<std::string>{"AT^SPBS=SM", "AT+CPBR=?", "AT+CPBR=1", "AT+CPBR=2",
                                      "AT+CPBR=3", "AT+CPBR=4", "AT+CPBR=5", "AT+CPBR=6"}));
}

// Every name in `folder`, sorted.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(NothingLostScenario, AFailedDownloadLeavesTheOldFileAndLeftoversGoAtStart) {
  Scenario scenario(R"({"faults": [{"kind": "error", "command": "AT^SBNR", "count": 1},
                                   {"kind": "cutOff", "command": "AT^SBNR", "count": 1}]})");
  const fs::path logos = scenario.Folder() / "logos";
  fs::create_directories(logos);
  WriteFile(logos / "mine.bmp", "BM old picture");
  const fs::path config = scenario.SettingsFile().parent_path();
  WriteFile(config / "Telvane.$$$", "[SIM]\r\n");
  WriteFile(config / ".Telvane.ini.4711.telvane-new", "[Telvane]\n");
  const std::string mine = (logos / "mine.bmp").string();
  const ScriptRun run = scenario.Run("file " + mine + "\nclick 40030\nexpect message 71\nfile " +
                                     mine + "\nclick 40030\nexpect message 71\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(ReadFile(logos / "mine.bmp"), "BM old picture");
  EXPECT_EQ(Names(logos), std::vector<std::string>{"mine.bmp"});
  EXPECT_EQ(Names(config), std::vector<std::string>{"Telvane.ini"});
}

// Folders where files belong: each gives a clear message and the window goes on.
TEST(NothingLostScenario, FoldersWhereFilesBelongGiveAMessageAndTheWindowGoesOn) {
  Scenario scenario(
      R"({"phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Anna"}]}})");
  const fs::path folder = scenario.Folder() / "files";
  fs::create_directories(folder / "contacts.vcf");
  fs::create_directories(folder / "folder.csv");
  fs::create_directories(scenario.SettingsFile().parent_path() / "Telvane.phb");
  const ScriptRun run =
      scenario.Run("click 1025\nselect 1106 0\ndrop 105 " + (folder / "contacts.vcf").string() +
                   "\nfile " + (folder / "folder.csv").string() +
                   "\nanswer no\nrclick 1026\nclick 40019\nexpect window 105\n"
                   "expect rowcount 1026 1\nclose\nexpect window 101\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.err, "");
  // Saving the address book (on choosing SIM), the dropped folder, the folder chosen for
  // import, saving the SIM book on closing.
  const std::string cantOpen = "message 25 Telvane Error: Can't open export file\n";
  EXPECT_EQ(run.out, cantOpen + cantOpen + "message 76 Telvane: Overwrite existing entries?\n" +
                         cantOpen + cantOpen);
}

// A backslash, which the GSM alphabet lacks, is written and shown as "/", typed or imported.
TEST(NothingLostScenario, BackslashesInNamesGoAsSlashes) {
  Scenario scenario(R"({"phonebooks": {"SM": []}})", "ReadB=1\n");
  const fs::path csv = scenario.Folder() / "names.csv";
  WriteFile(csv, "NR;NAME;TELNUM\n5;C:\\41\\42;'0302\n");
  const ScriptRun run = scenario.Run(R"(click 1025
select 1106 0
rclick 1026
click 40005
type 1056 A\41\42
type 1058 0301
click 1
file )" + csv.string() + R"(
answer no
rclick 1026
click 40019
expect rowcount 1026 2
expect cell 1026 0 1 A/41/42
expect cell 1026 1 1 C:/41/42
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CPBW=1,0301,129,\"A/41/42\""),
            (std::vector<std::string>{"AT+CPBW=1,0301,129,\"A/41/42\"", "AT^SPBS=SM",
                                      "AT+CPBW=2,0302,129,\"C:/41/42\""}));
}

// Text that is no number is refused with the number message, never filtered into one.
TEST(NothingLostScenario, ACentreThatIsNoNumberIsRefused) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(click 1025
type 1035 +49"\r\nATD0900;
click 1159
expect message 58
type 1035 +49 (171) 0815
click 1159
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CSCA?"),
            (std::vector<std::string>{"AT+CSCA?", "AT^SPBS=ME", "AT+CSCA=+491710815,145"}));
}

// A logo file that will not be sent never costs the phone its logo: no erase, no block.
TEST(NothingLostScenario, ALogoFileIsCheckedBeforeThePhonesLogoIsErased) {
  Scenario scenario;
  // "BM", a size of 526 bytes, offset 62, and the start of an information header: cut.
  const fs::path cut = scenario.Folder() / "cut.bmp";
  WriteFile(cut, std::string("BM\x0e\x02\0\0\0\0\0\0\x3e\0\0\0\x28\0\0\0\x61\0", 20));
  const fs::path text = scenario.Folder() / "text.bmp";
  WriteFile(text, "This is a text and no picture at all.\n");
  const ScriptRun run =
      scenario.Run("file " + cut.string() + " 2\nclick 1036\nexpect message 37\n" + "file " +
                   text.string() + " 2\nclick 1036\nexpect message 40\n" + "click 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  for (const std::string& line : scenario.Received()) {
    EXPECT_FALSE(line.starts_with("AT^SBNW") && line != "AT^SBNW=?") << line;
  }
}

}  // namespace
}  // namespace telvane::testing
