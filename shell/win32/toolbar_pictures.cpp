#include "shell/win32/toolbar_pictures.h"

#include <commctrl.h>

namespace shellwin {

void AddToolbarPictures(HWND toolbar, HINSTANCE instance, int resource, int count, int size) {
  // The size comes first: a toolbar measures what it is given by it.
  SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  TBADDBITMAP strip{instance, static_cast<UINT_PTR>(resource)};
  SendMessageA(toolbar, TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&strip));
}

}  // namespace shellwin
