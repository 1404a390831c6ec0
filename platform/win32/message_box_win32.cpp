#include "platform/win32/message_box_win32.h"

#include <windows.h>

namespace platform {

namespace {

// The top-level window a box belongs to: the one given (or the top-level
// window holding it), else the program's active window.
HWND BoxOwner(WindowHandle owner) {
  HWND window = reinterpret_cast<HWND>(owner);
  while (window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
    window = GetParent(window);
  }
  if (window == nullptr || !IsWindow(window)) {
    window = GetActiveWindow();
  }
  return window;
}

}  // namespace

int Win32MessageBoxes::Show(WindowHandle owner, const std::string& text, const std::string& title,
                            unsigned style) {
  // A box is modal to its window, so nothing behind it can start another
  // command meanwhile; with no window it holds every window of the program.
  HWND window = BoxOwner(owner);
  if (window == nullptr) {
    style |= MB_TASKMODAL;
  }
  return MessageBoxA(window, text.c_str(), title.c_str(), style);
}

}  // namespace platform
