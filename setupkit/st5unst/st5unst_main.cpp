// ST5UNST.EXE, the setup toolkit's uninstaller as this project provides it:
//   ST5UNST.EXE -n "<folder>\ST5UNST.LOG"
// removes the files that the log's "PrivateFile:" lines name, then the log,
// then the log's folder if it is empty. Nothing else is touched. A file still
// in use (the program that started this one may take a moment to end) is
// tried again for a few seconds. Exit code 0 when everything named is gone,
// 1 when something stayed, 2 for arguments it does not understand.
#include <windows.h>

#include <exception>
#include <string>

#include "platform/win32/folder_files_win32.h"
#include "setupkit/st5unst/st5unst_log.h"

namespace {

constexpr DWORD kRetryMs = 200;
constexpr DWORD kPatienceMs = 10000;

// Deletes the file, waiting while it is in use; true when it is gone.
bool RemoveNamedFile(const std::string& path, DWORD deadline) {
  for (;;) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      return true;  // not there (any more)
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return false;  // the log names files only
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    if (DeleteFileA(path.c_str())) {
      return true;
    }
    const DWORD error = GetLastError();
    const bool inUse = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                       error == ERROR_LOCK_VIOLATION;
    if (!inUse || static_cast<LONG>(GetTickCount() - deadline) >= 0) {
      return false;
    }
    Sleep(kRetryMs);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const auto log = st5unst::LogPathFromArguments(st5unst::ArgumentsOf(GetCommandLineA()));
  if (!log) {
    return 2;
  }
  std::string text;
  try {
    platform::Win32FolderFiles files;
    text = files.ReadTextFile(*log);
  } catch (const std::exception&) {
    return 1;  // no log: nothing is named, so nothing goes
  }
  const DWORD deadline = GetTickCount() + kPatienceMs;
  bool allGone = true;
  for (const std::string& path : st5unst::PrivateFiles(text)) {
    allGone = RemoveNamedFile(path, deadline) && allGone;
  }
  allGone = RemoveNamedFile(*log, deadline) && allGone;
  // Refused unless the folder is empty.
  RemoveDirectoryA(st5unst::FolderOf(*log).c_str());
  return allGone ? 0 : 1;
}
