#pragma once

#include <memory>
#include <vector>

#include "explorer/win32/frm_explorer.h"
#include "shell/win32/mdi_main.h"
#include "shell/win32/shell_context.h"

namespace explorerwin {

// The explorer windows of one frame. Each window is released with its
// snapshot when it closes; the small object that ran it goes at the next
// opening or with this list.
class ExplorerWindows {
 public:
  explicit ExplorerWindows(const shellwin::ShellContext& context) : context_(context) {}

  // Creates a new explorer window in the frame; its load takes the snapshot.
  frmExplorer& Open(shellwin::MDIMain& frame);

  // The windows still open, oldest first.
  std::vector<frmExplorer*> Windows() const;

 private:
  const shellwin::ShellContext& context_;
  std::vector<std::unique_ptr<frmExplorer>> windows_;
};

}  // namespace explorerwin
