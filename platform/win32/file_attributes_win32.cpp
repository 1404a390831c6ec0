#include "platform/win32/file_attributes_win32.h"

#include <windows.h>

namespace platform {

std::optional<std::uint32_t> Win32FileAttributes::Attributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return attributes;
}

std::optional<std::uint32_t> Win32PathAttributes::Attributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return std::nullopt;
  }
  return attributes;
}

}  // namespace platform
