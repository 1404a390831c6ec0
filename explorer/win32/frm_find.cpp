#include "explorer/win32/frm_find.h"

#include <vector>

#include "shell/win32/layout.h"
#include "shell/win32/mdi_main.h"

namespace explorerwin {

namespace {
constexpr const char* kClassName = "KestrelFind";
constexpr const char* kCaption = "Find";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kTextId = 10;
constexpr int kMatchCaseId = 11;
constexpr int kUpId = 12;
constexpr int kDownId = 13;
}  // namespace

frmFind::frmFind(HINSTANCE instance, Host host) : instance_(instance), host_(std::move(host)) {}

void frmFind::Show(HWND owner) {
  if (Handle() == nullptr) {
    Load(owner);
    if (Handle() == nullptr) {
      return;
    }
  }
  ShowWindow(Handle(), SW_SHOW);
  SetActiveWindow(Handle());
  SetFocus(text_);
  SendMessageA(text_, EM_SETSEL, 0, -1);
}

void frmFind::Load(HWND owner) {
  const shellwin::TwipsLayout layout;
  HWND self =
      CreateCentred(instance_, kClassName, kExStyle, kCaption, kStyle, layout, 5430, 1440, owner);
  if (self == nullptr) {
    return;
  }
  constexpr DWORD kVisible = WS_VISIBLE;
  layout.Control(self, "STATIC", "Fi&nd what:", kVisible | SS_LEFT, 120, 195, 1050, 255, -1);
  text_ = layout.Control(self, "EDIT", nullptr, kVisible | WS_TABSTOP | ES_AUTOHSCROLL, 1200, 150,
                         2760, 315, kTextId, WS_EX_CLIENTEDGE);
  matchCase_ =
      layout.Control(self, "BUTTON", "Match &case", kVisible | WS_TABSTOP | BS_AUTOCHECKBOX, 120,
                     1005, 1500, 255, kMatchCaseId);
  layout.Control(self, "BUTTON", "Direction", kVisible | BS_GROUPBOX, 1980, 600, 1980, 675, -1);
  up_ = layout.Control(self, "BUTTON", "&Up", kVisible | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
                       2100, 870, 750, 255, kUpId);
  HWND down = layout.Control(self, "BUTTON", "&Down", kVisible | BS_AUTORADIOBUTTON, 2940, 870, 900,
                             255, kDownId);
  SendMessageA(down, BM_SETCHECK, BST_CHECKED, 0);
  findNext_ = layout.Control(self, "BUTTON", "&Find Next",
                             kVisible | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 4110, 135, 1200,
                             345, IDOK);
  layout.Control(self, "BUTTON", "Cancel", kVisible | WS_TABSTOP, 4110, 570, 1200, 345, IDCANCEL);
  EnableWindow(findNext_, FALSE);
}

Explorer::FindRequest frmFind::Request() const {
  Explorer::FindRequest request;
  std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(text_)) + 1, '\0');
  GetWindowTextA(text_, text.data(), static_cast<int>(text.size()));
  request.text = text.data();
  request.matchCase = SendMessageA(matchCase_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  request.down = SendMessageA(up_, BM_GETCHECK, 0, 0) != BST_CHECKED;
  return request;
}

void frmFind::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  if (host_.closed) {
    host_.closed();
  }
}

LRESULT frmFind::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case shellwin::MDIMain::kPreviewKey: {
      // The explorer's shortcuts (F3 goes on finding), then the dialog keys:
      // Tab, the access keys, Enter for Find Next and Esc for Cancel.
      MSG& msg = *reinterpret_cast<MSG*>(lParam);
      const bool handled =
          (host_.shortcut && host_.shortcut(msg)) || IsDialogMessageA(Handle(), &msg) != FALSE;
      return handled ? TRUE : FALSE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          // Enter with no text finds nothing to look for.
          if (IsWindowEnabled(findNext_) && host_.findNext) {
            host_.findNext(Request());
          }
          return 0;
        case IDCANCEL:
          Hide();
          return 0;
        case kTextId:
          if (HIWORD(wParam) == EN_CHANGE) {
            EnableWindow(findNext_, GetWindowTextLengthA(text_) > 0);
          }
          return 0;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      Hide();
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace explorerwin
