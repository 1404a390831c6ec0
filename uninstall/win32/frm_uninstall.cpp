#include "uninstall/win32/frm_uninstall.h"

#include "shell/win32/layout.h"
#include "uninstall/res/resource.h"
#include "uninstall/uninstall_texts.h"

namespace kesclean {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;
}  // namespace

frmUninstall::frmUninstall(HINSTANCE instance) {
  // The class carries the program's icon; registering it first makes the
  // registration inside CreateCentred find it already there.
  RegisterClassOnce(instance, kClassName, GetSysColorBrush(COLOR_BTNFACE),
                    LoadIconA(instance, MAKEINTRESOURCEA(IDI_KESCLEAN)));
  const shellwin::TwipsLayout layout;
  HWND self = CreateCentred(instance, kClassName, 0, "", kStyle, layout, kWidthTwips, kHeightTwips,
                            nullptr);
  if (self == nullptr) {
    return;
  }
  lbl_ = layout.Control(self, "STATIC", kWaitLabel, WS_VISIBLE, 750, 405, 3300, 195, -1);
}

void frmUninstall::Show(const std::string& caption) {
  if (Handle() == nullptr) {
    return;
  }
  SetWindowTextA(Handle(), caption.c_str());
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
}

}  // namespace kesclean
