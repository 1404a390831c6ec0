#include "report/win32/print_to_file.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <shlobj.h>

#include <exception>
#include <string>

#include "platform/message_box.h"
#include "platform/win32/folder_files_win32.h"
#include "platform/win32/general_date_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/text_file_win32.h"
#include "report/print_to_file.h"
#include "report/report_folder.h"
#include "settings/settings_store.h"
#include "shell/general/failure_handler.h"

namespace reportwin {

namespace {

// The Save As dialog's flags: ask before overwriting (2), hide the read-only
// box (4), the path must exist (2048).
constexpr DWORD kSaveFlags = 2054;
static_assert(kSaveFlags == (OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST));

// The hourglass while the report is written, the earlier pointer afterwards.
class Hourglass {
 public:
  Hourglass() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~Hourglass() { SetCursor(previous_ != nullptr ? previous_ : LoadCursorA(nullptr, IDC_ARROW)); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

 private:
  HCURSOR previous_;
};

// The folder of the last report written, as the settings key remembers it.
std::string LastReportFolder(const shellwin::ShellContext& context) {
  RegistryValue folder;
  if (!context.registry.QueryValue(platform::kHkeyLocalMachine, Subs::kSettingsKey,
                                   Report::kReportFolderValue, folder)) {
    return {};
  }
  return folder.ToText();
}

// Asks for the report's path; false when the user cancelled.
bool AskPath(shellwin::MDIMain& frame, std::string& path) {
  shellwin::CommonDialog& dialog = frame.CommonDialog1();
  platform::Win32FolderFiles files;
  dialog.InitDir = Report::SaveAsFolder(
      {LastReportFolder(frame.Context()), platform::ShellFolderPath(CSIDL_PERSONAL),
       platform::ShellFolderPath(CSIDL_DESKTOPDIRECTORY)},
      files);
  dialog.FileName.clear();
  dialog.DialogTitle = "Print To File";
  dialog.Flags = kSaveFlags;
  dialog.Filter = "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*";
  dialog.FilterIndex = 1;
  dialog.DefaultExt.clear();  // a name typed without an extension is used as typed
  if (!dialog.ShowSave(frame.Handle())) {
    return false;
  }
  path = dialog.FileName;
  return true;
}

}  // namespace

namespace {

void PrintWith(shellwin::MDIMain& frame, const Report::WriteText& write) {
  const shellwin::ShellContext& context = frame.Context();
  std::string path;
  if (!Subs::WithFailureHandler(context.Report(), "frmExplorer", "mnuFile", false,
                                [&] { return AskPath(frame, path); })) {
    return;
  }

  bool written = false;
  {
    Hourglass hourglass;
    platform::Win32TextFiles files;
    written = Report::PrintToFile(path, write, files, context.Report());
  }
  if (written) {
    // The next Save As opens where this report went; without the settings
    // key (never created by this program's run) nothing is stored.
    context.registry.SetKeyValue(platform::kHkeyLocalMachine, Subs::kSettingsKey,
                                 Report::kReportFolderValue, Report::FolderOf(context.rule, path),
                                 platform::kRegSz);
    context.Boxes().Show(shellwin::AsOwner(frame.Handle()), "Output File Created", path,
                         platform::kMbOk | platform::kMbIconInformation);
  }
}

}  // namespace

void PrintToFile(shellwin::MDIMain& frame, const Report::SnapshotRecords& records,
                 std::int16_t idView) {
  PrintWith(frame, [&records, idView](platform::TextSink& sink) {
    Report::WriteReport(records, {platform::GeneralDateNow(), idView}, sink);
  });
}

void PrintLinesToFile(shellwin::MDIMain& frame, const std::vector<std::string>& lines) {
  PrintWith(frame, [&lines](platform::TextSink& sink) {
    for (const std::string& line : lines) {
      sink.Write(line + "\r\n");
    }
  });
}

void PrintTextToFile(shellwin::MDIMain& frame, const Report::WriteText& write) {
  PrintWith(frame, write);
}

}  // namespace reportwin
