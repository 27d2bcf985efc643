#include "gsm/ucs2_text.h"

#include <gtest/gtest.h>

#include <string>

namespace telvane::gsm {
namespace {

TEST(Ucs2ToLatin1, GivesOneQuestionMarkPerCharacterBeyondLatin1) {
  using std::string_literals::operator""s;
  EXPECT_EQ(Ucs2ToLatin1("\x00\x41\x00\xFF\x01\x00\x20\xAC"s), "A\xFF??");
  EXPECT_EQ(Ucs2ToLatin1("\xD8\x3D\xDE\x00\x00\x41"s), "?A");  // a pair: one character
  // Broken pairs: a lone high half keeps the next character, a lone low half is one "?".
  EXPECT_EQ(Ucs2ToLatin1("\xD8\x3D\x00\x41\xDE\x00"s), "?A?");
  EXPECT_EQ(Ucs2ToLatin1("\x00\x41\xD8\x3D"s), "A?");
  EXPECT_EQ(Ucs2ToLatin1("\x00\x41\x00"s), "A");  // an odd last octet
  EXPECT_EQ(Ucs2ToLatin1(""), "");
}

}  // namespace
}  // namespace telvane::gsm
