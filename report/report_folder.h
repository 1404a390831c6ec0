#pragma once

#include <initializer_list>
#include <string>

#include "platform/file_name_rule.h"
#include "platform/folder_files.h"

namespace Report {

// The settings value that remembers the folder of the last report written.
inline constexpr const char* kReportFolderValue = "ReportFolder";

// Where Print To File's Save As opens: the first of `candidates` (the folder
// of the last report, the user's documents folder, the desktop folder) that
// is a folder now; "" when none is. The dialog would otherwise open in the
// current folder, which is the program's own when it starts from its
// shortcut, and the uninstaller empties that one.
std::string SaveAsFolder(std::initializer_list<std::string> candidates,
                         platform::FolderFiles& files);

// The folder of a report's full path; a drive root keeps its backslash.
std::string FolderOf(const platform::FileNameRule& rule, const std::string& path);

}  // namespace Report
