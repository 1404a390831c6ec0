#include "explorer/explorer_layout.h"

#include <gtest/gtest.h>

namespace {

using Explorer::FormMouseMove;
using Explorer::FormResize;

TEST(FormResize, NeverNarrowerThanTheTreePlus1000) {
  struct Case {
    int W, H, T;
    std::optional<int> widenTo;
    int treeHeight, listWidth;
  };
  const Case cases[] = {
      {10050, 6150, 4515, std::nullopt, 5500, 5335},  // as loaded
      {5515, 4000, 4515, std::nullopt, 3350, 800},    // exactly tree + 1000
      {5514, 4000, 4515, 5515, 0, 0},                 // one twip narrower
      {3000, 6150, 4515, 5515, 0, 0},
      {20000, 650, 100, std::nullopt, 0, 19700},
  };
  for (const Case& c : cases) {
    const Explorer::ResizeStep step = FormResize(c.W, c.H, c.T);
    EXPECT_EQ(step.widenTo, c.widenTo) << c.W;
    if (!c.widenTo) {
      EXPECT_EQ(step.treeHeight, c.treeHeight) << c.W;
      EXPECT_EQ(step.listHeight, c.treeHeight) << c.W;
      EXPECT_EQ(step.listWidth, c.listWidth) << c.W;
    }
  }
}

TEST(FormMouseMove, MovesTheBoundaryWithTheLeftButtonAloneWithinRange) {
  struct Case {
    int button, X, W;
    bool moves;
    int treeWidth, listWidth, listLeft;
  };
  const Case cases[] = {
      {1, 5000, 10050, true, 4970, 4980, 5030},
      {1, 1000, 10050, true, 970, 8980, 1030},  // the left limit
      {1, 9050, 10050, true, 9020, 930, 9080},  // the right limit
      {1, 999, 10050, false, 0, 0, 0},
      {1, 9051, 10050, false, 0, 0, 0},
      {0, 5000, 10050, false, 0, 0, 0},  // no button
      {2, 5000, 10050, false, 0, 0, 0},  // right button
      {3, 5000, 10050, false, 0, 0, 0},  // left and right
      {5, 5000, 10050, false, 0, 0, 0},  // left and middle
  };
  for (const Case& c : cases) {
    const auto step = FormMouseMove(c.button, c.X, c.W);
    ASSERT_EQ(step.has_value(), c.moves) << c.button << " " << c.X;
    if (step) {
      EXPECT_EQ(step->treeWidth, c.treeWidth) << c.X;
      EXPECT_EQ(step->listWidth, c.listWidth) << c.X;
      EXPECT_EQ(step->listLeft, c.listLeft) << c.X;
    }
  }
}

TEST(FormMouseMove, TheListEndsOneHundredTwipsFurtherRightThanAfterTheNextResize) {
  const int W = 10050;
  const auto drag = FormMouseMove(1, 6000, W);
  ASSERT_TRUE(drag);
  EXPECT_EQ(drag->listLeft + drag->listWidth, 10010);
  const Explorer::ResizeStep resize = FormResize(W, 6150, drag->treeWidth);
  EXPECT_EQ(drag->listLeft + resize.listWidth, 9910);
}

TEST(PixelsToTwips, RoundsToTheNearestTwip) {
  struct Case {
    int pixels, dpi, twips;
  };
  const Case cases[] = {{301, 96, 4515}, {1, 96, 15},  {0, 96, 0}, {100, 120, 1200},
                        {-2, 96, -30},   {7, 144, 70}, {1, 0, 0},  {1, 97, 15}};
  for (const Case& c : cases) {
    EXPECT_EQ(Explorer::PixelsToTwips(c.pixels, c.dpi), c.twips) << c.pixels << "@" << c.dpi;
  }
}

}  // namespace
