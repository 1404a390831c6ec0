#pragma once

#include <string>
#include <vector>

#include "platform/file_name_rule.h"

namespace setupkit {

// The folder a shortcut goes to: `folder` taken relative to the Programs menu
// folder ("Start Menu\Programs" in `windowsDir`), a leading backslash
// ignored, "." and ".." steps resolved (never above the root: "C:\" or, for
// a Windows folder on the network, "\\server\share\"). The empty folder is
// the Programs menu folder itself. The result has no trailing backslash
// unless it is the root; it is empty when `windowsDir` is no full path.
std::string ResolveLinkFolder(const platform::FileNameRule& rule, const std::string& windowsDir,
                              const std::string& folder);

// The folders that lead to `path`, outermost first, the path itself last and
// the root left out: "C:\A\B" gives "C:\A", "C:\A\B"; "\\s\h\A" gives
// "\\s\h\A". Empty for a path that is no full path.
std::vector<std::string> FolderChain(const platform::FileNameRule& rule, const std::string& path);

}  // namespace setupkit
