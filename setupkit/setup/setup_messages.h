#pragma once

#include <string>
#include <vector>

namespace setup {

// A file of the package is not in the folder Setup was started from.
std::string MissingSourceMessage(const std::string& path);
// A file to replace is in use; nothing was changed.
std::string InUseMessage(const std::string& path);
// The shell-link library left no shortcut file.
std::string ShortcutFailedMessage(const std::string& file);
// The Add/Remove Programs entry could not be written.
std::string RegistryFailedMessage(const std::string& key);
// Any failure while installing, after the undo; `stayed` names what the
// undo could not remove or put back.
std::string FailedMessage(const std::string& why, const std::vector<std::string>& stayed);
// Installed; the question whether to start the viewer.
std::string StartViewerQuestion(const std::string& folder);

}  // namespace setup
