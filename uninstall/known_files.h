#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "platform/folder_files.h"

namespace kesclean {

// At most this many "PrivateFile:" lines are read; one more is a failure
// (9 "Subscript out of range") and the log counts as unread.
inline constexpr std::size_t kMaxKnownFiles = 32767;

// The entry a setup log line gives: after the first "PrivateFile:" (letter
// case counts) one separator character is skipped and the rest is taken
// without leading and trailing blanks. Nothing for a line without it.
std::optional<std::string> KnownFileEntry(const std::string& line);

// A full path split at its last backslash (a character of its own, by the
// rule): the folder up to and including it, and the file name after it.
// Without a backslash the folder is empty.
struct PathParts {
  std::string folder;
  std::string fileName;
};
PathParts SplitPath(const platform::FileNameRule& rule, const std::string& fullPath);

// The lines of a log's text. Lines end with a carriage return, a line feed
// or both.
std::vector<std::string> LogLines(const std::string& logText);

// The entries of every line of a log's text, in file order.
std::vector<std::string> PrivateFileEntries(const std::string& logText);

// The same, for the uninstaller: throws kes::Failure past kMaxKnownFiles
// entries.
std::vector<std::string> KnownFilesIn(const std::string& logText);

// The text inside one pair of double quotes around the whole text, which
// holds no other quote; nothing for any other text.
std::optional<std::string> Unquoted(const std::string& text);

// The one rule by which setup, ST5UNST and the uninstaller read an entry:
// it names a file only when it is a full path inside one pair of double
// quotes, as setup writes it. Any other entry (unquoted, relative, empty,
// stray quotes) names nothing: each program takes it as a line it cannot
// read, never as a file it may pass over.
std::optional<std::string> EntryPath(const platform::FileNameRule& rule, const std::string& entry);

// What the files a log lists are known by: for each entry the key of the file
// it names (FileKey), or for a path that is no sound one its text in upper
// case, so that a file spelled exactly so still counts as listed. Nothing
// when an entry cannot be read (EntryPath).
std::optional<std::set<std::string>> KnownFileKeys(const std::vector<std::string>& list,
                                                   platform::FolderFiles& files,
                                                   const platform::FileNameRule& rule);

// What happens to one file of the install folder. Every file the sweep
// touches has its attributes made normal, but for those the user chose to
// keep; only unknown ones are deleted.
struct FileAction {
  std::string path;
  bool remove = false;
  bool asItWas = false;  // kept at the user's word: not even its attributes change
  bool operator==(const FileAction&) const = default;
};

// The keep-or-delete decision for a folder listing. `folder` is the folder's
// long path (LongPathOf) ending in a backslash, so that folder and name give
// a file's key. Subfolders, volume labels and System files are left out
// altogether; a file stays when its upper-case path holds the log's file
// name or its key is among `known`.
std::vector<FileAction> PlanRemoval(const std::string& folder,
                                    const std::vector<platform::FolderEntry>& listing,
                                    const std::string& logFileName,
                                    const std::set<std::string>& known,
                                    const platform::FileNameRule& rule);

}  // namespace kesclean
