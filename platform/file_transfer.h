#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Copying and renaming whole files, and making folders: what a setup
// program needs beyond FileStore. Each throws kes::Failure when the file
// system refuses (kes::kErrPermissionDenied for a file in use).
class FileTransfer {
 public:
  virtual ~FileTransfer() = default;
  // Copies `from` to `to`; fails when `to` is already there.
  virtual void Copy(const std::string& from, const std::string& to) = 0;
  // Renames `from` to `to` on the same drive; fails when `to` is there.
  virtual void Rename(const std::string& from, const std::string& to) = 0;
  // Makes one folder whose parent exists.
  virtual void MakeFolder(const std::string& path) = 0;
  // Fails unless the file could be opened for writing by this program alone
  // now: a running program's file, or one another program holds, cannot.
  // The read-only attribute does not count: such a file is replaceable.
  virtual void CheckReplaceable(const std::string& path) = 0;
  // The file version of the file's version resource (four 16-bit numbers,
  // the most significant first), or nothing when it has none.
  virtual std::optional<std::uint64_t> FileVersion(const std::string& path) = 0;
};

}  // namespace platform
