#include "report/win32/print_to_file.h"

#include <windows.h>

#include <exception>
#include <string>

#include "platform/message_box.h"
#include "platform/win32/general_date_win32.h"
#include "platform/win32/text_file_win32.h"
#include "report/print_to_file.h"
#include "settings/settings_store.h"

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

// Asks for the report's path; false when the user cancelled.
bool AskPath(shellwin::MDIMain& frame, std::string& path) {
  shellwin::CommonDialog& dialog = frame.CommonDialog1();
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

void PrintToFile(shellwin::MDIMain& frame, const Report::SnapshotRecords& records) {
  const shellwin::ShellContext& context = frame.Context();
  std::string path;
  try {
    if (!AskPath(frame, path)) {
      return;
    }
  } catch (const std::exception& failure) {
    context.Report().ShowFailure(failure, "frmExplorer", "mnuFile");
    return;
  }

  bool written = false;
  {
    Hourglass hourglass;
    platform::Win32TextFiles files;
    written = Report::PrintToFile(path, records, {platform::GeneralDateNow(), Subs::giIDView},
                                  files, context.Report());
  }
  if (written) {
    context.Boxes().Show(shellwin::AsOwner(frame.Handle()), "Output File Created", path,
                         platform::kMbOk | platform::kMbIconInformation);
  }
}

}  // namespace reportwin
