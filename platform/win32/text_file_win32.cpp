#include "platform/win32/text_file_win32.h"

#include <algorithm>
#include <utility>

#include "platform/failure.h"
#include "platform/text_copy.h"
#include "platform/win32/file_failure.h"

namespace platform {

namespace {

constexpr DWORD kReadBlock = 64 * 1024;
constexpr std::size_t kFileBlock = std::size_t{64} * 1024;
constexpr std::size_t kConsoleBlock = std::size_t{16} * 1024;

}  // namespace

std::size_t LargestWrite(HANDLE handle) {
  return GetFileType(handle) == FILE_TYPE_CHAR ? kConsoleBlock : kFileBlock;
}

Win32TextFile::Win32TextFile(const std::string& path)
    : path_(path),
      owned_(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr)),
      handle_(owned_.Get()) {
  if (!owned_.Valid()) {
    throw FileFailure(path);
  }
  // A name such as CON or NUL opens a character device.
  blockSize_ = LargestWrite(handle_);
  block_.reset(new char[blockSize_]);
}

Win32TextFile::Win32TextFile(HANDLE handle, std::string name)
    : path_(std::move(name)),
      handle_(handle),
      blockSize_(LargestWrite(handle)),
      block_(new char[blockSize_]) {}

std::unique_ptr<Win32TextFile> Win32TextFile::Standard(DWORD which) {
  const char* name = which == STD_ERROR_HANDLE ? "standard error" : "standard output";
  // The program's own handle, used and never closed here.
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
    SetLastError(ERROR_INVALID_HANDLE);
    throw FileFailure(name);
  }
  return std::unique_ptr<Win32TextFile>(new Win32TextFile(handle, name));
}

Win32TextFile::~Win32TextFile() {
  try {
    Close();
  } catch (const kes::Failure&) {
    // Dropped without Close: what cannot be stored is lost quietly.
  }
}

void Win32TextFile::Write(std::string_view text) {
  if (!Open()) {
    SetLastError(ERROR_INVALID_HANDLE);
    throw FileFailure(path_);
  }
  // Stored before the block would overflow; a piece larger than a whole
  // block goes out by itself, a block at a time.
  if (text.size() > blockSize_ - used_) {
    Flush();
    if (text.size() > blockSize_) {
      Store(text.data(), text.size());
      return;
    }
  }
  used_ = static_cast<std::size_t>(CopyText(block_.get() + used_, text) - block_.get());
}

void Win32TextFile::Close() {
  if (!Open()) {
    return;
  }
  // The file is closed even when the last block cannot be stored.
  try {
    Flush();
  } catch (const kes::Failure&) {
    handle_ = nullptr;
    owned_.Reset();
    throw;
  }
  handle_ = nullptr;
  owned_.Reset();
}

void Win32TextFile::Flush() {
  if (used_ == 0) {
    return;
  }
  const std::size_t size = used_;
  used_ = 0;  // stored or lost, the block is not offered again
  Store(block_.get(), size);
}

void Win32TextFile::Store(const char* text, std::size_t size) {
  while (size > 0) {
    const std::size_t piece = std::min(size, blockSize_);
    DWORD written = 0;
    const BOOL done = WriteFile(handle_, text, static_cast<DWORD>(piece), &written, nullptr);
    if (!done || written != piece) {
      if (done) {
        SetLastError(ERROR_DISK_FULL);  // a short write means the disk is full
      }
      throw FileFailure(path_);
    }
    text += piece;
    size -= piece;
  }
}

std::unique_ptr<TextFile> Win32TextFiles::Create(const std::string& path) {
  return std::make_unique<Win32TextFile>(path);
}

std::string Win32TextFiles::Read(const std::string& path) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    throw FileFailure(path);
  }
  std::string text;
  char block[kReadBlock];
  DWORD read = 0;
  do {
    if (!ReadFile(file.Get(), block, sizeof block, &read, nullptr)) {
      throw FileFailure(path);
    }
    text.append(block, read);
  } while (read > 0);
  return text;
}

}  // namespace platform
