#include "objects/binary_object.h"

#include <gtest/gtest.h>

namespace telvane::objects {
namespace {

TEST(BlockCount, WholeAndPartialBlocks) {
  EXPECT_EQ(BlockCount(0, 100), 0);
  EXPECT_EQ(BlockCount(200, 100), 2);
  EXPECT_EQ(BlockCount(250, 100), 3);
  EXPECT_EQ(BlockCount(3000, BlockSize(ObjectType::kBmp)), 60);
}

}  // namespace
}  // namespace telvane::objects
