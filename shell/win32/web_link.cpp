#include "shell/win32/web_link.h"

#include "shell/res/resource.h"
#include "shell/win32/layout.h"

namespace shellwin {

namespace {
// The fingertip of the hand picture.
constexpr DWORD kHandHotspotX = 5;
constexpr DWORD kHandHotspotY = 0;
}  // namespace

OwnedCursor LoadHandCursor(HINSTANCE instance) {
  OwnedIcon hand(static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_HAND_PICTURE), IMAGE_ICON, 32, 32, 0)));
  if (!hand) {
    return nullptr;
  }
  ICONINFO info{};
  if (!GetIconInfo(hand.get(), &info)) {
    return nullptr;
  }
  OwnedBitmap mask(info.hbmMask);
  OwnedBitmap color(info.hbmColor);
  info.fIcon = FALSE;
  info.xHotspot = kHandHotspotX;
  info.yHotspot = kHandHotspotY;
  return OwnedCursor(CreateIconIndirect(&info));
}

WebLink::WebLink(HINSTANCE instance, HWND label) : label_(label) {
  LOGFONTA face{};
  GetObjectA(DialogFont(), sizeof face, &face);
  face.lfUnderline = TRUE;
  font_.reset(CreateFontIndirectA(&face));
  SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  picCursor_ = LoadHandCursor(instance);
}

bool WebLink::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
  if (label_ == nullptr) {
    return false;
  }
  if (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == label_ && picCursor_) {
    SetCursor(picCursor_.get());
    result = TRUE;
    return true;
  }
  if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == label_) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
  }
  return false;
}

}  // namespace shellwin
