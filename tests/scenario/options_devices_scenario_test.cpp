// The Options dialog offers the serial devices present; the one chosen is kept as the
// port's device and the phone behind it answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scenario.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(OptionsDevicesScenario, TheDevicesPresentAreOfferedAndTheChosenOneIsKept) {
  Scenario scenario;
  TempDir dev;
  fs::create_directories(dev / "serial/by-id");
  const fs::path cable = dev / "serial/by-id/usb-Prolific_Technology_USB-Serial-if00-port0";
  fs::create_symlink(scenario.Folder() / "phone", cable);
  WriteFile(dev / "ttyUSB3", "");
  ScopedEnv folder("TELVANE_DEVICE_DIR", dev.Path().string());

  const ScriptRun run = scenario.Run(
      "expect window 103\n"
      "expect item 1301 0 " +
          cable.string() +
          "\n"
          "expect item 1301 1 " +
          (dev / "ttyUSB3").string() +
          "\n"
          "click 1018\n"
          "select 1301 0\n"
          "click 1017\n"  // each port number names its device in its tooltip
          "dump 1018\n"
          "click 1018\n"
          "click 1\n"
          "expect window 101\n"
          "click 40001\n",
      {"-r"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("tip=\"" + cable.string() + "\""), std::string::npos) << run.out;
  const std::string settings = ReadFile(scenario.SettingsFile());
  EXPECT_NE(settings.find("Port=1\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Device1=" + cable.string() + "\n"), std::string::npos) << settings;
  ASSERT_FALSE(scenario.Received().empty());
  EXPECT_EQ(scenario.Received().front(), "ATZ");
}

}  // namespace
}  // namespace telvane::testing
