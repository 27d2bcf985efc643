#include "config/settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/command_line.h"
#include "config/locale_info.h"
#include "config/profile_file.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

config::ProfileFile Profile(const TempDir& dir) {
  return config::ProfileFile(dir / "Telvane.ini", "Telvane");
}

TEST(Settings, MissingFileGivesEveryDefault) {
  TempDir dir;
  const config::Settings s = config::ReadAllSettings(Profile(dir));
  EXPECT_EQ(s.port, -1);
  EXPECT_EQ(s.monRef, 2);
  EXPECT_EQ(s.waitSec, 5);
  EXPECT_EQ(s.separator, ',');
  EXPECT_EQ(s.readB + s.swapD + s.gsmConv + s.rem0 + s.smsStat + s.intPrefix + s.noModem +
                s.w2kCable + s.smsListX + s.monProt + s.checkSms + s.debug,
            0);
  EXPECT_EQ(s.tPref, "");
  EXPECT_EQ(s.ptxt[49], "");
  EXPECT_EQ(s.mCol[4], 0);
  EXPECT_EQ(s.device[0], "/dev/ttyS0");
  EXPECT_EQ(s.device[4], "/dev/ttyUSB0");
  EXPECT_EQ(s.device[9], "/dev/ttyACM1");
}

TEST(Settings, ValuesAreConvertedAndCutToTheirSlots) {
  TempDir dir;
  WriteFile(dir / "Telvane.ini",
            "[Other]\nPort=7\n"
            "[telvane]\n"
            "port = 4\nMonRef=15s\nWaitSec=abc\nReadB=-1\nSMSstat=99999999999\n"
            "Separator=;x\nTPref=+491234567\n"
            "Ptxt0=" +
                std::string(250, 'p') + "\nPrefix9=" + std::string(25, '1') +
                "\nCenter9=" + std::string(40, '2') + "\nSCol5=77\nDevice3=sim:\n");
  const config::Settings s = config::ReadAllSettings(Profile(dir));
  EXPECT_EQ(s.port, 4);     // keys and sections match in any case, blanks trimmed
  EXPECT_EQ(s.monRef, 15);  // digits up to the first non-digit
  EXPECT_EQ(s.waitSec, 0);  // no number at all
  EXPECT_EQ(s.readB, -1);
  EXPECT_EQ(s.smsStat, 2147483647);
  EXPECT_EQ(s.separator, ';');
  EXPECT_EQ(s.tPref, "+49123456");  // ten characters keep their first nine
  EXPECT_EQ(s.ptxt[0].size(), config::kPredefinedTextLimit);
  EXPECT_EQ(s.prefix[9].size(), config::kPrefixLimit);
  EXPECT_EQ(s.center[9].size(), config::kCentreLimit);
  EXPECT_EQ(s.sCol[5], 77);
  EXPECT_EQ(s.device[3], "sim:");
}

TEST(Settings, GarbageFilesNeverBreakReading) {
  TempDir dir;
  std::string garbage = "no section line\n=value without key\n[Telvane\n[Telvane]\n;Port=5\n";
  constexpr char kBinary[] = "\0\xff\x80\x1b binary\n";
  garbage += std::string(kBinary, sizeof kBinary - 1);
  garbage +=
      "Port\n" + std::string(100000, 'x') + "\nTPref=" + std::string(5000, '9') + "\nPort=2\n";
  WriteFile(dir / "Telvane.ini", garbage);
  const config::Settings s = config::ReadAllSettings(Profile(dir));
  EXPECT_EQ(s.port, 2);
  EXPECT_EQ(s.tPref, "999999999");
}

TEST(ProfileFile, WriteChangesOneKeyAndKeepsEveryOtherLine) {
  TempDir dir;
  const std::string before =
      "; written by hand\n[Before]\nPort=9\n\n[Telvane]\nPort=1\nTPref=+49\n\n[After]\nX=1\n";
  WriteFile(dir / "Telvane.ini", before);
  config::ProfileFile profile = Profile(dir);
  ASSERT_TRUE(config::WriteIntKey(profile, "PORT", 5));
  ASSERT_TRUE(profile.Write("TCol0", "140"));
  EXPECT_EQ(ReadFile(dir / "Telvane.ini"),
            "; written by "
            "hand\n[Before]\nPort=9\n\n[Telvane]\nPORT=5\nTPref=+49\nTCol0=140\n\n[After]\nX=1\n");
  EXPECT_EQ(Profile(dir).Get("port"), "5");
  // Nothing but the file itself is left in the folder (the write went through a rename).
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ProfileFile, WriteKeepsEveryOtherLineOfAFileOfAnySize) {
  TempDir dir;
  // 70,005 lines over 1 MiB, a 10 MB line, CR LF lines and another program's section
  // behind them; the last line has no line end.
  std::string before = "[Telvane]\r\nPort=1\r\n";
  for (int i = 0; i < 70000; ++i) before += "K" + std::to_string(i) + "=value\n";
  before += "Long=" + std::string(10'000'000, 'x') + "\n[Other]\r\nKeep=1";
  WriteFile(dir / "Telvane.ini", before);
  config::ProfileFile profile = Profile(dir);
  // Compared without a diff of megabytes on failure: where the texts part.
  const auto firstDifference = [&dir](const std::string& expected) {
    const std::string after = ReadFile(dir / "Telvane.ini");
    const auto parted = std::mismatch(after.begin(), after.end(), expected.begin(), expected.end());
    return std::pair(parted.first - after.begin(), after.size());
  };
  ASSERT_TRUE(profile.Write("Port", "2"));
  std::string expected = before;
  expected.replace(expected.find("Port=1"), 6, "Port=2");
  EXPECT_EQ(firstDifference(expected),
            std::pair(static_cast<long>(expected.size()), expected.size()));
  ASSERT_TRUE(profile.Write("New", "3"));
  expected.replace(expected.find("\n[Other]"), 1, "\nNew=3\n");
  EXPECT_EQ(firstDifference(expected),
            std::pair(static_cast<long>(expected.size()), expected.size()));
  EXPECT_EQ(profile.Get("Port"), "2");
}

TEST(ProfileFile, WriteCreatesFolderAndSectionAndKeepsValuesOnOneLine) {
  TempDir dir;
  config::ProfileFile profile(dir / "new" / "folder" / "Telvane.ini", "Telvane");
  ASSERT_TRUE(profile.Write("Ptxt0", "line one\r\nline two"));
  EXPECT_EQ(ReadFile(dir / "new" / "folder" / "Telvane.ini"),
            "[Telvane]\nPtxt0=line one  line two\n");
  EXPECT_FALSE(profile.Write("", "x"));
  EXPECT_FALSE(profile.Write("a=b", "x"));

  config::ProfileFile unwritable("/proc/telvane-cannot/Telvane.ini", "Telvane");
  EXPECT_FALSE(unwritable.Write("Port", "1"));
}

TEST(ProfileFile, UserFileFollowsXdgConfigHome) {
  ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg-test");
  EXPECT_EQ(config::ProfileFile::ForUser().Path(), "/tmp/xdg-test/telvane/Telvane.ini");
  ScopedEnv noXdg("XDG_CONFIG_HOME", std::nullopt);
  ScopedEnv home("HOME", "/home/ann");
  EXPECT_EQ(config::ProfileFile::ForUser().Path(), "/home/ann/.config/telvane/Telvane.ini");
}

TEST(Settings, PortNamesAndNumbers) {
  EXPECT_EQ(config::PortName(0), "COM1:");
  EXPECT_EQ(config::PortName(9), "COM10:");
  EXPECT_EQ(config::DecimalValue("  +12x"), 12);
  EXPECT_EQ(config::DecimalValue("\t7"), 7);
  EXPECT_EQ(config::DecimalValue(""), 0);
  EXPECT_EQ(config::DecimalValue("-"), 0);
  EXPECT_EQ(config::DecimalValue("-99999999999"), -2147483647);
}

TEST(CommandLine, SwitchesAreFoundAnywhereInEitherCase) {
  EXPECT_TRUE(config::ScanCommandLine("-c").commandMode);
  EXPECT_TRUE(config::ScanCommandLine("--config=x").commandMode);  // plain substring
  EXPECT_TRUE(config::ScanCommandLine("/tmp/x-R").askPort);
  EXPECT_FALSE(config::ScanCommandLine("c r").commandMode);
  const std::vector<std::string> arguments{"a", "-r"};
  EXPECT_EQ(config::JoinArguments(arguments), "a -r");
}

TEST(Locale, LanguageHelpDateAndTemporaryFolder) {
  EXPECT_EQ(config::LanguageIdFromLocaleName("de_DE.UTF-8"), 7);
  EXPECT_EQ(config::LanguageIdFromLocaleName("nn_NO"), 20);
  EXPECT_EQ(config::LanguageIdFromLocaleName("pt_BR.UTF-8@x"), 22);
  EXPECT_EQ(config::LanguageIdFromLocaleName("ja_JP"), 9);
  EXPECT_EQ(config::LanguageIdFromLocaleName("C"), 9);
  {
    ScopedEnv all("LC_ALL", std::nullopt);
    ScopedEnv messages("LC_MESSAGES", "fr_FR");
    ScopedEnv lang("LANG", "de_DE");
    EXPECT_EQ(config::LanguageIdFromEnvironment(), 12);
  }
  EXPECT_EQ(config::HelpFileName(7), "telvanede.html");
  EXPECT_EQ(config::HelpFileName(12), "telvane.html");

  EXPECT_EQ(config::DatePictureFromStrftime("%d.%m.%Y"), "dd.MM.yyyy");
  EXPECT_EQ(config::DatePictureFromStrftime("%m/%d/%y"), "MM/dd/yy");
  EXPECT_EQ(config::DatePictureFromStrftime("%F"), "yyyy-MM-dd");
  {
    ScopedEnv all("LC_ALL", "de_XX.nonexistent");
    EXPECT_EQ(config::ShortDateFormatFromEnvironment(), "dd.MM.yyyy");
  }

  ScopedEnv tmpdir("TMPDIR", std::nullopt);
  ScopedEnv tmp("TMP", std::nullopt);
  ScopedEnv temp("TEMP", "/var/tmp");
  EXPECT_EQ(config::TemporaryFolder(), "/var/tmp/");
  ScopedEnv noTemp("TEMP", std::nullopt);
  EXPECT_EQ(config::TemporaryFolder(), "/tmp/");
}

}  // namespace
}  // namespace telvane::testing
