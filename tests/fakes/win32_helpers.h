#pragma once

// Helpers for the tests that reach the real platform (Windows build only).
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/win32/scoped_handle.h"

namespace kes_test {

// The folder of the running test program, with a trailing backslash; the
// helper programs and libraries are built beside it.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// `name` in the system's temporary folder.
inline std::string TempPath(const std::string& name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return folder + name;
}

// Starts a program without a console, so no console host comes with it.
inline PROCESS_INFORMATION StartProgram(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                      nullptr, &startup, &started)) {
    started = {};
  }
  return started;
}

// Runs a program to its end: its exit code, or 0xFFFFFFFF when it never ran.
inline DWORD RunProgram(const std::string& commandLine) {
  const PROCESS_INFORMATION started = StartProgram(commandLine);
  platform::ScopedHandle process(started.hProcess), thread(started.hThread);
  DWORD code = 0xFFFFFFFF;
  if (process.Valid() && WaitForSingleObject(process.Get(), 60000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.Get(), &code);
  }
  return code;
}

// Stores a value with the ANSI calls, creating its key, as someone editing the
// registry by hand might; an empty name is the key's default value.
inline bool PutRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                             const std::string& bytes) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      RegSetValueExA(opened, name.empty() ? nullptr : name.c_str(), 0, type,
                     reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
  RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

inline bool RegistryKeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// A file of `length` bytes in the temporary folder, last written `daysEarlier`
// days before the local time `written`; removed with the object, whatever
// attributes a test gave it.
class TempFile {
 public:
  TempFile(const std::string& name, std::size_t length, const SYSTEMTIME& written,
           int daysEarlier = 0)
      : path(TempPath(name)) {
    platform::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string content(length, 'k');
    DWORD done = 0;
    FILETIME local{}, utc{};
    SystemTimeToFileTime(&written, &local);
    ULARGE_INTEGER at{{local.dwLowDateTime, local.dwHighDateTime}};
    at.QuadPart -= static_cast<ULONGLONG>(daysEarlier) * 864000000000ULL;  // 100 ns a tick
    local = FILETIME{at.LowPart, at.HighPart};
    made = file.Valid() &&
           WriteFile(file.Get(), content.data(), static_cast<DWORD>(length), &done, nullptr) &&
           LocalFileTimeToFileTime(&local, &utc) && SetFileTime(file.Get(), nullptr, nullptr, &utc);
  }
  ~TempFile() {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string path;
  bool made = false;
};

}  // namespace kes_test
