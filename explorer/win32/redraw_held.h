#pragma once

#include <windows.h>

namespace explorerwin {

// Holds a control's drawing off while it changes, and draws it once after.
class RedrawHeld {
 public:
  explicit RedrawHeld(HWND window) : window_(window) {
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawHeld() {
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window_, nullptr, TRUE);
  }
  RedrawHeld(const RedrawHeld&) = delete;
  RedrawHeld& operator=(const RedrawHeld&) = delete;

 private:
  HWND window_;
};

}  // namespace explorerwin
