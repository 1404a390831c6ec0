#include "platform/win32/system_folders_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/file_name_rule_win32.h"

namespace platform {

std::string Win32SystemFolders::ProgramFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string folder(buffer, length);
  const auto slash = Win32FileNameRule().LastSeparator(folder);
  if (slash == std::string::npos) {
    return {};
  }
  // A drive root keeps its backslash: "C:\" rather than "C:", which names
  // the drive's current folder.
  const bool driveRoot = slash == 2 && folder[1] == ':';
  return folder.substr(0, driveRoot ? slash + 1 : slash);
}

std::uint32_t Win32SystemFolders::WindowsDirectory(std::span<char> buffer) {
  return GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
}

std::uint32_t Win32SystemFolders::SystemDirectory(std::span<char> buffer) {
  return GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
}

std::string RunningProgramStem() {
  std::vector<char> path(MAX_PATH + 1, '\0');
  const DWORD length = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
  std::string name(path.data(), length);
  const std::size_t slash = Win32FileNameRule().LastOf(name, "\\/");
  name.erase(0, slash == std::string::npos ? 0 : slash + 1);
  const auto dot = name.find_last_of('.');
  if (dot != std::string::npos) {
    name.erase(dot);
  }
  return name;
}

}  // namespace platform
