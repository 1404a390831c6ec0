#include "shell/status_bar_layout.h"

#include <gtest/gtest.h>

namespace {

using Edges = std::array<int, 3>;

TEST(StatusBarLayoutTest, OuterPanelsFitTheirTextsAndTheMiddleOneTakesTheRest) {
  struct Case {
    int bar, web, label, padding, grip;
    Edges edges;
  };
  const Case cases[] = {
      // 96 dots per inch: 6 pixels of padding.
      {636, 230, 60, 6, 17, {242, 547, -1}},
      // Large fonts: wider texts and padding.
      {795, 290, 75, 8, 21, {306, 683, -1}},
      // No grip.
      {400, 100, 50, 5, 0, {110, 340, -1}},
      // A bar too narrow for both: the middle panel has no width.
      {300, 230, 60, 6, 17, {242, 242, -1}},
      {0, 230, 60, 6, 17, {242, 242, -1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Subs::StatusBarPanelEdges(c.bar, c.web, c.label, c.padding, c.grip), c.edges)
        << c.bar << " " << c.web;
  }
}

}  // namespace
