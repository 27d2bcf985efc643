// A standard client identifies the simulated phone: the simulator speaks AT as a phone does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "child_process.h"
#include "sim/pty_phone.h"

namespace telvane::sim {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const fs::path candidate = fs::path(rest.substr(0, colon)) / program;
    if (::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
  }
  return std::nullopt;
}

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

TEST(GammuConformanceTest, GammuIdentifiesTheSimulatedPhone) {
  const auto gammu = FindOnPath("gammu");
  ASSERT_TRUE(gammu) << "gammu is not installed (Debian package \"gammu\"); this test needs it";

  const fs::path dir =
      fs::temp_directory_path() / ("telvane-sim-gammu-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  auto phone = PtyPhone::Start(DemoPhone(), {});
  const fs::path rc = dir / "gammurc";
  std::ofstream(rc) << "[gammu]\ndevice = " << phone->DevicePath() << "\nconnection = at\n";

  testing::ChildProcess run({gammu->string(), "-c", rc.string(), "identify"});
  const int status = run.Wait();
  const std::string output = run.Stdout();
  std::string transcript;
  for (const std::string& line : phone->Transcript()) {
    transcript += line + "\n";
  }
  phone->Stop();
  fs::remove_all(dir);

  ASSERT_EQ(status, 0) << output << run.Stderr() << "\ntranscript:\n" << transcript;
  EXPECT_EQ(Field(output, "Manufacturer"), "Siemens") << output;
  EXPECT_EQ(Field(output, "Model"), "S45 (S45)") << output;
  EXPECT_EQ(Field(output, "Firmware"), "21") << output;
  EXPECT_EQ(Field(output, "IMEI"), "350123451234567") << output;
  EXPECT_EQ(Field(output, "SIM IMSI"), "001010123456789") << output;
  // Every command gammu needs was answered; the ones an S45 lacks were refused.
  EXPECT_NE(transcript.find("> AT+CGSN\n< 350123451234567\n< OK"), std::string::npos)
      << transcript;
}

}  // namespace
}  // namespace telvane::sim
