#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <memory>
#include <type_traits>

// Owners for the handles the shell's windows create; each frees its handle
// with the call that matches how it was made.
namespace shellwin {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct CursorDeleter {
  void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
struct ImageListDeleter {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct AcceleratorDeleter {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

template <typename Handle, typename Deleter>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Deleter>;

using OwnedBitmap = Owned<HBITMAP, GdiObjectDeleter>;
using OwnedFont = Owned<HFONT, GdiObjectDeleter>;
using OwnedCursor = Owned<HCURSOR, CursorDeleter>;
using OwnedImageList = Owned<HIMAGELIST, ImageListDeleter>;
using OwnedAccelerators = Owned<HACCEL, AcceleratorDeleter>;
using OwnedIcon = Owned<HICON, IconDeleter>;

// A device context from GetDC, released to its window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) {
      ReleaseDC(window_, dc_);
    }
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace shellwin
