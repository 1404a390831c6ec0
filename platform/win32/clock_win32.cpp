#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace platform {

std::uint32_t Win32Clock::Milliseconds() { return GetTickCount(); }

void Win32Clock::Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace platform
