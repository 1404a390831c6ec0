#pragma once

#include <optional>
#include <string>

#include "platform/file_name_rule.h"
#include "platform/folder_files.h"
#include "platform/folder_identity.h"

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

// The places nothing is installed in, removed from or swept: a root of a
// drive or share, the Windows folder and the System folder.
enum class SystemPlace { kNone, kRoot, kWindows, kSystem };

// Which of them `folder` (a long path, LongPathOf) is, told by the folder
// itself and not by its spelling: "\\MACHINE\C$\WINDOWS", or a folder of a
// SUBST or mapped drive, is the Windows folder when it leads there; the root
// of the Windows folder's drive counts as a root under any name. An unknown
// or unsound Windows or System folder, and a folder whose identity cannot be
// told, count as that place, to be safe. A folder that is not there is told
// by its spelling alone.
SystemPlace SystemPlaceOf(const std::string& folder, const std::string& windowsDir,
                          const std::string& systemDir, platform::FolderFiles& files,
                          platform::FolderIdentity& identity, const platform::FileNameRule& rule);

}  // namespace kesclean
