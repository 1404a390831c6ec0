#pragma once

#include <optional>

namespace Explorer {

// A control's place in twips, in the window's client coordinates.
struct Place {
  int left;
  int top;
  int width;
  int height;
};

// The window's size when it loads (outer, twips) and its controls as designed
// for a client area of 11160 x 5820 twips.
inline constexpr int kLoadWidth = 10050;
inline constexpr int kLoadHeight = 6150;
inline constexpr Place kTreePlace{-30, -15, 4515, 5595};
inline constexpr Place kListPlace{4560, -15, 6615, 5595};
inline constexpr int kStatusBarHeight = 255;

// Form_Resize for a window of outer size W x H with a tree T wide: either the
// width the window must be widened to (and nothing else changes), or the
// tree's and list's new heights and the list's new width.
struct ResizeStep {
  std::optional<int> widenTo;
  int treeHeight = 0;
  int listHeight = 0;
  int listWidth = 0;
};
ResizeStep FormResize(int W, int H, int T);

// Form_MouseMove on the splitter: with the left button alone down and the
// pointer X at least 1000 twips inside either side of a window W wide, the
// tree's new width and the list's new width and left edge.
struct SplitterStep {
  int treeWidth;
  int listWidth;
  int listLeft;
};
std::optional<SplitterStep> FormMouseMove(int button, int X, int W);

// Mouse buttons as Form_MouseMove receives them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// A length in pixels as twips on a display of `dotsPerInch`, rounded to the
// nearest twip.
int PixelsToTwips(int pixels, int dotsPerInch);

}  // namespace Explorer
