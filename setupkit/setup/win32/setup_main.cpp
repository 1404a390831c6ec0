// SETUP.EXE: installs Kestrel from the folder it was started from.
//   SETUP            the setup window
//   SETUP /S [/D=folder]
//                    no window and no box; the exit status tells: 0
//                    installed, 1 not installed, 2 folder refused, 3 a
//                    command line it does not understand.
#include <windows.h>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/file_transfer_win32.h"
#include "platform/win32/folder_files_win32.h"
#include "platform/win32/message_box_win32.h"
#include "platform/win32/program_starter_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/shell_links_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "setupkit/setup/setup_install.h"
#include "setupkit/setup/setup_messages.h"
#include "setupkit/setup/setup_plan.h"
#include "setupkit/setup/win32/frm_setup.h"
#include "setupkit/st5unst/st5unst_log.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  platform::Win32MessageBoxes boxes;
  const std::string arguments = st5unst::ArgumentsOf(GetCommandLineA());
  const std::optional<setup::CommandLine> line = setup::ParseCommandLine(arguments);
  if (!line) {
    if (platform::FileNameRule().Folded(arguments).find("/S") == std::string::npos) {
      boxes.Show(0,
                 "Setup takes no arguments but these:\n\n/S\tinstall without asking\n"
                 "/D=folder\tinstall in that folder (last)",
                 setup::kTitle, platform::kMbOk | platform::kMbIconExclamation);
    }
    return setup::kBadCommandLine;
  }
  platform::Win32Registry registry;
  platform::Win32SystemFolders folders;
  platform::Win32FolderFiles files;
  platform::Win32FileStore store;
  platform::Win32FileTransfer transfer;
  platform::Win32FileNameRule rule;
  std::string source = folders.ProgramFolder();
  if (rule.EndsWithBackslash(source)) {
    source.pop_back();  // a drive root, as on a floppy
  }

  std::string installed;
  const auto install = [&](HWND owner, const std::string& text) {
    const auto tell = [&](const std::string& message, int status) {
      if (!line->silent) {
        boxes.Show(reinterpret_cast<platform::WindowHandle>(owner), message, setup::kTitle,
                   platform::kMbOk | platform::kMbIconStop);
      }
      return status;
    };
    const setup::FolderChoice choice = setup::ChooseFolder(text, files, rule, folders);
    if (choice.refusal != setup::Refusal::kNone) {
      return tell(
          setup::RefusalMessage(choice.refusal, choice.folder.empty() ? text : choice.folder),
          setup::kFolderRefused);
    }
    // The shell-link library as it will lie in the install folder.
    platform::Win32ShellFolders shell;
    platform::Win32ShellLinks links(choice.folder + "\\" + platform::kShellLinkLibrary);
    const setup::Outcome outcome = setup::Install(
        source, choice.folder, {files, store, transfer, registry, links, folders, rule, shell});
    if (!outcome.installed) {
      return tell(outcome.message, setup::kNotInstalled);
    }
    installed = choice.folder;
    return setup::kInstalled;
  };

  const std::string folder =
      line->folder.empty() ? setup::DefaultFolder(registry, rule) : line->folder;
  if (line->silent) {
    return install(nullptr, folder);
  }
  if (!setupwin::frmSetup::Show(instance, folder, [&](HWND owner, const std::string& text) {
        return install(owner, text) == setup::kInstalled;
      })) {
    return setup::kNotInstalled;
  }
  if (boxes.Show(0, setup::StartViewerQuestion(installed), setup::kTitle,
                 platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes) {
    try {
      platform::Win32ProgramStarter().StartProgram("\"" + installed + "\\" + setup::kViewer + "\"",
                                                   installed);
    } catch (const std::exception&) {
      // Installed all the same; the Programs menu starts it.
    }
  }
  return setup::kInstalled;
}
