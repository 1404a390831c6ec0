#pragma once

#include <string>

namespace setup {

// A file of the package is not in the folder Setup was started from.
std::string MissingSourceMessage(const std::string& path);
// A file to replace is in use; nothing was changed.
std::string InUseMessage(const std::string& path);
// The shell-link library left no shortcut file.
std::string ShortcutFailedMessage(const std::string& file);
// The Add/Remove Programs entry could not be written.
std::string RegistryFailedMessage(const std::string& key);
// Any failure while installing, after everything was undone.
std::string FailedMessage(const std::string& why);
// Installed; the question whether to start the viewer.
std::string StartViewerQuestion(const std::string& folder);

}  // namespace setup
