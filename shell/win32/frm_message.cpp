#include "shell/win32/frm_message.h"

#include "settings/settings_store.h"
#include "shell/shell_texts.h"
#include "shell/win32/layout.h"
#include "shell/win32/modal_loop.h"

namespace shellwin {

namespace {
constexpr const char* kClassName = "KestrelMessage";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kMessageKind = 1;  // the web notice
}  // namespace

frmMessage::frmMessage(const ShellContext& context) : context_(context) {}

void frmMessage::ShowModal(HWND owner) {
  Load(owner);
  if (Handle() == nullptr) {
    return;
  }
  RunModal(Handle(), owner, closed_, nullptr);
  Destroy();
}

void frmMessage::Load(HWND owner) {
  const TwipsLayout layout;
  HWND self = CreateCentred(context_.instance, kClassName, kExStyle, kCaption, kStyle, layout, 5160,
                            2640, owner);
  if (self == nullptr) {
    return;
  }
  layout.Control(self, "STATIC", msMessage.c_str(), WS_VISIBLE | SS_LEFT, 135, 240, 4860, 1800, -1);
  chkDontShow_ = layout.Control(self, "BUTTON", "Don't Show This Message Again",
                                WS_TABSTOP | BS_AUTOCHECKBOX | (mbShowCheckBox ? WS_VISIBLE : 0),
                                210, 2235, 3045, 315, kCheckBoxId);
  HWND cmdClose =
      layout.Control(self, "BUTTON", "&Close", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 3930,
                     2190, 1080, 375, IDOK);
  SetFocus(cmdClose);
}

void frmMessage::Close() {
  if (closed_) {
    return;
  }
  closed_ = true;
  // A hidden box was never offered, so it cannot have been ticked.
  const bool ticked =
      mbShowCheckBox && SendMessageA(chkDontShow_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (!ticked) {
    return;
  }
  try {
    // Kinds outside 1..5 have no setting; SwitchOffMessage leaves them alone.
    Subs::SwitchOffMessage(context_.registry, mnWarning);
  } catch (const std::exception&) {
    // Closing is never held up by a failed save.
  }
}

LRESULT frmMessage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Close();
        return 0;
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void ShowWebNotice(const ShellContext& context, HWND owner) {
  if (Subs::giShowMsg1 == 0) {
    return;
  }
  frmMessage notice(context);
  notice.mnWarning = kMessageKind;
  notice.msMessage = Subs::WebNoticeText();
  notice.mbShowCheckBox = true;
  notice.ShowModal(owner);
}

void OpenWebPage(const ShellContext& context, HWND owner, const std::string& address) {
  ShowWebNotice(context, owner);
  context.web.LoadWebBrowser(AsOwner(owner), address);
}

}  // namespace shellwin
