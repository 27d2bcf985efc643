// A standard client identifies the simulated phone: the simulator speaks AT as a phone does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sim/pty_phone.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::sim {
namespace {

namespace fs = std::filesystem;

// The value on gammu's "Name : value" line.
std::string Field(const std::string& output, const std::string& name) {
  std::size_t at = 0;
  while ((at = output.find(name, at)) != std::string::npos) {
    if (at == 0 || output[at - 1] == '\n') {
      const std::size_t colon = output.find(':', at);
      const std::size_t end = output.find('\n', at);
      if (colon != std::string::npos && colon < end) {
        std::string value = output.substr(colon + 1, end - colon - 1);
        value.erase(0, value.find_first_not_of(' '));
        return value;
      }
    }
    at += name.size();
  }
  return "(missing)";
}

// gammu run against the demo phone: its output, exit status and the phone's transcript.
struct GammuRun {
  int status = -1;
  std::string output;
  std::string transcript;
};

GammuRun RunGammu(const std::vector<std::string>& arguments) {
  const auto gammu = telvane::testing::FindOnPath("gammu");
  if (!gammu) {
    ADD_FAILURE() << "gammu is not installed (Debian package \"gammu\"); this test needs it";
    return {};
  }
  const testing::TempDir dir;
  auto phone = PtyPhone::Start(DemoPhone(), {});
  const fs::path rc = dir / "gammurc";
  testing::WriteFile(rc, "[gammu]\ndevice = " + phone->DevicePath() + "\nconnection = at\n");

  std::vector<std::string> command{*gammu, "-c", rc.string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  const testing::ProgramRun run = testing::RunProgram(command);
  GammuRun result{run.status, run.out + run.err, ""};
  for (const std::string& line : phone->Transcript()) result.transcript += line + "\n";
  return result;
}

TEST(GammuConformanceTest, GammuIdentifiesTheSimulatedPhone) {
  const GammuRun run = RunGammu({"identify"});
  const std::string& output = run.output;
  ASSERT_EQ(run.status, 0) << output << "\ntranscript:\n" << run.transcript;
  EXPECT_EQ(Field(output, "Manufacturer"), "Siemens") << output;
  EXPECT_EQ(Field(output, "Model"), "S45 (S45)") << output;
  EXPECT_EQ(Field(output, "Firmware"), "21") << output;
  EXPECT_EQ(Field(output, "IMEI"), "350123451234567") << output;
  EXPECT_EQ(Field(output, "SIM IMSI"), "001010123456789") << output;
  // Every command gammu needs was answered; the ones an S45 lacks were refused.
  EXPECT_NE(run.transcript.find("> AT+CGSN\n< 350123451234567\n< OK"), std::string::npos)
      << run.transcript;
}

TEST(GammuConformanceTest, GammuReadsTheSimBookWithNamesAndNumbers) {
  const GammuRun run = RunGammu({"getallmemory", "SM"});
  const std::string& output = run.output;
  ASSERT_EQ(run.status, 0) << output << "\ntranscript:\n" << run.transcript;
  // Names travel as UCS2 after gammu chose that character set; umlauts arrive intact.
  EXPECT_NE(output.find("Memory SM, Location 4\nGeneral number       : \"+491523456789\"\n"
                        "Name                 : \"Jürgen Müller\""),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("Name                 : \"Notruf\""), std::string::npos) << output;
  EXPECT_EQ(Field(output, "Memory SM, Location 13"), "(missing)") << output;  // empty
  EXPECT_NE(run.transcript.find("> AT+CPBR=?\n< +CPBR: (1-250),40,16\n< OK"), std::string::npos)
      << run.transcript;
}

}  // namespace
}  // namespace telvane::sim
