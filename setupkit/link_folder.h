#pragma once

#include <string>
#include <vector>

namespace setupkit {

// The folder a shortcut goes to: `folder` taken relative to the Programs menu
// folder ("Start Menu\Programs" in `windowsDir`), a leading backslash
// ignored, "." and ".." steps resolved (never above the drive's root). The
// empty folder is the Programs menu folder itself. The result has no
// trailing backslash unless it is the drive's root.
std::string ResolveLinkFolder(const std::string& windowsDir, const std::string& folder);

// The folders that lead to `path`, outermost first, the path itself last and
// the drive's root left out: "C:\A\B" gives "C:\A", "C:\A\B".
std::vector<std::string> FolderChain(const std::string& path);

}  // namespace setupkit
