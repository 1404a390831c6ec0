#pragma once

#include <string>
#include <vector>

namespace st5unst {

// The log lies where this uninstaller removes nothing.
std::string RefusedFolderMessage(const std::string& log);
// The log is there but could not be read to its end; nothing was removed.
std::string UnreadLogMessage(const std::string& log);
// Files that stayed (up to 15 named, then counted), and that the log was
// kept so that another run can finish.
std::string LeftBehindMessage(const std::vector<std::string>& left, const std::string& log);
// Every file went but the emptied folder would not.
std::string FolderLeftMessage(const std::string& folder);

}  // namespace st5unst
