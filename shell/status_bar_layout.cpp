#include "shell/status_bar_layout.h"

#include <algorithm>

namespace Subs {

std::array<int, 3> StatusBarPanelEdges(int barWidth, int webTextWidth, int labelTextWidth,
                                       int padding, int gripWidth) {
  const int webRight = webTextWidth + 2 * padding;
  const int labelWidth = labelTextWidth + 2 * padding + gripWidth;
  return {webRight, std::max(webRight, barWidth - labelWidth), -1};
}

}  // namespace Subs
