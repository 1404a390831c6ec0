#include "shell/frame_menus.h"

#include <gtest/gtest.h>

namespace {

TEST(WebAddressTest, EachWebItemOpensItsPageOfTheSite) {
  EXPECT_EQ(Subs::WebAddressForIndex(0), "http://www.fernbrook.example");
  EXPECT_EQ(Subs::WebAddressForIndex(2), "http://www.fernbrook.example/kestrel");
  EXPECT_EQ(Subs::WebAddressForIndex(3), "http://www.fernbrook.example/kestrel/order.htm");
  EXPECT_EQ(Subs::WebAddressForIndex(5), "http://www.fernbrook.example/software.htm");
  EXPECT_EQ(Subs::WebAddressForIndex(6), "http://www.fernbrook.example/kestrel/support.htm");
}

TEST(WebAddressTest, SeparatorsAndUnknownIndexesGiveTheEmptyAddress) {
  for (int index : {1, 4, -1, 7, 100}) {
    EXPECT_EQ(Subs::WebAddressForIndex(index), "") << index;
  }
}

TEST(WebAddressTest, AddressesAgreeWithTheWebMenu) {
  // Every enabled web item with a caption has an address; separators none.
  const auto items = Subs::WebSubmenu().items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const bool separator = items[i].caption == nullptr;
    EXPECT_EQ(Subs::WebAddressForIndex(static_cast<int>(i)).empty(), separator) << i;
  }
}

}  // namespace
