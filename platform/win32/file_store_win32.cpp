#include "platform/win32/file_store_win32.h"

#include <windows.h>

#include <cstdint>

#include "platform/failure.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

namespace {

constexpr std::int32_t kErrPathNotFound = 76;
constexpr std::int32_t kErrPermissionDenied = 70;
constexpr std::int32_t kErrFileAccess = 75;

// The failure matching the system's last error, with the path in its text.
kes::Failure FileFailure(const std::string& path) {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
      return kes::Failure(kes::kErrFileNotFound, "File not found: " + path);
    case ERROR_PATH_NOT_FOUND:
      return kes::Failure(kErrPathNotFound, "Path not found: " + path);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return kes::Failure(kErrPermissionDenied, "Permission denied: " + path);
    default:
      return kes::Failure(kErrFileAccess, "Path/File access error: " + path);
  }
}

}  // namespace

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
