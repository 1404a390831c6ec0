#include "platform/win32/file_transfer_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/file_failure.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

void Win32FileTransfer::Copy(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), TRUE)) {
    throw FileFailure(to);
  }
}

void Win32FileTransfer::Rename(const std::string& from, const std::string& to) {
  if (!MoveFileA(from.c_str(), to.c_str())) {
    throw FileFailure(from);
  }
}

void Win32FileTransfer::MakeFolder(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) {
    throw FileFailure(path);
  }
}

void Win32FileTransfer::CheckReplaceable(const std::string& path) {
  // A read-only file refuses writing for its attribute alone: it is tried
  // without it, and the attribute put back.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool readOnly =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly && !SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    throw FileFailure(path);
  }
  bool opened = false;
  DWORD error = 0;
  {
    const ScopedHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    opened = file.Valid();
    error = GetLastError();
  }
  if (readOnly) {
    SetFileAttributesA(path.c_str(), attributes);
  }
  if (!opened) {
    SetLastError(error);
    throw FileFailure(path);
  }
}

std::optional<std::uint64_t> Win32FileTransfer::FileVersion(const std::string& path) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) {
    return std::nullopt;
  }
  std::vector<char> block(size);
  void* fixed = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  return (std::uint64_t{info->dwFileVersionMS} << 32) | info->dwFileVersionLS;
}

}  // namespace platform
