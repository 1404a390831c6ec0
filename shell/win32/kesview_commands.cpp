#include "shell/win32/kesview_commands.h"

#include "settings/win32/frm_options.h"

namespace shellwin {

FrameCommands KesviewFrameCommands(const ShellContext& context) {
  FrameCommands commands;
  // No explorer window exists yet: its command does nothing until it is
  // filled in, e.g. commands.openExplorer = [&context](MDIMain& frame) { ... };
  commands.openOptions = [&context](MDIMain& frame) {
    settingswin::ShowOptions(context, frame.Handle());
  };
  return commands;
}

}  // namespace shellwin
