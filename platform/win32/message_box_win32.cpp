#include "platform/win32/message_box_win32.h"

#include <windows.h>

namespace platform {

int Win32MessageBoxes::Show(WindowHandle owner, const std::string& text, const std::string& title,
                            unsigned style) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), title.c_str(), style);
}

}  // namespace platform
