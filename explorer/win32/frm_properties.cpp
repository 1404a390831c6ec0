#include "explorer/win32/frm_properties.h"

#include <commctrl.h>

#include "explorer/win32/list_view_fill.h"
#include "shell/win32/modal_loop.h"

namespace explorerwin {

namespace {
constexpr const char* kClassName = "KestrelProperties";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kWidth = 6600;
constexpr int kHeight = 4500;
}  // namespace

void frmProperties::ShowModal(HWND owner, const Explorer::FileProperties& properties) {
  const shellwin::TwipsLayout layout;
  HWND self = CreateCentred(instance_, kClassName, kExStyle, properties.caption.c_str(), kStyle,
                            layout, kWidth, kHeight, owner);
  if (self == nullptr) {
    return;
  }
  HWND sheet =
      layout.Control(self, WC_LISTVIEWA, nullptr,
                     WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER, 120,
                     120, kWidth - 240, kHeight - 720, kSheetId, WS_EX_CLIENTEDGE);
  FillListView(sheet, properties.sheet, layout);
  HWND ok = layout.Control(self, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                           kWidth - 1320, kHeight - 480, 1200, 375, IDOK);
  SetFocus(ok);
  shellwin::RunModal(self, owner, closed_, nullptr);
  Destroy();
}

LRESULT frmProperties::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) ||
      message == WM_CLOSE) {
    closed_ = true;
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace explorerwin
