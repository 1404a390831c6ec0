#pragma once

#include <optional>
#include <string>

#include "platform/file_name_rule.h"
#include "platform/folder_files.h"

namespace kesclean {

// The canonical path (platform::CanonicalPath) with every step that exists
// spelled by the name the file system keeps for it: a short name
// ("PROGRA~1") becomes the long one, and the letter case is the disk's.
// Steps from the first one that is not there on are kept as written.
// Nothing for a path that is not a sound full path.
std::optional<std::string> LongPathOf(const std::string& path, platform::FolderFiles& files,
                                      const platform::FileNameRule& rule);

// The same text for every spelling of one file: its long path in the
// system's upper case. Nothing for a path that is not a sound full path.
std::optional<std::string> FileKey(const std::string& path, platform::FolderFiles& files,
                                   const platform::FileNameRule& rule);

}  // namespace kesclean
