#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// File attributes, with the platform's own bits.
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrVolume = 0x08;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

// One name a folder search found, as the file system keeps it.
struct FolderEntry {
  std::string name;
  std::uint32_t attributes = 0;
};

// Looking into folders and files. The Win32 side reports what it finds and
// decides nothing: which entries count is the caller's business.
class FolderFiles {
 public:
  virtual ~FolderFiles() = default;
  // Every entry that the search pattern (a folder and "*.*") matches,
  // subfolders and "." and ".." included; empty when there is none. A full
  // path without wildcards gives the one entry it names, by its long name
  // whether the path used the long or the short one.
  virtual std::vector<FolderEntry> List(const std::string& pattern) = 0;
  // The attributes of the file or folder at `path` (no wildcards), or
  // nothing when the system says there is none (file or path not found).
  // Throws kes::Failure when it cannot tell (refused, network trouble).
  virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
  // The whole content of a file. Throws kes::Failure when it cannot be read
  // to its end: a read that fails half-way is a failure, not the end.
  virtual std::string ReadTextFile(const std::string& path) = 0;
  // Clears read-only, hidden and system. Throws kes::Failure when refused.
  virtual void SetNormalAttributes(const std::string& path) = 0;
  // Removes an empty folder. Throws kes::Failure when refused (not empty,
  // in use, not there).
  virtual void RemoveFolder(const std::string& path) = 0;
};

}  // namespace platform
