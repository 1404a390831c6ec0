#pragma once

#include <string>

namespace kesclean {

// The uninstaller's one window, frmUninstall, as the start routine uses it.
class UninstallHost {
 public:
  virtual ~UninstallHost() = default;
  // Shows the window, not modal, with the caption, and lets it paint.
  virtual void ShowUninstallWindow(const std::string& caption) = 0;
  // Closes and releases the window, then lets pending events run.
  virtual void CloseUninstallWindow() = 0;
};

}  // namespace kesclean
