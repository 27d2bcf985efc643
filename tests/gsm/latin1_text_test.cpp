#include "gsm/latin1_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace telvane::gsm {
namespace {

TEST(TextEncoding, ConvertsBetweenUtf8AndLatin1) {
  EXPECT_EQ(Utf8ToLatin1("Stra\xC3\x9F"
                         "e \xE2\x82\xAC \xF0\x9F\x98\x80"),
            "Stra\xDF"
            "e ? ?");
  EXPECT_EQ(Utf8ToLatin1("bad \xC3 and \xC0\x80 end"), "bad ? and ?? end");
  EXPECT_EQ(Latin1ToUtf8("\xE4\xF6\xFC\xFF"), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xBF");
  EXPECT_TRUE(IsValidUtf8("\xC3\xA4"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")) << "a surrogate";
  EXPECT_FALSE(IsValidUtf8("\xE2\x82")) << "cut off";
}

TEST(TextEncoding, ExactLatin1RefusesWhatItCannotHold) {
  EXPECT_EQ(Utf8ToLatin1Exact("M\xC3\xBCnchen"), std::optional<std::string>("M\xFCnchen"));
  EXPECT_EQ(Utf8ToLatin1Exact(""), std::optional<std::string>(""));
  EXPECT_EQ(Utf8ToLatin1Exact("\xE2\x82\xAC"), std::nullopt) << "above U+00FF";
  EXPECT_EQ(Utf8ToLatin1Exact("\xC0\x80"), std::nullopt) << "overlong";
  EXPECT_EQ(Utf8ToLatin1Exact("\xC3"), std::nullopt) << "cut off";
}

TEST(TextEncoding, DecodesAndEncodesCharacters) {
  const std::string text = "A\xCE\x94\xE2\x82\xAC\xF0\x9F\x98\x80";
  std::size_t at = 0;
  std::string again;
  for (const char32_t expected : {U'A', U'\u0394', U'\u20AC', U'\U0001F600'}) {
    const auto c = NextUtf8(text, at);
    ASSERT_EQ(c, std::optional<char32_t>(expected));
    AppendUtf8(again, *c);
  }
  EXPECT_EQ(at, 10U);
  EXPECT_EQ(again, text);

  std::size_t bad = 0;
  EXPECT_EQ(NextUtf8("\x80x", bad), std::nullopt);
  EXPECT_EQ(bad, 0U) << "a malformed sequence does not advance";
}

}  // namespace
}  // namespace telvane::gsm
