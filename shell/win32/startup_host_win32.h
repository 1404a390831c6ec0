#pragma once

#include <memory>

#include "platform/system_folders.h"
#include "shell/startup.h"
#include "shell/win32/mdi_main.h"
#include "shell/win32/shell_context.h"

namespace shellwin {

// Start-up's reach into Windows: the program file and its date, the clock,
// the message window, the platform and the frame window it opens.
class Win32StartupHost : public Subs::StartupHost {
 public:
  Win32StartupHost(const ShellContext& context, platform::SystemFolders& folders,
                   FrameCommands commands);

  std::string ProgramFile() override;
  Subs::CivilDate FileDate(const std::string& path) override;
  Subs::CivilDate Today() override;
  void ShowMessage(int kind, const std::string& text, bool showCheckBox) override;
  std::uint32_t GetOSPlatform() override;
  void ShowMainFrame() override;

  // The frame window once ShowMainFrame has opened it.
  MDIMain* Frame() { return frame_.get(); }

 private:
  const ShellContext& context_;
  platform::SystemFolders& folders_;
  FrameCommands commands_;
  std::unique_ptr<MDIMain> frame_;
};

// Runs the program's messages until the frame window has closed.
int RunFrameLoop(MDIMain& frame);

}  // namespace shellwin
