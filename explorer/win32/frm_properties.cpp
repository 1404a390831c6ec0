#include "explorer/win32/frm_properties.h"

#include <commctrl.h>

#include <algorithm>

#include "explorer/win32/child_keys.h"
#include "explorer/win32/list_view_fill.h"
#include "shell/win32/modal_loop.h"

namespace explorerwin {

namespace {
constexpr const char* kClassName = "KestrelProperties";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kWidth = 6600;
constexpr int kHeight = 4500;
constexpr int kMargin = 120;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 375;
}  // namespace

void frmProperties::ShowModal(HWND owner, const Explorer::FileProperties& properties) {
  const shellwin::TwipsLayout layout;
  HWND self = CreateCentred(instance_, kClassName, kExStyle, properties.caption.c_str(), kStyle,
                            layout, kWidth, kHeight, owner);
  if (self == nullptr) {
    return;
  }
  sheet_ = layout.Control(self, WC_LISTVIEWA, nullptr,
                          WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
                          kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 720, kSheetId,
                          WS_EX_CLIENTEDGE);
  FillListView(sheet_, properties.sheet, layout);
  ok_ = layout.Control(self, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                       kWidth - kMargin - kButtonWidth, kHeight - 480, kButtonWidth, kButtonHeight,
                       IDOK);
  SetFocus(ok_);
  shellwin::RunModal(self, owner, closed_, nullptr);
  Destroy();
}

LRESULT frmProperties::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) ||
      message == WM_CLOSE) {
    closed_ = true;
    return 0;
  }
  if (message == WM_SIZE && sheet_ != nullptr) {
    // The sheet takes what the button below it leaves.
    const shellwin::TwipsLayout layout;
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    const int margin = layout.X(kMargin);
    const int buttonWidth = layout.X(kButtonWidth);
    const int buttonHeight = layout.Y(kButtonHeight);
    const int buttonTop = height - layout.Y(480);
    MoveWindow(sheet_, margin, layout.Y(kMargin), std::max(0, width - 2 * margin),
               std::max(0, buttonTop - layout.Y(2 * kMargin)), TRUE);
    MoveWindow(ok_, width - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
    return 0;
  }
  if (message == WM_NOTIFY) {
    const auto& key = *reinterpret_cast<const NMLVKEYDOWN*>(lParam);
    if (key.hdr.hwndFrom == sheet_ && key.hdr.code == LVN_KEYDOWN && key.wVKey == 'C' &&
        (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
      // Ctrl+C copies the selected line.
      if (const auto text = CopyTextOf(nullptr, sheet_)) {
        PutOnClipboard(Handle(), *text);
      }
      return 0;
    }
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace explorerwin
