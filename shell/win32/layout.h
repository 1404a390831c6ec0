#pragma once

#include <windows.h>

namespace shellwin {

// Places windows and controls given in twips, at the display's resolution.
class TwipsLayout {
 public:
  TwipsLayout();

  int X(int twips) const;
  int Y(int twips) const;

  // A child control at the given place (twips), in the dialog font.
  HWND Control(HWND parent, const char* className, const char* text, DWORD style, int left, int top,
               int width, int height, int id, DWORD exStyle = 0) const;

  // The outer size of a window whose client area is widthTwips x heightTwips.
  SIZE OuterSize(DWORD style, DWORD exStyle, bool hasMenu, int widthTwips, int heightTwips) const;

 private:
  int dpiX_;
  int dpiY_;
};

// Top-left position that centres a window of `size` on `over` (the screen's
// work area when `over` is null).
POINT CentredOn(HWND over, SIZE size);

// The font the shell's windows use for their controls.
HFONT DialogFont();

}  // namespace shellwin
