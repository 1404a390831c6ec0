#include "report/report_folder.h"

#include <exception>

namespace Report {

std::string SaveAsFolder(std::initializer_list<std::string> candidates,
                         platform::FolderFiles& files) {
  for (const std::string& folder : candidates) {
    if (folder.empty()) {
      continue;
    }
    try {
      const auto attributes = files.Attributes(folder);
      if (attributes && (*attributes & platform::kAttrDirectory) != 0) {
        return folder;
      }
    } catch (const std::exception&) {
      // A folder that cannot be asked about is no place to start in.
    }
  }
  return {};
}

std::string FolderOf(const platform::FileNameRule& rule, const std::string& path) {
  const std::size_t slash = rule.LastSeparator(path);
  if (slash == std::string::npos) {
    return {};
  }
  // "C:\report.txt" lies in "C:\", not in "C:".
  return path.substr(0, slash == 2 && path[1] == ':' ? 3 : slash);
}

}  // namespace Report
