#include "phonebook/phonebook_entry.h"

#include <gtest/gtest.h>

namespace telvane::phonebook {
namespace {

TEST(CompareEntries, ByteOrderIsCaseSensitiveAndShorterFirst) {
  const PhonebookEntry anna{5, "+4930", 145, "Anna"};
  const PhonebookEntry annab{2, "030", 129, "Annabel"};
  const PhonebookEntry lower{9, "0891", 129, "anna"};
  const PhonebookEntry umlaut{1, "1", 129, "\xD6zil"};  // Ö sorts after every ASCII letter
  EXPECT_LT(CompareEntries(anna, annab, 1), 0);
  EXPECT_LT(CompareEntries(anna, lower, 1), 0);
  EXPECT_GT(CompareEntries(umlaut, lower, 1), 0);
  EXPECT_GT(CompareEntries(anna, annab, 0), 0);
  EXPECT_LT(CompareEntries(anna, annab, 2), 0);
  EXPECT_EQ(CompareEntries(anna, anna, 1), 0);
}

}  // namespace
}  // namespace telvane::phonebook
