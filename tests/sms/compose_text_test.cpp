// The counters, the "#k#" shortcut and the reply recipient, as the compose dialogs use them.
#include "sms/compose_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "sms/reply_recipient.h"

namespace telvane::sms {
namespace {

TEST(MessageCounters, CountCharactersLeftAndParts) {
  const MessageCounters none = CountMessage(0, 160);
  EXPECT_EQ(none.characters, 0u);
  EXPECT_EQ(none.left, 0u);
  EXPECT_EQ(none.parts, 0u);
  const MessageCounters full = CountMessage(160, 160);
  EXPECT_EQ(full.left, 0u);
  EXPECT_EQ(full.parts, 1u);
  const MessageCounters over = CountMessage(161, 160);
  EXPECT_EQ(over.characters, 161u);
  EXPECT_EQ(over.left, 159u);
  EXPECT_EQ(over.parts, 2u);
  const MessageCounters eightBit = CountMessage(141, 140);
  EXPECT_EQ(eightBit.left, 139u);
  EXPECT_EQ(eightBit.parts, 2u);
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

TEST(ReplyRecipient, NumbersStandForThemselvesAndNamesAreLookedUp) {
  phonebook::ExternalBookTable book;
  book.Add({1, "0301", 129, "Anna Schmidt"});
  book.Add({2, "+49302", 145, "Bob+"});
  book.Add({0, "0303", 129, "Hidden"});  // position 0 ends the table
  EXPECT_EQ(ResolveReplyRecipient("+4917", book), "+4917");
  EXPECT_EQ(ResolveReplyRecipient("0170 x", book), "0170 x");
  EXPECT_EQ(ResolveReplyRecipient("Schmidt", book), "0301");
  EXPECT_EQ(ResolveReplyRecipient("Bob", book), "+49302");
  EXPECT_EQ(ResolveReplyRecipient("Hidden", book), std::nullopt);
  EXPECT_EQ(ResolveReplyRecipient("Zoe", book), std::nullopt);
  EXPECT_EQ(ResolveReplyRecipient("", book), std::nullopt);
}

}  // namespace
}  // namespace telvane::sms
