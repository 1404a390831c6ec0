#include "explorer/explorer_layout.h"

#include "shell/twips.h"

namespace Explorer {

namespace {
constexpr int kMinListWidth = 1000;  // the window is never narrower than tree + this
constexpr int kBottomMargin = 650;   // caption, borders and status bar
constexpr int kResizeGap = 200;
constexpr int kSplitterMargin = 1000;
constexpr int kHalfStrip = 30;
constexpr int kDragGap = 100;
}  // namespace

ResizeStep FormResize(int W, int H, int T) {
  if (T + kMinListWidth > W) {
    return ResizeStep{T + kMinListWidth};
  }
  return ResizeStep{std::nullopt, H - kBottomMargin, H - kBottomMargin, W - T - kResizeGap};
}

std::optional<SplitterStep> FormMouseMove(int button, int X, int W) {
  if (button != kLeftButton || X < kSplitterMargin || X > W - kSplitterMargin) {
    return std::nullopt;
  }
  const int treeWidth = X - kHalfStrip;
  return SplitterStep{treeWidth, W - treeWidth - kDragGap, X + kHalfStrip};
}

int PixelsToTwips(int pixels, int dotsPerInch) {
  if (dotsPerInch <= 0) {
    return 0;
  }
  const long long scaled = static_cast<long long>(pixels) * Subs::kTwipsPerInch;
  const long long half = dotsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / dotsPerInch
                                      : -((-scaled + half) / dotsPerInch));
}

}  // namespace Explorer
