#pragma once

#include <set>
#include <string>

#include "platform/file_name_rule.h"
#include "platform/folder_files.h"
#include "platform/folder_identity.h"

namespace kesclean {

// How reading the setup log went: read, not there, not read to its end, or
// read but holding an entry that names no file (known_files.h, EntryPath).
enum class LogState { kRead, kMissing, kUnread, kEntryUnread };

// Whether the install folder may be swept, and if not, why.
struct SweepDecision {
  std::string folder;   // its long path ending in a backslash; empty when refused
  std::string refusal;  // one line saying why; empty when the folder may be swept
};

// What the sweep needs to know about the system and the install.
struct InstallFacts {
  std::string programPath;    // the viewer's "Path" value
  std::string installFolder;  // the folder of its text, where the log was read
  std::string windowsDir;     // may end in a backslash; empty when unknown
  std::string systemDir;
  LogState log = LogState::kUnread;
  std::set<std::string> known;  // KnownFileKeys of the log's entries
};

// The sweep deletes every unlisted file of a folder, so it runs only where
// the folder is certainly Kestrel's: "Path" is a full path, its folder is no
// root of a drive or share and neither the Windows nor the System folder
// under any name (SystemPlaceOf), the
// file it names is there, and the log in that folder, every entry of it
// read, lists that file. The
// first check that fails gives the refusal; unknown Windows or System
// folders refuse too.
SweepDecision DecideSweep(const InstallFacts& facts, platform::FolderFiles& files,
                          platform::FolderIdentity& identity, const platform::FileNameRule& rule);

}  // namespace kesclean
