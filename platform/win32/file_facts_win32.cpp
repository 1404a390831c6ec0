#include "platform/win32/file_facts_win32.h"

#include <windows.h>

#include "platform/failure.h"

namespace platform {

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) {
      FindClose(handle_);
    }
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// Date and length come from the folder entry, which Windows 95 gives for any
// file, hidden ones too. A name with wildcards would match some other file.
std::optional<WIN32_FIND_DATAA> FindEntry(const std::string& path) {
  WIN32_FIND_DATAA found{};
  if (path.find_first_of("*?") == std::string::npos) {
    const FindHandle search(FindFirstFileA(path.c_str(), &found));
    if (search.Found() && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return found;
    }
  }
  return std::nullopt;
}

WIN32_FIND_DATAA FoundEntry(const std::string& path) {
  if (const auto found = FindEntry(path)) {
    return *found;
  }
  throw kes::Failure(kes::kErrFileNotFound, "File not found: " + path);
}

std::optional<FileDateTime> LocalTime(const FILETIME& written) {
  FILETIME local{};
  SYSTEMTIME when{};
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &when)) {
    return std::nullopt;
  }
  return FileDateTime{when.wYear, when.wMonth, when.wDay, when.wHour, when.wMinute, when.wSecond};
}

std::uint64_t Wide(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

std::string LocaleText(LCTYPE type, const char* fallback) {
  char text[16] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) <= 1) {
    return fallback;
  }
  return text;
}

}  // namespace

bool Win32FileFacts::FindNormalFile(const std::string& path) {
  WIN32_FIND_DATAA found{};
  const FindHandle search(FindFirstFileA(path.c_str(), &found));
  constexpr DWORD kNotNormal =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  return search.Found() && (found.dwFileAttributes & kNotNormal) == 0;
}

FileDateTime Win32FileFacts::LastWriteLocalTime(const std::string& path) {
  if (const auto when = LocalTime(FoundEntry(path).ftLastWriteTime)) {
    return *when;
  }
  throw kes::Failure(kes::kErrFileNotFound, "File not found: " + path);
}

std::optional<FileEntry> Win32FileFacts::Entry(const std::string& path) {
  const auto found = FindEntry(path);
  if (!found) {
    return std::nullopt;
  }
  const auto when = LocalTime(found->ftLastWriteTime);
  if (!when) {
    return std::nullopt;
  }
  constexpr DWORD kNotNormal = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return FileEntry{
      Wide(found->nFileSizeHigh, found->nFileSizeLow),
      Wide(found->ftLastWriteTime.dwHighDateTime, found->ftLastWriteTime.dwLowDateTime), *when,
      (found->dwFileAttributes & kNotNormal) == 0};
}

std::int32_t Win32FileFacts::Length(const std::string& path) {
  return static_cast<std::int32_t>(FoundEntry(path).nFileSizeLow);
}

DateTimeSeparators Win32FileFacts::Separators() {
  return {LocaleText(LOCALE_SDATE, "/"), LocaleText(LOCALE_STIME, ":")};
}

std::uint32_t Win32FileFacts::VersionInfoSize(const std::string& path, std::uint32_t& handle) {
  DWORD h = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &h);
  handle = h;
  return size;
}

bool Win32FileFacts::VersionInfo(const std::string& path, std::uint32_t handle, std::uint32_t size,
                                 void* data) {
  return GetFileVersionInfoA(path.c_str(), handle, size, data) != 0;
}

bool Win32FileFacts::QueryVersionValue(const void* block, const std::string& subBlock,
                                       const void*& buffer, std::uint32_t& length) {
  void* found = nullptr;
  UINT foundLength = 0;
  if (!VerQueryValueA(block, subBlock.c_str(), &found, &foundLength)) {
    return false;
  }
  buffer = found;
  length = foundLength;
  return true;
}

}  // namespace platform
