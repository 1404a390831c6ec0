#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_finder.h"

namespace platform {

// A file's last-write time on the local clock.
struct FileDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The user's date and time separators from the regional settings.
struct DateTimeSeparators {
  std::string date = "/";
  std::string time = ":";
};

// A file's directory entry: what one look in its folder tells. `size` and
// `lastWrite` are the file system's own values (the time in its units, not
// converted), so two entries of one unchanged file are equal.
struct FileEntry {
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;
  FileDateTime localWrite;  // the last-write time on the local clock
  bool normal = false;      // neither hidden nor system
};

// What a snapshot learns about the file behind a process or module: the
// file-system facts (FindNormalFile among them) and the raw calls of the
// version library.
class FileFacts : public FileFinder {
 public:
  // Raise kes::Failure (53) when the file cannot be read.
  virtual FileDateTime LastWriteLocalTime(const std::string& path) = 0;
  virtual std::int32_t Length(const std::string& path) = 0;
  virtual DateTimeSeparators Separators() = 0;
  // The file's directory entry in one call; none for a path that names no
  // file (or a folder), where the calls above raise their failure.
  virtual std::optional<FileEntry> Entry(const std::string& path) = 0;

  // The version library (GetFileVersionInfoSizeA, GetFileVersionInfoA,
  // VerQueryValueA), call for call: size of the resource (0 when none)
  // with the handle value it hands back, the resource itself, and a query
  // into a resource already read. A query result points into `block`.
  virtual std::uint32_t VersionInfoSize(const std::string& path, std::uint32_t& handle) = 0;
  virtual bool VersionInfo(const std::string& path, std::uint32_t handle, std::uint32_t size,
                           void* data) = 0;
  virtual bool QueryVersionValue(const void* block, const std::string& subBlock,
                                 const void*& buffer, std::uint32_t& length) = 0;
};

}  // namespace platform
