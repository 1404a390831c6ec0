#include "platform/win32/shell_folder_win32.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <shlobj.h>

#include "platform/win32/file_name_rule_win32.h"

namespace platform {

std::string ShellFolderPath(int folder) {
  // SHGetSpecialFolderPathA came with shell 4.71; the item list and its
  // path are what the shell of Windows 95 has. The list is freed with the
  // shell's allocator, so no OLE library is loaded for it.
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &items)) || items == nullptr) {
    return {};
  }
  char path[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListA(items, path);
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
    allocator->Free(items);
    allocator->Release();
  }
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

}  // namespace platform
