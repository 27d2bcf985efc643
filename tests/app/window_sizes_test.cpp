// The list windows' "<Window>Size" keys: written as "width,height", read back, and
// ignored when damaged.
#include <gtest/gtest.h>

#include "app/window_size_memory.h"
#include "config/window_size_keys.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

TEST(WindowSizes, ValuesAreReadOnlyWhenWellFormed) {
  using config::ParseWindowSize;
  EXPECT_EQ(ParseWindowSize("640,480"), (config::SavedWindowSize{640, 480}));
  EXPECT_EQ(ParseWindowSize(" 640 , 480 "), (config::SavedWindowSize{640, 480}));
  for (const char* damaged : {"", "640", "640,", ",480", "640;480", "-640,480", "0,480",
                              "640,480,2", "640,480x", "16385,480", "99999999999,1"}) {
    EXPECT_EQ(ParseWindowSize(damaged), std::nullopt) << damaged;
  }
}

TEST(WindowSizes, KeptUnderTheWindowsKeyInTheSettingsFile) {
  TempDir dir;
  config::ProfileFile profile(dir / "Telvane.ini", "Telvane");
  app::SettingsWindowSizes sizes(profile);
  sizes.Remember(105, {900, 600});
  sizes.Remember(120, {700, 500});
  sizes.Remember(103, {400, 300});  // a dialog: not kept
  EXPECT_EQ(profile.GetString("PBSize", ""), "900,600");
  EXPECT_EQ(profile.GetString("SMSSize", ""), "700,500");
  EXPECT_EQ(sizes.Recall(105), (ui::WindowSize{900, 600}));
  EXPECT_EQ(sizes.Recall(103), std::nullopt);
  EXPECT_EQ(sizes.Recall(108), std::nullopt);
  profile.Write("OrgSize", "wide,tall");
  EXPECT_EQ(sizes.Recall(108), std::nullopt);
}

}  // namespace
}  // namespace telvane::testing
