#include "shell/win32/layout.h"

#include "shell/twips.h"
#include "shell/win32/handles.h"

namespace shellwin {

namespace {
// The usual display resolution, for a screen that cannot be asked.
constexpr int kDefaultDpi = 96;
}  // namespace

TwipsLayout::TwipsLayout() {
  WindowDC screen(nullptr);
  dpiX_ = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  dpiY_ = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  // Without a resolution every window and control would be zero-sized.
  if (dpiX_ <= 0 || dpiY_ <= 0) {
    dpiX_ = kDefaultDpi;
    dpiY_ = kDefaultDpi;
  }
}

int TwipsLayout::X(int twips) const { return Subs::TwipsToPixels(twips, dpiX_); }
int TwipsLayout::Y(int twips) const { return Subs::TwipsToPixels(twips, dpiY_); }

HWND TwipsLayout::Control(HWND parent, const char* className, const char* text, DWORD style,
                          int left, int top, int width, int height, int id, DWORD exStyle) const {
  HWND control = CreateWindowExA(
      exStyle, className, text, WS_CHILD | style, X(left), Y(top), X(width), Y(height), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  return control;
}

SIZE TwipsLayout::OuterSize(DWORD style, DWORD exStyle, bool hasMenu, int widthTwips,
                            int heightTwips) const {
  RECT rect{0, 0, X(widthTwips), Y(heightTwips)};
  AdjustWindowRectEx(&rect, style, hasMenu ? TRUE : FALSE, exStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

POINT CentredOn(HWND over, SIZE size) {
  RECT area{};
  if ((over == nullptr || !GetWindowRect(over, &area)) &&
      !SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
    area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return POINT{area.left + (area.right - area.left - size.cx) / 2,
               area.top + (area.bottom - area.top - size.cy) / 2};
}

HFONT DialogFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace shellwin
