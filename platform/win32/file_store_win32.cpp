#include "platform/win32/file_store_win32.h"

#include <windows.h>

#include "platform/win32/file_failure.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

void Win32FileStore::WriteTextFile(const std::string& path, const std::string& text) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    throw FileFailure(path);
  }
  DWORD written = 0;
  if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    throw FileFailure(path);
  }
}

void Win32FileStore::RemoveFile(const std::string& path) {
  if (!DeleteFileA(path.c_str())) {
    throw FileFailure(path);
  }
}

}  // namespace platform
