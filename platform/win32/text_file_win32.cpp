#include "platform/win32/text_file_win32.h"

#include "platform/failure.h"
#include "platform/win32/file_failure.h"

namespace platform {

Win32TextFile::Win32TextFile(const std::string& path)
    : path_(path),
      file_(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (!file_.Valid()) {
    throw FileFailure(path);
  }
  pending_.reserve(kBlock);
}

Win32TextFile::~Win32TextFile() {
  try {
    Close();
  } catch (const kes::Failure&) {
    // Dropped without Close: what cannot be stored is lost quietly.
  }
}

void Win32TextFile::Write(std::string_view text) {
  if (!file_.Valid()) {
    SetLastError(ERROR_INVALID_HANDLE);
    throw FileFailure(path_);
  }
  pending_.append(text);
  if (pending_.size() >= kBlock) {
    Flush();
  }
}

void Win32TextFile::Close() {
  if (!file_.Valid()) {
    return;
  }
  // The handle is closed even when the last block cannot be stored.
  try {
    Flush();
  } catch (const kes::Failure&) {
    file_.Reset();
    throw;
  }
  file_.Reset();
}

void Win32TextFile::Flush() {
  if (pending_.empty()) {
    return;
  }
  DWORD written = 0;
  const BOOL done = WriteFile(file_.Get(), pending_.data(), static_cast<DWORD>(pending_.size()),
                              &written, nullptr);
  const bool whole = done && written == pending_.size();
  pending_.clear();  // stored or lost, it is not offered again
  if (!whole) {
    if (done) {
      SetLastError(ERROR_DISK_FULL);  // a short write means the disk is full
    }
    throw FileFailure(path_);
  }
}

std::unique_ptr<TextFile> Win32TextFiles::Create(const std::string& path) {
  return std::make_unique<Win32TextFile>(path);
}

}  // namespace platform
