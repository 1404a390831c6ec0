#include "shell/win32/os_platform.h"

#include <windows.h>

#include <cstring>

namespace shellwin {

std::uint32_t GetOSPlatform() {
  // The original record (148 bytes), which every version fills.
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  std::memset(info.szCSDVersion, ' ', sizeof info.szCSDVersion);
  GetVersionExA(&info);
  return info.dwPlatformId;
}

}  // namespace shellwin
