#pragma once

// Real folders, files and shortcut files for the uninstaller's Wine tests.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win32/scoped_handle.h"
#include "uninstall/known_files.h"

namespace uninstall_test {

inline std::string WindowsDir() {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\";
}

// The five shortcut files, where the shell-link library keeps them.
inline std::vector<std::string> ShortcutFiles() {
  const std::string programs = WindowsDir() + "Start Menu\\Programs\\";
  return {
      WindowsDir() + "Desktop\\Kestrel.LNK",
      WindowsDir() + "Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\Kestrel.LNK",
      programs + "Kestrel.LNK", programs + "Startup\\Kestrel.LNK",
      WindowsDir() + "Start Menu\\Kestrel.LNK"};
}

inline void MakeFolders(const std::string& path) {
  for (auto slash = path.find('\\', 3); slash != std::string::npos;
       slash = path.find('\\', slash + 1)) {
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
  }
}

inline void MakeFile(const std::string& path, const std::string& text, DWORD attributes = 0) {
  MakeFolders(path);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  const platform::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  if (attributes != 0) {
    SetFileAttributesA(path.c_str(), attributes);
  }
}

// Every name below `folder` with its read-only, hidden, system and folder
// bits, subfolders entered.
inline std::string Listing(const std::string& folder) {
  std::map<std::string, std::string> names;  // in upper case, whatever order the search gives
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") {
      continue;
    }
    std::string entry = name + ":" + std::to_string(found.dwFileAttributes & 0x17) + " ";
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      entry += "[" + Listing(folder + name + "\\") + "] ";
    }
    names[kesclean::UpperCase(name)] = entry;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::string listing;
  for (const auto& [key, entry] : names) {
    listing += entry;
  }
  return listing;
}

inline void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName, path = folder + name;
      if (name == "." || name == "..") {
        continue;
      }
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

inline bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace uninstall_test
