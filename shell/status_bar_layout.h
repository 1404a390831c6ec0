#pragma once

#include <array>

namespace Subs {

// The right edges of the frame's three status-bar panels, in pixels, for a
// bar `barWidth` wide (the last, -1, reaches the bar's end). The first panel
// is as wide as its text with `padding` on either side, and so is the third,
// which also leaves room for the size grip; the second takes what is left,
// and nothing when there is nothing left.
std::array<int, 3> StatusBarPanelEdges(int barWidth, int webTextWidth, int labelTextWidth,
                                       int padding, int gripWidth);

}  // namespace Subs
