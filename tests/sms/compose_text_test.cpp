// The counters and the "#k#" shortcut, as the compose dialogs use them.
#include "sms/compose_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace telvane::sms {
namespace {

TEST(MessageCounters, CountCharactersLeftAndParts) {
  const auto counted = [](std::size_t n, std::size_t length) {
    const MessageCounters c = CountMessage(n, length);
    return std::to_string(c.characters) + " " + std::to_string(c.left) + " " +
           std::to_string(c.parts);
  };
  EXPECT_EQ(counted(0, 160), "0 0 0");
  EXPECT_EQ(counted(160, 160), "160 0 1");
  EXPECT_EQ(counted(161, 160), "161 159 2");
  EXPECT_EQ(counted(141, 140), "141 139 2");
}

class Shortcut : public ::testing::Test {
 protected:
  Shortcut() {
    texts_[0] = "first";
    texts_[2] = "third";
    texts_[49] = "fiftieth";
  }
  std::optional<std::string> Expand(std::string_view text) const {
    return ExpandPredefinedShortcut(text, texts_);
  }
  std::array<std::string, kPredefinedTextCount> texts_;
};

TEST_F(Shortcut, ReplacesEverythingFromTheFirstMarkWithTheText) {
  EXPECT_EQ(Expand("Hi #3#"), "Hi third");
  EXPECT_EQ(Expand("#1#"), "first");
  EXPECT_EQ(Expand("a #50# tail"), "a fiftieth");
  EXPECT_EQ(Expand("x#03#"), "xthird");
}

TEST_F(Shortcut, LeavesTheTextForNumbersOutsideTheRangeOrEmptyTexts) {
  for (const char* text : {"no mark", "#3", "##", "#0#", "#51#", "#100#", "#-1#", "# 3#", "#3x#",
                           "#2#"}) {  // text 2 is empty: the typed text stays
    EXPECT_EQ(Expand(text), std::nullopt) << text;
  }
  // The number stands right after the first mark: a later pair does not count.
  EXPECT_EQ(Expand("#a# #3#"), std::nullopt);
}

}  // namespace
}  // namespace telvane::sms
