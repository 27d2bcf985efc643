// The telvane-sim program: link, signals, state file, errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "sim/phone_state.h"
#include "support/child_process.h"
#include "support/pty_client.h"
#include "support/temp_dir.h"

namespace telvane::sim {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;
using testing::PtyClient;

class SimProgramTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
};

TEST_F(SimProgramTest, ServesOnALinkAndSavesTheStateOnSigterm) {
  const fs::path state = dir_ / "phone.json";
  const fs::path link = dir_ / "phone";
  SavePhoneState(DemoPhone(), state);
  fs::create_symlink("/dev/pts/nonexistent", link);  // a stale link is replaced
  ChildProcess sim({TELVANE_SIM_PROGRAM, "--state", state.string(), "--link", link.string(),
                    "--transcript", (dir_ / "t.txt").string()});
  ASSERT_TRUE(sim.Started());
  const auto device = sim.ReadLine();
  ASSERT_TRUE(device) << sim.Stderr();
  EXPECT_EQ(fs::read_symlink(link), *device);

  PtyClient client(link.string());
  EXPECT_EQ(client.Command("ATE0"), "ATE0\r\r\nOK\r\n");
  EXPECT_EQ(client.Command("AT+CVIB=1"), "\r\nOK\r\n");
  sim.Signal(SIGTERM);
  EXPECT_EQ(sim.Wait(), 0) << sim.Stderr();
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
  EXPECT_TRUE(LoadPhoneState(state).audio.vibrator);
  EXPECT_TRUE(testing::ReadFile(dir_ / "t.txt").starts_with("> ATE0\n< OK\n"));
}

TEST_F(SimProgramTest, DemoPhoneWithoutStateFileEndsOnSigint) {
  const fs::path link = dir_ / "demo";
  ChildProcess sim({TELVANE_SIM_PROGRAM, "--link", link.string()});
  ASSERT_TRUE(sim.ReadLine()) << sim.Stderr();
  PtyClient client(link.string());
  EXPECT_EQ(client.Command("AT+COPS?"), "AT+COPS?\r\r\n+COPS: 0,0,\"Nordnetz\"\r\n\r\nOK\r\n");
  sim.Signal(SIGINT);
  EXPECT_EQ(sim.Wait(), 0) << sim.Stderr();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator{}), 0);
}

TEST_F(SimProgramTest, ErrorsAreReportedWithExitStatusOne) {
  const fs::path bad = dir_ / "bad.json";
  std::ofstream(bad) << "{\"audio\": {\"tone\": \"loud\"}}";
  ChildProcess badState(
      {TELVANE_SIM_PROGRAM, "--state", bad.string(), "--link", (dir_ / "p").string()});
  EXPECT_EQ(badState.Wait(), 1);
  EXPECT_NE(badState.Stderr().find(bad.string()), std::string::npos) << badState.Stderr();
  EXPECT_NE(badState.Stderr().find("audio.tone must be a whole number"), std::string::npos);

  const fs::path regular = dir_ / "regular";
  std::ofstream(regular) << "keep me";
  ChildProcess overRegular({TELVANE_SIM_PROGRAM, "--link", regular.string()});
  EXPECT_EQ(overRegular.Wait(), 1);
  EXPECT_NE(overRegular.Stderr().find("refusing to replace"), std::string::npos);
  EXPECT_TRUE(fs::is_regular_file(regular));

  ChildProcess noDir({TELVANE_SIM_PROGRAM, "--link", (dir_ / "none" / "p").string()});
  EXPECT_EQ(noDir.Wait(), 1);
  EXPECT_NE(noDir.Stderr().find("cannot create the link"), std::string::npos);

  ChildProcess noLink({TELVANE_SIM_PROGRAM});
  EXPECT_EQ(noLink.Wait(), 1);
}

}  // namespace
}  // namespace telvane::sim
