#include "gsm/text_replace.h"

#include <gtest/gtest.h>

#include <string>

#include "gsm/phonebook_escape.h"

namespace telvane::gsm {
namespace {

std::string Replaced(std::string text, std::string_view search, std::string_view replacement) {
  ReplaceAll(text, search, replacement);
  return text;
}

std::string Escaped(std::string name) {
  PhonebookEscape(name);
  return name;
}

// Clears separators from an export field, grows beyond any fixed buffer, and does not loop
// on a replacement that holds the search text.
TEST(ReplaceAll, ReplacesEveryOccurrenceOnce) {
  EXPECT_EQ(Replaced(Replaced("a,b;c", ",", " "), ";", " "), "a b c");
  EXPECT_EQ(Replaced("", ",", " "), "");
  EXPECT_EQ(Replaced("1/2/3", "/", "."), "1.2.3");
  std::string doubled;
  for (int i = 0; i < 511; ++i) doubled += "<>";
  EXPECT_EQ(Replaced(std::string(511, ','), ",", "<>"), doubled);
  EXPECT_EQ(Replaced("a.b", ".", ".."), "a..b");
  EXPECT_EQ(Replaced("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(Replaced("abc", "", "x"), "abc");
  EXPECT_EQ(Replaced("abab", "ab", "b"), "bb");
}

TEST(PhonebookEscape, WritesGsmCodesOfTheTwentyLetters) {
  EXPECT_EQ(Escaped("K\xF6nig M\xFCller"), "K\\7Cnig M\\7Eller");
  EXPECT_EQ(Escaped("a@b"), "a\\00b");
  EXPECT_EQ(Escaped("\xC6gir"), "\\1Cgir");
  EXPECT_EQ(
      Escaped("\xF6\xE4\xFC\xDC\xD6\xC4\xDF\xE8\xE9\xF9\xEC\xF2\xD8\xF8\xC5\xE5\xE0@\xC6\xE6"),
      "\\7C\\7B\\7E\\5E\\5C\\5B\\1E\\04\\05\\06\\07\\08\\0B\\0C\\0E\\0F\\7F\\00\\1C\\1D");
}

TEST(PhonebookEscape, LeavesEveryOtherCharacterAlone) {
  const std::string name = "Back\\slash \xA3\xA5\xC7\xC9\xD1\xF1\xA7\xA1\xBF 0-9";
  EXPECT_EQ(Escaped(name), name);
  EXPECT_EQ(Escaped(""), "");
}

TEST(PhonebookEscape, LetsALongNameGrowThreefold) {
  const std::string name(100, '\xF6');
  const std::string escaped = Escaped(name);
  EXPECT_EQ(escaped.size(), 300u);
  EXPECT_EQ(escaped.substr(297), "\\7C");
}

}  // namespace
}  // namespace telvane::gsm
