#include "platform/win32/shell_folder_win32.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <shlobj.h>

#include "platform/win32/file_name_rule_win32.h"

namespace platform {

void FreeShellMemory(void* block) {
  IMalloc* allocator = nullptr;
  if (block != nullptr && SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
    allocator->Free(block);
    allocator->Release();
  }
}

std::string ShellFolderPath(int folder) {
  // SHGetSpecialFolderPathA came with shell 4.71; the item list and its
  // path are what the shell of Windows 95 has.
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &items)) || items == nullptr) {
    return {};
  }
  char path[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListA(items, path);
  FreeShellMemory(items);
  if (!found) {
    return {};
  }
  // Some shells end the path with a backslash; only a drive root keeps one.
  std::string result(path);
  if (result.size() > 3 && Win32FileNameRule().EndsWithBackslash(result)) {
    result.pop_back();
  }
  return result;
}

static_assert(static_cast<int>(ShellFolderId::kPrograms) == CSIDL_PROGRAMS);
static_assert(static_cast<int>(ShellFolderId::kStartup) == CSIDL_STARTUP);
static_assert(static_cast<int>(ShellFolderId::kStartMenu) == CSIDL_STARTMENU);
static_assert(static_cast<int>(ShellFolderId::kDesktopDirectory) == CSIDL_DESKTOPDIRECTORY);
static_assert(static_cast<int>(ShellFolderId::kAppData) == CSIDL_APPDATA);

std::optional<std::string> Win32ShellFolders::Folder(ShellFolderId id) {
  std::string path = ShellFolderPath(static_cast<int>(id));
  if (path.empty()) {
    return std::nullopt;
  }
  return path;
}

}  // namespace platform
