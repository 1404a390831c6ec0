#include "setupkit/setup/win32/frm_setup.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include "platform/win32/shell_folder_win32.h"
#include "setupkit/setup/res/resource.h"

namespace setupwin {

namespace {

struct State {
  std::string folder;
  std::function<bool(HWND, const std::string&)> install;
};

std::string FolderText(HWND dialog) {
  char text[MAX_PATH + 1] = {};
  GetDlgItemTextA(dialog, IDC_FOLDER, text, sizeof text);
  return text;
}

// The shell's folder dialog; the folder chosen goes into the edit box.
void Browse(HWND dialog) {
  BROWSEINFOA info{};
  info.hwndOwner = dialog;
  info.lpszTitle = "Choose the folder to install Kestrel in:";
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (chosen == nullptr) {
    return;
  }
  char path[MAX_PATH + 1] = {};
  if (SHGetPathFromIDListA(chosen, path)) {
    SetDlgItemTextA(dialog, IDC_FOLDER, path);
  }
  platform::FreeShellMemory(chosen);
}

INT_PTR CALLBACK SetupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<State*>(lParam);
      SendDlgItemMessageA(dialog, IDC_FOLDER, EM_LIMITTEXT, MAX_PATH, 0);
      SetDlgItemTextA(dialog, IDC_FOLDER, state->folder.c_str());
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_BROWSE:
          Browse(dialog);
          return TRUE;
        case IDOK:
          if (state->install(dialog, FolderText(dialog))) {
            EndDialog(dialog, IDOK);
          }
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

bool frmSetup::Show(HINSTANCE instance, const std::string& folder,
                    std::function<bool(HWND owner, const std::string& folder)> install) {
  State state{folder, std::move(install)};
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace setupwin
