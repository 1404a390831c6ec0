#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_files.h"

namespace kesclean {

// At most this many "PrivateFile:" lines are read; one more is a failure
// (9 "Subscript out of range") and the log counts as unread.
inline constexpr std::size_t kMaxKnownFiles = 32767;
inline constexpr std::int32_t kErrSubscriptOutOfRange = 9;

// The entry a setup log line gives: after the first "PrivateFile:" (letter
// case counts) one separator character is skipped and the rest is taken
// without leading and trailing blanks. Nothing for a line without it.
std::optional<std::string> KnownFileEntry(const std::string& line);

// A full path split at its last backslash: the folder up to and including
// it, and the file name after it. Without a backslash the folder is empty.
struct PathParts {
  std::string folder;
  std::string fileName;
};
PathParts SplitPath(const std::string& fullPath);

// The lines of a log's text. Lines end with a carriage return, a line feed
// or both.
std::vector<std::string> LogLines(const std::string& logText);

// The entries of every line of a log's text, in file order. Throws
// kes::Failure past kMaxKnownFiles entries.
std::vector<std::string> KnownFilesIn(const std::string& logText);

// The text in upper case, letters of the Windows Western code page included,
// as the file system compares names.
std::string UpperCase(const std::string& text);

// True when an entry equals the path in double quotes, ignoring letter case.
bool IsKnownFile(const std::string& path, const std::vector<std::string>& list);

// What happens to one file of the install folder. Every listed file has its
// attributes made normal; only unknown ones are deleted.
struct FileAction {
  std::string path;
  bool remove = false;
  bool operator==(const FileAction&) const = default;
};

// The keep-or-delete decision for a folder listing (`folder` ends in a
// backslash). Subfolders and volume labels are left out; a file stays when
// its upper-case path holds the log's file name or the log lists it.
std::vector<FileAction> PlanRemoval(const std::string& folder,
                                    const std::vector<platform::FolderEntry>& listing,
                                    const std::string& logFileName,
                                    const std::vector<std::string>& list);

}  // namespace kesclean
