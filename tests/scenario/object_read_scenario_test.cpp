// Object reads against the simulated phone: an unsolicited code inside the answer keeps
// every block, blocks that do not add up keep the user's files, and a silent phone ends a
// read at its first unanswered command.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kOldBook = "[SIM]\r\n1,OldSim1,0301\r\n[INT]\r\n2,Alpha+,0401\r\n";

fs::path ExternalBook(const Scenario& scenario) {
  return scenario.SettingsFile().parent_path() / "Telvane.phb";
}

Lines FilesIn(const fs::path& folder) {
  Lines names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A 526-byte logo on the phone (11 blocks of 50 bytes, the last of 26), with `faults`.
std::string LogoPhone(const std::string& logo, const std::string& faults) {
  return R"({"objects": {"bmp": [{"index": 0, "hex": ")" + Hex(logo) + R"("}]}, "faults": )" +
         faults + "}";
}

std::string Logo() {
  std::string logo("BM\x0e\x02\0\0", 6);
  while (logo.size() < 526) logo += static_cast<char>(logo.size() % 251);
  return logo;
}

TEST(ObjectReadScenario, UnsolicitedCodesInsideALogoReadKeepEveryBlock) {
  Scenario scenario(LogoPhone(Logo(), R"([
      {"kind": "unsolicitedInside", "command": "AT^SBNR", "count": 1},
      {"kind": "ringBeforeResult", "command": "AT^SBNR", "count": 1}])"));
  const fs::path inside = scenario.Folder() / "inside.bmp";
  const fs::path before = scenario.Folder() / "before.bmp";
  const ScriptRun run = scenario.Run("file " + inside.string() + "\nclick 40030\nfile " +
                                     before.string() + "\nclick 40030\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadFile(inside), Logo());
  EXPECT_EQ(ReadFile(before), Logo());
}

TEST(ObjectReadScenario, ALogoReadWithAMissingOrRepeatedBlockKeepsTheOldFile) {
  Scenario scenario(LogoPhone(Logo(), R"([
      {"kind": "dropBlock", "command": "AT^SBNR", "count": 1},
      {"kind": "repeatBlock", "command": "AT^SBNR", "count": 1}])"));
  const fs::path logos = scenario.Folder() / "logos";
  fs::create_directories(logos);
  WriteFile(logos / "mine.bmp", "BM old picture");
  const std::string mine = (logos / "mine.bmp").string();
  const ScriptRun run =
      scenario.Run("file " + mine + "\nclick 40030\nfile " + mine + "\nclick 40030\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out,
            "message 71 Telvane: Error during reading of the logo\n"
            "message 71 Telvane: Error during reading of the logo\n");
  EXPECT_EQ(ReadFile(logos / "mine.bmp"), "BM old picture");
  EXPECT_EQ(FilesIn(logos), Lines{"mine.bmp"});
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNR=bmp,0"), (Lines{"AT^SBNR=bmp,0", "AT^SBNR=bmp,0"}));
}

// Opens the phone book window and closes it again.
const char* const kOpenAndClose = R"(
click 1025
expect window 105
close
expect window 101
click 40001
)";

TEST(ObjectReadScenario, AnAddressEntryWithAMissingBlockIsNeitherShownNorSaved) {
  // Object 2 (position 3) takes two blocks; the phone leaves out the second.
  Scenario scenario(R"({"objects": {"vcf": [
      {"index": 1, "text": "BEGIN:VCARD\r\nN:Schmidt;Anna\r\nTEL;HOME:0301\r\nEND:VCARD\r\n"},
      {"index": 2, "text": "BEGIN:VCARD\r\nVERSION:1.0\r\nN:Mueller;Juergen\r\nORG:Mueller und Soehne GmbH\r\nTEL;HOME:+4989334455\r\nEND:VCARD\r\n"}]},
      "faults": [{"kind": "dropBlock", "command": "AT^SBNR=\"vcf\",2", "count": 1}]})");
  WriteFile(ExternalBook(scenario), kOldBook);
  const ScriptRun run = scenario.Run(
      "click 1025\nexpect rowcount 1026 1\nexpect cell 1026 0 1 Schmidt;Anna\nclose\nclick "
      "40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 98 Telvane Error: Read error COM-port\n");
  // The book was not read whole: its section stays as it was.
  EXPECT_EQ(ReadFile(ExternalBook(scenario)), kOldBook);
}

TEST(ObjectReadScenario, ASilentPhoneEndsTheBookReadAtItsFirstUnansweredCommand) {
  Scenario scenario(R"({"faults": [{"kind": "noAnswer", "command": "AT^SBNR", "count": -1}]})");
  WriteFile(ExternalBook(scenario), kOldBook);
  const ScriptRun run = scenario.Run(kOpenAndClose);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 98 Telvane Error: Read error COM-port\n");
  EXPECT_EQ(scenario.ReceivedFrom("AT^SPBS=ME"), (Lines{"AT^SPBS=ME", "AT^SBNR=\"vcf\",0"}));
  EXPECT_EQ(ReadFile(ExternalBook(scenario)), kOldBook);
}

}  // namespace
}  // namespace telvane::testing
