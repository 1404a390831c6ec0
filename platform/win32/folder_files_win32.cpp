#include "platform/win32/folder_files_win32.h"

#include <windows.h>

#include "platform/failure.h"
#include "platform/win32/file_failure.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

namespace {

// Closes a folder search once.
class SearchHandle {
 public:
  explicit SearchHandle(HANDLE handle) : handle_(handle) {}
  ~SearchHandle() {
    if (Valid()) {
      FindClose(handle_);
    }
  }
  SearchHandle(const SearchHandle&) = delete;
  SearchHandle& operator=(const SearchHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::string ReadToEnd(HANDLE file, const std::string& path) {
  std::string text;
  char chunk[4096];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr)) {
      // Some file systems report the end this way; any other failure leaves
      // the text cut short, and a cut log must not read as a whole one.
      if (GetLastError() == ERROR_HANDLE_EOF) {
        break;
      }
      throw FileFailure(path);
    }
    if (read == 0) {
      break;
    }
    text.append(chunk, read);
  }
  return text;
}

std::vector<FolderEntry> Win32FolderFiles::List(const std::string& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA found{};
  const SearchHandle search(FindFirstFileA(pattern.c_str(), &found));
  if (!search.Valid()) {
    return entries;
  }
  do {
    entries.push_back({found.cFileName, found.dwFileAttributes});
  } while (FindNextFileA(search.Get(), &found));
  return entries;
}

std::optional<std::uint32_t> Win32FolderFiles::Attributes(const std::string& path) {
  // GetFileAttributesA takes no wildcards, so a name is never a pattern here.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      return std::nullopt;
    }
    throw FileFailure(path);
  }
  return static_cast<std::uint32_t>(attributes);
}

std::string Win32FolderFiles::ReadTextFile(const std::string& path) {
  const ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    throw FileFailure(path);
  }
  return ReadToEnd(file.Get(), path);
}

void Win32FolderFiles::SetNormalAttributes(const std::string& path) {
  if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    throw FileFailure(path);
  }
}

void Win32FolderFiles::RemoveFolder(const std::string& path) {
  if (!RemoveDirectoryA(path.c_str())) {
    throw FileFailure(path);
  }
}

}  // namespace platform
