#include "shell/win32/common_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace shellwin {

bool CommonDialog::ShowSave(HWND owner) { return Show(owner, false); }

bool CommonDialog::ShowOpen(HWND owner) { return Show(owner, true); }

bool CommonDialog::Show(HWND owner, bool open) {
  // The dialog wants the filter's parts separated by NULs and ending in two.
  std::string filter = Filter;
  std::replace(filter.begin(), filter.end(), '|', '\0');
  filter.append(2, '\0');

  std::vector<char> name(MAX_PATH + 1, '\0');
  FileName.copy(name.data(), std::min<std::size_t>(FileName.size(), MAX_PATH));

  OPENFILENAMEA ofn{};
  // The size of the original structure, which every version accepts.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = DialogTitle.empty() ? nullptr : DialogTitle.c_str();
  ofn.lpstrInitialDir = InitDir.empty() ? nullptr : InitDir.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.nFilterIndex = FilterIndex;
  ofn.Flags = Flags;
  if (!(open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn))) {
    // No extended error means the user cancelled.
    const DWORD error = CommDlgExtendedError();
    if (error != 0) {
      throw kes::Failure(static_cast<std::int32_t>(error),
                         std::string(open ? "The Open" : "The Save As") + " dialog failed (error " +
                             std::to_string(error) + ")");
    }
    return false;
  }
  FileName = name.data();
  FilterIndex = ofn.nFilterIndex;
  return true;
}

}  // namespace shellwin
