#include "setupkit/st5unst/st5unst_messages.h"

#include "uninstall/messages.h"

namespace st5unst {

std::string RefusedFolderMessage(const std::string& log) {
  return "Nothing was removed. The setup log\n" + log +
         "\nlies in the root of a drive or share, in the Windows folder or in the System "
         "folder, where files are not removed by a setup log.";
}

std::string UnreadLogMessage(const std::string& log) {
  return "Nothing was removed. The setup log\n" + log + "\ncould not be read to its end.";
}

std::string LeftBehindMessage(const std::vector<std::string>& left, const std::string& log) {
  return "These files named by the setup log were not removed:\n" + kesclean::NamedFiles(left) +
         "\nThe setup log was kept in\n" + log +
         "\nso that running the uninstaller again removes what is left.";
}

std::string FolderLeftMessage(const std::string& folder) {
  return "Every file named by the setup log was removed, but the emptied folder\n" + folder +
         "\ncould not be removed.";
}

}  // namespace st5unst
