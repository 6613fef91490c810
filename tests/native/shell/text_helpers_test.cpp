#include <gtest/gtest.h>

#include "platform/text.h"

namespace volmere {
namespace {

TEST(TextHelpers, FindTextCountsBytesFromOne) {
  EXPECT_EQ(FindText("192.168.1.5", "."), 4);
  EXPECT_EQ(FindText("PC1", "."), -1);
  EXPECT_EQ(FindText("", ""), -1);
}

}  // namespace
}  // namespace volmere
