#include "platform/win32/file_failure.h"

#include <windows.h>

#include <cstdint>

namespace platform {

namespace {}  // namespace

kes::Failure FileFailure(const std::string& path) {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
      return kes::Failure(kes::kErrFileNotFound, "File not found: " + path);
    case ERROR_PATH_NOT_FOUND:
      return kes::Failure(kes::kErrPathNotFound, "Path not found: " + path);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return kes::Failure(kes::kErrPermissionDenied, "Permission denied: " + path);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kes::Failure(kes::kErrDiskFull, "Disk full: " + path);
    default:
      return kes::Failure(kes::kErrFileAccess, "Path/File access error: " + path);
  }
}

}  // namespace platform
