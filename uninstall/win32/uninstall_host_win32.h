#pragma once

#include <windows.h>

#include <memory>

#include "uninstall/uninstall_host.h"
#include "uninstall/win32/frm_uninstall.h"

namespace kesclean {

// frmUninstall, created when it is shown and released when it is closed.
class Win32UninstallHost final : public UninstallHost {
 public:
  explicit Win32UninstallHost(HINSTANCE instance) : instance_(instance) {}

  void ShowUninstallWindow(const std::string& caption) override;
  void CloseUninstallWindow() override;

  const frmUninstall* Window() const { return window_.get(); }

 private:
  HINSTANCE instance_;
  std::unique_ptr<frmUninstall> window_;
};

}  // namespace kesclean
