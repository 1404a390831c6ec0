#pragma once

// Real folders, files and shortcut files for the uninstaller's Wine tests.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/scoped_handle.h"

namespace uninstall_test {

inline std::string WindowsDir() {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\";
}

// A second name for the Windows folder, as a mapped or SUBST drive gives on
// Windows: the drive whose link in the prefix's dosdevices leads to
// drive_c/windows (the fixture second_name_drive makes it).
inline const std::string kSecondName = "W:\\";

// The five shortcut files, where the shell-link library keeps them.
inline std::vector<std::string> ShortcutFiles() {
  const std::string programs = WindowsDir() + "Start Menu\\Programs\\";
  return {
      WindowsDir() + "Desktop\\Kestrel.LNK",
      WindowsDir() + "Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\Kestrel.LNK",
      programs + "Kestrel.LNK", programs + "Startup\\Kestrel.LNK",
      WindowsDir() + "Start Menu\\Kestrel.LNK"};
}

// Polls `done` every 50 ms until it holds or the time is up.
inline bool Within(DWORD ms, const std::function<bool()>& done) {
  for (DWORD waited = 0; waited < ms; waited += 50) {
    if (done()) {
      return true;
    }
    Sleep(50);
  }
  return done();
}

inline std::string ReadFile(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
      text.append(chunk, n);
    }
    std::fclose(file);
  }
  return text;
}

// A text value of a key below HKEY_LOCAL_MACHINE, or "<no key>", "<no value>".
inline std::string MachineText(const std::string& key, const char* name) {
  HKEY open = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) {
    return "<no key>";
  }
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  const LONG read =
      RegQueryValueExA(open, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(open);
  return read == ERROR_SUCCESS ? text : "<no value>";
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
    names[platform::Win32FileNameRule().Folded(name)] = entry;
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

// Every file and folder of the tree below `folder` (with its trailing
// backslash), one "path:attributes" each: compared before and after, it
// shows everything that changed on a whole drive.
inline void AddTree(const std::string& folder, std::set<std::string>& tree) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return;
  }
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") {
      continue;
    }
    tree.insert(folder + name + ":" + std::to_string(found.dwFileAttributes & 0x17));
    // A link (Wine's links from the user's folders to the host's home) leads
    // off the drive: it is listed, not entered.
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
      AddTree(folder + name + "\\", tree);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

inline std::set<std::string> Drive(const std::string& root = "C:\\") {
  std::set<std::string> tree;
  AddTree(root, tree);
  return tree;
}

// What is in `a` and not in `b`.
inline std::set<std::string> Difference(const std::set<std::string>& a,
                                        const std::set<std::string>& b) {
  std::set<std::string> only;
  for (const std::string& entry : a) {
    if (b.count(entry) == 0) {
      only.insert(entry);
    }
  }
  return only;
}

// Every key below `key` ("<path>\\") and every value with its type and data,
// one line each: compared before and after, it shows what changed in the
// registry.
inline void AddKeys(HKEY key, const std::string& path, std::set<std::string>& tree) {
  char name[512];
  BYTE data[4096];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = sizeof name, type = 0, dataSize = sizeof data;
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) !=
        ERROR_SUCCESS) {
      break;
    }
    tree.insert(path + ":" + name + "=" + std::to_string(type) + ":" +
                std::string(reinterpret_cast<const char*>(data), dataSize));
  }
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    const std::string below = path + name + "\\";
    tree.insert(below);
    HKEY sub = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
      AddKeys(sub, below, tree);
      RegCloseKey(sub);
    }
  }
}

// HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER whole, but for what the system
// keeps up to date for itself: the hardware and the devices (which Wine
// describes anew when a program first opens a window), Wine's own settings,
// and what the common dialogs remember.
inline std::set<std::string> Registry() {
  std::set<std::string> tree;
  AddKeys(HKEY_LOCAL_MACHINE, "HKLM\\", tree);
  AddKeys(HKEY_CURRENT_USER, "HKCU\\", tree);
  const platform::Win32FileNameRule rule;
  std::erase_if(tree, [&](const std::string& entry) {
    const std::string key = rule.Folded(entry);
    return key.starts_with("HKLM\\HARDWARE\\") || key.starts_with("HKLM\\SYSTEM\\") ||
           key.starts_with("HKCU\\SOFTWARE\\WINE\\") ||
           key.find("\\EXPLORER\\COMDLG32\\") != std::string::npos;
  });
  return tree;
}

// The whole drive and the registry at one moment, but for the files of the
// setup toolkit's uninstaller in the Windows folder (ST5UNST.EXE, which
// other programs' installs share and which stays once it is there, and the
// probe's files that stand in for it).
struct Machine {
  std::set<std::string> drive, registry;
};
// The Programs menu folder, which every Windows 95 and 98 has and a fresh
// Wine prefix may lack, is made first: the shortcut would make it, and
// nothing removes it.
inline Machine MachineNow() {
  MakeFolders(WindowsDir() + "Start Menu\\Programs\\");
  Machine now{Drive(), Registry()};
  const platform::Win32FileNameRule rule;
  const std::string toolkit = rule.Folded(WindowsDir() + "ST5UNST");
  std::erase_if(now.drive, [&](const std::string& entry) {
    return rule.Folded(entry).starts_with(toolkit) &&
           entry.find('\\', toolkit.size()) == std::string::npos;
  });
  return now;
}

// What differs, one line each: "drive -C:\..." gone, "registry +HKLM\..." new.
inline std::vector<std::string> Changes(const Machine& before, const Machine& after) {
  std::vector<std::string> changes;
  for (const auto& [was, is, name] : {std::tuple{&before.drive, &after.drive, "drive "},
                                      std::tuple{&before.registry, &after.registry, "registry "}}) {
    for (const std::string& entry : Difference(*was, *is)) changes.push_back(name + ("-" + entry));
    for (const std::string& entry : Difference(*is, *was)) changes.push_back(name + ("+" + entry));
  }
  return changes;
}

// The files of the release package that SETUP.EXE takes from its own folder.
inline const std::vector<std::string>& PackageFiles() {
  static const std::vector<std::string> files = {"SETUP.EXE",     "kesview.exe", "kesclean.exe",
                                                 "kesreport.exe", "keslink.dll", "ST5UNST.EXE",
                                                 "index.htm",     "options.htm", "contact.htm"};
  return files;
}

// A package folder `folder` (with its trailing backslash) holding the files
// of the build's release package (<build>\package, beside the bin folder of
// this program), all but `leftOut`.
inline void MakePackage(const std::string& folder, const std::string& leftOut = "") {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string bin = std::string(self).substr(0, std::string(self).rfind('\\') + 1);
  const std::string from = bin + "..\\package\\";
  MakeFolders(folder);
  for (const std::string& file : PackageFiles()) {
    if (file != leftOut) {
      CopyFileA((from + file).c_str(), (folder + file).c_str(), FALSE);
    } else {
      DeleteFileA((folder + file).c_str());
    }
  }
}

// A window of that class (any when null) and caption that is shown.
inline HWND ShownWindow(const char* className, const std::string& caption) {
  const HWND window = FindWindowA(className, caption.empty() ? nullptr : caption.c_str());
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// The text of a message box (its static text control).
inline std::string BoxText(HWND box) {
  char text[2048] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

// Runs a program to its end, answering with OK every message box it shows
// with this title: its exit code (0xFFFFFFFF when it never ran or did not
// end within a minute) and the texts of the boxes.
struct Answered {
  DWORD code = 0xFFFFFFFF;
  std::vector<std::string> boxes;
};
inline Answered RunAnswering(const std::string& commandLine, const std::string& title) {
  Answered run;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return run;
  }
  const platform::ScopedHandle process(started.hProcess), thread(started.hThread);
  std::set<HWND> seen;
  for (int waited = 0; waited < 60000; waited += 50) {
    if (WaitForSingleObject(process.Get(), 50) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process.Get(), &run.code);
      return run;
    }
    if (const HWND box = ShownWindow("#32770", title); box != nullptr && seen.insert(box).second) {
      run.boxes.push_back(BoxText(box));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  }
  TerminateProcess(process.Get(), 0xFFFFFFFF);
  return run;
}

}  // namespace uninstall_test
