// The MIDI player stand-in, with a fake player on PATH that records its arguments.
#include "objects/midi_player.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "objects/windows/tone_preview.h"
#include "support/temp_dir.h"

namespace telvane::objects {
namespace {

using telvane::testing::TempDir;

// The shell creates the file before it writes the line: wait for the whole line.
std::string WaitForLine(const std::filesystem::path& file) {
  std::string text;
  for (int i = 0; i < 1000; ++i) {
    if (std::filesystem::exists(file)) text = telvane::testing::ReadFile(file);
    if (!text.empty() && text.back() == '\n') break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return text;
}

class MidiPlayerTest : public ::testing::Test {
 protected:
  void InstallPlayer(const std::string& name, const std::string& body) {
    const auto script = dir / name;
    telvane::testing::WriteFile(script, "#!/bin/sh\n" + body + "\n");
    ::chmod(script.c_str(), 0755);
  }
  TempDir dir;
  telvane::testing::ScopedEnv path{"PATH", dir.Path().string()};
  telvane::testing::ScopedEnv ports{"ALSA_OUTPUT_PORTS", std::nullopt};
};

TEST_F(MidiPlayerTest, NoPlayerIsSaidOnceAndAplaymidiNeedsOutputPorts) {
  MidiPlayer player;
  EXPECT_TRUE(MidiPlayerCommand("tone.mid").empty());
  EXPECT_EQ(player.Play("tone.mid"), PlayStart::kNoPlayer);
  EXPECT_FALSE(player.Playing());
  // The tone dialog says so at the first Play only.
  int told = 0;
  TonePreview preview([&told] { ++told; });
  preview.Play("tone.mid");
  preview.Play("other.mid");
  EXPECT_EQ(told, 1);

  InstallPlayer("aplaymidi", "exit 0");
  EXPECT_TRUE(MidiPlayerCommand("a.mid").empty());
  telvane::testing::ScopedEnv withPorts("ALSA_OUTPUT_PORTS", "14:0");
  EXPECT_EQ(MidiPlayerCommand("a.mid").size(), 2u);
}

TEST_F(MidiPlayerTest, PlaysUntilStoppedAndCollectsAPlayerThatEnded) {
  const auto marker = dir / "args";
  InstallPlayer("timidity", "echo \"$@\" > " + marker.string() + "\nexec /bin/sleep 30");
  TonePreview preview;
  preview.Play("/music/ring tone.mid");
  EXPECT_EQ(WaitForLine(marker), "-q /music/ring tone.mid\n");
  EXPECT_TRUE(preview.Playing());
  preview.Stop();
  EXPECT_FALSE(preview.Playing());

  InstallPlayer("timidity", "exit 0");
  MidiPlayer player;
  ASSERT_EQ(player.Play("short.mid"), PlayStart::kPlaying);
  for (int i = 0; i < 1000 && player.Playing(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_FALSE(player.Playing());
}

}  // namespace
}  // namespace telvane::objects
