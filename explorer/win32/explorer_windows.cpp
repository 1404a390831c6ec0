#include "explorer/win32/explorer_windows.h"

#include <algorithm>

namespace explorerwin {

frmExplorer& ExplorerWindows::Open(shellwin::MDIMain& frame) {
  std::erase_if(windows_, [](const std::unique_ptr<frmExplorer>& window) {
    return window->Handle() == nullptr;
  });
  frmExplorer& window = *windows_.emplace_back(std::make_unique<frmExplorer>(context_, frame));
  window.Load();
  return window;
}

std::vector<frmExplorer*> ExplorerWindows::Windows() const {
  std::vector<frmExplorer*> open;
  for (const auto& window : windows_) {
    if (window->Handle() != nullptr) {
      open.push_back(window.get());
    }
  }
  return open;
}

}  // namespace explorerwin
