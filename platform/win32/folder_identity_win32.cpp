#include "platform/win32/folder_identity_win32.h"

#include <windows.h>

#include "platform/win32/scoped_handle.h"

namespace platform {

namespace {

constexpr int kNameTries = 16;

// Whether a file is at `path`: true, false only on the system's "not
// found", nothing when the look itself failed (a share that did not answer).
std::optional<bool> IsThere(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
    return false;
  }
  return std::nullopt;
}

}  // namespace

std::optional<bool> Win32FolderIdentity::SameFolder(const std::string& folder,
                                                    const std::string& other) {
  const std::string here = rule_.AddBackslash(folder);
  const std::string there = rule_.AddBackslash(other);
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    std::string name = "~KES";
    const DWORD number = GetTickCount() + static_cast<DWORD>(attempt) * 40503u;
    for (int shift = 12; shift >= 0; shift -= 4) {
      name += "0123456789ABCDEF"[(number >> shift) & 0xF];
    }
    name += ".TMP";
    // A name the other spelling does not show yet (CREATE_NEW sees to this
    // one): found there afterwards, it is the mark.
    const std::optional<bool> before = IsThere(there + name);
    if (!before) {
      return std::nullopt;
    }
    if (*before) {
      continue;
    }
    const std::string mark = here + name;
    ScopedHandle file(CreateFileA(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file.Valid()) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
        continue;
      }
      return std::nullopt;  // no mark can be made here: cannot tell
    }
    file.Reset();
    const std::optional<bool> seen = IsThere(there + name);
    DeleteFileA(mark.c_str());  // the mark this call made, and nothing else
    return seen;
  }
  return std::nullopt;
}

}  // namespace platform
