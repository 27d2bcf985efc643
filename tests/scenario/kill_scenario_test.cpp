// The program killed (SIGKILL) at random moments while it writes the settings, the
// external book, an export and a download: each file is always its old or its new
// version, whole, and the next start leaves no temporary file beside them.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "scenario.h"
#include "support/hex_text.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;
using std::chrono::microseconds;

constexpr int kRunsPerTarget = 25;

// Two SIM entries and a logo of two blocks.
const std::string kLogo = "BM" + std::string(68, 'L');
const std::string kPhone =
    R"({"phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Amt"},
                                                     {"position": 2, "number": "0302", "name": "Bad"}]},
    "objects": {"vcf": [], "bmp": [{"index": 0, "hex": ")" +
    Hex(kLogo) + R"("}]}})";

// The settings with the column widths the phone book window keeps.
const std::string kColumns = "TCol0=30\nTCol1=100\nTCol2=100\nRCol0=0\nRCol1=80\nRCol2=100\n";

// A file the scripts write again and again: its version before, those between (one for
// each key of the settings), and after.
struct Target {
  const char* name;
  std::string file;  // relative to the scenario's folder
  std::vector<std::string> versions;
  std::string script;  // "{folder}" stands for the scenario's folder
};

// The settings as the window's six column keys are written one by one after `head`.
std::vector<std::string> SettingsVersions(const std::string& head, const std::string& other) {
  std::vector<std::string> versions{head + other};
  for (std::size_t end = kColumns.find('\n'); end != std::string::npos;
       end = kColumns.find('\n', end + 1)) {
    versions.push_back(head + kColumns.substr(0, end + 1) + other);
  }
  return versions;
}

// Another program's section of 16 KiB: every write of the settings copies it.
std::string OtherSection() {
  std::string text = "[Other]\n";
  for (int line = 0; text.size() < (1 << 14); ++line) text += "key" + std::to_string(line) + "=x\n";
  return text;
}

std::vector<Target> Targets(const std::string& settingsHead) {
  const std::string book = "click 1025\nselect 1106 0\nclose\n";
  const std::string exportCsv = "rclick 1026\nfile {folder}/book.csv\nclick 40014\n";
  const std::string download = "file {folder}/logo.bmp\nclick 40030\n";
  std::string repeatBook, repeatExport = "click 1025\nselect 1106 0\n", repeatDownload;
  for (int i = 0; i < 2; ++i) {
    repeatBook += book;
    repeatExport += exportCsv;
    repeatDownload += download;
  }
  return {
      {"settings", "config/telvane/Telvane.ini", SettingsVersions(settingsHead, OtherSection()),
       repeatBook + "click 40001\n"},
      {"external book",
       "config/telvane/Telvane.phb",
       {"[SIM]\r\n1,Old,0309\r\n", "[SIM]\r\n1,Old,0309\r\n[INT]\r\n",
        "[SIM]\r\n1,Amt,0301\r\n2,Bad,0302\r\n[INT]\r\n"},
       repeatBook + "click 40001\n"},
      {"export",
       "book.csv",
       {"old export\r\n", "NR;NAME;TELNUM\r\n1;Amt;'0301\r\n2;Bad;'0302\r\n"},
       repeatExport + "close\nclick 40001\n"},
      {"download", "logo.bmp", {"BM old", kLogo}, repeatDownload + "click 40001\n"},
  };
}

std::string WithFolder(std::string script, const fs::path& folder) {
  for (std::size_t at; (at = script.find("{folder}")) != std::string::npos;)
    script.replace(at, 8, folder.string());
  return script;
}

// The names in the folders where the program writes that are none of the user's files.
std::vector<std::string> Leftovers(const Scenario& scenario) {
  static const std::vector<std::string> kKnown = {
      "Telvane.ini", "Telvane.phb", "book.csv", "logo.bmp",       "state.json",
      "phone",       "test.script", "telvane",  "transcript.txt", "config"};
  std::vector<std::string> left;
  for (const fs::path& folder : {scenario.Folder(), scenario.SettingsFile().parent_path()}) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (std::find(kKnown.begin(), kKnown.end(), name) == kKnown.end()) left.push_back(name);
    }
  }
  return left;
}

TEST(KillScenario, EveryFileIsOldOrNewAndTheNextStartLeavesNoTemporaryFile) {
  Scenario scenario(kPhone);
  scenario.UseQuickPace();
  const std::string settingsHead = ReadFile(scenario.SettingsFile()) + "ReadB=1\n";
  std::mt19937 random(18);
  int cleaned = 0;
  for (const Target& target : Targets(settingsHead)) {
    SCOPED_TRACE(target.name);
    const fs::path file = scenario.Folder() / target.file;
    const auto reset = [&] {
      WriteFile(scenario.SettingsFile(), settingsHead + kColumns);
      WriteFile(file, target.versions.front());
    };
    const auto known = [&](const std::string& bytes) {
      return std::find(target.versions.begin(), target.versions.end(), bytes) !=
             target.versions.end();
    };
    const std::string script = WithFolder(target.script, scenario.Folder());
    // One whole run: how long the script takes, and the file it leaves.
    reset();
    const auto start = std::chrono::steady_clock::now();
    const ScriptRun whole = scenario.Run(script);
    const auto length =
        std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start);
    ASSERT_EQ(whole.status, 0) << whole.out << whole.err;
    ASSERT_TRUE(ReadFile(file) == target.versions.back());
    RecordProperty(std::string("microseconds ") + target.name, std::to_string(length.count()));

    std::uniform_int_distribution<long> delay(0, length.count());
    for (int run = 0; run < kRunsPerTarget; ++run) {
      reset();
      {
        ChildProcess program(scenario.ScriptCommand(script), scenario.Environment());
        std::this_thread::sleep_for(microseconds(delay(random)));
        program.Signal(SIGKILL);
        program.Wait();
      }
      const std::string bytes = ReadFile(file);
      EXPECT_TRUE(known(bytes)) << "run " << run << ": " << bytes.size() << " bytes";
      if (Leftovers(scenario).empty()) continue;
      ++cleaned;
      const ScriptRun next = scenario.Run("click 40001\n");
      EXPECT_EQ(next.status, 0) << next.out << next.err;
      EXPECT_EQ(Leftovers(scenario), std::vector<std::string>{}) << "run " << run;
    }
  }
  RecordProperty("LeftoversCleaned", cleaned);
}

}  // namespace
}  // namespace telvane::testing
