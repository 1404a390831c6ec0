#include "platform/win32/exe_path_win32.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/system_function.h"

namespace platform {

namespace {

constexpr DWORD kProcessQueryLimitedInformation = 0x1000;

// QueryFullProcessImageNameA is absent from Windows 95 and 98, so it is
// looked up rather than imported.
using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);

std::string FromImageName(DWORD processId) {
  const auto query = SystemFunction<QueryImageName>("kernel32.dll", "QueryFullProcessImageNameA");
  if (query == nullptr) {
    return {};
  }
  ScopedHandle process(::OpenProcess(kProcessQueryLimitedInformation, FALSE, processId));
  if (!process.Valid()) {
    process = ScopedHandle(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  }
  if (!process.Valid()) {
    return {};
  }
  char path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (!query(process.Get(), 0, path, &size)) {
    return {};
  }
  return std::string(path, size);
}

std::string FromOwnModule(DWORD processId, const std::string& fileName) {
  const ScopedHandle modules(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!modules.Valid()) {
    return {};
  }
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  const Win32FileNameRule rule;
  for (BOOL more = Module32First(modules.Get(), &entry); more;
       more = Module32Next(modules.Get(), &entry)) {
    if (SameFileName(rule, entry.szModule, fileName)) {
      return entry.szExePath;
    }
  }
  return {};
}

std::string FromSearchPath(const std::string& fileName) {
  char path[MAX_PATH] = {};
  const DWORD length = SearchPathA(nullptr, fileName.c_str(), nullptr, MAX_PATH, path, nullptr);
  if (length == 0 || length >= MAX_PATH) {
    return {};
  }
  return std::string(path, length);
}

}  // namespace

std::string FindExePath(std::uint32_t processId, const std::string& fileName) {
  std::string path = FromImageName(processId);
  if (path.empty() && !fileName.empty()) {
    path = FromOwnModule(processId, fileName);
  }
  if (path.empty() && !fileName.empty()) {
    path = FromSearchPath(fileName);
  }
  return path;
}

bool IsSixteenBitModule(const std::string& fileName) {
  const auto dot = fileName.find_last_of('.');
  if (dot == std::string::npos || fileName.find_first_of("\\/", dot) != std::string::npos) {
    return false;
  }
  const std::string extension = fileName.substr(dot + 1);
  return extension.size() > 3 && extension.compare(extension.size() - 2, 2, "16") == 0;
}

}  // namespace platform
