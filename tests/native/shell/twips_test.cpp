#include "shell/twips.h"

#include <gtest/gtest.h>

namespace {

TEST(TwipsTest, FifteenTwipsMakeAPixelAtNinetySixDotsPerInch) {
  EXPECT_EQ(Subs::TwipsToPixels(15, 96), 1);
  EXPECT_EQ(Subs::TwipsToPixels(9540, 96), 636);
  EXPECT_EQ(Subs::TwipsToPixels(6030, 96), 402);
  EXPECT_EQ(Subs::TwipsToPixels(0, 96), 0);
}

TEST(TwipsTest, FollowsTheDisplayResolution) {
  EXPECT_EQ(Subs::TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(Subs::TwipsToPixels(5160, 144), 516);
  EXPECT_EQ(Subs::TwipsToPixels(9540, 192), 1272);
}

TEST(TwipsTest, RoundsToTheNearestPixelAlikeForNegativeLengths) {
  EXPECT_EQ(Subs::TwipsToPixels(7, 96), 0);  // 0.47 pixel
  EXPECT_EQ(Subs::TwipsToPixels(8, 96), 1);  // 0.53 pixel
  EXPECT_EQ(Subs::TwipsToPixels(-8, 96), -1);
  EXPECT_EQ(Subs::TwipsToPixels(-7, 96), 0);
  // Large lengths at high resolution do not overflow.
  EXPECT_EQ(Subs::TwipsToPixels(2000000000, 480), 666666667);
}

}  // namespace
