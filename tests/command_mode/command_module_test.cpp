// Loading the command module and calling it through its buffers.
#include "command_mode/command_module.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace telvane::command_mode {
namespace {

namespace fs = std::filesystem;

const fs::path kModules = TELVANE_TEST_MODULES;

CommandModule LoadFrom(std::vector<fs::path> folders, CommandModule::LoadError& error) {
  return CommandModule::Load(folders, error);
}

TEST(CommandModuleTest, TheFirstFolderHoldingTheModuleWins) {
  telvane::testing::TempDir empty;
  CommandModule::LoadError error{};
  CommandModule module = LoadFrom(
      {empty.Path(), "relative", kModules / "scripted_smscom", kModules / "no_function"}, error);
  ASSERT_TRUE(module.Loaded());

  const ModuleAnswer idle = module.Call({}, {});
  EXPECT_EQ(idle.result, 3);
  EXPECT_EQ(idle.statusText, "idle");

  const ModuleAnswer reply = module.Call("+491711234567", "PING");
  EXPECT_EQ(reply.result, 0);
  EXPECT_EQ(reply.replyNumber, "+491711234567");
  EXPECT_EQ(reply.text, "ok: PING");
  EXPECT_EQ(reply.statusText, "handled PING");

  const ModuleAnswer kept = module.Call("+491711234567", "keep");
  EXPECT_EQ(kept.result, 7);
  EXPECT_EQ(kept.replyNumber, "");
  EXPECT_EQ(kept.text, "keep");  // the buffer as the module left it
}

TEST(CommandModuleTest, BuffersAreBoundedBothWays) {
  CommandModule::LoadError error{};
  CommandModule module = LoadFrom({kModules / "scripted_smscom"}, error);
  ASSERT_TRUE(module.Loaded());
  // A request longer than the text buffer is cut to 1023 characters.
  const ModuleAnswer echoed = module.Call(std::string(80, '1'), std::string(5000, 'a'));
  EXPECT_EQ(echoed.text, "ok: " + std::string(1019, 'a'));
  EXPECT_EQ(echoed.replyNumber, std::string(49, '1'));
  // A module that fills its buffers without a terminator is read to the last byte only.
  const ModuleAnswer overfilled = module.Call("1", "overfill");
  EXPECT_EQ(overfilled.replyNumber, std::string(49, '5'));
  EXPECT_EQ(overfilled.text, std::string(1023, 'x'));
}

TEST(CommandModuleTest, MissingModuleOrFunctionIsTold) {
  telvane::testing::TempDir empty;
  CommandModule::LoadError error{};
  EXPECT_FALSE(LoadFrom({empty.Path()}, error).Loaded());
  EXPECT_EQ(error, CommandModule::LoadError::kNoModule);
  EXPECT_FALSE(LoadFrom({kModules / "no_function", kModules / "scripted_smscom"}, error).Loaded());
  EXPECT_EQ(error, CommandModule::LoadError::kNoFunction);
  // Not a library at all.
  telvane::testing::WriteFile(empty / "smscom.so", "not an ELF file");
  EXPECT_FALSE(LoadFrom({empty.Path()}, error).Loaded());
  EXPECT_EQ(error, CommandModule::LoadError::kNoModule);
}

}  // namespace
}  // namespace telvane::command_mode
