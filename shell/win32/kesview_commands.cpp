#include "shell/win32/kesview_commands.h"

#include <memory>

#include "explorer/win32/explorer_windows.h"
#include "settings/win32/frm_options.h"
#include "startup/win32/frm_startup.h"

namespace shellwin {

FrameCommands KesviewFrameCommands(const ShellContext& context) {
  FrameCommands commands;
  // The explorer windows live as long as the frame's commands.
  auto explorers = std::make_shared<explorerwin::ExplorerWindows>(context);
  commands.openExplorer = [explorers](MDIMain& frame) { explorers->Open(frame); };
  commands.openReport = [explorers](MDIMain& frame) { explorers->OpenReport(frame); };
  commands.snapshotAgain = [explorers](MDIMain& frame) { explorers->SnapshotAgainActive(frame); };
  auto startups = std::make_shared<startupwin::StartupWindows>();
  commands.openStartup = [explorers, startups](MDIMain& frame) {
    startups->Open(frame, explorers->FactsMemory());
  };
  commands.openOptions = [&context](MDIMain& frame) {
    settingswin::ShowOptions(context, frame.Handle());
  };
  return commands;
}

}  // namespace shellwin
