#include "shell/win32/kesview_commands.h"

namespace shellwin {

FrameCommands KesviewFrameCommands(const ShellContext& /*context*/) {
  // No explorer window or options dialog exists yet: their commands do
  // nothing until these are filled in, e.g.
  //   commands.openExplorer = [&context](MDIMain& frame) { ... };
  return FrameCommands{};
}

}  // namespace shellwin
