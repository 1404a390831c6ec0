#include "shell/win32/startup_host_win32.h"

#include <windows.h>

#include "platform/win32/file_facts_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "shell/general/text_helpers.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/os_platform.h"

namespace shellwin {

Win32StartupHost::Win32StartupHost(const ShellContext& context, platform::SystemFolders& folders,
                                   FrameCommands commands)
    : context_(context), folders_(folders), commands_(std::move(commands)) {}

std::string Win32StartupHost::ProgramFile() {
  return Subs::AddBackslash(context_.rule, folders_.ProgramFolder()) +
         platform::RunningProgramStem() + ".exe";
}

Subs::CivilDate Win32StartupHost::FileDate(const std::string& path) {
  // A date that cannot be read or converted raises failure 53 there.
  const platform::FileDateTime written = platform::Win32FileFacts().LastWriteLocalTime(path);
  return Subs::CivilDate{written.year, written.month, written.day};
}

Subs::CivilDate Win32StartupHost::Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return Subs::CivilDate{now.wYear, now.wMonth, now.wDay};
}

void Win32StartupHost::ShowMessage(int kind, const std::string& text, bool showCheckBox) {
  frmMessage message(context_);
  message.mnWarning = static_cast<std::int16_t>(kind);
  message.msMessage = text;
  message.mbShowCheckBox = showCheckBox;
  message.ShowModal(nullptr);
}

std::uint32_t Win32StartupHost::GetOSPlatform() { return shellwin::GetOSPlatform(); }

void Win32StartupHost::ShowMainFrame() {
  frame_ = std::make_unique<MDIMain>(context_, commands_);
  frame_->Load();
}

int RunFrameLoop(MDIMain& frame) {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (frame.Handle() != nullptr && frame.PreTranslate(msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace shellwin
