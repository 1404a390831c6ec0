#include "setupkit/setup/setup_messages.h"

#include "uninstall/messages.h"

namespace setup {

namespace {

constexpr const char* kNothingInstalled = "\n\nKestrel was not installed, and nothing was changed.";

}  // namespace

std::string MissingSourceMessage(const std::string& path) {
  return "A file of Kestrel's package is missing:\n" + path +
         "\n\nCopy the whole package into one folder and run Setup from there." + kNothingInstalled;
}

std::string InUseMessage(const std::string& path) {
  return "This file is in use and cannot be replaced:\n" + path +
         "\n\nClose Kestrel and run Setup again." + kNothingInstalled;
}

std::string ShortcutFailedMessage(const std::string& file) {
  return "The Programs menu shortcut could not be made: " + file;
}

std::string RegistryFailedMessage(const std::string& key) {
  return "The Add/Remove Programs entry could not be written: HKEY_LOCAL_MACHINE\\" + key;
}

std::string FailedMessage(const std::string& why, const std::vector<std::string>& stayed) {
  if (stayed.empty()) {
    return "Setup could not finish:\n" + why +
           "\n\nEverything Setup had copied or changed was undone." + kNothingInstalled;
  }
  return "Setup could not finish:\n" + why +
         "\n\nSetup could not undo all it had done. These stayed:\n" +
         kesclean::NamedFiles(stayed) + "\nKestrel was not installed.";
}

std::string StartViewerQuestion(const std::string& folder) {
  return "Kestrel is installed in\n" + folder +
         "\n\nUse \"Add/Remove Programs\" in the Control Panel to remove it.\n\nStart Kestrel now?";
}

}  // namespace setup
