#pragma once

#include <windows.h>

namespace explorerwin {

// Holds a window's drawing off while it changes, and draws it once after,
// frame and child windows included.
class RedrawHeld {
 public:
  explicit RedrawHeld(HWND window) : window_(window) {
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawHeld() {
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  RedrawHeld(const RedrawHeld&) = delete;
  RedrawHeld& operator=(const RedrawHeld&) = delete;

 private:
  HWND window_;
};

}  // namespace explorerwin
