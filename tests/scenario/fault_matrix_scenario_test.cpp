// Every fault the simulated phone can show, against each main road of the program: the
// main window opening, the phone book opening, a SIM write, a logo sent, a CSV import.
// A fault that only disturbs the answer changes nothing the user sees; one that loses it
// gives the window's message. Either way the phone's state is the one the operation left
// (or the one before it) and the user's files are as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kBooks[] =
    R"("phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Amt"}]},
       "objects": {"vcf": [{"index": 1, "text": "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Alpha\r\nTEL;HOME:0401\r\nEND:VCARD\r\n"}]})";

// The external book as the program writes it for these books: a complete read keeps it.
constexpr char kExternalBook[] = "[SIM]\r\n1,Amt,0301\r\n[INT]\r\n2,Alpha+,0401\r\n";
// With the column widths the phone book window keeps: its closing changes nothing.
constexpr char kSettings[] =
    "ReadB=1\nTCol0=30\nTCol1=100\nTCol2=100\nRCol0=0\nRCol1=80\nRCol2=100\n";
constexpr char kImportCsv[] = "NR;NAME;TELNUM\r\n2;Neu;'0302\r\n";
// An 8 x 2 picture of one bit per pixel: file and information header, two colours, rows.
const std::string kLogo(
    "BM\x46\0\0\0\0\0\0\0\x3e\0\0\0\x28\0\0\0\x08\0\0\0\x02\0\0\0\x01\0\x01\0\0\0\0\0"
    "\x08\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\0\xaa\0\0\0\x55\0\0\0",
    70);

// What a fault does to the answer: nothing that matters, or it is lost; and whether the
// phone carried the command out (a cut answer comes after the deed: `cut`).
enum class Deed { kDone, kNotDone, kCut };
struct Fault {
  const char* kind;
  bool answerLost;
  Deed deed;
};

constexpr Fault kFaults[] = {
    {"noAnswer", true, Deed::kNotDone},        {"cutOff", true, Deed::kCut},
    {"garbage", false, Deed::kDone},           {"unsolicitedInside", false, Deed::kDone},
    {"ringBeforeResult", false, Deed::kDone},  {"messageBeforeResult", false, Deed::kDone},
    {"blanksAfterCommas", false, Deed::kDone}, {"error", true, Deed::kNotDone},
    {"flood", true, Deed::kNotDone},           {"lineGone", true, Deed::kNotDone},
};

struct Operation {
  const char* name;
  const char* struck;  // the command the fault strikes (its first time)
  const char* script;  // "{folder}" stands for the scenario's folder
  const char* asked;   // the messages every run shows
  const char* lost;    // and those a lost answer adds
  bool cutDone;        // a cut answer leaves the change made (not: a transfer stopped short)
};

const Operation kOperations[] = {
    {"MainWindow", "AT+CGMI", "click 40001\n", "", "", false},
    {"BookOpening", "AT^SPBS=ME", "click 1025\nexpect window 105\nclose\nclick 40001\n", "",
     "message 98 Telvane Error: Read error COM-port\n", false},
    {"SimWrite", "AT+CPBW",
     "click 1025\nselect 1106 0\nrclick 1026\nclick 40005\ntype 1056 Neu\ntype 1058 "
     "0302\nclick 1\n",
     "", "message 49 Telvane Error: Can't write new entry\n", true},
    {"LogoSend", "AT^SBNW=\"bmp\",1,1", "file {folder}/logo.bmp 2\nclick 1036\nclick 40001\n", "",
     "message 41 Telvane: Error sending BMP file\n", false},
    {"CsvImport", "AT+CPBW",
     "click 1025\nselect 1106 0\nfile {folder}/import.csv\nanswer no\nrclick 1026\nclick 40019\n",
     "message 76 Telvane: Overwrite existing entries?\n",
     "message 49 Telvane Error: Can't write new entry\n", true},
};

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.kind; }
void PrintTo(const Operation& operation, std::ostream* out) { *out << operation.name; }

std::string PhoneWith(const std::string& faults) {
  return "{" + std::string(kBooks) + R"(, "faults": [)" + faults + "]}";
}

// Every file of the folder but the simulator's, with its bytes.
std::map<std::string, std::string> UserFiles(const Scenario& scenario) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(scenario.Folder())) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name == "state.json" || name == "transcript.txt" ||
        name == "test.script") {
      continue;
    }
    files[fs::relative(entry.path(), scenario.Folder()).string()] = ReadFile(entry.path());
  }
  return files;
}

std::string WithFolder(std::string script, const fs::path& folder) {
  for (std::size_t at; (at = script.find("{folder}")) != std::string::npos;)
    script.replace(at, 8, folder.string());
  return script;
}

// The saved state without what the run does not decide: the running clock and the faults.
std::string Comparable(std::string state) {
  state.erase(std::min(state.size(), state.find("\n  \"faults\"")));
  if (const std::size_t clock = state.find("\n  \"clock\""); clock != std::string::npos)
    state.erase(clock, state.find('\n', clock + 1) - clock);
  return state;
}

struct Outcome {
  ScriptRun run;
  std::string state;
  std::map<std::string, std::string> filesBefore, filesAfter;
};

Outcome RunOperation(const std::string& script, const std::string& faults) {
  Scenario scenario(PhoneWith(faults), kSettings);
  scenario.UseQuickPace();
  WriteFile(scenario.SettingsFile().parent_path() / "Telvane.phb", kExternalBook);
  WriteFile(scenario.Folder() / "import.csv", kImportCsv);
  WriteFile(scenario.Folder() / "logo.bmp", kLogo);
  Outcome outcome;
  outcome.filesBefore = UserFiles(scenario);
  outcome.run = scenario.Run(WithFolder(script, scenario.Folder()));
  outcome.filesAfter = UserFiles(scenario);
  outcome.state = Comparable(scenario.StoppedState());
  return outcome;
}

// The phone's state after the operation without a fault, and after the main window alone.
const std::string& ReferenceState(const std::string& script) {
  static std::map<std::string, std::string> states;
  auto found = states.find(script);
  if (found == states.end()) found = states.emplace(script, RunOperation(script, "").state).first;
  return found->second;
}

class FaultMatrix : public ::testing::TestWithParam<std::tuple<Operation, Fault>> {};

TEST_P(FaultMatrix, GivesTheWindowsMessageKeepsThePhoneAndTheFiles) {
  const auto& [operation, fault] = GetParam();
  std::string json = std::string(R"({"kind": ")") + fault.kind + R"(", "command": ")";
  for (const char c : std::string(operation.struck)) {
    if (c == '"') json += '\\';
    json += c;
  }
  json += R"(", "count": 1})";
  const Outcome outcome = RunOperation(operation.script, json);
  EXPECT_EQ(outcome.run.status, 0) << outcome.run.out << outcome.run.err;
  EXPECT_EQ(outcome.run.out,
            std::string(operation.asked) + (fault.answerLost ? operation.lost : ""))
      << outcome.run.err;
  const bool done = fault.deed == Deed::kDone || (fault.deed == Deed::kCut && operation.cutDone);
  EXPECT_EQ(outcome.state, ReferenceState(done ? operation.script : "click 40001\n"));
  EXPECT_EQ(outcome.filesAfter, outcome.filesBefore);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultMatrix,
                         ::testing::Combine(::testing::ValuesIn(kOperations),
                                            ::testing::ValuesIn(kFaults)),
                         [](const ::testing::TestParamInfo<FaultMatrix::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).kind;
                         });

}  // namespace
}  // namespace telvane::testing
