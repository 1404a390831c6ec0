#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/text_sink.h"
#include "platform/win32/scoped_handle.h"

namespace platform {

// The most one WriteFile hands to `handle`. A console on the NT family fails
// a single write of tens of kilobytes, so a character device takes 16 KB at
// a time; a file or a pipe takes 64 KB.
std::size_t LargestWrite(HANDLE handle);

// A text file written through WriteFile. Pieces are gathered in a buffer and
// stored a block at a time (as large as the handle takes in one write), so a
// report of many short lines costs few system calls; Close (or the
// destructor) stores the rest.
class Win32TextFile final : public TextFile {
 public:
  // Creates the file, or empties it if it exists; throws kes::Failure.
  explicit Win32TextFile(const std::string& path);
  // Standard output or standard error (STD_OUTPUT_HANDLE,
  // STD_ERROR_HANDLE), written the same way; closing it leaves the program's
  // own handle open. Throws kes::Failure when there is none.
  static std::unique_ptr<Win32TextFile> Standard(DWORD which);
  ~Win32TextFile() override;
  Win32TextFile(const Win32TextFile&) = delete;
  Win32TextFile& operator=(const Win32TextFile&) = delete;

  void Write(std::string_view text) override;
  void Close() override;

 private:
  Win32TextFile(HANDLE handle, std::string name);
  void Flush();
  void Store(const char* text, std::size_t size);

  bool Open() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

  std::string path_;
  ScopedHandle owned_;             // a file this object opened; empty for a standard handle
  HANDLE handle_ = nullptr;        // where the text goes; null once closed
  std::size_t blockSize_ = 0;      // LargestWrite of the handle
  std::unique_ptr<char[]> block_;  // blockSize_ characters, the first used_ of them pending
  std::size_t used_ = 0;
};

class Win32TextFiles final : public TextFiles {
 public:
  std::unique_ptr<TextFile> Create(const std::string& path) override;
  std::string Read(const std::string& path) override;
};

}  // namespace platform
