#include "uninstall/win32/uninstall_host_win32.h"

#include "shell/win32/modal_loop.h"

namespace kesclean {

void Win32UninstallHost::ShowUninstallWindow(const std::string& caption) {
  window_ = std::make_unique<frmUninstall>(instance_);
  window_->Show(caption);
  shellwin::DoEvents();
}

void Win32UninstallHost::CloseUninstallWindow() {
  window_.reset();
  shellwin::DoEvents();
}

}  // namespace kesclean
