#include "shell/win32/os_platform.h"

#include <windows.h>

namespace shellwin {

std::uint32_t GetOSPlatform() {
  // The original record (148 bytes), which every version fills.
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info.dwPlatformId;
}

}  // namespace shellwin
