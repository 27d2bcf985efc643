// The centre table and the predefined texts as their windows keep them in the settings.
#include <gtest/gtest.h>

#include "sms/centre_table.h"
#include "sms/predefined_texts.h"
#include "support/temp_dir.h"

namespace telvane::sms {
namespace {

TEST(CentreTableTest, PrefixWithoutCentreIsFoundUnlessItBeginsWithABlank) {
  CentreRoutes routes;
  routes.prefix[0] = "0049";
  routes.center[0] = "+491770000000";
  routes.prefix[3] = " 0171";  // not checked
  EXPECT_EQ(PairWithoutCentre(routes), std::nullopt);
  routes.prefix[7] = "0172";
  EXPECT_EQ(PairWithoutCentre(routes), 7u);
  routes.center[7] = "+49";
  EXPECT_EQ(PairWithoutCentre(routes), std::nullopt);
}

TEST(CentreTableTest, StoredRoutesAreOneLineEachAndCutToTheirSlots) {
  testing::TempDir folder;
  config::ProfileFile profile(folder / "Telvane.ini", "Telvane");
  config::Settings settings;
  CentreRoutes typed;
  typed.prefix[0] = "0171\r\nPort=5";
  typed.center[0] = std::string(40, '9');
  typed.prefix[9] = "+43";
  typed.center[9] = "+436640000000";
  ASSERT_TRUE(StoreRoutes(CleanRoutes(typed), settings, profile));
  EXPECT_EQ(settings.prefix[0], "0171  Port=5");
  EXPECT_EQ(settings.center[0], std::string(29, '9'));
  const config::Settings read = config::ReadAllSettings(profile);
  EXPECT_EQ(read.port, -1);
  EXPECT_EQ(read.prefix, settings.prefix);
  EXPECT_EQ(read.center, settings.center);
  EXPECT_EQ(RoutesFrom(read).center[9], "+436640000000");
}

TEST(PredefinedTextsTest, SavingWritesEmptiedTextsSoTheyStayDeleted) {
  testing::TempDir folder;
  testing::WriteFile(folder / "Telvane.ini", "[Telvane]\nPtxt0=old one\nPtxt4=old five\n");
  config::ProfileFile profile(folder / "Telvane.ini", "Telvane");
  config::Settings settings = config::ReadAllSettings(profile);
  PredefinedTexts texts;
  texts[0] = "hellohello";
  texts[49] = "last\nline";
  ASSERT_TRUE(SavePredefinedTexts(texts, settings, profile));
  const config::Settings read =
      config::ReadAllSettings(config::ProfileFile(folder / "Telvane.ini", "Telvane"));
  EXPECT_EQ(read.ptxt[0], "hellohello");
  EXPECT_EQ(read.ptxt[4], "");
  EXPECT_EQ(read.ptxt[49], "last line");
  EXPECT_EQ(settings.ptxt, read.ptxt);
  EXPECT_EQ(EditedText(std::string(170, 'a') + "\t"), std::string(160, 'a'));
}

}  // namespace
}  // namespace telvane::sms
